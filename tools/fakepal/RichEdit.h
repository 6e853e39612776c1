#pragma once
// Reading and writing the rich-edit controls of a room: the transcript and
// the send box.
#include <windows.h>

#include <richedit.h>

#include <string>

namespace fakepal {

// Characters in the control, as the bot counts them (UTF-16, paragraph marks as one).
LONG TextLength(HWND edit);

// Appends one paragraph at the end of a transcript.
void AppendLine(HWND edit, const std::string& text);

// Removes the first `count` characters, as a client that bounds its transcript does.
void DropFirstCharacters(HWND edit, LONG count);

// Plain text of a rich-edit control, paragraph marks as single CRs.
std::string PlainText(HWND edit);

// The control's whole content as RTF.
std::string StreamOutRtf(HWND edit);

// The character format at one character position (moves the selection there).
CHARFORMAT2W FormatAt(HWND edit, LONG cp);

}  // namespace fakepal
