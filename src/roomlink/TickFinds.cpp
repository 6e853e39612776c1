#include "roomlink/TickFinds.h"

#include "roomlink/NickList.h"
#include "roomlink/WindowSearch.h"

namespace quorvel {

void NoteAttachFinds(Desktop& desktop, RoomLinkState& state) {
  WindowHealth& health = state.Health;
  const bool selected = !state.SelectedRoomTitle.empty();
  NoteSendBox(health, selected ? FindSendBox(desktop, state) : kNoWindow);
  const WindowHandle room =
      selected ? FindTopLevel(desktop, state.Profile.RoomWindowClass, state.SelectedRoomTitle) : kNoWindow;
  if (room != kNoWindow) desktop.LearnClientBits(room);
  health.ClientBits = desktop.ClientBits();
  health.MemoryUnreadable = desktop.ClientBitnessUnknown();
}

void NoteTickFinds(Desktop& desktop, RoomLinkState& state, const std::string& userCount) {
  WindowHealth& health = state.Health;
  const WindowPresence room = PresenceOf(state.NickList.Room != kNoWindow);
  const bool lost = room == WindowPresence::Missing && health.Room != WindowPresence::Missing;
  const bool foundAgain = room == WindowPresence::Found && health.Room == WindowPresence::Missing;
  health.Room = room;
  health.RoomTitle = state.SelectedRoomTitle;
  health.Profile = state.Profile;
  health.ClientVersionCode = state.ClientVersionCode;
  health.Transcript = PresenceOf(state.TranscriptHandle != kNoWindow);
  health.NickList = PresenceOf(state.NickList.ListView != kNoWindow);
  health.UserCount = userCount;
  if (lost) NoteSendBox(health, kNoWindow);
  if (foundAgain) NoteAttachFinds(desktop, state);
  if (lost || foundAgain) RefreshRoomList(desktop, state);
  health.ClientBits = desktop.ClientBits();
  health.MemoryUnreadable = desktop.ClientBitnessUnknown();
  health.SkippedMessages = state.Cursor.Skipped;
}

void NoteRoomFinds(RoomLink& link) {
  RoomLinkState& state = link.state;
  RecheckTranscript(link);
  FindNickListView(link.desktop, state.SelectedRoomTitle, state.NickList);
  NoteSendBox(state.Health, state.SelectedRoomTitle.empty() ? kNoWindow : FindSendBox(link.desktop, state));
  NoteTickFinds(link.desktop, state, state.Health.UserCount);
}

}  // namespace quorvel
