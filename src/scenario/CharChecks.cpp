#include "scenario/CharChecks.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "scenario/ScenarioVerb.h"
#include "text/AnsiText.h"

namespace quorvel::scenario {
namespace {

// RRGGBB, red first; the automatic colour reads black.
std::string Hex6(std::uint32_t colorRef) {
  if (colorRef == kAutoColor) colorRef = 0;
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  return buf;
}

}  // namespace

std::optional<std::string> CheckCharProps(const RichText& doc, size_t index, StatementCursor& cursor) {
  if (index >= doc.Size()) return "character " + std::to_string(index) + " is past the end of the text";
  const CharFormat& f = doc.FormatAt(index);
  while (auto prop = cursor.Word()) {
    const std::string& p = *prop;
    auto flag = [&](const std::string& name, bool value) -> std::optional<std::string> {
      if (p == name && !value) return name + " not set";
      if (p == "-" + name && value) return name + " set";
      return std::nullopt;
    };
    std::optional<std::string> bad;
    if (p.rfind("color=", 0) == 0) {
      if (AnsiLower(p.substr(6)) != AnsiLower(Hex6(f.Color))) bad = "color is " + Hex6(f.Color);
    } else if (p.rfind("size=", 0) == 0) {
      const std::string want = p.substr(5);
      const int half = f.HalfPoints;
      const std::string have = half % 2 ? std::to_string(half / 2) + ".5" : std::to_string(half / 2);
      if (want != have) bad = "size is " + have;
    } else if (p.rfind("font=", 0) == 0) {
      std::string want = p.substr(5);
      for (char& c : want)
        if (c == '_') c = ' ';
      if (!EqualsNoCase(want, f.FontName)) bad = "font is " + Quote(f.FontName);
    } else if (p == "bold" || p == "-bold") {
      bad = flag("bold", f.Bold);
    } else if (p == "italic" || p == "-italic") {
      bad = flag("italic", f.Italic);
    } else if (p == "underline" || p == "-underline") {
      bad = flag("underline", f.Underline);
    } else if (p == "strike" || p == "-strike") {
      bad = flag("strike", f.Strike);
    } else {
      throw std::invalid_argument("unknown character property " + p);
    }
    if (bad) return "character " + std::to_string(index) + ": " + *bad + " (wanted " + p + ")";
  }
  return std::nullopt;
}

}  // namespace quorvel::scenario
