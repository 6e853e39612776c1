#include "roomlink/FastAdminJoin.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "text/NumberText.h"

namespace quorvel {
namespace {

constexpr float kDialogWait = 0.05f;

WindowHandle FindDialog(Desktop& desktop) {
  return FindTopLevel(desktop, std::string(kDialogClass), std::string(kAdminDialogTitle));
}

WindowHandle DialogChild(Desktop& desktop, const std::string& className, const std::optional<std::string>& title) {
  return FindChild(desktop, FindDialog(desktop), kNoWindow, className, title);
}

}  // namespace

void Delay(Clock& clock, MessagePump& pump, float nSeconds) {
  const double start = clock.MonotonicSeconds();
  do {
    pump.PumpOnce();
  } while (clock.MonotonicSeconds() - start < static_cast<double>(nSeconds));
}

std::vector<std::string> ReadComboItems(Desktop& desktop, WindowHandle combo) { return desktop.ComboItems(combo); }

void JoinAsAdmin(Desktop& desktop, Clock& clock, MessagePump& pump, const AdminJoinRequest& request,
                 AdminJoinState state) {
  // Every step runs whatever became of the one before; the dialog is looked
  // up again before each use.
  const WindowHandle main = FindTopLevel(desktop, std::string(kMainWindowClass), std::nullopt);
  if (main != kNoWindow) desktop.PostCommand(main, kCommandAdminJoin);
  pump.PumpOnce();
  Delay(clock, pump, kDialogWait);
  pump.PumpOnce();

  for (auto& item : ReadComboItems(desktop, DialogChild(desktop, "combobox", std::nullopt)))
    state.DialogRoomList.push_back(item);
  pump.PumpOnce();
  Delay(clock, pump, kDialogWait);

  bool found = false;
  for (size_t i = 0; i < state.DialogRoomList.size(); ++i) {
    if (state.DialogRoomList[i] == request.Name) {
      state.DialogRoomIndex = std::to_string(i);  // with several matches the last counts
      found = true;
    }
  }
  pump.PumpOnce();
  Delay(clock, pump, kDialogWait);
  if (const auto index = ReadIndex(state.DialogRoomIndex); found && index)
    desktop.ComboSetSelection(DialogChild(desktop, "combobox", std::nullopt), *index);

  pump.PumpOnce();
  const WindowHandle edit = DialogChild(desktop, "Edit", std::nullopt);
  for (const auto& code : request.Codes) desktop.SetText(edit, code);

  pump.PumpOnce();
  Delay(clock, pump, kDialogWait);
  const WindowHandle ok = DialogChild(desktop, "button", std::string("OK"));
  desktop.KeyDown(ok, kVkSpace);
  desktop.KeyUp(ok, kVkSpace);
  state.DialogRoomList.clear();
}

}  // namespace quorvel
