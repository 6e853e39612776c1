// Properties of the list files: any bytes read as fields without failing; a
// list saved and loaded comes back unchanged when its items allow it, that is
// quoted items (words.txt) without '"', CR and LF, and unquoted items without
// ',', '"', CR, LF and leading blanks; a list of free text written quoted where
// needed comes back unchanged whenever its items hold no '"', CR or LF, and
// reads the same as the unquoted form wherever that form reads back right.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "storage/ListFile.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

std::string Without(std::string item, std::string_view banned) {
  std::erase_if(item, [&](char c) { return banned.find(c) != std::string_view::npos; });
  return item;
}

std::string Joined(const std::vector<std::string>& list) {
  std::string out;
  for (const auto& item : list) out += "[" + item + "]";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  ParseListFields(fuzz::Bytes(data, size));

  FuzzedDataProvider provider(data, size);
  std::vector<std::string> quoted, unquoted;
  while (provider.remaining_bytes() > 0) {
    const std::string item = provider.ConsumeRandomLengthString(64);
    quoted.push_back(Without(item, "\"\r\n"));
    std::string plain = Without(item, ",\"\r\n");
    plain.erase(0, plain.find_first_not_of(" \t") == std::string::npos ? plain.size() : plain.find_first_not_of(" \t"));
    unquoted.push_back(plain);
  }
  Require(ParseListFields(FormatListFile(quoted, ListQuoting::WhenNeeded)) == quoted,
          "a free-text list survives save and load", Joined(quoted));
  Require(FormatListFile(unquoted, ListQuoting::WhenNeeded) == FormatListFile(unquoted, ListQuoting::Never),
          "items that need no quotes are written as the unquoted form writes them", Joined(unquoted));
  Require(ParseListFields(FormatListFile(quoted, ListQuoting::Always)) == quoted,
          "a quoted list survives save and load", Joined(quoted));
  Require(ParseListFields(FormatListFile(unquoted, ListQuoting::Never)) == unquoted,
          "an unquoted list survives save and load", Joined(unquoted));
  return 0;
}
