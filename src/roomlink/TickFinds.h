#pragma once
#include <string>

#include "roomlink/Desktop.h"
#include "roomlink/RoomDiscovery.h"
#include "roomlink/RoomLinkState.h"

namespace quorvel {

// Notes in the health record what the bot can learn of the selected room
// without a message to the client: whether it has its send box (one search),
// and the bitness of the client's process (opened once, as a read would).
// Run when the room is attached and when it is found again.
void NoteAttachFinds(Desktop& desktop, RoomLinkState& state);

// Copies into the health record what this tick's reads found: the room window
// and its list view (kept by the nick-list walk), the transcript handle, the
// user count shown and what the binding learnt of the client's process. It
// asks the client nothing. When the selected room went away, its send box
// went with it and the "Room:" list is refilled with the rooms still open
// (none once the client is gone); when it is found again, what an attach
// notes is noted again and the list is refilled.
void NoteTickFinds(Desktop& desktop, RoomLinkState& state, const std::string& userCount);

// The finds of a tick (the transcript checked, the nick-list walk) and of an
// attach (the send box), made now and noted as a tick notes them: for a
// reader of the record, such as the client report, that must not wait for
// the next tick or for the poll timer to be on.
void NoteRoomFinds(RoomLink& link);

}  // namespace quorvel
