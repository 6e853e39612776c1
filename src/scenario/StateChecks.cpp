#include "scenario/StateChecks.h"

#include "scenario/CharChecks.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/ScenarioWorld.h"
#include "storage/WholeFile.h"

namespace quorvel::scenario {
namespace {

namespace fs = std::filesystem;

void Value(ScenarioWorld& world, VerbCall& call) {
  const std::string name = call.Cursor.Word().value_or("");
  const std::string want = UnescapeFreeText(call.Cursor.Rest());
  const auto have = ReadSimValue(world.RequireBot().settings, name);
  if (!have) throw Unrunnable("unknown value " + Quote(name));
  if (*have != want) throw Fail("expected " + name + " " + Quote(want) + ", found " + Quote(*have));
}

void List(ScenarioWorld& world, VerbCall& call) {
  const std::string name = call.Cursor.Word().value_or("");
  const auto list = ReadSimList(world.RequireBot().settings, name);
  if (!list) throw NotYet("list " + name);
  if (*list != call.Statement.Block) {
    std::string have;
    for (const auto& e : *list) have += (have.empty() ? "" : ", ") + Quote(e);
    throw Fail("list " + name + " holds [" + have + "]");
  }
}

void Selected(ScenarioWorld& world, VerbCall& call) {
  const std::string name = call.Cursor.Word().value_or("");
  const BotSettings& settings = world.RequireBot().settings;
  if (!ReadSimList(settings, name)) throw NotYet("list " + name);
  std::vector<int> want;
  const auto first = call.Cursor.Word();
  if (first && *first != "none") {
    want.push_back(ParseInt(first, "index"));
    while (auto w = call.Cursor.Word()) want.push_back(ParseInt(w, "index"));
  }
  std::vector<int> have;
  for (size_t i : ReadSimSelection(settings, name)) have.push_back(static_cast<int>(i));
  if (have != want) {
    std::string h;
    for (int i : have) h += " " + std::to_string(i);
    throw Fail("selected in " + name + ":" + (h.empty() ? " none" : h));
  }
}

// `file` wants each block line followed by CR LF; `rawfile` the unescaped bytes.
void File(ScenarioWorld& world, VerbCall& call) {
  const std::string name = call.Cursor.Rest();
  const std::optional<std::string> file = ReadWholeFile(world.InProgramDir(name).string());
  if (!file) throw Fail("no file " + Quote(name));
  const std::string& bytes = *file;
  std::string want;
  if (call.Verb == "file") {
    for (const auto& line : call.Statement.Block) want += line + "\r\n";
  } else {
    for (const auto& line : call.Statement.Block) want += line;
    want = UnescapeFreeText(want);
  }
  if (bytes != want) throw Fail("file " + Quote(name) + " holds " + Quote(bytes) + ", expected " + Quote(want));
}

void NoFile(ScenarioWorld& world, VerbCall& call) {
  std::error_code ec;
  if (fs::is_regular_file(world.InProgramDir(call.Cursor.Rest()), ec))
    throw Fail("the file " + Quote(call.Cursor.Rest()) + " exists");
}

void Files(ScenarioWorld& world, VerbCall& call) {
  const std::string dir = call.Cursor.Word().value_or("");
  const int want = ParseInt(call.Cursor.Word(), "file count");
  int have = 0;
  std::error_code ec;
  const fs::path path = world.InProgramDir(dir);
  if (fs::is_directory(path, ec))
    for (const auto& entry : fs::directory_iterator(path, ec))
      if (entry.is_regular_file()) ++have;
  if (have != want) throw Fail("folder " + Quote(dir) + " holds " + std::to_string(have) + " files");
}

void EditorChar(ScenarioWorld& world, VerbCall& call) {
  const int index = ParseInt(call.Cursor.Word(), "character index");
  const RichText& editor = world.RequireBot().settings.Greeter.DesignEditor;
  // Counted as for a sent message: a paragraph mark is one character.
  if (auto bad = CheckCharProps(editor, static_cast<size_t>(index), call.Cursor)) throw Fail(*bad + " in the editor");
}

}  // namespace

const VerbTable& StateChecks() {
  static const VerbTable kChecks = {
      {"value", Value},  {"list", List},      {"selected", Selected}, {"file", File},
      {"rawfile", File}, {"no-file", NoFile}, {"files", Files},       {"editor-char", EditorChar},
  };
  return kChecks;
}

}  // namespace quorvel::scenario
