#include "engine/Responder.h"

#include "roomlink/TextSender.h"
#include "styling/TextStyle.h"
#include "text/AnsiText.h"

namespace quorvel {

void SendReply(Bot& bot, const std::string& reply) {
  BotSettings& s = bot.settings;
  const std::string m = TrimLeadingBlanks(s.Line.Text);
  // A line that quotes any reply, the bot's own among them, is not answered.
  if (s.ResponderReplies.Items.Matcher().AnyHit(m)) return;
  if (s.Line.Text == s.LastReply || s.Line.Sender == s.BotNick) return;
  s.ReplyBuffer.SetPlainText(ReplaceAll(reply, "sn%", s.Line.Sender));
  if (s.ReplyBuffer.Empty()) return;
  RoomLink link = bot.Link();
  ApplyStyle(s.ReplyBuffer, s.Style);
  TxtSendPal(link, s.ReplyBuffer.ToRtf());
  s.LastReply = AnsiLower(s.ReplyBuffer.PlainText());
}

void Respond(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Line.Text == s.LastReply) return;
  // Only the first trigger in list order is answered.
  const auto first = s.ResponderTriggers.Items.Matcher().FirstHit(s.Line.Text);
  if (!first) return;
  const auto& replies = s.ResponderReplies.Items;
  SendReply(bot, *first < replies.size() ? replies[*first] : std::string());
}

}  // namespace quorvel
