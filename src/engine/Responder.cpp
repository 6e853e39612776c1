#include "engine/Responder.h"

#include "styling/TextStyle.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

void SendReply(Bot& bot, const std::string& reply) {
  BotSettings& s = bot.settings;
  const std::string m = TrimLeadingBlanks(s.Line.Text);
  // A line that quotes any reply, the bot's own among them, is not answered.
  for (const auto& r : s.ResponderReplies.Items)
    if (Occurs(m, r)) return;
  if (s.Line.Text == s.LastReply || s.Line.Sender == s.BotNick) return;
  s.ReplyBuffer.SetPlainText(ReplaceAll(reply, "sn%", s.Line.Sender));
  if (s.ReplyBuffer.Empty()) return;
  RoomLink link = bot.Link();
  SendStyled(s.ReplyBuffer, s.Style, link);
  s.LastReply = AnsiLower(s.ReplyBuffer.PlainText());
}

void Respond(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Line.Text == s.LastReply) return;
  const auto& triggers = s.ResponderTriggers.Items;
  for (size_t i = 0; i < triggers.size(); ++i) {
    if (!Occurs(s.Line.Text, triggers[i])) continue;
    const auto& replies = s.ResponderReplies.Items;
    SendReply(bot, i < replies.size() ? replies[i] : std::string());
    return;
  }
}

}  // namespace quorvel
