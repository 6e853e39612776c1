#include "scenario/ScenarioWorld.h"

#include <ostream>

#include "panel/Startup.h"
#include "scenario/ScenarioVerb.h"
#include "styling/RichText.h"
#include "tick/PollTick.h"

namespace quorvel::scenario {

namespace fs = std::filesystem;

ScenarioWorld::ScenarioWorld(const std::string& programDir, bool quiet, std::ostream& out, bool colors)
    : ProgramDir(programDir),
      ProgramDirName(programDir),
      Quiet(quiet),
      Colors(colors),
      Out(out),
      Desktop(Events, Registry),
      Pump(Clock),
      Dialogs(Events, ProgramDirName),
      Shell(Events, ProgramDirName),
      Services{Clock, Random, Pump, Dialogs, Shell} {
  Desktop.OnLine = [this](const std::string&, const std::string& line) { Print("room: " + Visible(line)); };
}

ScenarioWorld::~ScenarioWorld() = default;

void ScenarioWorld::Print(const std::string& text) { PrintShown(Visible(text)); }

// The line as it reaches the terminal: only the colours' own escapes are left in it.
void ScenarioWorld::PrintShown(const std::string& shown) {
  if (!Quiet) Out << "[" << Label.value_or(TickNumber) << "] " << shown << "\n";
}

void ScenarioWorld::PrintEvent(const SimEvent& e) {
  switch (e.Kind) {
    case EventKind::Sent:
      PrintShown(Visible("sent (" + e.Title + "): ") + ColoredText(e));
      break;
    case EventKind::Posted:
      Print("posted: " + std::to_string(e.CommandId) + " (" + e.Nick + ")");
      break;
    case EventKind::Closed:
      Print("closed: " + e.Text);
      break;
    case EventKind::Started:
      Print("started: " + e.Text);
      break;
    case EventKind::MsgBox:
      Print("msgbox (" + e.Title + "): " + Visible(e.Text));
      break;
    case EventKind::Opened:
      Print("opened: " + e.Text);
      break;
    case EventKind::FileDialog:
      Print(std::string("filedialog ") + (e.Save ? "save" : "open") + ": " + e.Filter);
      break;
    case EventKind::Joined:
      Print("joined: " + e.Text + " | " + e.Code);
      break;
    case EventKind::Window:
      Print("window: " + e.Text);
      break;
  }
}

// The message's text with a terminal's colour and bold escapes, when asked.
std::string ScenarioWorld::ColoredText(const SimEvent& e) const {
  if (!Colors) return Visible(e.Text);
  const RichText doc = RichText::FromRtf(e.Rtf);
  const std::string text = doc.MessageText();
  std::string out;
  std::optional<CharFormat> shown;
  for (size_t i = 0; i < text.size(); ++i) {
    const CharFormat& f = doc.FormatAt(i);
    if (!shown || shown->Color != f.Color || shown->Bold != f.Bold) {
      out += "\x1b[0m";
      if (f.Bold) out += "\x1b[1m";
      if (f.Color != kAutoColor)
        out += "\x1b[38;2;" + std::to_string(f.Color & 0xFF) + ";" + std::to_string((f.Color >> 8) & 0xFF) + ";" +
               std::to_string((f.Color >> 16) & 0xFF) + "m";
      shown = f;
    }
    out += Visible(std::string(1, text[i]));
  }
  return out + "\x1b[0m";
}

fs::path ScenarioWorld::InProgramDir(const std::string& name) const {
  if (name.empty() || name == ".") return ProgramDir;
  // A scenario works on the program directory only: it must never be able to
  // write, remove or read a file elsewhere.
  const fs::path relative(name);
  if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory())
    throw Unrunnable("file name " + Quote(name) + " is absolute; names are relative to the program directory");
  for (const auto& part : relative)
    if (part == "..") throw Unrunnable("file name " + Quote(name) + " climbs out of the program directory");
  return ProgramDir / relative;
}

Bot& ScenarioWorld::RequireBot() {
  if (!CurrentBot) throw Unrunnable("`start` must come before this statement");
  return *CurrentBot;
}

void ScenarioWorld::Start() {
  Settings = std::make_unique<BotSettings>();
  View = std::make_unique<SimView>(*Settings, [this](const std::string& text) { Print(text); });
  View->Events = &Events;
  View->OnModeration = [this](const ModerationRecord& r) {
    if (OnModeration) OnModeration(r);
  };
  CurrentBot = std::make_unique<Bot>(Bot{*Settings, Desktop, Registry, Services, *View, ProgramDirName});
  CreateMainWindow(*CurrentBot);
  LoadMainWindow(*CurrentBot);
}

void ScenarioWorld::Unload() {
  CurrentBot.reset();
  View.reset();
  Settings.reset();
}

void ScenarioWorld::Tick(int count) {
  for (int i = 0; i < count; ++i) {
    Clock.AdvanceMs(400);
    ++TickNumber;
    Events.CurrentTick = TickNumber;
    if (CurrentBot) PollTimerFired(*CurrentBot);
  }
}

}  // namespace quorvel::scenario
