#include "roomlink/TextSender.h"

namespace quorvel {

void TxtSendPal(RoomLink& link, const std::string& rtf) {
  if (link.state.SelectedRoomTitle.size() > 1) EnsureRoomPresent(link, link.state.SelectedRoomTitle);
  const WindowHandle sendBox = ResolveSendBox(link);
  NoteSendBox(link.state.Health, sendBox);
  if (sendBox == kNoWindow) return;
  link.desktop.SetRtfText(sendBox, rtf);
  link.desktop.KeyDown(sendBox, kVkReturn);
}

}  // namespace quorvel
