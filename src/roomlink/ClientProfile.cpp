#include "roomlink/ClientProfile.h"

#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

int ClassifyVersionText(const std::string& versionText) {
  // First rule that holds wins; "10.9.1" is a 9 because it contains "9.".
  if (versionText == "0") return 0;
  if (Occurs(versionText, "9.")) return 9;
  if (Occurs(versionText, "10.2.0")) return 450;
  if (Occurs(versionText, "11.")) return 450;
  if (Occurs(versionText, "10.")) return 10;
  return 0;
}

std::optional<ClientProfile> ProfileForVersion(int clientVersionCode) {
  switch (clientVersionCode) {
    case 9:
      return ClientProfile{kRoomWindowClass, 4, 3, "RichEdit20A"};
    case 10:
    case 450:
      return ClientProfile{kRoomWindowClass, 3, 2, "RichEdit20W"};
    default:
      return std::nullopt;
  }
}

}  // namespace quorvel
