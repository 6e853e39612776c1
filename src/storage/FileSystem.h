#pragma once
// Files and folders as the program names them: 8-bit names in the system's
// ANSI code page, like every other text it handles. Each platform gives the
// few calls below, and everything the program does with files is built on
// them (WholeFile.h), so that a name is never handed to a layer that reads it
// in another code page: the C runtime's and std::filesystem's narrow names do
// not follow the system code page on Windows.
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class PathKind { Missing, File, Folder, Other };

struct FolderEntry {
  std::string Name;
  PathKind Kind = PathKind::Missing;
  bool Link = false;  // a symbolic link or junction; Kind is what it points at
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // What the name is now, following links.
  virtual PathKind KindOf(const std::string& path) = 0;
  // The file's bytes; nothing when it is no file or cannot be read.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Makes the file or empties it, writes the bytes and has them on the disk
  // before it answers true.
  virtual bool WriteDurably(const std::string& path, const std::string& bytes) = 0;
  // Adds the bytes at the end, making the file when it is missing.
  virtual bool Append(const std::string& path, const std::string& bytes) = 0;
  // Puts the file FROM in the place of TO in one step, TO replaced when it
  // exists; on failure both stay as they were.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // One folder, whose parent exists; true when it is there afterwards.
  virtual bool MakeFolder(const std::string& path) = 0;
  // An empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // The names in a folder, without "." and "..".
  virtual std::optional<std::vector<FolderEntry>> List(const std::string& path) = 0;
};

// The platform's own: POSIX calls, or the wide Windows API with each name
// converted from the system code page.
FileSystem& SystemFiles();

// The folder of the running program. Nothing when its name cannot be
// written in the system code page (and, on Windows, has no short form that
// can): no file beside the program could then be named.
std::optional<std::string> ProgramFolder();

// The system's folder for temporary files; nothing when there is none whose
// name the system code page can write.
std::optional<std::string> TempFolder();

// The separator of the platform's paths, and NAME inside FOLDER. The
// separator is always added: a folder's last byte may be the trail byte of a
// double-byte character that only looks like one.
char PathSeparator();
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace quorvel
