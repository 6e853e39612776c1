#include "roomlink/LookedFor.h"

#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

std::string Ordinal(int n) {
  const int lastTwo = n % 100, last = n % 10;
  const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                       : last == 1                      ? "st"
                       : last == 2                      ? "nd"
                       : last == 3                      ? "rd"
                                                        : "th";
  return std::to_string(n) + suffix;
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// Every trail byte of the supported double-byte code pages is 0x40 or above
// and none is 0x7F: a lead byte before anything else stands alone.
bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte != 0x7F; }

}  // namespace

std::string QuotedName(std::string_view name) {
  constexpr const char* kHex = "0123456789ABCDEF";
  const int codePage = SystemCodePage();
  std::string out = "\"";
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const auto byte = static_cast<unsigned char>(c);
    char piece[4] = {c};
    size_t length = 1;
    if (IsControl(byte)) {
      piece[0] = '\\', piece[1] = 'x', piece[2] = kHex[byte >> 4], piece[3] = kHex[byte & 15];
      length = 4;
    } else if (IsLeadByte(codePage, byte) && i + 1 < name.size() && IsTrail(static_cast<unsigned char>(name[i + 1]))) {
      piece[1] = name[++i];
      length = 2;
    } else if (c == '"' || c == '\\') {
      piece[0] = '\\', piece[1] = c;
      length = 2;
    }
    out.append(piece, length);
  }
  out += '"';
  return out;
}

std::string RoomLookedFor(const ClientProfile& profile, const std::string& roomTitle) {
  return "A top-level window of class " +
         QuotedName(profile.RoomWindowClass.empty() ? std::string(kRoomWindowClass) : profile.RoomWindowClass) +
         " titled " + QuotedName(roomTitle);
}

std::string PaneEditLookedFor(const std::string& roomTitle, int clientVersionCode, int ordinal) {
  return "The " + Ordinal(ordinal) + " " + Quoted(kRichEditClass) + " below the 4th " + Quoted(kSplitterClass) +
         " of the room window " + QuotedName(roomTitle) + " (client version code " + std::to_string(clientVersionCode) +
         ")";
}

std::string NickListLookedFor(const std::string& roomTitle) {
  return std::string("A ") + Quoted(kListViewClass) + " after the header in the 2nd " + Quoted(kPaneContainerClass) +
         " of the 6th nested " + Quoted(kSplitterClass) + " of the room window " + QuotedName(roomTitle);
}

}  // namespace quorvel
