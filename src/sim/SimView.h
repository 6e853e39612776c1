#pragma once
#include <functional>
#include <string>

#include "model/BotSettings.h"
#include "model/PanelView.h"
#include "sim/SimEvents.h"

namespace quorvel {

// The simulator's view: it prints what a window would show when it changes.
class SimView final : public PanelView {
 public:
  SimView(BotSettings& settings, std::function<void(const std::string&)> print)
      : settings_(settings), print_(std::move(print)) {}

  void IndicatorChanged(Feature feature) override;
  void PollTimerChanged(bool enabled) override;
  void RoomListChanged() override;
  void CaptionChanged() override;
  // Printed as `health: …` when its words change; asked on the changes that can change them.
  void HealthChanged() override;
  // Of the labels, only the current line is printed.
  void LabelChanged(PanelLabel label) override;
  void BotWindowOpened(const std::string& caption) override;
  // The simulator shows a modal window and closes it at once, as its button would.
  void ShowModal(const std::string& caption) override { BotWindowOpened(caption); }
  // Printed as a trace line ("moderation: ..."), not an event.
  void ModerationCarriedOut(const ModerationRecord& record) override;

  // Where the bot's own windows are recorded as events.
  SimEventLog* Events = nullptr;
  // Hears every moderation record after it is printed.
  std::function<void(const ModerationRecord&)> OnModeration;

 private:
  BotSettings& settings_;
  std::function<void(const std::string&)> print_;
  std::string shownRooms_ = "\x01";
  std::string shownCaption_ = "Quorvel 11";
  std::string shownLine_;
  std::string shownJoin_;
  std::string shownHealth_ = "Stopped";
};

}  // namespace quorvel
