#include <gtest/gtest.h>

#include "soak/SoakVerdict.h"

namespace quorvel::soak {
namespace {

constexpr size_t kGdi = static_cast<size_t>(LiveKind::GdiObject);
constexpr size_t kBlocks = static_cast<size_t>(LiveKind::RemoteBlock);

// A run of `ticks` ticks sampled every 5, with five fonts, one remote block
// and 30 MB of working set, each changed by `change` at every sample.
std::vector<ResourceSample> Sampled(long long ticks, void (*change)(ResourceSample&, long long tick)) {
  std::vector<ResourceSample> samples;
  for (long long t = 5; t <= ticks; t += 5) {
    ResourceSample s;
    s.Tick = t;
    s.Live[kGdi] = 5;
    s.Live[kBlocks] = 1;
    s.WorkingSetKb = 30000;
    change(s, t);
    samples.push_back(s);
  }
  return samples;
}

ResourceBounds Bounds() {
  ResourceBounds b;
  b.WarmUpTicks = 40;
  return b;
}

TEST(SoakVerdictTest, FlatCountsAndASmallDriftPass) {
  EXPECT_TRUE(JudgeResources(Sampled(150, [](ResourceSample&, long long) {}), Bounds()).empty());
  // A tick in progress holds a block and a DC more; the working set moves by some pages.
  const auto wobbly = Sampled(150, [](ResourceSample& s, long long t) {
    if (t % 15 == 0) s.Live[kBlocks] += 2;
    s.WorkingSetKb += (t % 20) * 8;
  });
  EXPECT_TRUE(JudgeResources(wobbly, Bounds()).empty());
}

// The program leaks one font on every tick: the count after warm-up gives it away.
TEST(SoakVerdictTest, ALeakedFontFailsIt) {
  const auto leaking = Sampled(150, [](ResourceSample& s, long long t) { s.Live[kGdi] += t; });
  const auto faults = JudgeResources(leaking, Bounds());
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0], "GDI objects grew from 45 to 50 by tick 45");
}

TEST(SoakVerdictTest, AGrowingWorkingSetFailsIt) {
  const auto growing = Sampled(300, [](ResourceSample& s, long long t) { s.WorkingSetKb += t * 8; });
  const auto faults = JudgeResources(growing, Bounds());
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("the working set grew from 30320 kB"), std::string::npos) << faults[0];
}

TEST(SoakVerdictTest, NothingToCompareIsAFault) {
  EXPECT_FALSE(JudgeResources({}, Bounds()).empty());
  EXPECT_FALSE(JudgeResources(Sampled(40, [](ResourceSample&, long long) {}), Bounds()).empty());
}

// The journal of a room with Bob and Cid in it; each case adds lines.
ModerationVerdict Judge(std::vector<std::string> more) {
  std::vector<std::string> journal = {"READY", "ENTERED\tLobby Room\tBob", "ENTERED\tLobby Room\t@Cid",
                                      "NOTE\tSTEP\t1\tBob"};
  journal.insert(journal.end(), more.begin(), more.end());
  return JudgeModeration(journal, 2);
}

TEST(SoakVerdictTest, BouncesAndRedDotsNeedTheNickInTheRoomAndAReason) {
  struct Case {
    const char* What;
    std::vector<std::string> Lines;
    int Acts;
    size_t Faults;
  };
  const Case cases[] = {
      {"a bounce of the nick the step named", {"COMMAND\t32947\tBob"}, 1, 0},
      {"a red dot named in another case, with the mark", {"NOTE\tSTEP\t2\tcid", "COMMAND\t32946\t@Cid"}, 1, 0},
      {"the command without a nick selected", {"COMMAND\t32947\t-", "COMMAND\t33112\tCid"}, 0, 0},
      {"a nick in the room that nothing named", {"COMMAND\t32946\t@Cid"}, 1, 1},
      {"a nick that left", {"LEFT\tLobby Room\tBob", "COMMAND\t32947\tBob"}, 1, 1},
      {"a nick bounced once already", {"COMMAND\t32947\tBob", "COMMAND\t32947\tBob"}, 2, 1},
      {"a reason too many steps back", {"NOTE\tSTEP\t2\t", "NOTE\tSTEP\t3\tCid", "COMMAND\t32947\tBob"}, 1, 1},
      {"a reason just in reach", {"NOTE\tSTEP\t2\tCid", "COMMAND\t32947\tBob"}, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const auto verdict = Judge(c.Lines);
    EXPECT_EQ(verdict.Acts, c.Acts);
    EXPECT_EQ(verdict.Faults.size(), c.Faults);
  }
  EXPECT_EQ(Judge({"LEFT\tLobby Room\tBob", "COMMAND\t32947\tBob"}).Faults.at(0),
            "bounce of Bob, who was not in the room");
}

}  // namespace
}  // namespace quorvel::soak
