#include "engine/Notify.h"

#include "engine/RoomSend.h"

namespace quorvel {

void Notify(Bot& bot, const std::string& text) {
  bot.settings.Messages.NoticeBuffer.SetPlainText(text);
  SendToRoom(bot, bot.settings.Messages.NoticeBuffer.ToRtf());
}

}  // namespace quorvel
