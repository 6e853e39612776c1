#include "panel/Polling.h"

#include "model/SetFeature.h"
#include "panel/Startup.h"

namespace quorvel {
namespace {

void Attach(Bot& bot) {
  RoomLink link = bot.Link();
  AttachToRoom(link);
  bot.view.RoomListChanged();
  bot.view.CaptionChanged();
}

}  // namespace

void CreateMainWindow(Bot& bot) { RunStartupSequence(bot); }

void LoadMainWindow(Bot& bot) { Attach(bot); }

void StartPolling(Bot& bot) {
  SetPollTimer(bot, true);
  Attach(bot);
}

void StopPolling(Bot& bot) { SetPollTimer(bot, false); }

void RoomListDropDown(Bot& bot) { Attach(bot); }

void RoomPicked(Bot& bot, int index) {
  PickRoom(bot.settings.Room, index);
  bot.view.RoomListChanged();
}

void EnsurePollTimer(Bot& bot) {
  if (!bot.settings.PollTimer) SetPollTimer(bot, true);
}

}  // namespace quorvel
