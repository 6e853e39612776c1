#pragma once
// Text helpers for the 8-bit ANSI text the client and the list files use.
// Case folding follows Windows-1252 (ASCII and the Latin-1 letters), never
// the C locale, so the bot compares nicks the way the client shows them.
#include <string>
#include <string_view>

namespace quorvel {

char AnsiLowerChar(char c);
std::string AnsiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Leading blanks (U+0020 only), as the client's own trimming does.
std::string TrimLeadingBlanks(std::string_view text);
std::string TrimBlanks(std::string_view text);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string RemoveAll(std::string_view text, std::string_view what);
std::string RemoveChar(std::string_view text, char c);

// A carriage return not followed by a line feed is "lone"; each is deleted.
std::string RemoveLoneCarriageReturns(std::string_view text);

}  // namespace quorvel
