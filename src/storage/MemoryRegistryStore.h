#pragma once
#include <map>
#include <memory>

#include "storage/RegistryStore.h"

namespace quorvel {

// The in-memory store of the simulator and the tests. The empty value name is
// the key's default value.
class MemoryRegistryStore final : public RegistryStore {
 public:
  MemoryRegistryStore();
  ~MemoryRegistryStore() override;

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

 private:
  struct Key;
  Key* Find(RootKey root, const std::string& subKey);
  Key* Create(RootKey root, const std::string& subKey);
  std::map<RootKey, std::unique_ptr<Key>> roots_;
};

// Splits a key path at backslashes, dropping empty parts ("a\\b\\" is a, b).
std::vector<std::string> SplitKeyPath(const std::string& subKey);

}  // namespace quorvel
