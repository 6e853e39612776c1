#pragma once
#include <string>

#include "panel/Feature.h"

namespace quorvel {

// What the model tells a view. The Win32 window redraws, the simulator prints;
// a view that does not care about a change ignores it.
class PanelView {
 public:
  virtual ~PanelView() = default;
  virtual void IndicatorChanged(Feature) {}
  // The poll timer was switched; a Win32 view starts or kills its timer here.
  virtual void PollTimerChanged(bool /*enabled*/) {}
  virtual void RoomListChanged() {}
  virtual void CaptionChanged() {}
  // Labels and boxes the engine refreshes (clock, user count, last visitor...).
  virtual void DisplaysChanged() {}
  // A list or the design editor changed; the view shows it afresh.
  virtual void ListsChanged() {}
  virtual void EditorChanged() {}
  // One of the bot's own windows opened or closed ("Save Greeter As:", ...).
  virtual void BotWindowOpened(const std::string& /*caption*/) {}
  virtual void BotWindowClosed(const std::string& /*caption*/) {}
  // "About" and "Contact": shown modal, closed by their button.
  virtual void ShowModal(const std::string& /*caption*/) {}
  // F7 brings the bot's main window to the foreground.
  virtual void BringToFront() {}
};

}  // namespace quorvel
