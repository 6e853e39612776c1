#pragma once
// Names the operator types or a list file holds become file names inside a
// folder of the program; a name that could leave that folder, or that the
// file system would not take, never reaches the disk.
#include <string_view>

namespace quorvel {

// False for a name holding \ / : * ? " < > | or a control character; an empty
// name is allowed (it gives the bare extension).
bool IsAllowedFileName(std::string_view name);

// A path split at its last separator ('\\' or '/'), judged by character: in
// a double-byte code page the byte 0x5C may end a letter. FolderOf is empty
// and NameOf the whole path when there is no separator.
std::string FolderOf(std::string_view path);
std::string NameOf(std::string_view path);
// A file name without its last extension ("night.txt" gives "night").
std::string StemOf(std::string_view name);

}  // namespace quorvel
