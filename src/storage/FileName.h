#pragma once
// Names the operator types or a list file holds become file names inside a
// folder of the program; a name that could leave that folder, or that the
// file system would not take, never reaches the disk.
#include <string_view>

namespace quorvel {

// False for a name holding \ / : * ? " < > | or a control character; an empty
// name is allowed (it gives the bare extension).
bool IsAllowedFileName(std::string_view name);

}  // namespace quorvel
