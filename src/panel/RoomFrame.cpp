#include "panel/RoomFrame.h"

#include "model/SetFeature.h"

namespace quorvel {

void AttachToClient(Bot& bot) {
  RoomLink link = bot.Link();
  AttachToRoom(link);
  RoomLinkState& room = bot.settings.Room;
  bot.view.RoomListChanged();
  bot.view.CaptionChanged();
  // The attach noted the send box and the client's bitness.
  room.HealthShown = room.Health;
  bot.view.HealthChanged();
}

void ShowRoomLookChanges(Bot& bot, const std::vector<std::string>& roomsBefore) {
  RoomLinkState& room = bot.settings.Room;
  if (room.RoomList != roomsBefore) bot.view.RoomListChanged();
  if (room.Health == room.HealthShown) return;
  room.HealthShown = room.Health;
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
