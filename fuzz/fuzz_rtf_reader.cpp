// Property: the RTF reader takes any bytes without failing, and what it read
// survives the writer: read, write, read gives the same characters (plain text
// and paragraph marks) with the same format on each, so the same formatting runs.
// A character without a font name (plain text read as a document) is written in
// the writer's default font, so it counts as that font.
#include <cstdint>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "styling/RichText.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

using Run = std::vector<std::pair<char, CharFormat>>;

Run Characters(const RichText& text) {
  Run run;
  for (size_t i = 0; i < text.Size(); ++i) {
    CharFormat format = text.FormatAt(i);
    if (format.FontName.empty()) format.FontName = "Arial";
    run.emplace_back(text.Chars()[i], format);
  }
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const RichText first = RichText::FromRtf(fuzz::Bytes(data, size));
  const std::string rtf = first.ToRtf();
  const RichText second = RichText::FromRtf(rtf);
  const Run before = Characters(first), after = Characters(second);
  Require(after.size() == before.size(), "read, write, read keeps the text", rtf);
  for (size_t i = 0; i < before.size(); ++i) {
    Require(after[i].first == before[i].first, "read, write, read keeps the text", rtf);
    Require(after[i].second == before[i].second, "read, write, read keeps every character's format", rtf);
  }
  return 0;
}
