#pragma once
// The panel's text styles for the announcer's and the responder's messages,
// and the fade colours of the greeting-design editor.
#include <cstdint>
#include <optional>

#include "styling/RichText.h"

namespace quorvel {

struct TextStyle {
  bool StyleBold = true;
  bool StyleItalic = false;
  bool StyleUnderline = false;
  bool StyleFade = false;
  std::optional<int> StyleSize = 10;  // points: 8, 10 or 12; none leaves the buffer's size
  std::uint32_t StyleColor = Rgb(255, 0, 0);
  std::uint32_t MessageFadeColorA = Rgb(255, 0, 0);
  std::uint32_t MessageFadeColorB = Rgb(0, 0, 255);
  std::uint32_t DesignFadeColorA = Rgb(255, 0, 0);
  std::uint32_t DesignFadeColorB = Rgb(0, 0, 255);
};

// The three size boxes exclude each other: the one changed keeps its state,
// the other two are cleared.
void SetSizeBox(TextStyle& style, int points, bool ticked);

// Applies the styles to the whole buffer, which holds the plain message; the
// caller sends the result.
void ApplyStyle(RichText& buffer, const TextStyle& style);

// The design editor's "Fade": its text faded from colour A to colour B in
// Arial 10, former formatting gone.
void FadeBuffer(RichText& buffer, std::uint32_t colorA, std::uint32_t colorB);

}  // namespace quorvel
