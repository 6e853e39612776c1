#include <gtest/gtest.h>

#include "scenario/RetentionPlan.h"
#include "sim/SimDesktop.h"
#include "storage/MemoryRegistryStore.h"

namespace quorvel {
namespace {

std::vector<ScenarioStatement> Statements(const std::vector<std::string>& lines) {
  std::vector<ScenarioStatement> out;
  for (const auto& l : lines) out.push_back({static_cast<int>(out.size() + 1), l, {}});
  return out;
}

SimEvent Sent(const std::string& text) {
  SimEvent e;
  e.Kind = EventKind::Sent;
  e.Text = text;
  return e;
}

TEST(SimRetentionTest, EventsAreKeptOnlyWhileALaterCheckCanConsumeThem) {
  const auto statements = Statements({"tick", "expect sent a", "tick", "expect no-sent", "tick", "expect value X y"});
  const RetentionPlan plan(statements);
  SimEventLog log;

  plan.ApplyBefore(0, log);  // `expect sent` is still to come: every event counts
  log.Add(Sent("a"));
  log.Add(Sent("b"));
  EXPECT_EQ(log.Stored(), 2u);
  ASSERT_NE(log.Consume(EventKind::Sent), nullptr);

  plan.ApplyBefore(2, log);  // only `expect no-sent` is left: the first leftover shows what was left
  log.Add(Sent("c"));
  log.Add(Sent("d"));
  EXPECT_EQ(log.Stored(), 1u);
  SimEvent* left = log.Consume(EventKind::Sent);
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->Text, "b");

  plan.ApplyBefore(4, log);  // nothing can look any more
  for (int i = 0; i < 1000; ++i) log.Add(Sent("x"));
  EXPECT_EQ(log.Stored(), 0u);
  EXPECT_TRUE(log.AnyLeft(EventKind::Sent));  // dropped, yet not consumed
}

TEST(SimRetentionTest, ExpectNoneKeepsTheFirstOfEveryKind) {
  const RetentionPlan plan(Statements({"tick", "expect none"}));
  SimEventLog log;
  plan.ApplyBefore(0, log);
  for (int i = 0; i < 5; ++i) {
    log.Add(Sent("s"));
    SimEvent closed;
    closed.Kind = EventKind::Closed;
    log.Add(closed);
  }
  EXPECT_EQ(log.Stored(), 2u);
}

// How many of three events of the kind the log stores once the plan is
// applied before the statement: 3 kept all, 1 the first only, 0 dropped.
size_t StoredOfThree(const std::vector<std::string>& lines, size_t index, EventKind kind) {
  const RetentionPlan plan(Statements(lines));
  SimEventLog log;
  plan.ApplyBefore(index, log);
  for (int i = 0; i < 3; ++i) {
    SimEvent e;
    e.Kind = kind;
    log.Add(e);
  }
  return log.Stored();
}

struct PlanCase {
  std::vector<std::string> Lines;
  size_t Index;
  EventKind Kind;
  size_t Stored;
};

TEST(SimRetentionTest, EachCheckKeepsTheKindItUsesForAsLongAsItNeedsIt) {
  const PlanCase cases[] = {
      {{"tick", "expect window Save As:"}, 0, EventKind::Window, 3},
      {{"tick", "expect window Save As:"}, 0, EventKind::Sent, 0},
      {{"expect msgbox-contains x", "expect msgbox-title T"}, 0, EventKind::MsgBox, 3},
      {{"expect msgbox-contains x", "expect msgbox-title T"}, 1, EventKind::MsgBox, 0},  // looks back only
      {{"expect sent a", "expect sent-room Lobby", "expect no-posted"}, 1, EventKind::Sent, 0},
      {{"expect sent a", "expect sent-room Lobby", "expect no-posted"}, 1, EventKind::Posted, 1},
      {{"expect none", "expect closed Notice"}, 0, EventKind::Closed, 3},
      {{"expect none", "expect closed Notice"}, 0, EventKind::Joined, 1},
      {{"expect none", "expect closed Notice"}, 1, EventKind::Joined, 0},
      {{"expect value Health Stopped"}, 0, EventKind::Sent, 0},  // a check of state
  };
  for (const auto& c : cases)
    EXPECT_EQ(StoredOfThree(c.Lines, c.Index, c.Kind), c.Stored)
        << c.Lines.back() << " before statement " << c.Index << ", kind " << static_cast<int>(c.Kind);
}

TEST(SimRetentionTest, ATranscriptKeepsItsTailAndItsCount) {
  SimTranscript transcript;
  const int lines = static_cast<int>(SimTranscript::kKeptRows) + 1000;
  for (int i = 0; i < lines; ++i) transcript.Append("line " + std::to_string(i));
  EXPECT_EQ(transcript.LineCount(), lines + 1);
  // The newest rows read as they were; a forgotten one as an empty line.
  EXPECT_EQ(transcript.Row(lines - 1), "line " + std::to_string(lines - 1) + "\r");
  EXPECT_EQ(transcript.Row(0), "\r");
  EXPECT_EQ(transcript.Lines().size(), SimTranscript::kKeptRows);
  const TextSpan span = transcript.Read(0, lines, 2, 1024);
  EXPECT_EQ(span.Count, static_cast<size_t>(lines));
  EXPECT_EQ(span.Paragraphs,
            (std::vector<std::string>{"line " + std::to_string(lines - 2), "line " + std::to_string(lines - 1)}));
}

}  // namespace
}  // namespace quorvel
