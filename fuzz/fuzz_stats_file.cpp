// Properties of the visitor statistics file: any bytes load without failing;
// the three lists stay parallel; load, save, load gives the same lists, and the
// save's read-back check never refuses a table that was loaded.
#include <cstdint>

#include "FuzzCheck.h"
#include "commands/VisitorStatsFile.h"

using namespace quorvel;
using quorvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const StatsFileContent first = ParseStatsFile(fuzz::Bytes(data, size));
  const VisitorTable& t = first.Table;
  Require(t.Nicks.size() == t.Counts.size() && t.Nicks.size() == t.LastSeen.size(), "the lists stay parallel");
  const std::string saved = FormatStatsFile(t);
  const StatsFileContent second = ParseStatsFile(saved);
  Require(!second.Truncated, "a saved file loads completely", saved);
  Require(second.Table == t, "load, save, load gives the same lists", saved);
  Require(StatsFileText(t) == saved, "a save writes every table it loaded", saved);
  return 0;
}
