#include "ClientRegistry.h"

#include <memory>
#include <type_traits>

namespace fakepal {

namespace {

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

}  // namespace

std::string SignedInNick() {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Paltalk", 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  const Key key(opened);
  const LONG status = RegQueryValueExA(key.get(), "cur_user", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  return status == ERROR_SUCCESS && type == REG_SZ ? std::string(value) : std::string();
}

void SetRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return;
  const Key key(created);
  RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

}  // namespace fakepal
