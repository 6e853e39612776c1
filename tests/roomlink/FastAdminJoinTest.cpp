#include <gtest/gtest.h>

#include "TestWorld.h"
#include "roomlink/FastAdminJoin.h"

namespace quorvel {
namespace {

TEST(DelayTest, WaitsOnTheMonotonicClockWhilePumping) {
  testing::TestWorld world;
  world.clock.Set({2013, 12, 31, 23, 59, 59, 990});  // a moment before midnight
  const double start = world.clock.MonotonicSeconds();
  Delay(world.clock, world.pump, 0.05f);
  const double waited = world.clock.MonotonicSeconds() - start;
  EXPECT_GE(waited, 0.05);
  EXPECT_LT(waited, 0.06);
}

}  // namespace
}  // namespace quorvel
