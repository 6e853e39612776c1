#include "host/Clock.h"

#include <cstdio>

namespace quorvel {

std::string TimeOfDay12(const LocalTime& when) {
  int hour = when.Hour % 12;
  if (hour == 0) hour = 12;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d %s", hour, when.Minute % 60, when.Hour < 12 ? "AM" : "PM");
  return buf;
}

std::string TimeStamp(Clock& clock) {
  const LocalTime now = clock.Now();
  return TimeOfDay12(now) + " " + clock.ShortDate(now);
}

}  // namespace quorvel
