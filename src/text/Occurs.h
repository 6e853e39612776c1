#pragma once
// "Occurs in" has one meaning everywhere in the bot, the one of the classic
// InStr: the empty text occurs at the start of every non-empty text, and
// nothing occurs inside an empty text. std::string::find would also find ""
// inside "", which makes an empty phrase or trigger answer an empty line.
#include <string>
#include <string_view>

namespace quorvel {

// In a double-byte code page a match starts on a character, never on the
// trail byte of a two-byte one.
bool Occurs(std::string_view haystack, std::string_view needle);
// The same with both texts lower-cased (the system code page's letters).
bool OccursNoCase(std::string_view haystack, std::string_view needle);

// An entry of a phrase list (a monitored phrase, a responder trigger) that
// begins or ends with a blank: the operator put the blank there to mean "a
// word ends here", and a message's start and end end a word as well.
bool IsWordEntry(std::string_view entry);
// Whether a phrase-list entry occurs in a message: a word entry is looked for
// as if the message had one blank before it and one after it, so " hell "
// finds "hell" at the start, at the end and alone; any other entry occurs
// exactly as Occurs says. Nothing occurs in an empty message.
bool EntryOccurs(std::string_view message, std::string_view entry);
// The message as a word entry is looked for in it: one blank on each side.
std::string WithWordEnds(std::string_view message);

}  // namespace quorvel
