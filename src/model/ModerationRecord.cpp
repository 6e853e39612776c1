#include "model/ModerationRecord.h"

#include <cstdio>

#include "text/ControlBytes.h"

namespace quorvel {
namespace {

// Sortable and free of the system's date form, so log lines compare as text.
std::string IsoTime(const LocalTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                t.Second);
  return buffer;
}

}  // namespace

const char* StepName(ModerationStep step) {
  switch (step) {
    case ModerationStep::Bounce:
      return "bounce";
    case ModerationStep::RedDot:
      return "red dot";
    case ModerationStep::Warning:
      return "warning";
  }
  return "";
}

std::string CauseText(const ModerationRecord& r) {
  switch (r.Cause) {
    case ModerationCause::AutoBounceList:
      return "auto-bounce list";
    case ModerationCause::AutoRedotList:
      return "auto-red-dot list";
    case ModerationCause::Phrase: {
      std::string text = "phrase \"" + r.Detail + "\"";
      if (r.ByWarnedList)
        text += r.Step == ModerationStep::Warning ? " (first offence, warned)" : " (repeat offence, was warned)";
      return text;
    }
    case ModerationCause::Command:
      return "command by " + r.Detail;
    case ModerationCause::Operator:
      return "operator, " + r.Detail;
    case ModerationCause::Flood:
      if (!r.ByWarnedList) return r.Detail;
      return r.Detail + (r.Step == ModerationStep::Warning ? " (warned first)" : " (again after a warning)");
  }
  return "";
}

std::string ModerationLine(const ModerationRecord& r) {
  // A room title, nick or phrase may hold a line end: the log keeps one record a line.
  return ShowControlBytes(IsoTime(r.Time) + " | room " + r.Room + " | " +
                          (r.Nick.empty() ? "(selected in the client)" : r.Nick) + " | " + StepName(r.Step) + " | " +
                          CauseText(r));
}

}  // namespace quorvel
