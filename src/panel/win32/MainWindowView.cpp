// The main window as a view of the model: each notification touches only the
// controls of what changed, and only where they show something else than the
// model now holds. What a control shows is remembered, never read back.
#include <richedit.h>

#include "model/HealthText.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelBinding.h"
#include "panel/win32/RichEditBridge.h"
#include "panel/win32/ScopedFlag.h"
#include "panel/win32/ToolWindow.h"

namespace quorvel {
namespace {

// While the window shows the model, the notices its controls send back are not the operator's.
using ShowingModel = ScopedFlag;

}  // namespace

void MainWindow::ShowText(HWND control, const std::string& text) {
  if (!control) return;
  auto it = shownTexts_.find(control);
  if (it != shownTexts_.end() && it->second == text) return;
  ShowingModel showing(refreshing_);
  SetWindowTextA(control, text.c_str());
  shownTexts_[control] = text;
}

void MainWindow::ShowAll() {
  if (!window_) return;
  for (Feature f : kAllFeatures) IndicatorChanged(f);
  for (int i = 0; i < kPanelListCount; ++i) ListChanged(static_cast<PanelListId>(i));
  for (int i = 0; i < kPanelLabelCount; ++i) LabelChanged(static_cast<PanelLabel>(i));
  for (int i = 0; i < kPanelBoxCount; ++i) BoxChanged(static_cast<PanelBox>(i));
  OptionsChanged();
  MessagesChanged();
  RoomListChanged();
  CaptionChanged();
}

void MainWindow::IndicatorChanged(Feature feature) {
  const int row = static_cast<int>(feature);
  ShowText(Control(kIndicatorFirst + row), FeatureLabel(settings_, feature));
  auto& lamp = shownLamps_[static_cast<size_t>(row)];
  const bool on = FeatureFlag(settings_, feature);
  if (lamp == on) return;
  lamp = on;
  InvalidateRect(Control(kPictureFirst + row), nullptr, TRUE);
}

void MainWindow::PollTimerChanged(bool enabled) {
  if (enabled) {
    SetTimer(window_, kPollTimerId, kPollPeriodMs, nullptr);
  } else {
    KillTimer(window_, kPollTimerId);
  }
  // "Stopped" is the timer's state, not a tick's.
  HealthChanged();
}

void MainWindow::HealthChanged() { health_.Show(HealthParts(settings_)); }

void MainWindow::RoomListChanged() {
  const HWND combo = Control(kRoomList);
  const RoomLinkState& room = settings_.Room;
  ShowingModel showing(refreshing_);
  if (!shownRooms_ || *shownRooms_ != room.RoomList) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& title : room.RoomList)
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    shownRooms_ = room.RoomList;
    shownRoomIndex_ = -1;
    shownTexts_.erase(combo);
  }
  if (room.RoomListIndex >= 0 && room.RoomListIndex != shownRoomIndex_) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(room.RoomListIndex), 0);
    shownRoomIndex_ = room.RoomListIndex;
    shownTexts_.erase(combo);  // the selection set the edit field's text
  }
  // A selected room that is no longer listed (it closed; the bot waits for it
  // by its title) is not shown as if it were there: the status bar says it is missing.
  const std::string nothing;
  ShowText(combo, room.RoomListIndex >= 0 ? room.SelectedRoomTitle : nothing);
  // "No room selected" goes with the selection.
  HealthChanged();
}

void MainWindow::CaptionChanged() { ShowText(window_, settings_.Room.Caption); }

void MainWindow::ListChanged(PanelListId list) {
  ShowingModel showing(refreshing_);
  const PanelControl* row = ControlShowing(list);
  if (!row) return;
  // The grabber's nicks and the recorder's results are shown in their own small windows.
  if (list == PanelListId::GrabberList) {
    if (ToolWindow* grabber = Tool(kGrabberCaption))
      grabberShown_.Show(grabber->Control(kGrabberList), row->Entries(settings_), nullptr);
    return;
  }
  if (list == PanelListId::SearchResults) {
    if (ToolWindow* recorder = Tool(kRecorderCaption))
      searchShown_.Show(recorder->Control(kRecorderResults), row->List(settings_).Items, nullptr);
    return;
  }
  const int id = ControlOf(row);
  if (!id) return;
  const PanelList& shown = row->List(settings_);
  const HWND box = Control(id);
  const bool changed = shownLists_[id].Show(box, shown.Items, &shown.Selected);
  // The newest recorded line is the topmost one in view.
  if (changed && id == kRecorderList && !shown.Items.empty())
    SendMessageA(box, LB_SETTOPINDEX, shown.Items.size() - 1, 0);
}

void MainWindow::LabelChanged(PanelLabel label) {
  const PanelControl* row = ControlShowing(label);
  if (!row) return;
  if (label == PanelLabel::SearchLabel) {
    if (ToolWindow* recorder = Tool(kRecorderCaption))
      ShowText(recorder->Control(kRecorderSearchLabel), row->Text(settings_));
    return;
  }
  ShowText(Control(ControlOf(row)), row->Text(settings_));
}

void MainWindow::BoxChanged(PanelBox box) {
  const PanelControl* row = ControlShowing(box);
  if (const int id = ControlOf(row)) ShowText(Control(id), row->Text(settings_));
}

void MainWindow::OptionsChanged() {
  ShowingModel showing(refreshing_);
  for (const BoundControl& bound : BoundControls()) {
    const PanelControl& row = *bound.Row;
    if (row.Kind == ControlKind::OptionGroup || row.Kind == ControlKind::CheckBox) {
      const bool on =
          row.Kind == ControlKind::CheckBox ? row.Flag(settings_) : ChosenOption(row, settings_) == bound.Choice;
      auto it = shownChecks_.find(bound.Id);
      if (it != shownChecks_.end() && it->second == on) continue;
      SendMessageA(Control(bound.Id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
      shownChecks_[bound.Id] = on;
    } else if (row.Kind == ControlKind::ColorSwatch) {
      const std::uint32_t color = row.Color(settings_);
      auto it = shownColors_.find(bound.Id);
      if (it != shownColors_.end() && it->second == color) continue;
      InvalidateRect(Control(bound.Id), nullptr, TRUE);
      shownColors_[bound.Id] = color;
    }
  }
}

void MainWindow::MessagesChanged() {
  ShowingModel showing(refreshing_);
  for (const BoundControl& bound : BoundControls())
    if (bound.Row->Kind == ControlKind::Message) StreamInRtf(Control(bound.Id), bound.Row->Rich(settings_).ToRtf());
}

void MainWindow::EditorChanged() {
  ShowingModel showing(refreshing_);
  const HWND editor = Control(kEditor);
  if (const BoundControl* bound = BoundTo(kEditor)) StreamInRtf(editor, bound->Row->Rich(settings_).ToRtf());
  CHARRANGE range = {static_cast<LONG>(settings_.Panel.EditorSelStart),
                     static_cast<LONG>(settings_.Panel.EditorSelStart + settings_.Panel.EditorSelLength)};
  SendMessageA(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

}  // namespace quorvel
