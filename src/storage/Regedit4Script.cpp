#include "storage/Regedit4Script.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "text/AnsiText.h"
#include "text/Concat.h"
#include "text/ControlBytes.h"

namespace quorvel {
namespace {

constexpr const char* kHeader = "REGEDIT4";

std::string Escaped(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

// The quoted form ends at the line's end and carries no terminator of its
// own, so only a string with exactly one zero, at its end, and no line break
// comes back unchanged from it.
bool FitsQuotedForm(const RegistryValue& value) {
  if (value.Type != kRegSz || value.Data.empty() || value.Data.back() != '\0') return false;
  return value.Data.find_first_of(std::string("\r\n\0", 3)) == value.Data.size() - 1;
}

std::string FormatData(const RegistryValue& value) {
  char buf[32];
  if (FitsQuotedForm(value)) return "\"" + Escaped(value.Data.substr(0, value.Data.size() - 1)) + "\"";
  if (value.Type == kRegDword && value.Data.size() == 4) {
    std::snprintf(buf, sizeof buf, "dword:%08x", DwordFromBytes(value.Data));
    return buf;
  }
  // regedit writes the type of the byte form in hexadecimal: a QWORD is hex(b).
  std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(value.Type));
  std::string out = value.Type == kRegBinary ? std::string("hex:") : std::string(buf);
  for (size_t i = 0; i < value.Data.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", static_cast<unsigned char>(value.Data[i]));
    out += buf;
  }
  return out;
}

std::vector<std::string> ScriptLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line, pending;
  // Cut at each '\n' by hand (a last line needs none), not through a string
  // stream: a stream would bring the C++ locale machinery into quorvel.exe.
  for (size_t start = 0; start < text.size();) {
    const size_t stop = std::min(text.find('\n', start), text.size());
    line.assign(text, start, stop - start);
    start = stop + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Long hex lists continue on the next line after a trailing backslash.
    if (!line.empty() && line.back() == '\\' && (line.find("=hex") != std::string::npos || !pending.empty())) {
      pending += line.substr(0, line.size() - 1);
      continue;
    }
    if (!pending.empty()) {
      line = pending + TrimBlanks(line);
      pending.clear();
    }
    lines.push_back(line);
  }
  if (!pending.empty()) lines.push_back(pending);
  return lines;
}

// "name" or @ at the start of a value line; the rest after '=' goes to data.
bool SplitAssignment(const std::string& line, std::string& name, std::string& data) {
  size_t pos = 0;
  name.clear();
  if (line[0] == '@') {
    pos = 1;
  } else if (line[0] == '"') {
    for (pos = 1; pos < line.size() && line[pos] != '"'; ++pos) {
      if (line[pos] == '\\' && pos + 1 < line.size()) ++pos;
      name.push_back(line[pos]);
    }
    if (pos >= line.size()) return false;
    ++pos;
  } else {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  data = line.substr(pos + 1);
  return true;
}

bool ParseHexList(const std::string& list, std::string& bytes) {
  bytes.clear();
  std::string token;
  auto flush = [&]() {
    const std::string t = TrimBlanks(token);
    token.clear();
    if (t.empty()) return true;
    if (t.size() > 2) return false;
    char* end = nullptr;
    const long v = std::strtol(t.c_str(), &end, 16);
    if (*end != '\0') return false;
    bytes.push_back(static_cast<char>(v));
    return true;
  };
  for (char c : list) {
    if (c == ',') {
      if (!flush()) return false;
    } else {
      token.push_back(c);
    }
  }
  return flush();
}

bool ParseData(const std::string& data, Regedit4Value& value) {
  if (data == "-") {
    value.Remove = true;
    return true;
  }
  if (data.size() >= 2 && data.front() == '"' && data.back() == '"') {
    std::string s;
    for (size_t k = 1; k + 1 < data.size(); ++k) {
      if (data[k] == '\\' && k + 2 < data.size()) ++k;
      s.push_back(data[k]);
    }
    value.Value = {kRegSz, s + '\0'};
    return true;
  }
  if (data.rfind("dword:", 0) == 0 && data.size() == 14) {
    char* end = nullptr;
    const unsigned long v = std::strtoul(data.c_str() + 6, &end, 16);
    if (*end != '\0') return false;
    value.Value = {kRegDword, DwordBytes(static_cast<std::uint32_t>(v))};
    return true;
  }
  if (data.rfind("hex", 0) == 0) {
    const size_t colon = data.find(':');
    if (colon == std::string::npos) return false;
    std::uint32_t type = kRegBinary;
    if (data[3] == '(') type = static_cast<std::uint32_t>(std::strtoul(data.c_str() + 4, nullptr, 16));
    std::string bytes;
    if (!ParseHexList(data.substr(colon + 1), bytes)) return false;
    value.Value = {type, bytes};
    return true;
  }
  return false;
}

}  // namespace

Regedit4Script ParseRegedit4(const std::string& text) {
  Regedit4Script script;
  const auto lines = ScriptLines(text);
  if (lines.empty() || lines[0] != kHeader) {
    script.WellFormed = false;
    return script;
  }
  bool inKey = false;  // a value line needs a readable key line above it
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.rfind(']');
      inKey = close != std::string::npos;
      if (!inKey) {
        script.WellFormed = false;
        continue;
      }
      Regedit4Key key;
      key.Name = line.substr(1, close - 1);
      key.Remove = !key.Name.empty() && key.Name[0] == '-';
      if (key.Remove) key.Name.erase(0, 1);
      script.Keys.push_back(std::move(key));
      continue;
    }
    Regedit4Value value;
    std::string data;
    if (!inKey || !SplitAssignment(line, value.Name, data) || !ParseData(data, value)) {
      script.WellFormed = false;
      continue;
    }
    script.Keys.back().Values.push_back(std::move(value));
  }
  return script;
}

std::optional<std::string> LineEndInName(const std::vector<Regedit4Key>& keys) {
  auto breaks = [](const std::string& name) { return name.find_first_of("\r\n") != std::string::npos; };
  for (const auto& key : keys) {
    if (breaks(key.Name)) return Concat({"the key name [", ShowControlBytes(key.Name), "]"});
    for (const auto& v : key.Values)
      if (breaks(v.Name))
        return Concat({"the value name \"", ShowControlBytes(v.Name), "\" of [", ShowControlBytes(key.Name), "]"});
  }
  return std::nullopt;
}

std::optional<std::string> FormatRegedit4(const std::vector<Regedit4Key>& keys) {
  if (LineEndInName(keys)) return std::nullopt;
  std::string out = std::string(kHeader) + "\r\n\r\n";
  for (const auto& key : keys) {
    out += "[" + std::string(key.Remove ? "-" : "") + key.Name + "]\r\n";
    for (const auto& v : key.Values) {
      out += v.Name.empty() ? "@" : "\"" + Escaped(v.Name) + "\"";
      out += "=" + (v.Remove ? std::string("-") : FormatData(v.Value)) + "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace quorvel
