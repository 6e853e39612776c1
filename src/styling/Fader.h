#pragma once
// The colour fade across a message and the small tag markup it travels in.
#include <cstdint>
#include <string>

#include "styling/RichText.h"

namespace quorvel {

// "<Font Color=#RRGGBB>" before every piece of the text, the colours running
// from colourA to colourB; with the wave flag, sup/sub tags that the renderer drops.
std::string FadeText(std::uint32_t colorA, std::uint32_t colorB, const std::string& text, bool wave);

// Replaces the buffer's content with the formatted text of the markup, from
// Arial 10, black, no effects.
void RenderMarkup(RichText& buffer, const std::string& markup);

// Upper-case hexadecimal, at least six digits.
std::string HexColor6(std::uint32_t color);
// The value of a hexadecimal text's last eight characters; other characters count 0.
std::uint32_t HexToNumber(const std::string& text);

}  // namespace quorvel
