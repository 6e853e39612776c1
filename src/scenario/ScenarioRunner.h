#pragma once
// Runs a scenario against the simulated client and prints what happens.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/Bot.h"
#include "scenario/ScenarioText.h"
#include "scenario/ScenarioVerb.h"
#include "scenario/ScenarioWorld.h"

namespace quorvel {

class ScenarioRunner {
 public:
  // colors: sent messages are printed in their colours (a terminal's escapes).
  ScenarioRunner(const std::string& programDir, bool quiet, std::ostream& out, bool colors = false);
  ~ScenarioRunner();

  int Run(const std::string& content);

  // For the drivers that feed the room themselves (random traffic, replay):
  // one statement of the scenario language (no blocks); the message when it cannot run.
  std::optional<std::string> Apply(const std::string& statement);
  void RunTicks(int count) { world_.Tick(count); }
  SimDesktop& World() { return world_.Desktop; }
  SimEventLog& Events() { return world_.Events; }
  SimPump& Pump() { return world_.Pump; }
  Bot* CurrentBot() { return world_.CurrentBot.get(); }
  // What the host tells of the program and the system (the client report's header).
  void SetProgramFacts(ProgramFacts facts) { world_.Services.facts = std::move(facts); }
  // The client report of the simulated client as it stands, for the room the
  // bot picked (none before `start`).
  std::string ClientReport();
  // Output lines carry this number instead of the tick number.
  void LabelOutput(int number) { world_.Label = number; }
  // Hears every event, after it is printed.
  std::function<void(const SimEvent&)> Watch;
  // Hears every moderation record, after it is printed.
  void WatchModeration(std::function<void(const ModerationRecord&)> watch) { world_.OnModeration = std::move(watch); }

 private:
  // Hands the statement to the handler its verb names.
  void Execute(const ScenarioStatement& statement);

  scenario::ScenarioWorld world_;
};

// What `expect value NAME` reads; nothing for a name the simulator does not know.
std::optional<std::string> ReadSimValue(const BotSettings& settings, const std::string& name);
// The list named for `expect list` and `pick`; nothing for an unknown name.
std::optional<std::vector<std::string>> ReadSimList(const BotSettings& settings, const std::string& name);
// The entries of that list now selected, in order, as `expect selected` reads them.
std::vector<size_t> ReadSimSelection(const BotSettings& settings, const std::string& name);
// The panel list of that name, entries with their selection (not the room
// list, kept as texts and an index), or none.
PanelList* FindSimList(BotSettings& settings, const std::string& name);
const PanelList* FindSimList(const BotSettings& settings, const std::string& name);

}  // namespace quorvel
