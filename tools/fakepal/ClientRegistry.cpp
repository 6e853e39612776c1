#include "ClientRegistry.h"

namespace fakepal {

std::string SignedInNick() {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Paltalk", 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  const LONG status = RegQueryValueExA(key, "cur_user", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_SZ ? std::string(value) : std::string();
}

void SetRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

}  // namespace fakepal
