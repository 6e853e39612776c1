#pragma once
// Reading and writing a file whole, bytes as they are, and the few folder
// steps the program takes: the one place the program touches files. Each
// takes the file system to use; the platform's own unless a test hands in
// another.
#include <optional>
#include <string>

#include "storage/FileSystem.h"

namespace quorvel {

// The file's bytes; nothing when it is no regular file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, FileSystem& fs = SystemFiles());

// How a replacing write ended.
enum class SaveOutcome {
  Saved,       // the file holds the new bytes
  NotWritten,  // the file is as it was; no new copy was kept
  KeptBeside,  // the file is as it was; the new bytes are whole in NewCopy
  // The file is as it was: written, the new bytes would not read back as
  // what they were made from, so nothing was written.
  WouldNotReadBack,
};

struct SaveResult {
  SaveOutcome Outcome = SaveOutcome::NotWritten;
  std::string NewCopy;  // where the new bytes wait, for KeptBeside
  explicit operator bool() const { return Outcome == SaveOutcome::Saved; }
};

// Writes the bytes to PATH + ".new", has them on the disk, then swaps that
// file in for the old one in one step. The old file is never removed first:
// whatever fails, the old or the new content is whole on the disk.
SaveResult WriteFileReplacing(const std::string& path, const std::string& bytes, FileSystem& fs = SystemFiles());

// Adds bytes to the end of a file, which is made when missing. False when the
// write failed; what a failed write added is not taken back.
bool AppendToFile(const std::string& path, const std::string& bytes, FileSystem& fs = SystemFiles());

bool FileExists(const std::string& path, FileSystem& fs = SystemFiles());
bool FolderExists(const std::string& path, FileSystem& fs = SystemFiles());
bool PathExists(const std::string& path, FileSystem& fs = SystemFiles());
// A folder inside one that exists; true when it is there afterwards.
bool EnsureFolder(const std::string& path, FileSystem& fs = SystemFiles());

// Removes the folder and everything in it. A link inside is removed, never
// followed: what it points at stays.
bool RemoveTree(const std::string& path, FileSystem& fs = SystemFiles());

}  // namespace quorvel
