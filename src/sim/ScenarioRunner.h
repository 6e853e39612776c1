#pragma once
// Runs a scenario against the simulated client and prints what happens.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panel/Bot.h"
#include "sim/ScenarioText.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "sim/SimView.h"
#include "storage/MemoryRegistryStore.h"

namespace quorvel {

// Exit statuses of a scenario run.
inline constexpr int kScenarioPassed = 0;
inline constexpr int kScenarioFailed = 1;
inline constexpr int kScenarioUnrunnable = 2;

class ScenarioRunner {
 public:
  // colors: sent messages are printed in their colours (a terminal's escapes).
  ScenarioRunner(std::filesystem::path programDir, bool quiet, std::ostream& out, bool colors = false);
  ~ScenarioRunner();

  int Run(const std::string& content);

  // For the drivers that feed the room themselves (random traffic, replay):
  // one statement of the scenario language (no blocks); the message when it cannot run.
  std::optional<std::string> Apply(const std::string& statement);
  void RunTicks(int count) { Tick(count); }
  SimDesktop& World() { return desktop_; }
  SimEventLog& Events() { return events_; }
  SimPump& Pump() { return pump_; }
  Bot* CurrentBot() { return bot_.get(); }
  // Output lines carry this number instead of the tick number.
  void LabelOutput(int number) { label_ = number; }
  // Hears every event, after it is printed.
  std::function<void(const SimEvent&)> Watch;

 private:
  struct Failure {
    int ExitCode;
    std::string Message;
  };

  std::vector<ScenarioStatement> Parse(const std::string& content);
  void Execute(const ScenarioStatement& statement);
  void SetupVerb(const std::string& verb, StatementCursor& cursor, const ScenarioStatement& st);
  void OperatorVerb(const std::string& verb, StatementCursor& cursor, const ScenarioStatement& st);
  void Expect(StatementCursor& cursor, const ScenarioStatement& st);
  void ExpectEvent(const std::string& what, StatementCursor& cursor, const ScenarioStatement& st);
  void ExpectState(const std::string& what, StatementCursor& cursor, const ScenarioStatement& st);
  void Press(const std::string& action, const ScenarioStatement& st);
  void Set(const std::string& setting, const std::string& value);
  void Pick(const std::string& list, StatementCursor& cursor);
  std::string ColoredText(const SimEvent& event) const;
  void Registry(const std::string& rest);
  void Tick(int count);
  void Start();
  void Unload();

  Bot& RequireBot();
  std::filesystem::path InProgramDir(const std::string& name) const;
  void Print(const std::string& text);
  void PrintEvent(const SimEvent& event);
  static Failure Unrunnable(const std::string& message) { return {kScenarioUnrunnable, message}; }
  static Failure NotYet(const std::string& what) { return {kScenarioUnrunnable, what + ": not implemented yet"}; }
  static Failure Fail(const std::string& message) { return {kScenarioFailed, message}; }

  std::filesystem::path programDir_;
  bool quiet_;
  bool colors_;
  std::ostream& out_;

  SimEventLog events_;
  MemoryRegistryStore registry_;
  SimDesktop desktop_;
  SimClock clock_;
  SimRandom random_;
  SimPump pump_;
  SimDialogs dialogs_;
  SimShell shell_;
  Host host_;

  std::unique_ptr<BotSettings> settings_;
  std::unique_ptr<SimView> view_;
  std::unique_ptr<Bot> bot_;
  RoomLayout layout_ = RoomLayout::Profile10;
  int tick_ = 0;
  std::optional<int> label_;
  std::optional<SimEvent> lastSent_;
  std::optional<SimEvent> lastMsgBox_;
};

// What `expect value NAME` reads; nothing for a name the simulator does not know.
std::optional<std::string> ReadSimValue(const BotSettings& settings, const std::string& name);
// The list named for `expect list` and `pick`; nothing for an unknown name.
std::optional<std::vector<std::string>> ReadSimList(const BotSettings& settings, const std::string& name);
// The panel list of that name (all but RoomList), or none.
const PanelList* FindSimList(const BotSettings& settings, const std::string& name);

}  // namespace quorvel
