#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// Where a client generation keeps its transcript and send box among the room
// pane's rich-edit controls.
struct ClientProfile {
  std::string RoomWindowClass;
  std::int16_t TranscriptIndex = 0;
  std::int16_t SendBoxIndex = 0;
  std::string RichEditClass;  // recorded only; searches always look for "RichEdit20W"

  bool operator==(const ClientProfile&) const = default;
};

// 0 (no usable client), 9, 10 or 450, from the uninstall entry's DisplayVersion.
int ClassifyVersionText(const std::string& versionText);
std::optional<ClientProfile> ProfileForVersion(int clientVersionCode);

}  // namespace quorvel
