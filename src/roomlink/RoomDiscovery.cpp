#include "roomlink/RoomDiscovery.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "storage/RegAccess.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

std::optional<std::string> ClientVersionText(RegistryStore& registry) {
  RegAccess reg(registry);
  if (reg.KeyExists(kUninstallKeyPal82)) return reg.ReadString(kUninstallKeyPal82, "DisplayVersion", "0");
  if (reg.KeyExists(kUninstallKeyMessenger)) return reg.ReadString(kUninstallKeyMessenger, "DisplayVersion", "0");
  return std::nullopt;
}

int DetectClientVersion(RegistryStore& registry) {
  return ClassifyVersionText(ClientVersionText(registry).value_or(""));
}

void PalRoomGrab(RoomLink& link) {
  link.state.ClientVersionCode = DetectClientVersion(link.registry);
  if (auto profile = ProfileForVersion(link.state.ClientVersionCode)) {
    link.state.Profile = *profile;
    // A client found again clears an earlier "No Pal Found".
    link.state.Caption = kMainCaption;
  } else {
    link.state.Caption = kNoPalCaption;
  }
  FillRoomList(link);
}

void PickRoom(RoomLinkState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.RoomList.size())) return;
  state.RoomListIndex = index;
  state.SelectedRoomTitle = state.RoomList[index];
  MarkFresh(state.Cursor);
}

void FillRoomList(RoomLink& link) {
  RoomLinkState& state = link.state;
  state.RoomList.clear();
  state.RoomListIndex = -1;
  state.SelectedRoomTitle.clear();
  for (WindowHandle window : link.desktop.TopLevelWindows()) {
    if (!EqualsNoCase(link.desktop.ClassName(window), state.Profile.RoomWindowClass)) continue;
    const std::string title = link.desktop.Title(window);
    if (OccursNoCase(title, kRoomTitleMark)) state.RoomList.push_back(title);
  }
  PickRoom(state, 0);
}

namespace {

// The ordinal-th rich-edit control of the selected room's pane.
WindowHandle ResolvePaneEdit(RoomLink& link, int ordinal) {
  const RoomLinkState& state = link.state;
  const WindowHandle pane =
      FindRoomPane(link.desktop, state.Profile.RoomWindowClass, state.SelectedRoomTitle, kSplitterClass, 4);
  return pane == kNoWindow ? kNoWindow : FindNthDescendant(link.desktop, pane, kRichEditClass, ordinal);
}

}  // namespace

WindowHandle ResolveTranscript(RoomLink& link) { return ResolvePaneEdit(link, link.state.Profile.TranscriptIndex); }

WindowHandle ResolveSendBox(RoomLink& link) {
  const WindowHandle box = ResolvePaneEdit(link, link.state.Profile.SendBoxIndex);
  // A client that lacks the send box, or keeps it elsewhere, can have the
  // transcript where the send box is looked for. The transcript takes no
  // typing, and text set into it would replace what the operator reads.
  return box != kNoWindow && link.desktop.FactsOf(box).ReadOnly ? kNoWindow : box;
}

void EnsureRoomPresent(RoomLink& link, const std::string& title) {
  if (FindWindowByTitlePart(link.desktop, title) == kNoWindow) PalRoomGrab(link);
}

void RecheckTranscript(RoomLink& link) {
  RoomLinkState& state = link.state;
  if (state.TranscriptHandle == kNoWindow) {
    if (!state.TranscriptLost) return;
  } else if (EqualsNoCase(link.desktop.ClassName(state.TranscriptHandle), kRichEditClass)) {
    return;
  }
  state.TranscriptHandle = state.SelectedRoomTitle.empty() ? kNoWindow : ResolveTranscript(link);
  state.TranscriptLost = state.TranscriptHandle == kNoWindow;
}

void AttachToRoom(RoomLink& link) {
  PalRoomGrab(link);
  link.state.TranscriptHandle = ResolveTranscript(link);
  link.state.TranscriptLost = false;
  MarkFresh(link.state.Cursor);
}

}  // namespace quorvel
