#pragma once
// Reading and writing a file whole, bytes as they are: the one place the
// program opens a file for its content.
#include <optional>
#include <string>

namespace quorvel {

// The file's bytes; nothing when it is no regular file or cannot be read.
// Names are the system's 8-bit file names, as the lists hold them.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes bytes to a file through a temporary file beside it, which replaces
// the old file only when complete: a failed write leaves the old file as it
// was. False when the write failed.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// Adds bytes to the end of a file, which is made when missing. False when the
// write failed; what a failed write added is not taken back.
bool AppendToFile(const std::string& path, const std::string& bytes);

}  // namespace quorvel
