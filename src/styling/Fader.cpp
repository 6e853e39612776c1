#include "styling/Fader.h"

#include <cmath>
#include <cstdio>

#include "text/AnsiText.h"

namespace quorvel {
namespace {

struct Rgb3 {
  int R, G, B;
};

Rgb3 Components(std::uint32_t colorRef) {
  return {static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
          static_cast<int>((colorRef >> 16) & 0xFF)};
}

// Ties to even, the way the fade has always rounded.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

const char* WaveTag(int w) {
  switch (w) {
    case 1:
      return "<sup>";
    case 2:
      return "</sup>";
    case 3:
      return "<sub>";
    default:
      return "</sub>";
  }
}

}  // namespace

std::string HexColor6(std::uint32_t color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", color);
  return buf;
}

std::uint32_t HexToNumber(const std::string& text) {
  const std::string digits = text.size() > 8 ? text.substr(text.size() - 8) : text;
  std::uint32_t value = 0;
  for (char c : digits) {
    int d = 0;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    value = value * 16 + static_cast<std::uint32_t>(d);
  }
  return value;
}

std::string FadeText(std::uint32_t colorA, std::uint32_t colorB, const std::string& text, bool wave) {
  const Rgb3 a = Components(colorA);
  const Rgb3 b = Components(colorB);
  const int length = static_cast<int>(text.size());
  int chunk = static_cast<int>(std::lround(length / 5.0));
  if (chunk == 0) chunk = 1;
  const int step = chunk;  // the loop's step is fixed when it starts
  std::string out;
  int w = 0;
  for (int p = 1; p <= length; p += step) {
    if (p + chunk > length) {
      chunk += length - p;  // the last pass takes what is left
      p = length;
    }
    const int from = std::max(0, p - chunk);
    const std::string piece = text.substr(static_cast<size_t>(from), static_cast<size_t>(p - from));
    const int r = RoundEven(a.R + p * static_cast<double>(b.R - a.R) / length);
    const int g = RoundEven(a.G + p * static_cast<double>(b.G - a.G) / length);
    const int bl = RoundEven(a.B + p * static_cast<double>(b.B - a.B) / length);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", r, g, bl);
    std::string waveTag;
    if (wave) {
      w = w >= 4 ? 1 : w + 1;
      waveTag = WaveTag(w);
    }
    out += std::string("<Font Color=#") + hex + ">" + waveTag + piece;
  }
  return out;
}

void RenderMarkup(RichText& buffer, const std::string& markup) {
  CharFormat format;
  format.FontName = "Arial";
  format.HalfPoints = 20;
  format.Color = Rgb(0, 0, 0);
  RichText out;
  bool lastWasCr = false;
  size_t i = 0;
  while (i < markup.size()) {
    const char c = markup[i];
    const size_t close = c == '<' ? markup.find('>', i + 1) : std::string::npos;
    if (c != '<' || close == std::string::npos) {
      // A "<" that never closes is taken as text, like everything after it.
      if (c == '\n' && lastWasCr) {
        lastWasCr = false;
      } else if (c != '\n' && !RichText::Holds(c)) {
        lastWasCr = false;  // dropped, as plain text drops it
      } else {
        out.Append(c == '\n' ? '\r' : c, format);
        lastWasCr = c == '\r';
      }
      ++i;
      continue;
    }
    const std::string tag = AnsiLower(markup.substr(i + 1, close - i - 1));
    // A tag inserts nothing, so a CR before it still pairs with an LF after it:
    // the fade may cut a line end in two.
    i = close + 1;
    if (tag == "b" || tag == "/b")
      format.Bold = tag == "b";
    else if (tag == "i" || tag == "/i")
      format.Italic = tag == "i";
    else if (tag == "u" || tag == "/u")
      format.Underline = tag == "u";
    else if (tag == "s" || tag == "/s")
      format.Strike = tag == "s";
    else if (tag.rfind("font color", 0) == 0) {
      const size_t hash = tag.find('#');
      const std::string six = tag.substr(hash == std::string::npos ? 0 : hash + 1, 6);
      auto part = [&](size_t at) { return at < six.size() ? six.substr(at, 2) : std::string(); };
      format.Color = Rgb(HexToNumber(part(0)) & 0xFF, HexToNumber(part(2)) & 0xFF, HexToNumber(part(4)) & 0xFF);
    } else if (tag.rfind("font face", 0) == 0) {
      const size_t quote = tag.find('"');
      std::string name = quote == std::string::npos ? tag : tag.substr(quote + 1);
      if (!name.empty() && name.back() == '"') name.pop_back();
      format.FontName = name;
    }
  }
  buffer.Clear();
  buffer.AppendRich(out);
}

}  // namespace quorvel
