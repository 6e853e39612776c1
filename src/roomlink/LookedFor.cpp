#include "roomlink/LookedFor.h"

#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"

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

}  // namespace

std::string RoomLookedFor(const ClientProfile& profile, const std::string& roomTitle) {
  return "A top-level window of class " +
         Quoted(profile.RoomWindowClass.empty() ? std::string(kRoomWindowClass) : profile.RoomWindowClass) +
         " titled " + Quoted(roomTitle);
}

std::string PaneEditLookedFor(const std::string& roomTitle, int clientVersionCode, int ordinal) {
  return "The " + Ordinal(ordinal) + " " + Quoted(kRichEditClass) + " below the 4th " + Quoted(kSplitterClass) +
         " of the room window " + Quoted(roomTitle) + " (client version code " + std::to_string(clientVersionCode) +
         ")";
}

std::string NickListLookedFor(const std::string& roomTitle) {
  return std::string("A ") + Quoted(kListViewClass) + " after the header in the 2nd " + Quoted(kPaneContainerClass) +
         " of the 6th nested " + Quoted(kSplitterClass) + " of the room window " + Quoted(roomTitle);
}

}  // namespace quorvel
