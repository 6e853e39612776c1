// Properties of the list files:
// - any bytes read as fields without failing;
// - whatever the program saves, it loads back unchanged: in the form of every
//   list file, content that a save would write reads back as the very list,
//   over items full of double quotes, commas, blanks and line ends;
// - nothing the entry check (the in-room commands', the Add buttons') lets in
//   is refused by a save: such lists are written in every form;
// - a list read from any file is written again in the form of every list but
//   the phrase list, and reads back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "model/ProgramFile.h"
#include "storage/ListFile.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

// Half the bytes become one of the bytes the list-file forms treat apart.
std::string Tricky(std::string item) {
  static constexpr char kApart[] = {'"', ',', ' ', '\t', '\r', '\n', 'a'};
  for (char& c : item) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte % 2 == 0) c = kApart[(byte / 2) % sizeof kApart];
  }
  return item;
}

std::string Joined(const std::vector<std::string>& list) {
  std::string out;
  for (const auto& item : list) out += "[" + item + "]";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string bytes = fuzz::Bytes(data, size);
  const std::vector<std::string> loaded = ParseListFields(bytes);

  FuzzedDataProvider provider(data, size);
  std::vector<std::string> items, admitted;
  while (provider.remaining_bytes() > 0) {
    items.push_back(Tricky(provider.ConsumeRandomLengthString(32)));
    if (FitsListFile(items.back())) admitted.push_back(items.back());
  }
  for (const char* name : kProgramListFiles) {
    const ListQuoting quoting = ListFileQuoting(name);
    if (const auto content = ListFileContent(items, quoting))
      Require(ParseListFields(*content) == items, "whatever is saved loads back unchanged", Joined(items));
    const auto content = ListFileContent(admitted, quoting);
    Require(content.has_value(), "a list of admitted entries is always saved", Joined(admitted));
    Require(ParseListFields(*content) == admitted, "admitted entries load back unchanged", Joined(admitted));
    if (quoting == ListQuoting::WhenNeeded)
      Require(ListFileContent(loaded, quoting).has_value(), "a list read from a file is written again", Joined(loaded));
  }
  return 0;
}
