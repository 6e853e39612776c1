#pragma once
// The registry values the real client keeps and the bot reads: the installed
// version and the signed-in user.
#include <windows.h>

#include <string>

namespace fakepal {

// HKCU\Software\Paltalk\cur_user, empty when unset.
std::string SignedInNick();

// Writes a string value in the 32-bit view, where the 32-bit client keeps its keys.
void SetRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value);

}  // namespace fakepal
