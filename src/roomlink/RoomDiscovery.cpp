#include "roomlink/RoomDiscovery.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/TickFinds.h"
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

namespace {

std::vector<std::string> OpenRoomTitles(Desktop& desktop, const ClientProfile& profile) {
  std::vector<std::string> titles;
  for (WindowHandle window : desktop.TopLevelWindows()) {
    if (!EqualsNoCase(desktop.ClassName(window), profile.RoomWindowClass)) continue;
    std::string title = desktop.Title(window);
    if (OccursNoCase(title, kRoomTitleMark)) titles.push_back(std::move(title));
  }
  return titles;
}

// The ordinal-th rich-edit control of the selected room's pane.
WindowHandle FindPaneEdit(Desktop& desktop, const RoomLinkState& state, int ordinal) {
  const WindowHandle pane =
      FindRoomPane(desktop, state.Profile.RoomWindowClass, state.SelectedRoomTitle, kSplitterClass, 4);
  return pane == kNoWindow ? kNoWindow : FindNthDescendant(desktop, pane, kRichEditClass, ordinal);
}

}  // namespace

void FillRoomList(RoomLink& link) {
  RoomLinkState& state = link.state;
  state.RoomList = OpenRoomTitles(link.desktop, state.Profile);
  state.RoomListIndex = -1;
  state.SelectedRoomTitle.clear();
  PickRoom(state, 0);
}

void RefreshRoomList(Desktop& desktop, RoomLinkState& state) {
  state.RoomList = OpenRoomTitles(desktop, state.Profile);
  state.RoomListIndex = -1;
  for (size_t i = 0; i < state.RoomList.size() && state.RoomListIndex < 0; ++i)
    if (state.RoomList[i] == state.SelectedRoomTitle) state.RoomListIndex = static_cast<int>(i);
}

WindowHandle ResolveTranscript(RoomLink& link) {
  return FindPaneEdit(link.desktop, link.state, link.state.Profile.TranscriptIndex);
}

WindowHandle FindSendBox(Desktop& desktop, const RoomLinkState& state) {
  const WindowHandle box = FindPaneEdit(desktop, state, state.Profile.SendBoxIndex);
  // A client that lacks the send box, or keeps it elsewhere, can have the
  // transcript where the send box is looked for. The transcript takes no
  // typing, and text set into it would replace what the operator reads.
  return box != kNoWindow && desktop.FactsOf(box).ReadOnly ? kNoWindow : box;
}

WindowHandle ResolveSendBox(RoomLink& link) { return FindSendBox(link.desktop, link.state); }

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
  NoteAttachFinds(link.desktop, link.state);
}

}  // namespace quorvel
