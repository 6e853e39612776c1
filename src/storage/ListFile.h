#pragma once
// The one text format of every list file: an item a line, CR LF after each.
#include <string>
#include <vector>

#include "text/StringList.h"

namespace quorvel {

// Appends the file's fields to the list ("Input" form): fields end at commas
// and line ends, leading blanks are skipped, a field opened by a double quote
// runs to the next one (commas inside stay), an empty line is one empty item.
// False when the file cannot be read; the list is then unchanged.
bool LoadListFile(const std::string& path, std::vector<std::string>& list);
bool LoadListFile(const std::string& path, StringList& list);

// Writes the list ("Print" form), each item quoted when asked. The new file is
// written beside the old one and replaces it only when complete, so a failed
// write leaves the old list on disk. False when the write failed.
bool SaveListFile(const std::string& path, const std::vector<std::string>& list, bool quoted);

// The fields of list-file content, as LoadListFile reads them.
std::vector<std::string> ParseListFields(const std::string& content);
std::string FormatListFile(const std::vector<std::string>& list, bool quoted);

}  // namespace quorvel
