// Properties of the REGEDIT4 script: any bytes import without failing; what
// an import left in the store exports to a script (or the export says why it
// refuses: a name holding a line end) that imports cleanly into an empty store
// and exports again to the same script; StrToBin(BinToStr(x)) is x.
#include <cstdint>

#include "FuzzCheck.h"
#include "storage/MemoryRegistryStore.h"
#include "storage/RegAccess.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

constexpr RootKey kRoots[] = {RootKey::ClassesRoot,     RootKey::CurrentUser,   RootKey::LocalMachine, RootKey::Users,
                              RootKey::PerformanceData, RootKey::CurrentConfig, RootKey::DynData};

// Every root that holds anything, with its sub-keys, in one script.
std::string ExportAll(MemoryRegistryStore& store) {
  constexpr std::string_view kHeader = "REGEDIT4\r\n\r\n";
  RegAccess reg(store);
  std::string script(kHeader);
  for (RootKey root : kRoots) {
    const bool used = !store.ValueNames(root, "").value_or(std::vector<std::string>{}).empty() ||
                      !store.SubKeyNames(root, "").value_or(std::vector<std::string>{}).empty();
    if (!used) continue;
    const auto part = reg.ExportScript(LongRootName(root), true);
    // A lone CR inside a line imports into a name; no script can hold it.
    Require(part.has_value() || !reg.ExportRefusal().empty(), "a root that holds keys is exported, or why not is said");
    if (!part) continue;
    Require(part->rfind(kHeader, 0) == 0, "an export starts with the header", *part);
    script += part->substr(kHeader.size());
  }
  return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string input = fuzz::Bytes(data, size);
  Require(StrToBin(BinToStr(input)) == input, "StrToBin(BinToStr(x)) == x");

  MemoryRegistryStore first;
  RegAccess(first).ImportScript(input);
  const std::string exported = ExportAll(first);

  MemoryRegistryStore second;
  Require(RegAccess(second).ImportScript(exported), "an exported script imports without a fault", exported);
  const std::string again = ExportAll(second);
  Require(again == exported, "export, import, export gives the same script", exported + "\n----\n" + again);
  return 0;
}
