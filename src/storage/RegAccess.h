#pragma once
// Registry access by textual key paths ("HKLM\SOFTWARE\..."), over any
// RegistryStore. In every operation that takes a value name, "@" is the key's
// default value. No operation fails loudly: a missing key or value, a denied
// access or an unknown root gives the operation's failure result.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/Regedit4Script.h"
#include "storage/RegistryStore.h"
#include "storage/WholeFile.h"

namespace quorvel {

struct ParsedKeyPath {
  RootKey Root = RootKey::None;
  std::string SubKey;
};

// Long root names become short ones anywhere in the path; the root is the
// first four characters (or the whole path without a backslash), upper-cased.
ParsedKeyPath ParseKeyPath(const std::string& path);
std::string LongRootName(RootKey root);

class RegAccess {
 public:
  explicit RegAccess(RegistryStore& store) : store_(store) {}

  // When on (the default) the write operations create a missing key first.
  bool CreateKeyIfDoesntExists = true;

  bool KeyExists(const std::string& path);
  std::string ReadString(const std::string& path, const std::string& valueName, const std::string& defaultValue);
  bool CreateKey(const std::string& path);
  bool KillKey(const std::string& path);
  // Count of direct sub-keys put into names, or -1 when the key cannot be opened.
  int EnumKeys(const std::string& path, std::vector<std::string>& names);
  bool HaveSubkey(const std::string& path);
  bool WriteString(const std::string& path, const std::string& valueName, const std::string& value);
  bool WriteDWORD(const std::string& path, const std::string& valueName, std::uint32_t value);
  std::uint32_t ReadDWORD(const std::string& path, const std::string& valueName, std::uint32_t defaultValue);
  // Binary data travels as BinToStr's hex text.
  bool WriteBinary(const std::string& path, const std::string& valueName, const std::string& hexText);
  std::string ReadBinary(const std::string& path, const std::string& valueName, const std::string& defaultValue);
  bool KillValue(const std::string& path, const std::string& valueName);
  bool ValueExists(const std::string& path, const std::string& valueName);
  int EnumValues(const std::string& path, std::vector<std::string>& names);

  // A REGEDIT4 script of the key (and, when asked, its sub-keys); an existing
  // file is never overwritten.
  SaveResult ExportToReg(const std::string& path, const std::string& fileName, bool withSubKeys);
  bool ImportFromReg(const std::string& fileName);
  // The same script as text, and its import from text; nothing when the key
  // cannot be read.
  std::optional<std::string> ExportScript(const std::string& path, bool withSubKeys);
  bool ImportScript(const std::string& text);
  // Why the last export wrote nothing although the key could be read: a key
  // or value name holds a line end. Empty otherwise.
  const std::string& ExportRefusal() const { return exportRefusal_; }

  // The key of the last parsed path.
  RootKey LastRoot() const { return last_.Root; }
  const std::string& LastSubKey() const { return last_.SubKey; }

 private:
  const ParsedKeyPath& Parse(const std::string& path);
  bool EnsureKey(const ParsedKeyPath& key);
  void ExportKey(const ParsedKeyPath& key, bool withSubKeys, std::vector<Regedit4Key>& out);

  RegistryStore& store_;
  ParsedKeyPath last_;
  std::string exportRefusal_;
};

std::string BinToStr(const std::string& text);
std::string StrToBin(const std::string& hexText);
bool isBinValid(const std::string& hexText);

// The value when it is a string value, cut at its first zero; empty otherwise.
std::string ReadRegString(RegistryStore& store, RootKey root, const std::string& subKey, const std::string& valueName);

}  // namespace quorvel
