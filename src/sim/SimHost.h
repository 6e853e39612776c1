#pragma once
// Scripted host services: a clock the scenario moves, queued random numbers,
// queued dialog answers, and a shell that only records.
#include <deque>
#include <functional>
#include <string>

#include "host/Host.h"
#include "sim/SimEvents.h"

namespace quorvel {

class SimClock final : public Clock {
 public:
  SimClock();
  LocalTime Now() override;
  std::string ShortDate(const LocalTime& when) override;
  double MonotonicSeconds() override { return elapsedMs_ / 1000.0; }

  void Set(const LocalTime& when);
  void AdvanceMs(long long ms);

 private:
  long long epochMs_;  // local time as milliseconds since 1970-01-01
  long long elapsedMs_ = 0;
};

class SimRandom final : public RandomSource {
 public:
  void Seed() override {}
  double Next() override;
  void Queue(double value) { queue_.push_back(value); }

 private:
  std::deque<double> queue_;
};

// Pumping in the simulator lets a little scripted time pass, so waits that
// pump until a clock moves come to an end.
class SimPump final : public MessagePump {
 public:
  explicit SimPump(SimClock& clock) : clock_(clock) {}
  void PumpOnce() override {
    clock_.AdvanceMs(1);
    if (OnPump) OnPump();
  }
  // What else runs when the bot lets pending messages run (a timer firing, say).
  std::function<void()> OnPump;

 private:
  SimClock& clock_;
};

struct SimAnswer {
  enum class Kind { Yes, No, Ok, Cancel, File, Color } Type = Kind::Ok;
  std::string File;
  std::uint32_t Color = 0;
};

class SimDialogs final : public Dialogs {
 public:
  SimDialogs(SimEventLog& events, std::string programDir) : events_(events), programDir_(std::move(programDir)) {}
  DialogAnswer ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                           MessageIcon icon) override;
  std::optional<std::string> AskFile(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> AskColor(std::uint32_t current) override;
  void Queue(SimAnswer answer) { answers_.push_back(std::move(answer)); }

 private:
  SimEventLog& events_;
  std::string programDir_;
  std::deque<SimAnswer> answers_;
};

class SimShell final : public Shell {
 public:
  SimShell(SimEventLog& events, std::string programDir) : events_(events), programDir_(std::move(programDir)) {}
  void OpenDocument(const std::string& target) override;
  bool StartProgram(const std::string& path) override;

 private:
  std::string Relative(const std::string& path) const;
  SimEventLog& events_;
  std::string programDir_;
};

}  // namespace quorvel
