#pragma once
// The one text format of every list file: an item a line, CR LF after each.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/WholeFile.h"
#include "text/StringList.h"

namespace quorvel {

// How items are written. Always is the phrase list's form, as other programs
// and earlier versions read and write it. WhenNeeded is every other list's:
// an item that would not read back as itself unquoted (a comma, a leading
// blank) is quoted, every other item is written as it is, so files written
// before read the same.
enum class ListQuoting { Always, WhenNeeded };

// An entry some form writes so that it reads back as itself: one without a
// double quote and without a line end (CR or LF). Lists take no other entry.
bool FitsListFile(std::string_view entry);

// Appends the file's fields to the list ("Input" form): fields end at commas
// and line ends, leading blanks are skipped, a field opened by a double quote
// runs to the next one (commas inside stay), an empty line is one empty item.
// False when the file cannot be read; the list is then unchanged.
bool LoadListFile(const std::string& path, std::vector<std::string>& list);
bool LoadListFile(const std::string& path, StringList& list);

// Writes the list ("Print" form, or "Write" form when always quoted). The new
// file is written beside the old one and replaces it only when complete, so a
// failed write leaves the old list on disk. Content that would not read back
// as the list is never written (SaveOutcome::WouldNotReadBack).
SaveResult SaveListFile(const std::string& path, const std::vector<std::string>& list, ListQuoting quoting);

// The fields of list-file content, as LoadListFile reads them.
std::vector<std::string> ParseListFields(const std::string& content);
std::string FormatListFile(const std::vector<std::string>& list, ListQuoting quoting);
// What SaveListFile writes: the formatted list, or nothing when it would not
// read back as the list.
std::optional<std::string> ListFileContent(const std::vector<std::string>& list, ListQuoting quoting);

}  // namespace quorvel
