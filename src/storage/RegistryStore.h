#pragma once
// A registry-like store: keys under a root, each with named typed values.
// Key and value names compare without regard to case. Data is kept as the
// bytes the system keeps: a string value holds its terminating zero.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class RootKey { None, ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

enum class KeyAccess { Read, Write, All };

struct RegistryValue {
  std::uint32_t Type = kRegNone;
  std::string Data;
};

// A DWORD value's data: four bytes, the lowest first.
inline std::uint32_t DwordFromBytes(const std::string& data) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < 4 && i < data.size(); ++i)
    v |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  return v;
}
inline std::string DwordBytes(std::uint32_t v) {
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  return data;
}

enum class OpenResult { Opened, Missing, Denied };

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  virtual OpenResult OpenKey(RootKey root, const std::string& subKey, KeyAccess access) = 0;
  virtual std::optional<RegistryValue> QueryValue(RootKey root, const std::string& subKey,
                                                  const std::string& valueName) = 0;
  // Names in the store's order; nothing when the key cannot be opened.
  virtual std::optional<std::vector<std::string>> SubKeyNames(RootKey root, const std::string& subKey) = 0;
  virtual std::optional<std::vector<std::string>> ValueNames(RootKey root, const std::string& subKey) = 0;
  virtual bool CreateKey(RootKey root, const std::string& subKey) = 0;
  // Removes the key with everything under it.
  virtual bool DeleteKey(RootKey root, const std::string& subKey) = 0;
  virtual bool SetValue(RootKey root, const std::string& subKey, const std::string& valueName,
                        const RegistryValue& value) = 0;
  virtual bool DeleteValue(RootKey root, const std::string& subKey, const std::string& valueName) = 0;
};

}  // namespace quorvel
