#pragma once
#include <string>

#include "model/Feature.h"
#include "model/ModerationRecord.h"

namespace quorvel {

// The lists the panel shows; a notification names the one whose items or
// selection changed.
enum class PanelListId {
  AdminList,
  FastAdminNicks,
  RecorderBuffer,
  DesignNames,
  SwearList,
  WarnedUsers,
  ResponderTriggers,
  ResponderReplies,
  AnnounceList,
  AutoBounceList,
  AutoRedotList,
  VisitorNicks,
  VisitorCounts,
  VisitorLastSeen,
  GrabberList,    // the nick grabber's window
  SearchResults,  // the recorder panel's window
  Count,          // how many there are, not a list
};
inline constexpr int kPanelListCount = static_cast<int>(PanelListId::Count);

// Texts the operator reads but does not edit. `Line` stands for the current
// chat line as a whole: its raw text and what the tick made of it.
enum class PanelLabel { Clock, UserCount, TotalVisits, UniqueVisits, Line, SearchLabel, Count };
inline constexpr int kPanelLabelCount = static_cast<int>(PanelLabel::Count);

// Text boxes the operator edits and the model may also set.
enum class PanelBox {
  AdminBox,
  BotNick,
  PhraseBox,
  ResponderMessageBox,
  ResponderResponseBox,
  AnnounceInputBox,
  AnnounceInterval,
  AutoBounceBox,
  AutoRedotBox,
  LastVisitorBox,
  // The flood guard's numbers, in the order of FloodNumbers().
  FloodMessages,
  FloodSeconds,
  RepeatTimes,
  RepeatSeconds,
  CapsLetters,
  CapsPercent,
  JoinFloodJoins,
  JoinFloodSeconds,
  Count,  // how many there are, not a box
};
inline constexpr int kPanelBoxCount = static_cast<int>(PanelBox::Count);

// What the model tells a view, each change by name, so that a view redraws
// only what changed and a tick that changed nothing costs the view nothing.
// The Win32 window redraws, the simulator prints; a view that does not care
// about a change ignores it.
class PanelView {
 public:
  virtual ~PanelView() = default;
  virtual void IndicatorChanged(Feature) {}
  // The poll timer was switched; a Win32 view starts or kills its timer here.
  virtual void PollTimerChanged(bool /*enabled*/) {}
  virtual void RoomListChanged() {}
  virtual void CaptionChanged() {}
  // What the last tick found of the room's windows (RoomLinkState::Health).
  virtual void HealthChanged() {}
  virtual void ListChanged(PanelListId) {}
  virtual void LabelChanged(PanelLabel) {}
  virtual void BoxChanged(PanelBox) {}
  // The option buttons, style check boxes and colour swatches.
  virtual void OptionsChanged() {}
  // The warn, red-dot and bounce message editors.
  virtual void MessagesChanged() {}
  virtual void EditorChanged() {}
  // One of the bot's own windows opened or closed ("Save Greeter As:", ...).
  virtual void BotWindowOpened(const std::string& /*caption*/) {}
  virtual void BotWindowClosed(const std::string& /*caption*/) {}
  // "About" and "Contact": shown modal, closed by their button.
  virtual void ShowModal(const std::string& /*caption*/) {}
  // F7 brings the bot's main window to the foreground.
  virtual void BringToFront() {}
  // A bounce, red dot or warning was carried out.
  virtual void ModerationCarriedOut(const ModerationRecord& /*record*/) {}

  // For a caller that cannot tell which list it changed: each is named.
  void ListsChanged() {
    for (int i = 0; i < kPanelListCount; ++i) ListChanged(static_cast<PanelListId>(i));
  }
};

// Sets a shown text; the view hears of it only when the text changed.
inline void SetShown(PanelView& view, PanelLabel label, std::string& field, std::string value) {
  if (field == value) return;
  field = std::move(value);
  view.LabelChanged(label);
}
inline void SetShown(PanelView& view, PanelBox box, std::string& field, std::string value) {
  if (field == value) return;
  field = std::move(value);
  view.BoxChanged(box);
}

}  // namespace quorvel
