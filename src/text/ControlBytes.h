#pragma once
// Text from the room, a nick or a window title can hold any byte. Where such
// text is shown on a terminal or written as one line of a log, a control byte
// would act (an escape sequence) or break the line, so it is shown as \xNN.
#include <string>
#include <string_view>

namespace quorvel {

// A byte below 0x20 other than TAB, or 0x7F. No trail byte of a double-byte
// character is one, so a text can be scanned byte by byte.
bool IsControlByte(char c);
// Each control byte as \xNN (two upper-case hex digits); every other byte as it is.
std::string ShowControlBytes(std::string_view text);

}  // namespace quorvel
