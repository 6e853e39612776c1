#include <gtest/gtest.h>

#include "host/Clock.h"

namespace quorvel {
namespace {

TEST(TimeOfDay12Test, TwelveHourClockWithLeadingZeros) {
  struct Case {
    int Hour, Minute;
    const char* Shown;
  };
  const Case cases[] = {
      {0, 0, "12:00 AM"},                                                                    // midnight is 12, not 0
      {0, 5, "12:05 AM"},   {1, 9, "01:09 AM"},  {11, 59, "11:59 AM"}, {12, 0, "12:00 PM"},  // noon
      {12, 30, "12:30 PM"}, {13, 1, "01:01 PM"}, {21, 5, "09:05 PM"},  {23, 59, "11:59 PM"},
  };
  for (const Case& c : cases) {
    LocalTime t;
    t.Hour = c.Hour;
    t.Minute = c.Minute;
    t.Second = 59;  // seconds are not shown
    EXPECT_EQ(TimeOfDay12(t), c.Shown) << c.Hour << ":" << c.Minute;
  }
}

class FixedClock : public Clock {
 public:
  LocalTime Now() override { return {2013, 9, 17, 21, 5, 30, 0}; }
  std::string ShortDate(const LocalTime& when) override {
    return std::to_string(when.Month) + "/" + std::to_string(when.Day) + "/" + std::to_string(when.Year);
  }
  double MonotonicSeconds() override { return 0; }
};

TEST(TimeStampTest, TimeABlankAndTheHostsShortDate) {
  FixedClock clock;
  EXPECT_EQ(TimeStamp(clock), "09:05 PM 9/17/2013");
}

}  // namespace
}  // namespace quorvel
