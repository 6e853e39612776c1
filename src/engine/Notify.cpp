#include "engine/Notify.h"

#include "roomlink/TextSender.h"

namespace quorvel {

void Notify(Bot& bot, const std::string& text) {
  bot.settings.Messages.NoticeBuffer.SetPlainText(text);
  RoomLink link = bot.Link();
  TxtSendPal(link, bot.settings.Messages.NoticeBuffer.ToRtf());
}

}  // namespace quorvel
