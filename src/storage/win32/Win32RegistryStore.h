#pragma once
#include "storage/RegistryStore.h"

namespace quorvel {

// The Windows registry through advapi32. Keys are opened in the 32-bit view,
// where the 32-bit Paltalk client keeps its uninstall entry, so a 64-bit bot
// sees what the client wrote.
class Win32RegistryStore final : public RegistryStore {
 public:
  OpenResult OpenKey(RootKey root, const std::string& subKey, KeyAccess access) override;
  std::optional<RegistryValue> QueryValue(RootKey root, const std::string& subKey,
                                          const std::string& valueName) override;
  std::optional<std::vector<std::string>> SubKeyNames(RootKey root, const std::string& subKey) override;
  std::optional<std::vector<std::string>> ValueNames(RootKey root, const std::string& subKey) override;
  bool CreateKey(RootKey root, const std::string& subKey) override;
  bool DeleteKey(RootKey root, const std::string& subKey) override;
  bool SetValue(RootKey root, const std::string& subKey, const std::string& valueName,
                const RegistryValue& value) override;
  bool DeleteValue(RootKey root, const std::string& subKey, const std::string& valueName) override;
};

}  // namespace quorvel
