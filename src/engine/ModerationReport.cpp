#include "engine/ModerationReport.h"

#include "model/ProgramFile.h"
#include "storage/WholeFile.h"

namespace quorvel {

void ReportModeration(Bot& bot, ModerationRecord record) {
  BotSettings::ModerationSettings& m = bot.settings.Moderation;
  record.Time = bot.host.clock.Now();
  record.Room = bot.settings.Room.SelectedRoomTitle;
  bot.view.ModerationCarriedOut(record);
  if (!m.LogModeration) return;
  if (AppendToFile(ProgramFile(bot, kModerationLogFile), ModerationLine(record) + "\r\n") || m.LogFailureTold) return;
  m.LogFailureTold = true;
  bot.host.dialogs.ShowMessage(std::string("The moderation could not be written to [") + kModerationLogFile +
                                   "]. The bot goes on; the log misses this step and may miss later ones.",
                               "Quorvel", MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace quorvel
