#include "styling/TextStyle.h"

#include "styling/Fader.h"

namespace quorvel {

void SetSizeBox(TextStyle& style, int points, bool ticked) {
  if (ticked)
    style.StyleSize = points;
  else
    style.StyleSize.reset();
}

void FadeBuffer(RichText& buffer, std::uint32_t colorA, std::uint32_t colorB) {
  RenderMarkup(buffer, FadeText(colorA, colorB, buffer.PlainText(), true));
}

void ApplyStyle(RichText& buffer, const TextStyle& style) {
  if (style.StyleFade) FadeBuffer(buffer, style.MessageFadeColorA, style.MessageFadeColorB);
  FormatChange change;
  if (!style.StyleFade) change.Color = style.StyleColor;
  // Styles are only ever switched on here, never off.
  if (style.StyleBold) change.Bold = true;
  if (style.StyleItalic) change.Italic = true;
  if (style.StyleUnderline) change.Underline = true;
  if (style.StyleSize) change.HalfPoints = *style.StyleSize * 2;
  buffer.FormatAll(change);
}

}  // namespace quorvel
