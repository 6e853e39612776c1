#pragma once
// The one text format of every list file: an item a line, CR LF after each.
#include <string>
#include <vector>

#include "storage/WholeFile.h"
#include "text/StringList.h"

namespace quorvel {

// How items are written. Never is the nick lists' form and Always the phrase
// list's, as other programs and earlier versions read and write them.
// WhenNeeded is for lists of free text: an item that would not read back as
// itself unquoted (a comma, a leading blank) is quoted, every other item is
// written as Never writes it, so files read the same both ways.
enum class ListQuoting { Never, Always, WhenNeeded };

// Appends the file's fields to the list ("Input" form): fields end at commas
// and line ends, leading blanks are skipped, a field opened by a double quote
// runs to the next one (commas inside stay), an empty line is one empty item.
// False when the file cannot be read; the list is then unchanged.
bool LoadListFile(const std::string& path, std::vector<std::string>& list);
bool LoadListFile(const std::string& path, StringList& list);

// Writes the list ("Print" form, or "Write" form when always quoted). The new
// file is written beside the old one and replaces it only when complete, so a
// failed write leaves the old list on disk.
SaveResult SaveListFile(const std::string& path, const std::vector<std::string>& list, ListQuoting quoting);

// The fields of list-file content, as LoadListFile reads them.
std::vector<std::string> ParseListFields(const std::string& content);
std::string FormatListFile(const std::vector<std::string>& list, ListQuoting quoting);

}  // namespace quorvel
