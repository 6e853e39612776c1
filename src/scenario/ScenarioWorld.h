#pragma once
// Everything a scenario acts on: the simulated client and host, the bot once
// started, and where the run's output goes.
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Bot.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "sim/SimView.h"
#include "storage/MemoryRegistryStore.h"

namespace quorvel::scenario {

struct ScenarioWorld {
  // colors: sent messages are printed in their colours (a terminal's escapes).
  ScenarioWorld(const std::string& programDir, bool quiet, std::ostream& out, bool colors);
  ScenarioWorld(const ScenarioWorld&) = delete;
  ScenarioWorld& operator=(const ScenarioWorld&) = delete;
  ~ScenarioWorld();

  // One output line, prefixed with the tick number (or the label); whatever
  // the text holds, no control byte reaches the terminal (Visible).
  void Print(const std::string& text);
  void PrintEvent(const SimEvent& event);
  // NAME relative to the program directory; refuses a name that leads out of it.
  std::filesystem::path InProgramDir(const std::string& name) const;
  // The started bot; a statement that needs it cannot run before `start`.
  Bot& RequireBot();
  // COUNT timer periods: the clock advances, then the bot polls if started.
  void Tick(int count);
  // Creates and loads the main window.
  void Start();
  // Drops the main window and all in-memory state.
  void Unload();

  std::filesystem::path ProgramDir;
  // The same folder as the bot names it: bytes in the system code page, never
  // passed through std::filesystem, whose narrow names follow another code
  // page on Windows.
  std::string ProgramDirName;
  bool Quiet;
  bool Colors;
  std::ostream& Out;

  SimEventLog Events;
  MemoryRegistryStore Registry;
  SimDesktop Desktop;
  SimClock Clock;
  SimRandom Random;
  SimPump Pump;
  SimDialogs Dialogs;
  SimShell Shell;
  Host Services;

  std::unique_ptr<BotSettings> Settings;
  std::unique_ptr<SimView> View;
  // Hears the moderation records of whichever bot runs.
  std::function<void(const ModerationRecord&)> OnModeration;
  std::unique_ptr<Bot> CurrentBot;
  RoomLayout Layout = RoomLayout::Profile10;
  // The windows rooms opened from now on lack (`leave-out`).
  std::vector<WindowRole> LeftOut;
  // How the transcripts of rooms opened from now on show their lines (`wrap`, `keep`).
  TranscriptShape Shape;
  int TickNumber = 0;
  std::optional<int> Label;
  // What `expect sent` and `expect msgbox…` consumed last, for the checks that follow them.
  std::optional<SimEvent> LastSent;
  std::optional<SimEvent> LastMsgBox;

 private:
  void PrintShown(const std::string& shown);
  std::string ColoredText(const SimEvent& event) const;
};

}  // namespace quorvel::scenario
