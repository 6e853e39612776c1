// The double-byte conversions through iconv, for the builds that are not
// Windows (the simulator and the native tests).
#include <iconv.h>

#include <array>
#include <optional>
#include <string>

#include "text/DoubleByte.h"

namespace quorvel {
namespace {

// One conversion descriptor, closed with the object.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (Valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input converted, or nothing when any of it cannot be.
  std::optional<std::string> Convert(std::string_view input) {
    if (!Valid()) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    std::array<char, 16> out{};
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    return std::string(out.data(), outPtr);
  }

 private:
  iconv_t cd_;
};

std::string CodePageName(int codePage) { return "CP" + std::to_string(codePage); }

}  // namespace

std::optional<char32_t> DoubleByteToUnicode(int codePage, std::string_view character) {
  if (character.empty() || character.size() > 2) return std::nullopt;
  Converter converter("UTF-32LE", CodePageName(codePage));
  const std::optional<std::string> utf32 = converter.Convert(character);
  if (!utf32 || utf32->size() != 4) return std::nullopt;
  const auto* b = reinterpret_cast<const unsigned char*>(utf32->data());
  return static_cast<char32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<char32_t>(b[3]) << 24));
}

std::string UnicodeToDoubleByte(int codePage, char32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
  const char utf32[4] = {static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
                         static_cast<char>((codePoint >> 16) & 0xFF), static_cast<char>(codePoint >> 24)};
  Converter converter(CodePageName(codePage), "UTF-32LE");
  const std::optional<std::string> bytes = converter.Convert(std::string_view(utf32, 4));
  return bytes && !bytes->empty() && bytes->size() <= 2 ? *bytes : std::string();
}

}  // namespace quorvel
