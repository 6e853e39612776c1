#pragma once
// The REGEDIT4 script as text: "REGEDIT4", a blank line, then per key a line
// "[" full key name "]", its values and a blank line. Reading and writing are
// pure; RegAccess walks the store and does the file work around them.
#include <optional>
#include <string>
#include <vector>

#include "storage/RegistryStore.h"

namespace quorvel {

struct Regedit4Value {
  std::string Name;     // empty for the key's default value ("@")
  bool Remove = false;  // "name"=-
  RegistryValue Value;
};

struct Regedit4Key {
  std::string Name;     // as written between the brackets, without a leading '-'
  bool Remove = false;  // [-name]
  std::vector<Regedit4Value> Values;
};

struct Regedit4Script {
  std::vector<Regedit4Key> Keys;
  // Cleared by any line that could not be read (a value line outside a key, a
  // key line without "]", a value whose data has no known form); the lines
  // that could be read are kept.
  bool WellFormed = true;
};

// Nothing (no keys, not well formed) when the text does not start with the
// line "REGEDIT4". Lines may end with CR LF or LF; a hex list may continue on
// the next line after a trailing backslash.
Regedit4Script ParseRegedit4(const std::string& text);

// Strings go in quotes when the quoted form gives them back exactly; any other
// string (one holding CR, LF or NUL, or missing its terminating zero) goes in
// the byte form hex(1):, as regedit writes it. Lines end with CR LF. A key or
// value name has no such form: when one holds a line end, which would start
// a line of the script's own, there is no script (LineEndInName says which).
std::optional<std::string> FormatRegedit4(const std::vector<Regedit4Key>& keys);
// "the value name \"a\x0Ab\" of [HKEY_CURRENT_USER\Software\Q]": the first
// key or value name that holds CR or LF, shown with \xNN; nothing when none does.
std::optional<std::string> LineEndInName(const std::vector<Regedit4Key>& keys);

}  // namespace quorvel
