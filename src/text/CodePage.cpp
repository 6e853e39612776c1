#include "text/CodePage.h"

#include <atomic>

#include "text/DoubleByte.h"
#include "text/SingleByteTables.h"

namespace quorvel {
namespace {

// The one process setting of the text layer (see the header for why).
std::atomic<int> systemCodePage{kWesternCodePage};

struct CharsetPair {
  int Charset;
  int CodePage;
};

constexpr CharsetPair kCharsets[] = {{0, 1252},   {238, 1250}, {204, 1251}, {161, 1253}, {162, 1254},
                                     {177, 1255}, {178, 1256}, {186, 1257}, {163, 1258}, {222, 874},
                                     {128, 932},  {134, 936},  {129, 949},  {136, 950}};

char32_t Utf16Unit(char16_t unit) { return static_cast<char32_t>(unit); }

}  // namespace

bool IsDoubleByteCodePage(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool IsSupportedCodePage(int codePage) {
  return IsDoubleByteCodePage(codePage) || FindSingleByteCodePage(codePage) != nullptr;
}

int SystemCodePage() { return systemCodePage.load(std::memory_order_relaxed); }

bool SetSystemCodePage(int codePage) {
  const bool known = IsSupportedCodePage(codePage);
  systemCodePage.store(known ? codePage : kWesternCodePage, std::memory_order_relaxed);
  return known;
}

ScopedSystemCodePage::ScopedSystemCodePage(int codePage) : previous_(SystemCodePage()) { SetSystemCodePage(codePage); }

ScopedSystemCodePage::~ScopedSystemCodePage() { SetSystemCodePage(previous_); }

bool IsLeadByte(int codePage, unsigned char byte) {
  switch (codePage) {
    case 932:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

bool IsTrailByte(int codePage, unsigned char byte) {
  switch (codePage) {
    case 932:
      return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
    case 936:
      return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
    case 949:
      return (byte >= 0x41 && byte <= 0x5A) || (byte >= 0x61 && byte <= 0x7A) || (byte >= 0x81 && byte <= 0xFE);
    case 950:
      return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
    default:
      return false;
  }
}

std::optional<char32_t> CodePageToUnicode(int codePage, std::string_view character) {
  if (character.empty()) return std::nullopt;
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && first < 0x80) return first;
  if (IsDoubleByteCodePage(codePage)) return DoubleByteToUnicode(codePage, character);
  if (character.size() != 1) return std::nullopt;
  const SingleByteCodePage* page = FindSingleByteCodePage(codePage);
  if (!page) page = FindSingleByteCodePage(kWesternCodePage);
  return Utf16Unit(page->ToUnicode[first - 0x80]);
}

std::string UnicodeToCodePage(int codePage, char32_t codePoint) {
  if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
  if (IsDoubleByteCodePage(codePage)) return UnicodeToDoubleByte(codePage, codePoint);
  const SingleByteCodePage* page = FindSingleByteCodePage(codePage);
  if (!page) page = FindSingleByteCodePage(kWesternCodePage);
  for (size_t i = 0; i < page->ToUnicode.size(); ++i)
    if (Utf16Unit(page->ToUnicode[i]) == codePoint) return std::string(1, static_cast<char>(0x80 + i));
  return {};
}

std::string UnicodeToSystem(char32_t codePoint) {
  std::string bytes = UnicodeToCodePage(SystemCodePage(), codePoint);
  return bytes.empty() ? std::string("?") : bytes;
}

int CharsetCodePage(int charset) {
  for (const CharsetPair& pair : kCharsets)
    if (pair.Charset == charset) return pair.CodePage;
  return 0;
}

int CodePageCharset(int codePage) {
  for (const CharsetPair& pair : kCharsets)
    if (pair.CodePage == codePage) return pair.Charset;
  return 0;
}

}  // namespace quorvel
