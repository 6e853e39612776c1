#include "sim/SimView.h"

#include "model/HealthText.h"

namespace quorvel {

void SimView::IndicatorChanged(Feature feature) { print_("indicator: " + FeatureLabel(settings_, feature)); }

void SimView::PollTimerChanged(bool enabled) {
  print_(std::string("poll timer: ") + (enabled ? "on" : "off"));
  HealthChanged();
}

void SimView::HealthChanged() {
  const std::string shown = HealthLine(HealthParts(settings_));
  if (shown == shownHealth_) return;
  shownHealth_ = shown;
  print_("health: " + shown);
}

void SimView::RoomListChanged() {
  std::string rooms;
  for (const auto& r : settings_.Room.RoomList) rooms += (rooms.empty() ? "" : " | ") + r;
  const std::string shown = rooms + "\n" + settings_.Room.SelectedRoomTitle;
  if (shown == shownRooms_) return;
  shownRooms_ = shown;
  print_("rooms: " + (rooms.empty() ? std::string("(none)") : rooms) + "; selected: " +
         (settings_.Room.SelectedRoomTitle.empty() ? std::string("(none)") : settings_.Room.SelectedRoomTitle));
  HealthChanged();
}

void SimView::CaptionChanged() {
  if (settings_.Room.Caption == shownCaption_) return;
  shownCaption_ = settings_.Room.Caption;
  print_("caption: " + shownCaption_);
}

void SimView::ModerationCarriedOut(const ModerationRecord& record) {
  print_("moderation: " + ModerationLine(record));
  if (OnModeration) OnModeration(record);
}

void SimView::BotWindowOpened(const std::string& caption) {
  if (!Events) return;
  SimEvent e;
  e.Kind = EventKind::Window;
  e.Text = caption;
  Events->Add(e);
}

// What the bot made of the newest line, printed when it changes.
void SimView::LabelChanged(PanelLabel label) {
  if (label != PanelLabel::Line) return;
  const ChatLine& line = settings_.Line;
  const std::string classified = "sender \"" + line.Sender + "\", text \"" + line.Text + "\"";
  if (!line.Sender.empty() && classified != shownLine_) {
    shownLine_ = classified;
    print_("read: " + classified);
  }
  if (!line.JoinedNick.empty() && line.JoinedNick != shownJoin_) print_("read: join of \"" + line.JoinedNick + "\"");
  shownJoin_ = line.JoinedNick;
}

}  // namespace quorvel
