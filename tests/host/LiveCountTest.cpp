#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/LiveCount.h"

namespace quorvel {
namespace {

constexpr LiveKind kKind = LiveKind::RemoteBlock;
using Mark = LiveMark<kKind>;

TEST(LiveCountTest, AMarkCountsWhileSetAndMovesWithItsOwner) {
  const long before = LiveCount(kKind);
  {
    Mark held(true);
    Mark empty;
    EXPECT_EQ(LiveCount(kKind), before + 1);
    empty.Set(true);
    empty.Set(true);  // setting twice counts once
    EXPECT_EQ(LiveCount(kKind), before + 2);
    Mark moved(std::move(held));
    EXPECT_EQ(LiveCount(kKind), before + 2);
    EXPECT_FALSE(held.Held());
    moved = std::move(empty);  // the mark moved over is released
    EXPECT_EQ(LiveCount(kKind), before + 1);
    moved.Set(false);
    EXPECT_EQ(LiveCount(kKind), before);
  }
  EXPECT_EQ(LiveCount(kKind), before);
}

TEST(LiveCountTest, AnOwnerNeverFreedStaysCounted) {
  const long before = LiveCount(kKind);
  const long otherKind = LiveCount(LiveKind::GdiObject);
  std::vector<std::unique_ptr<Mark>> kept;
  for (int i = 0; i < 3; ++i) kept.push_back(std::make_unique<Mark>(true));
  EXPECT_EQ(LiveCount(kKind), before + 3);
  EXPECT_EQ(LiveCount(LiveKind::GdiObject), otherKind);
  kept.clear();
  EXPECT_EQ(LiveCount(kKind), before);
}

}  // namespace
}  // namespace quorvel
