#include "commands/RoomRecorder.h"

#include <cstdio>

#include "storage/ListFile.h"
#include "storage/WholeFile.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

namespace quorvel {

std::string FlushFileName(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d%02d%02d%02d.txt", t.Month, t.Day, t.Year, t.Hour, t.Minute, t.Second);
  return buf;
}

bool FlushRecorder(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string folder = InFolder(bot.programDir, "recorder");
  // The folder is made when it is missing; lines that still cannot be written
  // stay in the buffer for the next flush.
  EnsureFolder(folder);
  std::string text;
  for (const auto& entry : s.Recorder.RecorderBuffer.Items) text += entry + "\r\n";
  const bool written = AppendToFile(InFolder(folder, FlushFileName(bot.host.clock.Now())), text);
  const bool shown = !s.Recorder.RecorderBuffer.Items.empty() || !s.Recorder.RecorderBuffer.Selected.empty();
  if (written) s.Recorder.RecorderBuffer.Clear();
  s.Recorder.FlushCounter = "0";
  if (written && shown) bot.view.ListChanged(PanelListId::RecorderBuffer);
  return written;
}

void RecordMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  if (!s.Recorder.RecordingOn) return;
  // Each chat message is read once, so each is recorded once, a repeat of
  // the one before it too.
  s.Recorder.RecorderBuffer.Items.push_back(s.Line.Sender + ": " + s.Line.Text);
  bot.view.ListChanged(PanelListId::RecorderBuffer);
  s.Recorder.LastRecordedText = s.Line.Text;
}

void CountTowardsFlush(Bot& bot) {
  BotSettings& s = bot.settings;
  if (!s.Recorder.FlushTimerOn) return;
  if (auto next = CountedUp(s.Recorder.FlushCounter)) s.Recorder.FlushCounter = *next;
  if (s.Recorder.FlushCounter == s.Recorder.FlushEvery) FlushRecorder(bot);
}

}  // namespace quorvel
