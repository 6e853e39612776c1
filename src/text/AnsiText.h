#pragma once
// Text helpers for the 8-bit ANSI text the client and the list files use.
// Case folding follows the system code page (text/CodePage.h), never the C
// locale, so the bot compares nicks and phrases the way the client shows
// them: Latin, Cyrillic, Greek and the other letters of a single-byte code
// page fold; in a double-byte code page only ASCII letters do, and the trail
// byte of a two-byte character is never touched.
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One byte on its own; texts go through AnsiLower, which knows where the
// two-byte characters of a double-byte code page are.
char AnsiLowerChar(char c);
char AnsiUpperChar(char c);
std::string AnsiLower(std::string_view text);
std::string AnsiUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Leading blanks (U+0020 only), as the client's own trimming does.
std::string TrimLeadingBlanks(std::string_view text);
std::string TrimBlanks(std::string_view text);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string RemoveAll(std::string_view text, std::string_view what);
std::string RemoveChar(std::string_view text, char c);

// The text in double quotes, as messages and reports name a phrase, a class or a title.
std::string Quoted(std::string_view text);

// The pieces between the separators: n separators give n + 1 pieces, empty ones kept.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// The longest start of `text` of at most `maxBytes` bytes that ends where a
// character ends: a two-byte character is never cut in half, and a lead byte
// whose trail byte is missing is left out.
std::string CutAtCharacter(std::string_view text, size_t maxBytes);

// The first `count` characters: in a double-byte code page a two-byte
// character counts once and is never cut in half.
std::string FirstCharacters(std::string_view text, size_t count);

// A carriage return not followed by a line feed is "lone"; each is deleted.
std::string RemoveLoneCarriageReturns(std::string_view text);

}  // namespace quorvel
