#include "panel/RoomFrame.h"

#include "model/SetFeature.h"

namespace quorvel {

void AttachToClient(Bot& bot) {
  RoomLink link = bot.Link();
  AttachToRoom(link);
  bot.view.RoomListChanged();
  bot.view.CaptionChanged();
  // The attach noted the send box and the client's bitness.
  bot.view.HealthChanged();
}

void ShowRoomLook(Bot& bot) {
  bot.view.RoomListChanged();
  bot.view.HealthChanged();
}

void StartPolling(Bot& bot) {
  SetPollTimer(bot, true);
  AttachToClient(bot);
}

void StopPolling(Bot& bot) { SetPollTimer(bot, false); }

void RoomListDropDown(Bot& bot) { AttachToClient(bot); }

void RoomPicked(Bot& bot, int index) {
  PickRoom(bot.settings.Room, index);
  bot.view.RoomListChanged();
}

void RoomListPicked(Bot& bot, const std::vector<size_t>& entries) {
  if (entries.empty()) {
    bot.settings.Room.RoomListIndex = -1;
    return;
  }
  RoomPicked(bot, static_cast<int>(entries.back()));
}

void EnsurePollTimer(Bot& bot) {
  if (!bot.settings.PollTimer) SetPollTimer(bot, true);
}

}  // namespace quorvel
