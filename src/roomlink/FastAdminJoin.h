#pragma once
// Opening a room as administrator through the client's own admin join
// dialog: the room picked in its combo box, the code typed, OK pressed.
#include <string>
#include <vector>

#include "host/Clock.h"
#include "host/MessagePump.h"
#include "roomlink/Desktop.h"

namespace quorvel {

// Returns after at least the given seconds of a monotonic clock, letting
// pending messages run all the while.
void Delay(Clock& clock, MessagePump& pump, float nSeconds);

// The entries of a combo box of another process, in order.
std::vector<std::string> ReadComboItems(Desktop& desktop, WindowHandle combo);

struct AdminJoinRequest {
  std::string Name;                // the selected fast-admin name; empty when none
  std::vector<std::string> Codes;  // the codes of the selected entries, last position first
};

struct AdminJoinState {
  std::vector<std::string>& DialogRoomList;
  std::string& DialogRoomIndex;
};

void JoinAsAdmin(Desktop& desktop, Clock& clock, MessagePump& pump, const AdminJoinRequest& request,
                 AdminJoinState state);

}  // namespace quorvel
