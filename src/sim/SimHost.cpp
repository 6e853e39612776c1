#include "sim/SimHost.h"

#include <cstdio>
#include <filesystem>

namespace quorvel {
namespace {

// Days from 1970-01-01 to a civil date (Howard Hinnant's algorithm).
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

SimClock::SimClock() { Set(LocalTime{2013, 9, 17, 21, 5, 30, 0}); }

void SimClock::Set(const LocalTime& t) {
  epochMs_ = ((DaysFromCivil(t.Year, t.Month, t.Day) * 24 + t.Hour) * 60 + t.Minute) * 60000LL + t.Second * 1000LL +
             t.Millisecond;
}

void SimClock::AdvanceMs(long long ms) {
  epochMs_ += ms;
  elapsedMs_ += ms;
}

LocalTime SimClock::Now() {
  LocalTime t;
  const long long days = epochMs_ >= 0 ? epochMs_ / 86400000LL : (epochMs_ - 86399999LL) / 86400000LL;
  long long rest = epochMs_ - days * 86400000LL;
  CivilFromDays(days, t.Year, t.Month, t.Day);
  t.Hour = static_cast<int>(rest / 3600000);
  rest %= 3600000;
  t.Minute = static_cast<int>(rest / 60000);
  rest %= 60000;
  t.Second = static_cast<int>(rest / 1000);
  t.Millisecond = static_cast<int>(rest % 1000);
  return t;
}

std::string SimClock::ShortDate(const LocalTime& when) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d/%d/%04d", when.Month, when.Day, when.Year);
  return buf;
}

double SimRandom::Next() {
  if (queue_.empty()) return 0.0;
  const double v = queue_.front();
  queue_.pop_front();
  return v;
}

DialogAnswer SimDialogs::ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                     MessageIcon) {
  SimEvent e;
  e.Kind = EventKind::MsgBox;
  e.Text = text;
  e.Title = title;
  events_.Add(e);
  // With nothing queued a message box answers its first button; a question
  // that can be cancelled (the close question) answers Cancel, the answer
  // that changes nothing.
  DialogAnswer first = buttons == MessageButtons::YesNo         ? DialogAnswer::Yes
                       : buttons == MessageButtons::YesNoCancel ? DialogAnswer::Cancel
                                                                : DialogAnswer::Ok;
  if (answers_.empty()) return first;
  const SimAnswer a = answers_.front();
  switch (a.Type) {
    case SimAnswer::Kind::Yes:
      answers_.pop_front();
      return DialogAnswer::Yes;
    case SimAnswer::Kind::No:
      answers_.pop_front();
      return DialogAnswer::No;
    case SimAnswer::Kind::Ok:
      answers_.pop_front();
      return DialogAnswer::Ok;
    case SimAnswer::Kind::Cancel:
      answers_.pop_front();
      return DialogAnswer::Cancel;
    default:
      return first;  // an answer for another kind of dialog waits for it
  }
}

std::optional<std::string> SimDialogs::AskFile(const FileDialogRequest& request) {
  SimEvent e;
  e.Kind = EventKind::FileDialog;
  e.Save = request.Save;
  e.Filter = request.Filter;
  events_.Add(e);
  if (answers_.empty() || answers_.front().Type != SimAnswer::Kind::File) {
    if (!answers_.empty() && answers_.front().Type == SimAnswer::Kind::Cancel) answers_.pop_front();
    return std::nullopt;
  }
  const std::string name = answers_.front().File;
  answers_.pop_front();
  return (std::filesystem::path(programDir_) / name).string();
}

std::optional<std::uint32_t> SimDialogs::AskColor(std::uint32_t current) {
  if (answers_.empty() || answers_.front().Type != SimAnswer::Kind::Color) return current;
  const std::uint32_t c = answers_.front().Color;
  answers_.pop_front();
  return c;
}

std::string SimShell::Relative(const std::string& path) const {
  std::error_code ec;
  const auto rel = std::filesystem::relative(path, programDir_, ec);
  if (ec || rel.empty() || rel.string().rfind("..", 0) == 0) return path;
  return rel.generic_string();
}

void SimShell::OpenDocument(const std::string& target) {
  SimEvent e;
  e.Kind = EventKind::Opened;
  e.Text = Relative(target);
  events_.Add(e);
}

bool SimShell::StartProgram(const std::string& path) {
  SimEvent e;
  e.Kind = EventKind::Started;
  e.Text = Relative(path);
  events_.Add(e);
  return true;
}

}  // namespace quorvel
