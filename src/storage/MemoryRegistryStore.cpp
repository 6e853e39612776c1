#include "storage/MemoryRegistryStore.h"

#include <algorithm>

#include "text/AnsiText.h"

namespace quorvel {

struct MemoryRegistryStore::Key {
  std::string Name;
  std::vector<std::unique_ptr<Key>> SubKeys;  // creation order
  std::vector<std::pair<std::string, RegistryValue>> Values;

  Key* Child(const std::string& name) {
    for (auto& k : SubKeys)
      if (EqualsNoCase(k->Name, name)) return k.get();
    return nullptr;
  }
  RegistryValue* Value(const std::string& name) {
    for (auto& [n, v] : Values)
      if (EqualsNoCase(n, name)) return &v;
    return nullptr;
  }
};

MemoryRegistryStore::MemoryRegistryStore() = default;
MemoryRegistryStore::~MemoryRegistryStore() = default;

std::vector<std::string> SplitKeyPath(const std::string& subKey) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : subKey) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

MemoryRegistryStore::Key* MemoryRegistryStore::Find(RootKey root, const std::string& subKey) {
  if (root == RootKey::None) return nullptr;
  auto it = roots_.find(root);
  if (it == roots_.end()) it = roots_.emplace(root, std::make_unique<Key>()).first;
  Key* key = it->second.get();
  for (const auto& part : SplitKeyPath(subKey)) {
    key = key->Child(part);
    if (!key) return nullptr;
  }
  return key;
}

MemoryRegistryStore::Key* MemoryRegistryStore::Create(RootKey root, const std::string& subKey) {
  if (root == RootKey::None) return nullptr;
  auto& slot = roots_[root];
  if (!slot) slot = std::make_unique<Key>();
  Key* key = slot.get();
  for (const auto& part : SplitKeyPath(subKey)) {
    Key* next = key->Child(part);
    if (!next) {
      key->SubKeys.push_back(std::make_unique<Key>());
      next = key->SubKeys.back().get();
      next->Name = part;
    }
    key = next;
  }
  return key;
}

OpenResult MemoryRegistryStore::OpenKey(RootKey root, const std::string& subKey, KeyAccess) {
  return Find(root, subKey) ? OpenResult::Opened : OpenResult::Missing;
}

std::optional<RegistryValue> MemoryRegistryStore::QueryValue(RootKey root, const std::string& subKey,
                                                             const std::string& valueName) {
  Key* key = Find(root, subKey);
  if (!key) return std::nullopt;
  RegistryValue* value = key->Value(valueName);
  if (!value) return std::nullopt;
  return *value;
}

std::optional<std::vector<std::string>> MemoryRegistryStore::SubKeyNames(RootKey root, const std::string& subKey) {
  Key* key = Find(root, subKey);
  if (!key) return std::nullopt;
  std::vector<std::string> names;
  for (auto& k : key->SubKeys) names.push_back(k->Name);
  return names;
}

std::optional<std::vector<std::string>> MemoryRegistryStore::ValueNames(RootKey root, const std::string& subKey) {
  Key* key = Find(root, subKey);
  if (!key) return std::nullopt;
  std::vector<std::string> names;
  for (auto& [n, v] : key->Values) names.push_back(n);
  return names;
}

bool MemoryRegistryStore::CreateKey(RootKey root, const std::string& subKey) { return Create(root, subKey) != nullptr; }

bool MemoryRegistryStore::DeleteKey(RootKey root, const std::string& subKey) {
  auto parts = SplitKeyPath(subKey);
  if (parts.empty()) return false;  // a root cannot be deleted
  const std::string last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const auto& p : parts) parentPath += p + "\\";
  Key* parent = Find(root, parentPath);
  if (!parent) return false;
  auto it = std::find_if(parent->SubKeys.begin(), parent->SubKeys.end(),
                         [&](const auto& k) { return EqualsNoCase(k->Name, last); });
  if (it == parent->SubKeys.end()) return false;
  parent->SubKeys.erase(it);
  return true;
}

bool MemoryRegistryStore::SetValue(RootKey root, const std::string& subKey, const std::string& valueName,
                                   const RegistryValue& value) {
  Key* key = Find(root, subKey);
  if (!key) return false;
  if (RegistryValue* existing = key->Value(valueName)) {
    *existing = value;
  } else {
    key->Values.emplace_back(valueName, value);
  }
  return true;
}

bool MemoryRegistryStore::DeleteValue(RootKey root, const std::string& subKey, const std::string& valueName) {
  Key* key = Find(root, subKey);
  if (!key) return false;
  auto it = std::find_if(key->Values.begin(), key->Values.end(),
                         [&](const auto& nv) { return EqualsNoCase(nv.first, valueName); });
  if (it == key->Values.end()) return false;
  key->Values.erase(it);
  return true;
}

}  // namespace quorvel
