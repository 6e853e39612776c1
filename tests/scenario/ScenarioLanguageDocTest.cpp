// The reference of the scenario language names every verb, check and name
// the simulator knows, and no file of the repository points outside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "ScratchDir.h"
#include "panel/PanelControl.h"
#include "scenario/EventChecks.h"
#include "scenario/PanelControlVerbs.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/SetupVerbs.h"
#include "scenario/StateChecks.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = QUORVEL_SOURCE_DIR;

std::string Reference() { return ReadWholeFile((kSourceDir / "docs/scenario-language.md").string()).value_or(""); }

// A name is documented when a code span begins with it: "`press Start`", "`Start`".
bool Documented(const std::string& doc, const std::string& name) {
  for (size_t at = doc.find("`" + name); at != std::string::npos; at = doc.find("`" + name, at + 1)) {
    const size_t after = at + 1 + name.size();
    if (after < doc.size() && (doc[after] == '`' || doc[after] == ' ')) return true;
  }
  return false;
}

// The first group of every match of `pattern` in the sources under src/ whose
// names end in `suffix`: for the tables the simulator keeps to itself.
std::set<std::string> NamesInSources(const std::string& suffix, const std::string& pattern) {
  std::set<std::string> names;
  const std::regex re(pattern);
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
    const std::string file = entry.path().filename().string();
    if (file.size() < suffix.size() || file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
    const std::string text = ReadWholeFile(entry.path().string()).value_or("");
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) names.insert((*it)[1]);
  }
  return names;
}

template <typename Table>
std::set<std::string> Keys(const Table& table) {
  std::set<std::string> keys;
  for (const auto& [key, value] : table) keys.insert(key);
  return keys;
}

TEST(ScenarioLanguageDoc, NamesEveryVerb) {
  // Every verb table is a literal of {"verb", Handler} rows; the operator's
  // own verbs are not reachable otherwise.
  std::set<std::string> verbs = NamesInSources("Verbs.cpp", R"re(\{"([a-z][a-z-]*)",\s*[A-Z]\w*\})re");
  const std::set<std::string> setup = Keys(scenario::SetupVerbs()), panel = Keys(scenario::PanelControlVerbs());
  for (const auto* table : {&setup, &panel})
    for (const auto& verb : *table) EXPECT_TRUE(verbs.count(verb)) << "the verb tables were not read: " << verb;
  testing::ScratchDir dir("quorvel-doc");
  std::ostringstream out;
  for (const auto& verb : verbs) {
    if (!setup.count(verb) && !panel.count(verb)) {
      ScenarioRunner runner(dir.Dir().string(), true, out);
      EXPECT_NE(runner.Apply(verb).value_or(""), "unknown verb \"" + verb + "\"") << verb << " is no verb";
    }
  }
  const std::string doc = Reference();
  for (const auto& verb : verbs) EXPECT_TRUE(Documented(doc, verb)) << "verb " << verb;
  for (const auto& check : Keys(scenario::EventChecks())) EXPECT_TRUE(Documented(doc, "expect " + check)) << check;
  for (const auto& check : Keys(scenario::StateChecks())) EXPECT_TRUE(Documented(doc, "expect " + check)) << check;
}

TEST(ScenarioLanguageDoc, NamesEveryControlValueAndList) {
  const std::string doc = Reference();
  for (const PanelControl& control : PanelControls()) EXPECT_TRUE(Documented(doc, control.Name)) << control.Name;
  const BotSettings settings;
  for (const auto& value : NamesInSources("SimValues.cpp", R"re(\{"(\w+)", \[\])re")) {
    EXPECT_TRUE(ReadSimValue(settings, value)) << value << " is no value";
    EXPECT_TRUE(Documented(doc, value)) << "value " << value;
  }
  for (const auto& list : NamesInSources("SimValues.cpp", R"re(name == "(\w+)")re")) {
    EXPECT_TRUE(ReadSimList(settings, list)) << list << " is no list";
    EXPECT_TRUE(Documented(doc, list)) << "list " << list;
  }
}

TEST(ScenarioLanguageDoc, DocumentedHelperSeesCodeSpansOnly) {
  EXPECT_TRUE(Documented("run `wrap N` or `keep`", "wrap"));
  EXPECT_TRUE(Documented("run `wrap N` or `keep`", "keep"));
  EXPECT_FALSE(Documented("run `wrapper` or keep", "wrap"));
  EXPECT_FALSE(Documented("run `wrapper` or keep", "keep"));
}

// The repository stands on its own: no file refers to the folder beside the
// checkout that its first notes came from.
TEST(RepositoryReferences, NoneLeadsOutsideTheRepository) {
  const std::string outside = std::string("..") + "/shared";
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kSourceDir))
    if (entry.is_regular_file()) files.push_back(entry.path());
  for (const char* folder : {"src", "tests", "docs", "scripts", "cmake", "tools", "bench", "fuzz", "package", "art"}) {
    if (!fs::is_directory(kSourceDir / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / folder))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  EXPECT_GT(files.size(), 100u);
  for (const auto& file : files)
    EXPECT_EQ(ReadWholeFile(file.string()).value_or("").find(outside), std::string::npos) << file;
}

}  // namespace
}  // namespace quorvel
