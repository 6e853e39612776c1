#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ScratchDir.h"
#include "dryrun/DryRunSummary.h"
#include "roomlink/ClientLayout.h"
#include "scenario/DemoScenario.h"
#include "scenario/ScenarioRunner.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

struct Tally {
  int Bounces = 0;
  int RedDots = 0;
};

// Runs a scenario, feeding its moderation records to a dry-run summary, and
// counts what the client was told and what the trace printed.
struct RecordedRun {
  explicit RecordedRun(const std::string& scenario) {
    testing::ScratchDir scratch{"quorvel-records"};
    ScenarioRunner runner(scratch.Dir(), false, out);
    BotSettings unchanged;
    summary.BeginTick(unchanged);
    runner.WatchModeration([this](const ModerationRecord& r) {
      summary.Recorded(r);
      ++records;
    });
    runner.Watch = [this](const SimEvent& e) {
      if (e.Kind != EventKind::Posted) return;
      if (e.CommandId == kCommandBounce) ++posted.Bounces;
      if (e.CommandId == kCommandRedDot) ++posted.RedDots;
    };
    verdict = runner.Run(scenario);
    summary.EndTick(unchanged);
    for (const auto& [nick, m] : summary.Figures().Moderated) {
      counted.Bounces += m.Bounces;
      counted.RedDots += m.RedDots;
    }
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
      if (line.find("] moderation: ") != std::string::npos) ++traced;
  }
  std::ostringstream out;
  DryRunSummary summary;
  int verdict = -1;
  int records = 0;
  int traced = 0;
  Tally posted, counted;
};

std::vector<std::pair<std::string, std::string>> ExistingScenarios() {
  std::vector<std::pair<std::string, std::string>> all = {{"demo", DemoScenario()}};
  for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_SCENARIO_DIR))
    if (entry.path().extension() == ".scn")
      all.emplace_back(entry.path().filename().string(), ReadWholeFile(entry.path().string()).value_or(""));
  return all;
}

TEST(DryRunRecordsTest, BouncesAndRedDotsAgreeWithTheRecordsOnEveryScenario) {
  int withModeration = 0;
  for (const auto& [name, content] : ExistingScenarios()) {
    SCOPED_TRACE(name);
    const RecordedRun run(content);
    EXPECT_EQ(run.verdict, 0) << run.out.str();
    EXPECT_EQ(run.counted.Bounces, run.posted.Bounces);
    EXPECT_EQ(run.counted.RedDots, run.posted.RedDots);
    EXPECT_EQ(run.traced, run.records);
    if (run.posted.Bounces + run.posted.RedDots > 0) ++withModeration;
  }
  EXPECT_GE(withModeration, 3);  // the comparison is not empty
}

TEST(DryRunRecordsTest, TheDemoShowsAModerationRecord) {
  const RecordedRun run(DemoScenario());
  EXPECT_NE(run.out.str().find("moderation: "), std::string::npos) << run.out.str();
}

}  // namespace
}  // namespace quorvel
