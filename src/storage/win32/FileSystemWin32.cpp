// Files through the wide Windows API. The program's names are 8-bit text in
// the system code page; the narrow calls of the C runtime and of
// std::filesystem read them in other code pages under MinGW, so a folder
// named in the operator's own script would not be found. Each name is
// converted here, with the code page the rest of the program uses.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "storage/FileSystem.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  const UINT codePage = static_cast<UINT>(SystemCodePage());
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// Nothing when the code page cannot hold the name: such a name could not be
// opened again through the program's 8-bit names.
std::optional<std::string> FromWide(const wchar_t* wide) {
  const UINT codePage = static_cast<UINT>(SystemCodePage());
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, -1, text.data(), n, nullptr, nullptr);
  text.resize(static_cast<size_t>(n - 1));
  return text;
}

// A handle closed by CloseFn when it goes, unless taken back by Close() first.
template <BOOL(WINAPI* CloseFn)(HANDLE)>
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE h) : h_(h) {}
  ~ScopedHandle() {
    if (Valid()) CloseFn(h_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  HANDLE Get() const { return h_; }
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  // Closing a written file is where the system may still report a failure.
  bool Close() { return CloseFn(std::exchange(h_, INVALID_HANDLE_VALUE)) != 0; }

 private:
  HANDLE h_;
};
using FileHandle = ScopedHandle<CloseHandle>;
using FindHandle = ScopedHandle<FindClose>;

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

PathKind KindOfAttributes(DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
  return PathKind::File;
}

class Win32FileSystem final : public FileSystem {
 public:
  PathKind KindOf(const std::string& path) override {
    if (path.empty()) return PathKind::Missing;
    return KindOfAttributes(GetFileAttributesW(ToWide(path).c_str()));
  }

  std::optional<std::string> Read(const std::string& path) override {
    FileHandle file(CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    std::string content;
    char chunk[65536];
    for (;;) {
      DWORD read = 0;
      if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
      if (read == 0) return content;
      content.append(chunk, read);
    }
  }

  bool WriteDurably(const std::string& path, const std::string& bytes) override {
    FileHandle file(
        CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    return WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) && file.Close();
  }

  bool Append(const std::string& path, const std::string& bytes) override {
    FileHandle file(CreateFileW(ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && WriteAll(file.Get(), bytes) && file.Close();
  }

  bool Replace(const std::string& from, const std::string& to) override {
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
  }

  bool RemoveFile(const std::string& path) override { return DeleteFileW(ToWide(path).c_str()) != 0; }

  bool MakeFolder(const std::string& path) override {
    if (CreateDirectoryW(ToWide(path).c_str(), nullptr)) return true;
    return GetLastError() == ERROR_ALREADY_EXISTS && KindOf(path) == PathKind::Folder;
  }

  bool RemoveFolder(const std::string& path) override { return RemoveDirectoryW(ToWide(path).c_str()) != 0; }

  std::optional<std::vector<FolderEntry>> List(const std::string& path) override {
    WIN32_FIND_DATAW found{};
    FindHandle find(FindFirstFileW((ToWide(path) + L"\\*").c_str(), &found));
    if (!find.Valid()) {
      if (GetLastError() == ERROR_FILE_NOT_FOUND && KindOf(path) == PathKind::Folder) return std::vector<FolderEntry>{};
      return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      // A name the code page cannot hold is reached by its short form, where
      // the volume keeps one.
      std::optional<std::string> narrow = FromWide(found.cFileName);
      if (!narrow && found.cAlternateFileName[0]) narrow = FromWide(found.cAlternateFileName);
      if (!narrow) continue;
      FolderEntry entry;
      entry.Name = *narrow;
      entry.Kind = KindOfAttributes(found.dwFileAttributes);
      entry.Link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      entries.push_back(std::move(entry));
    } while (FindNextFileW(find.Get(), &found));
    return entries;
  }
};

}  // namespace

FileSystem& SystemFiles() {
  // No state: one instance serves every caller.
  static Win32FileSystem files;
  return files;
}

char PathSeparator() { return '\\'; }

std::optional<std::string> TempFolder() {
  wchar_t path[MAX_PATH + 2] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, path);
  if (n == 0 || n > MAX_PATH + 1) return std::nullopt;
  if (path[n - 1] == L'\\') path[n - 1] = L'\0';
  if (auto narrow = FromWide(path)) return narrow;
  // A user name the code page cannot write: its short form can be, where the volume keeps one.
  wchar_t shortPath[MAX_PATH + 2] = {};
  const DWORD s = GetShortPathNameW(path, shortPath, MAX_PATH + 1);
  if (s == 0 || s > MAX_PATH + 1) return std::nullopt;
  return FromWide(shortPath);
}

std::optional<std::string> ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::nullopt;
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  // Cut in UTF-16, where a backslash is always one: in a double-byte code
  // page the byte 0x5C may be the second half of a character.
  path.resize(path.rfind(L'\\') == std::wstring::npos ? 0 : path.rfind(L'\\'));
  if (path.size() == 2 && path[1] == L':') path += L'\\';
  if (auto narrow = FromWide(path.c_str())) return narrow;
  const DWORD shortSize = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (shortSize == 0) return std::nullopt;
  std::wstring shortPath(shortSize, L'\0');
  const DWORD n = GetShortPathNameW(path.c_str(), shortPath.data(), shortSize);
  if (n == 0 || n >= shortSize) return std::nullopt;
  shortPath.resize(n);
  return FromWide(shortPath.c_str());
}

}  // namespace quorvel
