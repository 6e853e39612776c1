#include "engine/Announcer.h"

#include <cmath>

#include "engine/RoomSend.h"
#include "styling/TextStyle.h"
#include "text/NumberText.h"

namespace quorvel {

void Announce(Bot& bot) {
  BotSettings& s = bot.settings;
  if (auto next = CountedUp(s.Announcer.AnnounceCounter)) s.Announcer.AnnounceCounter = *next;
  // An interval that is not a number at all skips the reset; "-1" or " 3x"
  // are numbers to Val, and lower than a growing counter.
  const auto interval = ReadNumber(s.Announcer.AnnounceInterval);
  const auto counter = ReadNumber(s.Announcer.AnnounceCounter);
  if (interval && counter && interval->Value < counter->Value) s.Announcer.AnnounceCounter = "0";
  // A text comparison: " 3" or "03" never equals the counter.
  if (s.Announcer.AnnounceCounter != s.Announcer.AnnounceInterval) return;

  PanelList& list = s.Announcer.AnnounceList;
  const size_t n = list.Items.size();
  std::string text;
  switch (s.Announcer.AnnounceMode) {
    case BotSettings::AnnounceModes::Single: {
      const int selected = list.SelectedIndex();
      if (selected >= 0 && static_cast<size_t>(selected) < n) text = list.Items[static_cast<size_t>(selected)];
      break;
    }
    case BotSettings::AnnounceModes::Multi: {
      size_t k = static_cast<size_t>(list.SelectedIndex() + 1);
      if (k >= n) k = 0;
      list.SelectOnly(static_cast<int>(k));
      if (k < n) text = list.Items[k];
      bot.view.ListChanged(PanelListId::AnnounceList);
      break;
    }
    case BotSettings::AnnounceModes::Rand: {
      const auto k = static_cast<size_t>(std::floor(static_cast<double>(n) * bot.host.random.Next()));
      if (k < n) text = list.Items[k];
      break;
    }
  }
  s.Announcer.AnnounceBuffer.SetPlainText(text);
  if (s.Announcer.AnnounceBuffer.Empty()) return;  // the next tick's reset takes care of the counter
  ApplyStyle(s.Announcer.AnnounceBuffer, s.Style);
  SendToRoom(bot, s.Announcer.AnnounceBuffer.ToRtf());
  s.Announcer.AnnounceCounter = "0";
}

}  // namespace quorvel
