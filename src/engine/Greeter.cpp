#include "engine/Greeter.h"

#include <cmath>

#include "engine/RoomSend.h"
#include "model/ProgramFile.h"
#include "text/AnsiText.h"

namespace quorvel {

std::string ReplacePlaceholder(const std::string& rtf, const std::string& placeholder, const std::string& value) {
  return ReplaceAll(rtf, placeholder, RtfEscape(value));
}

void GreetNewcomer(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string nick = s.Line.JoinedNick;
  std::string rtf;
  if (s.Greeter.GreetMode == BotSettings::GreetModes::Whisper) {
    // "/w ", the nick, ": ", then the design: the client's whisper command.
    s.Greeter.WhisperNickBox.SetPlainText(nick);
    s.Greeter.GreetBuffer.Clear();
    s.Greeter.GreetBuffer.AppendRich(s.Greeter.WhisperPrefix);
    s.Greeter.GreetBuffer.AppendRich(s.Greeter.WhisperNickBox);
    s.Greeter.GreetBuffer.AppendRich(s.Greeter.WhisperSeparator);
    s.Greeter.GreetBuffer.AppendRich(s.Greeter.DesignEditor);
    s.Panel.EditorSelStart = s.Panel.EditorSelLength = 0;
    rtf = s.Greeter.GreetBuffer.ToRtf();
  } else {
    if (s.Greeter.RandomDesign) {
      s.Greeter.DesignEditor.Clear();
      const size_t n = s.Greeter.DesignFiles.Items.size();
      const auto i = static_cast<size_t>(std::floor(static_cast<double>(n) * bot.host.random.Next()));
      const auto file = i < n ? DesignFile(bot, s.Greeter.DesignFiles.Items[i]) : std::nullopt;
      if (file) s.Greeter.DesignEditor.LoadRtfFile(*file);
      s.Panel.EditorSelStart = s.Panel.EditorSelLength = 0;
      bot.view.EditorChanged();
    }
    rtf = s.Greeter.DesignEditor.ToRtf();
  }
  rtf = ReplacePlaceholder(rtf, "%sn", nick);
  rtf = ReplacePlaceholder(rtf, "%rn", s.Room.SelectedRoomTitle);
  s.Greeter.GreetBuffer.SetRtf(rtf);
  SendToRoom(bot, rtf);
  s.Line.JoinedNick.clear();
}

}  // namespace quorvel
