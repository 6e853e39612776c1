#include "dryrun/ReplayRun.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>

#include "dryrun/DryRunPage.h"
#include "dryrun/DryRunSummary.h"
#include "engine/LineClassifier.h"
#include "model/FloodNumbers.h"
#include "model/ProgramFile.h"
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/PanelControl.h"
#include "scenario/ScenarioRunner.h"
#include "sim/TempDir.h"
#include "storage/FileName.h"
#include "storage/WholeFile.h"
#include "styling/RichText.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

const std::map<std::string, const char*>& FeatureStarts() {
  static const std::map<std::string, const char*> kStarts = {
      {"greeter", "Greeter.Start"},   {"swearbot", "Swearbot.Start"},     {"responder", "Responder.Start"},
      {"anouncer", "Anouncer.Start"}, {"autobounce", "Autobounce.Start"}, {"autoredot", "AutoRedot.Start"},
      {"flood", "Flood.Start"}};
  return kStarts;
}

constexpr const char* kPaltalk10Key =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger DisplayVersion = 10.1";

struct Failed {
  std::string Message;
};

// The "Start" buttons to press, in the panel's order.
std::vector<std::string> FeaturePresses(const std::string& list) {
  std::vector<std::string> presses;
  std::map<std::string, bool> wanted;
  std::stringstream ss(list);
  std::string name;
  while (std::getline(ss, name, ',')) {
    if (name == "all") {
      for (const auto& [feature, press] : FeatureStarts()) wanted[feature] = true;
    } else if (FeatureStarts().count(name)) {
      wanted[name] = true;
    } else {
      throw Failed{"unknown feature \"" + name +
                   "\" for --enable (greeter, swearbot, responder, anouncer, autobounce, autoredot, flood, all)"};
    }
  }
  for (const char* f : {"greeter", "swearbot", "responder", "anouncer", "autobounce", "autoredot", "flood"})
    if (wanted[f]) presses.push_back(FeatureStarts().at(f));
  return presses;
}

std::string ReadTranscript(const std::string& file) {
  std::optional<std::string> text = ReadWholeFile(file);
  if (!text) throw Failed{"cannot read the transcript " + file};
  return std::move(*text);
}

// The files of a folder that are no links, by name.
std::vector<std::string> PlainFiles(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const FolderEntry& e : fs.List(folder).value_or(std::vector<FolderEntry>{}))
    if (!e.Link && e.Kind == PathKind::File) names.push_back(e.Name);
  return names;
}

// What start-up reads from the program directory: the list files and the
// flood guard's numbers.
bool IsBotFile(const std::string& name) { return IsProgramListFile(name) || AnsiLower(name) == kFloodFile; }

// A setting of the scenario language: a box is typed into, as `type` does;
// an option, check box, colour or message is set, as `set` does.
std::string SetStatement(const std::string& name, const std::string& value) {
  const PanelControl* control = FindControl(name);
  if (!control || control->Kind != ControlKind::TextBox) return "set " + name + " " + value;
  for (const FloodNumber& n : FloodNumbers())
    if (name == n.Name && FloodValue(value, -1) < 0)
      throw Failed{"--set " + name + "=" + value + ": " + name + " takes a whole number (0 switches its check off)"};
  return "type " + name + " " + value;
}

bool IsRtfName(const std::string& name) { return name.size() > 4 && AnsiLower(name.substr(name.size() - 4)) == ".rtf"; }

bool CopyFileBytes(const std::string& from, const std::string& to) {
  const std::optional<std::string> bytes = ReadWholeFile(from);
  return bytes && WriteFileReplacing(to, *bytes);
}

// The nick a line shows as present: a joiner, or a speaker.
std::string NickOf(const std::string& line) {
  ChatLine parsed;
  parsed.RawLine = RemoveChar(line, '\r');
  ClassifyJoin(parsed);
  if (parsed.JoinedNick.empty()) ClassifySender(parsed);
  CleanUpNicks(parsed);
  return parsed.JoinedNick.empty() ? parsed.Sender : parsed.JoinedNick;
}

class Replay {
 public:
  Replay(const ReplayOptions& options, const std::string& copy, std::ostream& trace, std::ostream& summary)
      : options_(options), summary_(summary), runner_(copy, options.SummaryOnly, trace) {}

  void SetUp();
  void Play(const std::vector<std::string>& lines);
  void PrintSummary() { report_.Print(summary_); }
  const DryRunFigures& Figures() const { return report_.Figures(); }

 private:
  void Apply(const std::string& statement, const std::string& context) {
    if (auto error = runner_.Apply(statement)) throw Failed{context + ": " + *error};
  }

  const ReplayOptions& options_;
  std::ostream& summary_;
  ScenarioRunner runner_;
  DryRunSummary report_;
};

