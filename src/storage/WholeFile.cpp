#include "storage/WholeFile.h"

namespace quorvel {

std::optional<std::string> ReadWholeFile(const std::string& path, FileSystem& fs) {
  if (fs.KindOf(path) != PathKind::File) return std::nullopt;
  return fs.Read(path);
}

SaveResult WriteFileReplacing(const std::string& path, const std::string& bytes, FileSystem& fs) {
  const PathKind kind = fs.KindOf(path);
  if (kind != PathKind::File && kind != PathKind::Missing) return {};
  const std::string newCopy = path + ".new";
  if (fs.KindOf(newCopy) == PathKind::Folder) return {};
  if (!fs.WriteDurably(newCopy, bytes)) {
    // What is there is a part of the new bytes at best, and the old file is
    // untouched: nothing worth keeping.
    fs.RemoveFile(newCopy);
    return {};
  }
  if (!fs.Replace(newCopy, path)) return {SaveOutcome::KeptBeside, newCopy};
  return {SaveOutcome::Saved, {}};
}

bool AppendToFile(const std::string& path, const std::string& bytes, FileSystem& fs) {
  const PathKind kind = fs.KindOf(path);
  if (kind != PathKind::File && kind != PathKind::Missing) return false;
  return fs.Append(path, bytes);
}

std::string InFolder(const std::string& folder, const std::string& name) { return folder + PathSeparator() + name; }

bool FileExists(const std::string& path, FileSystem& fs) { return fs.KindOf(path) == PathKind::File; }

bool FolderExists(const std::string& path, FileSystem& fs) { return fs.KindOf(path) == PathKind::Folder; }

bool PathExists(const std::string& path, FileSystem& fs) { return fs.KindOf(path) != PathKind::Missing; }

bool EnsureFolder(const std::string& path, FileSystem& fs) {
  return fs.KindOf(path) == PathKind::Folder || fs.MakeFolder(path);
}

bool RemoveTree(const std::string& path, FileSystem& fs) {
  bool removed = true;
  for (const FolderEntry& entry : fs.List(path).value_or(std::vector<FolderEntry>{})) {
    const std::string inside = InFolder(path, entry.Name);
    if (entry.Link)
      removed = (fs.RemoveFile(inside) || fs.RemoveFolder(inside)) && removed;
    else if (entry.Kind == PathKind::Folder)
      removed = RemoveTree(inside, fs) && removed;
    else
      removed = fs.RemoveFile(inside) && removed;
  }
  return fs.RemoveFolder(path) && removed;
}

}  // namespace quorvel
