// Files through the POSIX calls: names are bytes here, whatever their code page.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "storage/FileSystem.h"

namespace quorvel {
namespace {

PathKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return PathKind::File;
  if (S_ISDIR(mode)) return PathKind::Folder;
  return PathKind::Other;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

class PosixFileSystem final : public FileSystem {
 public:
  PathKind KindOf(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return PathKind::Missing;
    return KindOfMode(st.st_mode);
  }

  std::optional<std::string> Read(const std::string& path) override {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return std::nullopt;
    std::string content;
    char chunk[65536];
    for (;;) {
      const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return std::nullopt;
      if (n == 0) return content;
      content.append(chunk, static_cast<size_t>(n));
    }
  }

  bool WriteDurably(const std::string& path, const std::string& bytes) override {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return false;
    return WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close();
  }

  bool Append(const std::string& path, const std::string& bytes) override {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    return fd.Get() >= 0 && WriteAll(fd.Get(), bytes) && fd.Close();
  }

  bool Replace(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }

  bool RemoveFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

  bool MakeFolder(const std::string& path) override {
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && KindOf(path) == PathKind::Folder);
  }

  bool RemoveFolder(const std::string& path) override { return ::rmdir(path.c_str()) == 0; }

  std::optional<std::vector<FolderEntry>> List(const std::string& path) override {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      FolderEntry entry;
      entry.Name = name;
      const std::string full = InFolder(path, name);
      struct stat st {};
      entry.Link = ::lstat(full.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
      entry.Kind = KindOf(full);
      entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
  }
};

}  // namespace

FileSystem& SystemFiles() {
  // No state: one instance serves every caller.
  static PosixFileSystem files;
  return files;
}

char PathSeparator() { return '/'; }

std::optional<std::string> TempFolder() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp");
}

std::optional<std::string> ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return std::nullopt;
  path.resize(static_cast<size_t>(n));
  return path.substr(0, path.rfind('/'));
}

}  // namespace quorvel