void Replay::SetUp() {
  const auto presses = FeaturePresses(options_.Enable);
  for (const auto& [name, value] : options_.Sets) {
    // The signed-in nick is the client's; start-up reads it as quorvel.exe does.
    if (name == "BotNick") Apply("registry HKCU\\Software\\Paltalk cur_user = " + value, "--set BotNick=" + value);
  }
  // A Paltalk 10 client, the generation the simulated windows are shaped like.
  Apply(std::string("registry ") + kPaltalk10Key, "the simulated client");
  Apply("client", "the simulated client");
  Apply("room " + options_.Room, "--room " + options_.Room);
  Apply("start", "start-up");
  Bot& bot = *runner_.CurrentBot();
  for (const auto& [name, value] : options_.Sets) {
    if (name == "BotNick") continue;
    Apply(SetStatement(name, value), "--set " + name + "=" + value);
  }
  const auto& files = bot.settings.Greeter.DesignFiles.Items;
  if (options_.Design) {
    const auto it = std::find(files.begin(), files.end(), *options_.Design);
    if (it == files.end()) throw Failed{"--design " + *options_.Design + ": no such design in dlist.txt"};
    PickDesigns(bot, {static_cast<size_t>(it - files.begin())});
  } else if (!files.empty()) {
    PickDesigns(bot, {0});
  }
  for (const auto& press : presses) Apply("press " + press, "--enable");
  Apply("press Start", "start polling");
  runner_.Events().SetRetention(EventRetention::Drop);
  runner_.Watch = [this](const SimEvent& e) { report_.Heard(e); };
  runner_.WatchModeration([this](const ModerationRecord& r) { report_.Recorded(r); });
}

void Replay::Play(const std::vector<std::string>& lines) {
  Bot& bot = *runner_.CurrentBot();
  SimDesktop& world = runner_.World();
  const WindowHandle room = world.NewestRoom();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    runner_.LabelOutput(number);
    report_.BeginLine(number, lines[i], bot.settings);
    world.AppendLine(room, lines[i]);
    const std::string nick = NickOf(lines[i]);
    if (!nick.empty() && !world.HasNick(room, nick)) world.AddNick(room, nick);
    for (int t = 0; t < options_.TicksPerLine; ++t) {
      report_.BeginTick(bot.settings);
      runner_.RunTicks(1);
      report_.EndTick(bot.settings);
    }
  }
}

}  // namespace

bool CopyBotFiles(const std::string& from, const std::string& to) {
  FileSystem& fs = SystemFiles();
  if (fs.KindOf(from) != PathKind::Folder) return false;
  bool copied = true;
  for (const std::string& name : PlainFiles(fs, from))
    if (IsBotFile(name)) copied = CopyFileBytes(InFolder(from, name), InFolder(to, name)) && copied;
  const auto entries = fs.List(from).value_or(std::vector<FolderEntry>{});
  const bool designs = std::any_of(entries.begin(), entries.end(), [](const FolderEntry& e) {
    return e.Name == "Designs" && e.Kind == PathKind::Folder && !e.Link;
  });
  if (!designs) return copied;
  const std::string source = InFolder(from, "Designs"), target = InFolder(to, "Designs");
  if (!fs.MakeFolder(target)) return false;
  for (const std::string& name : PlainFiles(fs, source))
    if (IsRtfName(name)) copied = CopyFileBytes(InFolder(source, name), InFolder(target, name)) && copied;
  return copied;
}

std::string TranscriptText(const std::string& bytes) {
  if (bytes.rfind("{\\rtf", 0) != 0) return bytes;
  return RichText::FromRtf(bytes).PlainText();
}

std::vector<std::string> TranscriptLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = FirstCharacters(line, kReplayLineLimit);
    lines.push_back(std::move(line));
    start = next;
  }
  return lines;
}

int RunReplay(const ReplayOptions& options, std::ostream& trace, std::ostream& summary, std::ostream& errors) {
  try {
    if (options.TicksPerLine < 1) throw Failed{"--ticks-per-line takes a number from 1"};
    const auto lines = TranscriptLines(TranscriptText(ReadTranscript(options.File)));
    const auto copy = MakeTempDir("quorvel-dryrun");
    if (!copy) throw Failed{"cannot create a temporary directory"};
    TempDirOwner owner(*copy);
    // The operator's folder, copied, so that whatever the bot writes lands in the copy.
    if (!CopyBotFiles(options.Dir, *copy)) throw Failed{"cannot read the program directory " + options.Dir};
    Replay replay(options, *copy, trace, summary);
    replay.SetUp();
    replay.Play(lines);
    trace.flush();
    replay.PrintSummary();
    summary.flush();
    if (options.Page && !WriteFileReplacing(*options.Page, DryRunPage(replay.Figures(), NameOf(options.File))))
      throw Failed{"cannot write the page " + *options.Page};
  } catch (const Failed& f) {
    errors << "quorvel-sim: " << f.Message << "\n";
    return kScenarioUnrunnable;
  }
  return kScenarioPassed;
}

}  // namespace quorvel
