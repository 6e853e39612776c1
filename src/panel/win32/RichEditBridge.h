#pragma once
// RTF in and out of a rich-edit control of this process.
#include <windows.h>

#include <string>

namespace quorvel {

void StreamInRtf(HWND edit, const std::string& rtf);
std::string StreamOutRtf(HWND edit);

}  // namespace quorvel
