#include "roomlink/TickFinds.h"

namespace quorvel {

void NoteTickFinds(const Desktop& desktop, RoomLinkState& state, const std::string& userCount) {
  WindowHealth& health = state.Health;
  health.Room = PresenceOf(state.NickList.Room != kNoWindow);
  health.RoomTitle = state.SelectedRoomTitle;
  health.Profile = state.Profile;
  health.ClientVersionCode = state.ClientVersionCode;
  health.Transcript = PresenceOf(state.TranscriptHandle != kNoWindow);
  health.NickList = PresenceOf(state.NickList.ListView != kNoWindow);
  health.UserCount = userCount;
  health.ClientBits = desktop.ClientBits();
  health.MemoryUnreadable = desktop.ClientBitnessUnknown();
  health.SkippedMessages = state.Cursor.Skipped;
}

}  // namespace quorvel
