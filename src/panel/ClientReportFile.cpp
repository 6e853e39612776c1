#include "panel/ClientReportFile.h"

#include "model/ProgramFile.h"
#include "panel/SaveOrTell.h"
#include "roomlink/ClientReport.h"
#include "storage/WholeFile.h"

namespace quorvel {

void WriteClientReport(Bot& bot) {
  const ReportHeader header{bot.host.facts.Version, bot.host.facts.WindowsVersion, TimeStamp(bot.host.clock)};
  RoomLink link = bot.Link();
  const std::string path = ProgramFile(bot, kClientReportFile);
  if (SavedOrTold(bot, WriteFileReplacing(path, ClientReportText(link, header)), "The client report",
                  kClientReportFile))
    bot.host.shell.OpenDocument(path);
}

}  // namespace quorvel
