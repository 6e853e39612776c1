#include "engine/Greeter.h"

#include <cmath>

#include "model/ProgramFile.h"
#include "roomlink/TextSender.h"
#include "text/AnsiText.h"

namespace quorvel {

std::string ReplacePlaceholder(const std::string& rtf, const std::string& placeholder, const std::string& value) {
  return ReplaceAll(rtf, placeholder, RtfEscape(value));
}

void GreetNewcomer(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string nick = s.Line.JoinedNick;
  std::string rtf;
  if (s.GreetMode == BotSettings::GreetModes::Whisper) {
    // "/w ", the nick, ": ", then the design: the client's whisper command.
    s.WhisperNickBox.SetPlainText(nick);
    s.GreetBuffer.Clear();
    s.GreetBuffer.AppendRich(s.WhisperPrefix);
    s.GreetBuffer.AppendRich(s.WhisperNickBox);
    s.GreetBuffer.AppendRich(s.WhisperSeparator);
    s.GreetBuffer.AppendRich(s.DesignEditor);
    s.EditorSelStart = s.EditorSelLength = 0;
    rtf = s.GreetBuffer.ToRtf();
  } else {
    if (s.RandomDesign) {
      s.DesignEditor.Clear();
      const size_t n = s.DesignFiles.Items.size();
      const auto i = static_cast<size_t>(std::floor(static_cast<double>(n) * bot.host.random.Next()));
      const auto file = i < n ? DesignFile(bot, s.DesignFiles.Items[i]) : std::nullopt;
      if (file) s.DesignEditor.LoadRtfFile(*file);
      s.EditorSelStart = s.EditorSelLength = 0;
      bot.view.EditorChanged();
    }
    rtf = s.DesignEditor.ToRtf();
  }
  rtf = ReplacePlaceholder(rtf, "%sn", nick);
  rtf = ReplacePlaceholder(rtf, "%rn", s.Room.SelectedRoomTitle);
  s.GreetBuffer.SetRtf(rtf);
  RoomLink link = bot.Link();
  TxtSendPal(link, rtf);
  s.Line.JoinedNick.clear();
}

}  // namespace quorvel
