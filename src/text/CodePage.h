#pragma once
// The system's ANSI code page: the one code page of the 8-bit text the client
// hands out and the list files hold. Case folding, the RTF writer's
// \ansicpg/\fcharset and the RTF reader's conversions follow it; nothing else
// knows a code page.
//
// It is a process setting, not a host service passed around: it mirrors
// GetACP, which Windows fixes for the life of a process, so every caller in
// the process must see the same value and none may change it halfway. The
// entry point sets it once at start-up (GetACP in the bot, 1252 or
// --codepage N in the simulator); tests change it only through
// ScopedSystemCodePage.
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

inline constexpr int kWesternCodePage = 1252;

// 874, 1250 to 1258, and the double-byte 932, 936, 949 and 950.
bool IsSupportedCodePage(int codePage);
bool IsDoubleByteCodePage(int codePage);

int SystemCodePage();
// At start-up, before any text is handled. A code page this program does not
// know leaves 1252 in force and answers false.
bool SetSystemCodePage(int codePage);

// For tests: the code page in force for the object's lifetime.
class ScopedSystemCodePage {
 public:
  explicit ScopedSystemCodePage(int codePage);
  ~ScopedSystemCodePage();
  ScopedSystemCodePage(const ScopedSystemCodePage&) = delete;
  ScopedSystemCodePage& operator=(const ScopedSystemCodePage&) = delete;

 private:
  int previous_;
};

// True when the byte starts a two-byte character of the code page (never in
// a single-byte code page).
bool IsLeadByte(int codePage, unsigned char byte);
// True when the byte can follow a lead byte as the second byte of a two-byte
// character of the code page (never below 0x40, so never a character that
// means something to a parser of markup).
bool IsTrailByte(int codePage, unsigned char byte);

// One character of the code page, one byte or a lead and a trail byte, as
// Unicode; nothing when the code page does not define it.
std::optional<char32_t> CodePageToUnicode(int codePage, std::string_view character);
// The code page's bytes for one Unicode character; empty when the code page
// cannot hold it.
std::string UnicodeToCodePage(int codePage, char32_t codePoint);
// The same for the system code page, with "?" for what it cannot hold.
std::string UnicodeToSystem(char32_t codePoint);

// Windows character sets (the RTF \fcharset numbers) and their code pages;
// 0 when a number has no code page this program knows.
int CharsetCodePage(int charset);
int CodePageCharset(int codePage);

}  // namespace quorvel
