#include <windows.h>

#include "storage/win32/Win32RegistryStore.h"

#include "host/LiveCount.h"

namespace quorvel {
namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RootKey::CurrentUser:
      return HKEY_CURRENT_USER;
    case RootKey::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RootKey::Users:
      return HKEY_USERS;
    case RootKey::PerformanceData:
      return HKEY_PERFORMANCE_DATA;
    case RootKey::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case RootKey::DynData:
      return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000006));
    case RootKey::None:
      break;
  }
  return nullptr;
}

// A key the system closes when the handle goes; opened, or created when asked.
class Key {
 public:
  Key(RootKey root, const std::string& subKey, REGSAM access, bool create = false) {
    const HKEY base = RootHandle(root);
    if (!base)
      status_ = ERROR_FILE_NOT_FOUND;
    else if (create)
      status_ = RegCreateKeyExA(base, subKey.c_str(), 0, nullptr, 0, access | kView, nullptr, &key_, nullptr);
    else
      status_ = RegOpenKeyExA(base, subKey.c_str(), 0, access | kView, &key_);
    if (status_ != ERROR_SUCCESS) key_ = nullptr;
    live_.Set(key_ != nullptr);
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }
  LONG Status() const { return status_; }

 private:
  HKEY key_ = nullptr;
  LONG status_ = ERROR_SUCCESS;
  LiveMark<LiveKind::RegistryKey> live_;
};

}  // namespace

OpenResult Win32RegistryStore::OpenKey(RootKey root, const std::string& subKey, KeyAccess access) {
  const REGSAM sam = access == KeyAccess::All ? KEY_ALL_ACCESS : access == KeyAccess::Write ? KEY_WRITE : KEY_READ;
  Key key(root, subKey, sam);
  if (key.get()) return OpenResult::Opened;
  return key.Status() == ERROR_ACCESS_DENIED ? OpenResult::Denied : OpenResult::Missing;
}

std::optional<RegistryValue> Win32RegistryStore::QueryValue(RootKey root, const std::string& subKey,
                                                            const std::string& valueName) {
  Key key(root, subKey, KEY_READ);
  if (!key.get()) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::string data(size, '\0');
  if (size > 0 && RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  return RegistryValue{type, data};
}

std::optional<std::vector<std::string>> Win32RegistryStore::SubKeyNames(RootKey root, const std::string& subKey) {
  Key key(root, subKey, KEY_READ);
  if (!key.get()) return std::nullopt;
  std::vector<std::string> names;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

std::optional<std::vector<std::string>> Win32RegistryStore::ValueNames(RootKey root, const std::string& subKey) {
  Key key(root, subKey, KEY_READ);
  if (!key.get()) return std::nullopt;
  std::vector<std::string> names;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    DWORD length = sizeof name;
    if (RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool Win32RegistryStore::CreateKey(RootKey root, const std::string& subKey) {
  return Key(root, subKey, KEY_WRITE, true).get() != nullptr;
}

bool Win32RegistryStore::DeleteKey(RootKey root, const std::string& subKey) {
  const HKEY base = RootHandle(root);
  if (!base || subKey.empty()) return false;
  {
    Key key(root, subKey, KEY_ALL_ACCESS);
    if (!key.get()) return false;
    RegDeleteTreeA(key.get(), nullptr);  // what lies under it first
  }
  return RegDeleteKeyExA(base, subKey.c_str(), kView, 0) == ERROR_SUCCESS;
}

bool Win32RegistryStore::SetValue(RootKey root, const std::string& subKey, const std::string& valueName,
                                  const RegistryValue& value) {
  Key key(root, subKey, KEY_SET_VALUE);
  if (!key.get()) return false;
  return RegSetValueExA(key.get(), valueName.c_str(), 0, value.Type, reinterpret_cast<const BYTE*>(value.Data.data()),
                        static_cast<DWORD>(value.Data.size())) == ERROR_SUCCESS;
}

bool Win32RegistryStore::DeleteValue(RootKey root, const std::string& subKey, const std::string& valueName) {
  Key key(root, subKey, KEY_SET_VALUE);
  return key.get() && RegDeleteValueA(key.get(), valueName.c_str()) == ERROR_SUCCESS;
}

}  // namespace quorvel
