#include "engine/Responder.h"

#include "engine/RoomSend.h"
#include "styling/TextStyle.h"
#include "text/AnsiText.h"

namespace quorvel {

void SendReply(Bot& bot, const std::string& reply) {
  BotSettings& s = bot.settings;
  const std::string m = TrimLeadingBlanks(s.Line.Text);
  // A line that quotes any reply, the bot's own among them, is not answered.
  if (s.Responder.ResponderReplies.Items.Matcher().AnyHit(m)) return;
  if (s.Line.Text == s.Responder.LastReply || s.Line.Sender == s.BotNick) return;
  s.Responder.ReplyBuffer.SetPlainText(ReplaceAll(reply, "sn%", s.Line.Sender));
  if (s.Responder.ReplyBuffer.Empty()) return;
  ApplyStyle(s.Responder.ReplyBuffer, s.Style);
  SendToRoom(bot, s.Responder.ReplyBuffer.ToRtf());
  s.Responder.LastReply = AnsiLower(s.Responder.ReplyBuffer.PlainText());
}

void Respond(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Line.Text == s.Responder.LastReply) return;
  // Only the first trigger in list order is answered.
  const auto first = s.Responder.ResponderTriggers.Items.EntryMatcher().FirstHit(s.Line.Text);
  if (!first) return;
  const auto& replies = s.Responder.ResponderReplies.Items;
  SendReply(bot, *first < replies.size() ? replies[*first] : std::string());
}

}  // namespace quorvel
