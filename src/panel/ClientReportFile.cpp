#include "panel/ClientReportFile.h"

#include "model/ProgramFile.h"
#include "panel/RoomFrame.h"
#include "panel/SaveOrTell.h"
#include "roomlink/ClientReport.h"
#include "storage/WholeFile.h"

namespace quorvel {

void WriteClientReport(Bot& bot) {
  const ReportHeader header{bot.host.facts.Version, bot.host.facts.WindowsVersion, TimeStamp(bot.host.clock)};
  RoomLink link = bot.Link();
  const std::string path = ProgramFile(bot, kClientReportFile);
  const std::string report = ClientReportText(link, header);
  // The report looked at the client afresh: the panel shows what it found.
  ShowRoomLook(bot);
  if (SavedOrTold(bot, WriteFileReplacing(path, report), "The client report", kClientReportFile))
    bot.host.shell.OpenDocument(path);
}

}  // namespace quorvel
