// Properties of the fade and the markup renderer: any markup renders without
// failing; a faded text without '<' renders back to exactly its characters
// (each line end one paragraph mark, wherever the fade cut it) and every
// character's colour lies between colour A and colour B in each component.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

#include "FuzzCheck.h"
#include "styling/Fader.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

bool Between(std::uint32_t color, std::uint32_t a, std::uint32_t b, int shift) {
  const auto part = [shift](std::uint32_t c) { return (c >> shift) & 0xFF; };
  return part(color) >= std::min(part(a), part(b)) && part(color) <= std::max(part(a), part(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const auto colorA = provider.ConsumeIntegral<std::uint32_t>();
  const auto colorB = provider.ConsumeIntegral<std::uint32_t>();
  const bool wave = provider.ConsumeBool();
  std::string text = provider.ConsumeRemainingBytesAsString();

  RichText buffer;
  RenderMarkup(buffer, text);  // any markup at all

  std::erase(text, '<');
  const std::string markup = FadeText(colorA, colorB, text, wave);
  RenderMarkup(buffer, markup);
  Require(buffer.Chars() == RichText::FromPlainText(text).Chars(), "a faded text renders back to its characters",
          markup);
  for (size_t i = 0; i < buffer.Size(); ++i) {
    const std::uint32_t color = buffer.FormatAt(i).Color;
    for (int shift : {0, 8, 16})
      Require(Between(color, colorA, colorB, shift), "every faded colour lies between A and B", markup);
  }
  return 0;
}
