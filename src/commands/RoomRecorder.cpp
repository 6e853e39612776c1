#include "commands/RoomRecorder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "storage/ListFile.h"
#include "storage/WholeFile.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"
#include "text/Occurs.h"

namespace quorvel {

std::string FlushFileName(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d%02d%02d%02d.txt", t.Month, t.Day, t.Year, t.Hour, t.Minute, t.Second);
  return buf;
}

void FlushRecorder(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::filesystem::path folder = bot.programDir / "recorder";
  // The folder is made when it is missing; lines that still cannot be written
  // stay in the buffer for the next flush.
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string text;
  for (const auto& entry : s.RecorderBuffer.Items) text += entry + "\r\n";
  bool written = false;
  {
    std::ofstream out(folder / FlushFileName(bot.host.clock.Now()), std::ios::binary | std::ios::app);
    if (out) {
      out << text;
      written = static_cast<bool>(out.flush());
    }
  }
  const bool shown = !s.RecorderBuffer.Items.empty() || !s.RecorderBuffer.Selected.empty();
  if (written) s.RecorderBuffer.Clear();
  s.FlushCounter = "0";
  if (written && shown) bot.view.ListChanged(PanelListId::RecorderBuffer);
}

void RecordLine(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.RecordingOn) {
    if (s.Line.Text != s.LastRecordedText) {
      s.RecorderBuffer.Items.push_back(s.Line.Sender + ": " + s.Line.Text);
      bot.view.ListChanged(PanelListId::RecorderBuffer);
    }
    s.LastRecordedText = s.Line.Text;
  }
  if (s.FlushTimerOn) {
    if (auto next = CountedUp(s.FlushCounter)) s.FlushCounter = *next;
    if (s.FlushCounter == s.FlushEvery) FlushRecorder(bot);
  }
}

void OpenRecorderPanel(Bot& bot) {
  if (bot.settings.RecorderOpen) return;
  bot.settings.RecorderOpen = true;
  bot.view.BotWindowOpened(kRecorderCaption);
}

void RecorderStart(Bot& bot) { bot.settings.RecordingOn = true; }
void RecorderStop(Bot& bot) { bot.settings.RecordingOn = false; }

void SaveRecording(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({true, "Text Files (*.txt)|*.txt", ""});
  if (!file) return;
  std::string text;
  for (const auto& entry : bot.settings.RecorderBuffer.Items) text += entry + "\t\r\n";
  WriteFileReplacing(*file, text + "\r\n");
}

bool vbFind(Bot& bot, std::string& vbString, int& iStart) {
  BotSettings& s = bot.settings;
  vbString = AnsiLower(vbString);
  if (vbString.empty()) return false;
  bool found = false;
  auto& entries = s.RecorderBuffer.Items;
  for (size_t i = static_cast<size_t>(std::max(0, iStart)); i < entries.size(); ++i) {
    if (!OccursNoCase(entries[i], vbString)) continue;
    s.RecorderBuffer.SelectOnly(static_cast<int>(i));
    s.SearchResults.Items.push_back(entries[i]);
    s.SearchLabel = "Search Result For " + s.SearchBox;
    iStart = static_cast<int>(i + 1);
    found = true;
  }
  return found;
}

void RecorderSearch(Bot& bot) {
  BotSettings& s = bot.settings;
  s.SearchResults.Clear();
  std::string phrase = s.SearchBox;
  int start = 0;
  if (!vbFind(bot, phrase, start))
    bot.host.dialogs.ShowMessage("No Found", "Quorvel", MessageButtons::Ok, MessageIcon::None);
  bot.view.ListChanged(PanelListId::SearchResults);
  bot.view.ListChanged(PanelListId::RecorderBuffer);  // the last hit is selected there
  bot.view.LabelChanged(PanelLabel::SearchLabel);
}

}  // namespace quorvel
