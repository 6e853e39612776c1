#pragma once
#include <string>

#include "roomlink/Desktop.h"
#include "roomlink/RoomLinkState.h"

namespace quorvel {

// Copies into the health record what this tick's reads found: the room window
// and its list view (kept by the nick-list walk), the transcript handle, the
// user count shown and what the binding learnt of the client's process. It
// asks the client nothing.
void NoteTickFinds(const Desktop& desktop, RoomLinkState& state, const std::string& userCount);

}  // namespace quorvel
