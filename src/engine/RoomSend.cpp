#include "engine/RoomSend.h"

#include "roomlink/TextSender.h"

namespace quorvel {

void SendToRoom(Bot& bot, const std::string& rtf) {
  NoteOwnMessage(bot.settings.OwnSaid, RichText::FromRtf(rtf).MessageText(), bot.host.clock.MonotonicSeconds());
  RoomLink link = bot.Link();
  TxtSendPal(link, rtf);
}

}  // namespace quorvel
