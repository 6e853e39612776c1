#include "storage/RegAccess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "storage/Regedit4Script.h"
#include "storage/WholeFile.h"
#include "text/AnsiText.h"
#include "text/Concat.h"
#include "text/ControlBytes.h"

namespace quorvel {
namespace {

struct RootName {
  const char* Long;
  const char* Short;
  RootKey Root;
};

constexpr RootName kRootNames[] = {
    {"HKEY_CURRENT_USER", "HKCU", RootKey::CurrentUser},         {"HKEY_LOCAL_MACHINE", "HKLM", RootKey::LocalMachine},
    {"HKEY_CLASSES_ROOT", "HKCR", RootKey::ClassesRoot},         {"HKEY_USERS", "HKUS", RootKey::Users},
    {"HKEY_PERFORMANCE_DATA", "HKPD", RootKey::PerformanceData}, {"HKEY_DYN_DATA", "HKDD", RootKey::DynData},
    {"HKEY_CURRENT_CONFIG", "HKCC", RootKey::CurrentConfig},
};

std::string ReplaceAllNoCase(const std::string& text, const std::string& from, const std::string& to) {
  const std::string lowerText = AnsiLower(text);
  const std::string lowerFrom = AnsiLower(from);
  std::string out;
  size_t pos = 0;
  for (size_t hit; (hit = lowerText.find(lowerFrom, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(text, pos, hit - pos);
    out.append(to);
  }
  out.append(text, pos, std::string::npos);
  return out;
}

// "@" names the key's default value, whose name in the store is empty.
std::string ValueName(const std::string& name) { return name == "@" ? std::string() : name; }

std::string HexByte(unsigned char b) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", b);
  return buf;
}

std::string JoinPath(const std::string& parent, const std::string& child) {
  if (parent.empty()) return child;
  return parent.back() == '\\' ? parent + child : parent + "\\" + child;
}

}  // namespace

ParsedKeyPath ParseKeyPath(const std::string& path) {
  std::string p = path;
  for (const auto& r : kRootNames) p = ReplaceAllNoCase(p, r.Long, r.Short);
  ParsedKeyPath parsed;
  std::string root;
  const size_t slash = p.find('\\');
  if (slash != std::string::npos) {
    root = AnsiLower(p.substr(0, 4));
    parsed.SubKey = p.substr(slash + 1);
  } else {
    root = AnsiLower(p);
  }
  for (const auto& r : kRootNames)
    if (root == AnsiLower(r.Short)) parsed.Root = r.Root;
  return parsed;
}

std::string LongRootName(RootKey root) {
  for (const auto& r : kRootNames)
    if (r.Root == root) return r.Long;
  return {};
}

const ParsedKeyPath& RegAccess::Parse(const std::string& path) {
  last_ = ParseKeyPath(path);
  return last_;
}

bool RegAccess::EnsureKey(const ParsedKeyPath& key) {
  if (key.Root == RootKey::None) return false;
  if (store_.OpenKey(key.Root, key.SubKey, KeyAccess::Write) == OpenResult::Opened) return true;
  return CreateKeyIfDoesntExists && store_.CreateKey(key.Root, key.SubKey);
}

bool RegAccess::KeyExists(const std::string& path) {
  const auto& key = Parse(path);
  if (key.Root == RootKey::None) return false;
  // A key that denies full access to an unelevated process is still there.
  return store_.OpenKey(key.Root, key.SubKey, KeyAccess::All) != OpenResult::Missing;
}

std::string RegAccess::ReadString(const std::string& path, const std::string& valueName,
                                  const std::string& defaultValue) {
  const auto& key = Parse(path);
  if (key.Root == RootKey::None) return defaultValue;
  if (store_.OpenKey(key.Root, key.SubKey, KeyAccess::Read) != OpenResult::Opened) return defaultValue;
  const auto value = store_.QueryValue(key.Root, key.SubKey, ValueName(valueName));
  constexpr size_t kBufferSize = 255;
  if (!value || value->Data.size() > kBufferSize) return defaultValue;
  // The data sits in a blank-filled buffer: trimming keeps the terminating
  // zero, which then goes as the last character.
  std::string buffer = value->Data + std::string(kBufferSize - value->Data.size(), ' ');
  std::string trimmed = TrimBlanks(buffer);
  if (!trimmed.empty()) trimmed.pop_back();
  return trimmed;
}

bool RegAccess::CreateKey(const std::string& path) {
  const auto& key = Parse(path);
  return key.Root != RootKey::None && store_.CreateKey(key.Root, key.SubKey);
}

bool RegAccess::KillKey(const std::string& path) {
  const auto& key = Parse(path);
  return key.Root != RootKey::None && store_.DeleteKey(key.Root, key.SubKey);
}

int RegAccess::EnumKeys(const std::string& path, std::vector<std::string>& names) {
  const auto& key = Parse(path);
  names.clear();
  if (key.Root == RootKey::None) return -1;
  auto found = store_.SubKeyNames(key.Root, key.SubKey);
  if (!found) return -1;
  names = *found;
  return static_cast<int>(names.size());
}

bool RegAccess::HaveSubkey(const std::string& path) {
  std::vector<std::string> names;
  return EnumKeys(path, names) > 0;
}

bool RegAccess::WriteString(const std::string& path, const std::string& valueName, const std::string& value) {
  const auto key = Parse(path);
  if (!EnsureKey(key)) return false;
  return store_.SetValue(key.Root, key.SubKey, ValueName(valueName), {kRegSz, value + '\0'});
}

bool RegAccess::WriteDWORD(const std::string& path, const std::string& valueName, std::uint32_t value) {
  const auto key = Parse(path);
  if (!EnsureKey(key)) return false;
  return store_.SetValue(key.Root, key.SubKey, ValueName(valueName), {kRegDword, DwordBytes(value)});
}

std::uint32_t RegAccess::ReadDWORD(const std::string& path, const std::string& valueName, std::uint32_t defaultValue) {
  const auto& key = Parse(path);
  if (key.Root == RootKey::None) return defaultValue;
  const auto value = store_.QueryValue(key.Root, key.SubKey, ValueName(valueName));
  if (!value || value->Type != kRegDword || value->Data.size() != 4) return defaultValue;
  return DwordFromBytes(value->Data);
}

bool RegAccess::WriteBinary(const std::string& path, const std::string& valueName, const std::string& hexText) {
  const auto key = Parse(path);
  if (!EnsureKey(key)) return false;
  return store_.SetValue(key.Root, key.SubKey, ValueName(valueName), {kRegBinary, StrToBin(hexText)});
}

std::string RegAccess::ReadBinary(const std::string& path, const std::string& valueName,
                                  const std::string& defaultValue) {
  const auto& key = Parse(path);
  if (key.Root == RootKey::None) return defaultValue;
  const auto value = store_.QueryValue(key.Root, key.SubKey, ValueName(valueName));
  return value ? BinToStr(value->Data) : defaultValue;
}

bool RegAccess::KillValue(const std::string& path, const std::string& valueName) {
  const auto& key = Parse(path);
  return key.Root != RootKey::None && store_.DeleteValue(key.Root, key.SubKey, ValueName(valueName));
}

bool RegAccess::ValueExists(const std::string& path, const std::string& valueName) {
  const auto& key = Parse(path);
  return key.Root != RootKey::None && store_.QueryValue(key.Root, key.SubKey, ValueName(valueName)).has_value();
}

int RegAccess::EnumValues(const std::string& path, std::vector<std::string>& names) {
  const auto& key = Parse(path);
  names.clear();
  if (key.Root == RootKey::None) return -1;
  auto found = store_.ValueNames(key.Root, key.SubKey);
  if (!found) return -1;
  names = *found;
  return static_cast<int>(names.size());
}

void RegAccess::ExportKey(const ParsedKeyPath& key, bool withSubKeys, std::vector<Regedit4Key>& out) {
  Regedit4Key entry;
  entry.Name = LongRootName(key.Root);
  std::string sub = key.SubKey;
  while (!sub.empty() && sub.back() == '\\') sub.pop_back();
  if (!sub.empty()) entry.Name += "\\" + sub;
  for (const auto& valueName : store_.ValueNames(key.Root, key.SubKey).value_or(std::vector<std::string>{})) {
    const auto value = store_.QueryValue(key.Root, key.SubKey, valueName);
    if (value) entry.Values.push_back({valueName, false, *value});
  }
  out.push_back(std::move(entry));
  if (!withSubKeys) return;
  for (const auto& child : store_.SubKeyNames(key.Root, key.SubKey).value_or(std::vector<std::string>{}))
    ExportKey({key.Root, JoinPath(sub, child)}, true, out);
}

std::optional<std::string> RegAccess::ExportScript(const std::string& path, bool withSubKeys) {
  exportRefusal_.clear();
  const auto key = Parse(path);
  if (key.Root == RootKey::None) return std::nullopt;
  if (store_.OpenKey(key.Root, key.SubKey, KeyAccess::Read) != OpenResult::Opened) return std::nullopt;
  std::vector<Regedit4Key> keys;
  ExportKey(key, withSubKeys, keys);
  if (const auto name = LineEndInName(keys))
    exportRefusal_ = Concat({"The key [", ShowControlBytes(path), "] cannot be exported: ", *name,
                             " holds a line end, which a REGEDIT4 script cannot hold."});
  return FormatRegedit4(keys);
}

SaveResult RegAccess::ExportToReg(const std::string& path, const std::string& fileName, bool withSubKeys) {
  const auto script = ExportScript(path, withSubKeys);
  if (!script) return {};
  if (PathExists(fileName)) return {};
  return WriteFileReplacing(fileName, *script);
}

bool RegAccess::ImportScript(const std::string& text) {
  const Regedit4Script script = ParseRegedit4(text);
  if (script.Keys.empty() && !script.WellFormed) return false;
  bool ok = script.WellFormed;
  for (const auto& key : script.Keys) {
    const ParsedKeyPath target = ParseKeyPath(key.Name);
    bool haveKey = false;
    if (target.Root == RootKey::None) {
      ok = false;
    } else if (key.Remove) {
      store_.DeleteKey(target.Root, target.SubKey);
    } else {
      haveKey = store_.CreateKey(target.Root, target.SubKey);
      ok = ok && haveKey;
    }
    // Values under a key that was removed or could not be made go nowhere.
    if (!haveKey) {
      if (!key.Values.empty()) ok = false;
      continue;
    }
    for (const auto& v : key.Values) {
      if (v.Remove)
        store_.DeleteValue(target.Root, target.SubKey, v.Name);
      else
        ok = store_.SetValue(target.Root, target.SubKey, v.Name, v.Value) && ok;
    }
  }
  return ok;
}

bool RegAccess::ImportFromReg(const std::string& fileName) {
  const std::optional<std::string> content = ReadWholeFile(fileName);
  return content && ImportScript(*content);
}

std::string BinToStr(const std::string& text) {
  std::string out;
  for (char c : text) out += " " + HexByte(static_cast<unsigned char>(c));
  return out;
}

// Split by hand, not by a string stream: a stream would bring the C++ locale
// machinery into quorvel.exe for this one loop.
std::string StrToBin(const std::string& hexText) {
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  const std::string_view text = hexText;
  std::string out;
  size_t start = text.find_first_not_of(kBlanks);
  while (start != std::string_view::npos) {
    const size_t stop = std::min(text.find_first_of(kBlanks, start), text.size());
    const std::string token(text.substr(start, stop - start));
    char* end = nullptr;
    const long v = std::strtol(token.c_str(), &end, 16);
    if (*end == '\0' && token.size() <= 2) out.push_back(static_cast<char>(v));
    start = text.find_first_not_of(kBlanks, stop);
  }
  return out;
}

bool isBinValid(const std::string& hexText) {
  if (RemoveChar(hexText, ' ').empty()) return false;
  constexpr std::string_view kAllowed = "0123456789ABCDEFabcdef ";
  for (char c : hexText)
    if (kAllowed.find(c) == std::string_view::npos) return false;
  return true;
}

std::string ReadRegString(RegistryStore& store, RootKey root, const std::string& subKey, const std::string& valueName) {
  const auto value = store.QueryValue(root, subKey, valueName);
  if (!value || value->Type != kRegSz) return {};
  const size_t zero = value->Data.find('\0');
  return zero == std::string::npos ? value->Data : value->Data.substr(0, zero);
}

}  // namespace quorvel
