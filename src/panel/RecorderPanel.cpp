#include "panel/RecorderPanel.h"

#include <algorithm>

#include "panel/SaveOrTell.h"
#include "storage/WholeFile.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

void OpenRecorderPanel(Bot& bot) {
  if (bot.settings.Panel.RecorderOpen) return;
  bot.settings.Panel.RecorderOpen = true;
  bot.view.BotWindowOpened(kRecorderCaption);
}

void RecorderStart(Bot& bot) { bot.settings.Recorder.RecordingOn = true; }
void RecorderStop(Bot& bot) { bot.settings.Recorder.RecordingOn = false; }

void SaveRecording(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({true, "Text Files (*.txt)|*.txt", ""});
  if (!file) return;
  std::string text;
  for (const auto& entry : bot.settings.Recorder.RecorderBuffer.Items) text += entry + "\t\r\n";
  SavedOrTold(bot, WriteFileReplacing(*file, text + "\r\n"), "The recording", *file);
}

namespace recorder {

bool CollectLinesHolding(Bot& bot, std::string& phrase, int& from) {
  BotSettings& s = bot.settings;
  phrase = AnsiLower(phrase);
  if (phrase.empty()) return false;
  bool found = false;
  auto& entries = s.Recorder.RecorderBuffer.Items;
  for (size_t i = static_cast<size_t>(std::max(0, from)); i < entries.size(); ++i) {
    if (!OccursNoCase(entries[i], phrase)) continue;
    s.Recorder.RecorderBuffer.SelectOnly(static_cast<int>(i));
    s.Recorder.SearchResults.Items.push_back(entries[i]);
    s.Panel.SearchLabel = "Search Result For " + s.Panel.SearchBox;
    from = static_cast<int>(i + 1);
    found = true;
  }
  return found;
}

}  // namespace recorder

void RecorderSearch(Bot& bot) {
  BotSettings& s = bot.settings;
  s.Recorder.SearchResults.Clear();
  std::string phrase = s.Panel.SearchBox;
  int start = 0;
  if (!recorder::CollectLinesHolding(bot, phrase, start))
    bot.host.dialogs.ShowMessage("No Found", "Quorvel", MessageButtons::Ok, MessageIcon::None);
  bot.view.ListChanged(PanelListId::SearchResults);
  bot.view.ListChanged(PanelListId::RecorderBuffer);  // the last hit is selected there
  bot.view.LabelChanged(PanelLabel::SearchLabel);
}

}  // namespace quorvel
