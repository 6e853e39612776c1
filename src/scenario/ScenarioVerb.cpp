#include "scenario/ScenarioVerb.h"

#include <cstdlib>
#include <stdexcept>

#include "styling/RichText.h"
#include "text/ControlBytes.h"

namespace quorvel::scenario {

std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else
      out += ShowControlBytes(std::string_view(&c, 1));
  }
  return out;
}

std::string Quote(const std::string& text) { return "\"" + Visible(text) + "\""; }

int ParseInt(const std::optional<std::string>& word, const std::string& what) {
  if (!word || word->empty()) throw std::invalid_argument(what);
  char* end = nullptr;
  const long v = std::strtol(word->c_str(), &end, 10);
  if (*end != '\0') throw std::invalid_argument(what);
  return static_cast<int>(v);
}

std::optional<std::uint32_t> ParseRgb(const std::string& hex) {
  char* end = nullptr;
  const unsigned long rgb = std::strtoul(hex.c_str(), &end, 16);
  if (hex.size() != 6 || *end != '\0') return std::nullopt;
  return Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace quorvel::scenario
