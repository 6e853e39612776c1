#include "roomlink/TextSender.h"

namespace quorvel {

void TxtSendPal(RoomLink& link, const std::string& disHere) {
  if (link.state.SelectedRoomTitle.size() > 1) EnsureRoomPresent(link, link.state.SelectedRoomTitle);
  const WindowHandle sendBox = ResolveSendBox(link);
  if (sendBox == kNoWindow) return;
  link.desktop.SetRtfText(sendBox, disHere);
  link.desktop.KeyDown(sendBox, kVkReturn);
}

}  // namespace quorvel
