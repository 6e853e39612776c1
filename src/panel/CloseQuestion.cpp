#include "panel/CloseQuestion.h"

#include "commands/RoomRecorder.h"
#include "model/ProgramFile.h"
#include "panel/SaveOrTell.h"
#include "panel/StatsFrame.h"
#include "text/Concat.h"

namespace quorvel {
namespace {

// Each changed list as its own Save writes it: a pair of lists kept in step
// is written together, the first file before the second.
void SaveLists(Bot& bot, const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    const char* partner = PairedListFile(names[i]);
    if (!partner) {
      SaveListOrTell(bot, names[i], *ProgramList(bot.settings, names[i]));
      continue;
    }
    const bool isFirst = ListFileIndex(names[i]) < ListFileIndex(partner);
    // The second file of a pair whose first changed too is saved with it.
    if (!isFirst && i > 0 && names[i - 1] == partner) continue;
    const char* first = isFirst ? names[i].c_str() : partner;
    const char* second = isFirst ? partner : names[i].c_str();
    SavePairOrTell(bot, {first, *ProgramList(bot.settings, first)}, {second, *ProgramList(bot.settings, second)});
  }
}

// What Yes saves; false when the operator cancelled the statistics' file
// dialog, before anything was saved.
bool SaveUnsavedWork(Bot& bot, const UnsavedWork& work) {
  if (work.Stats && !AskAndSaveStats(bot)) return false;
  SaveLists(bot, work.Lists);
  if (work.RecorderLines > 0 && !FlushRecorder(bot))
    bot.host.dialogs.ShowMessage("The recorder's lines could not be written to the folder [recorder].", "Quorvel",
                                 MessageButtons::Ok, MessageIcon::Error);
  return true;
}

// Log-off: nobody reads a message, and the statistics need no dialog.
class SessionEndDialogs final : public Dialogs {
 public:
  explicit SessionEndDialogs(std::string statsFile) : statsFile_(std::move(statsFile)) {}
  DialogAnswer ShowMessage(const std::string&, const std::string&, MessageButtons, MessageIcon) override {
    return DialogAnswer::Ok;
  }
  std::optional<std::string> AskFile(const FileDialogRequest&) override { return statsFile_; }
  std::optional<std::uint32_t> AskColor(std::uint32_t current) override { return current; }

 private:
  std::string statsFile_;
};

}  // namespace

UnsavedWork FindUnsavedWork(const BotSettings& settings) {
  UnsavedWork work;
  work.Lists = ListFilesChanged(settings);
  work.Stats = StatsChangedSinceSaved(settings);
  work.RecorderLines = settings.Recorder.RecorderBuffer.Items.size();
  return work;
}

std::string CloseQuestion(const UnsavedWork& work) {
  std::string text = "Save changes before closing?\r\n\r\nThese would be lost:";
  const bool one = work.Lists.size() == 1;
  for (size_t i = 0; i < work.Lists.size(); ++i)
    text.append(i == 0 ? (one ? "\r\n- the list [" : "\r\n- the lists [") : ", [").append(work.Lists[i]).append("]");
  if (!work.Lists.empty())
    text.append(one ? ", changed since it was loaded or saved" : ", changed since they were loaded or saved");
  if (work.Stats) text.append("\r\n- the visitor statistics, changed since the last Save or Load");
  if (work.RecorderLines > 0)
    text.append(Concat({"\r\n- ", std::to_string(work.RecorderLines),
                        work.RecorderLines == 1 ? " recorder line" : " recorder lines", " not yet flushed"}));
  return text;
}

bool MayCloseMainWindow(Bot& bot) {
  const UnsavedWork work = FindUnsavedWork(bot.settings);
  if (work.Empty()) return true;
  switch (bot.host.dialogs.ShowMessage(CloseQuestion(work), "Quorvel", MessageButtons::YesNoCancel,
                                       MessageIcon::Question)) {
    case DialogAnswer::Yes:
      return SaveUnsavedWork(bot, work);
    case DialogAnswer::No:
      return true;
    default:
      return false;
  }
}

void SaveBeforeSessionEnds(Bot& bot) {
  const UnsavedWork work = FindUnsavedWork(bot.settings);
  if (work.Empty()) return;
  std::string statsFile = bot.settings.OnDisk.StatsFile;
  if (statsFile.empty()) statsFile = ProgramFile(bot, Concat({"stats ", FlushFileName(bot.host.clock.Now())}));
  SessionEndDialogs dialogs(statsFile);
  Host host{bot.host.clock, bot.host.random, bot.host.pump, dialogs, bot.host.shell, bot.host.facts};
  Bot unattended{bot.settings, bot.desktop, bot.registry, host, bot.view, bot.programDir};
  SaveUnsavedWork(unattended, work);
}

}  // namespace quorvel
