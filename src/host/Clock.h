#pragma once
#include <string>

namespace quorvel {

struct LocalTime {
  int Year = 2000, Month = 1, Day = 1;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Local wall-clock time and a monotonic clock. The system's short date form is
// the host's business; the sim answers "M/d/yyyy".
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  virtual std::string ShortDate(const LocalTime& when) = 0;
  virtual double MonotonicSeconds() = 0;
};

// "hh:mm AM/PM": 12-hour clock with a leading zero, 12 for noon and midnight.
std::string TimeOfDay12(const LocalTime& when);
// The 12-hour time, a blank, the short date: "09:05 PM 9/17/2013".
std::string TimeStamp(Clock& clock);

}  // namespace quorvel
