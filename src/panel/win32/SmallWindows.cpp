// The bot's small windows as the main window opens, fills and closes them.
#include <map>
#include <utility>

#include "panel/BotWindows.h"
#include "panel/FastAdminFrame.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelLayout.h"
#include "panel/win32/ToolWindow.h"

namespace quorvel {
namespace {

struct SmallWindowShape {
  int Width = 300;
  int Height = 200;
  std::vector<ToolControl> Controls;
  // The controls that render a row of the control table.
  std::map<int, const char*> Rows;
};

SmallWindowShape ShapeOf(const std::string& caption, const BotSettings& s) {
  if (caption == kGrabberCaption)
    return {240,
            320,
            {{"LISTBOX", "", 10, 10, 220, 240, kGrabberList, kList, "Double Click nick to add to the admin nick list."},
             {"BUTTON", "Refresh", 10, 260, 100, 28, kGrabberRefresh, kPush},
             {"BUTTON", "Add All @", 120, 260, 110, 28, kGrabberAddAll, kPush,
              "This will add all the nicks that are @ in the room."}},
            {{kGrabberList, "Grabber.Add"}, {kGrabberRefresh, "Grabber.Refresh"}, {kGrabberAddAll, "Grabber.AddAll"}}};
  if (caption == kRecorderCaption)
    return {420,
            300,
            {{"BUTTON", "Start", 10, 10, 80, 28, kRecorderStart, kPush},
             {"BUTTON", "Stop", 96, 10, 80, 28, kRecorderStop, kPush},
             {"BUTTON", "Save", 182, 10, 80, 28, kRecorderSave, kPush},
             {"EDIT", "", 10, 48, 250, 22, kRecorderSearchBox, kBox},
             {"BUTTON", "Search", 268, 46, 80, 28, kRecorderSearch, kPush},
             {"STATIC", "", 10, 80, 400, 18, kRecorderSearchLabel, SS_LEFT},
             {"LISTBOX", "", 10, 100, 400, 120, kRecorderResults, kList},
             {"BUTTON", "Record Timer", 10, 226, 400, 60, kRecorderTimerFrame, kGroup},
             {"BUTTON", "On", 20, 250, 50, 20, kRecorderTimerOn, kCheck},
             {"STATIC", "Every", 80, 252, 40, 18, kRecorderEveryLabel, SS_LEFT},
             {"EDIT", FindControl("FlushEvery")->Text(s).c_str(), 122, 248, 50, 22, kRecorderFlushEvery, kBox},
             {"STATIC", "Seconds", 180, 252, 60, 18, kRecorderSecondsLabel, SS_LEFT}},
            {{kRecorderStart, "Recorder.Start"},
             {kRecorderStop, "Recorder.Stop"},
             {kRecorderSave, "Recorder.Save"},
             {kRecorderSearchBox, "SearchBox"},
             {kRecorderSearch, "Recorder.Search"},
             {kRecorderTimerOn, "FlushTimerOn"},
             {kRecorderFlushEvery, "FlushEvery"}}};
  if (caption == kSaveAsCaption)
    return {300,
            90,
            {{"STATIC", "Save As:", 10, 14, 60, 18, kSaveAsLabel, SS_LEFT},
             {"EDIT", "", 72, 10, 216, 22, kSaveAsName, kBox},
             {"BUTTON", "Save", 208, 50, 80, 28, kSaveAsSave, kPush | BS_DEFPUSHBUTTON}},
            {{kSaveAsName, "SaveAsName"}, {kSaveAsSave, "SaveAs.Save"}}};
  if (caption == kFastAdminEntryCaption)
    return {260,
            120,
            {{"STATIC", "Nick:", 10, 14, 40, 18, kEntryNickLabel, SS_LEFT},
             {"EDIT", "", 56, 10, 194, 22, kEntryNick, kBox},
             {"STATIC", "Code:", 10, 46, 40, 18, kEntryCodeLabel, SS_LEFT},
             {"EDIT", "", 56, 42, 194, 22, kEntryCode, kBox | ES_PASSWORD},
             {"BUTTON", "Add", 170, 80, 80, 28, kEntryAdd, kPush | BS_DEFPUSHBUTTON}},
            {{kEntryNick, "FastAdminNick"}, {kEntryCode, "FastAdminCode"}, {kEntryAdd, "FastAdminEntry.Add"}}};
  if (caption == kAboutCaption)
    return {320,
            150,
            {{"STATIC", kProgramName, 10, 10, 300, 22, kAboutTitle, SS_CENTER},
             {"STATIC", kAboutText, 10, 40, 300, 60, kAboutBody, SS_LEFT},
             {"BUTTON", "OK", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}}};
  if (caption == kContactCaption)
    return {320,
            150,
            {{"STATIC", "Visit", 10, 14, 40, 18, kContactVisit, SS_LEFT},
             {"STATIC", kMakerAddress, 54, 14, 256, 18, kContactLink, SS_LEFT | SS_NOTIFY},
             {"BUTTON", "Ok", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}},
            {{kContactLink, "Contact.Link"}}};
  return {};
}

}  // namespace

ToolWindow* MainWindow::Tool(const std::string& caption) const {
  auto it = tools_.find(caption);
  return it == tools_.end() ? nullptr : it->second.get();
}

HWND MainWindow::SmallWindow(const std::string& caption) const {
  ToolWindow* tool = Tool(caption);
  return tool ? tool->Window() : nullptr;
}

void MainWindow::RetireTool(const std::string& caption) {
  auto it = tools_.find(caption);
  if (it == tools_.end()) return;
  if (caption == kGrabberCaption) grabberShown_.Forget();
  if (caption == kRecorderCaption) searchShown_.Forget();
  // The window goes now; the object, whose handler may be running, once the
  // message being handled is done.
  it->second->Destroy();
  retired_.push_back(std::move(it->second));
  tools_.erase(it);
  PostMessageA(window_, kRetireToolsMessage, 0, 0);
}

void MainWindow::BotWindowOpened(const std::string& caption) {
  if (!bot_ || tools_.count(caption)) return;
  const SmallWindowShape shape = ShapeOf(caption, settings_);
  // "About" and "Contact" are shown modal, never opened as a small window.
  if (shape.Controls.empty() || caption == kAboutCaption || caption == kContactCaption) return;
  auto closed = [this, caption]() {
    BotWindowClosedByOperator(*bot_, caption);
    RetireTool(caption);
  };
  // Each control drives its row as the same control in the main window would.
  ToolWindow::CommandHandler onCommand = [this, caption, rows = shape.Rows](int id, int code) {
    auto it = rows.find(id);
    const PanelControl* row = it == rows.end() ? nullptr : FindControl(it->second);
    ToolWindow* tool = Tool(caption);
    if (row && tool && bot_ && !refreshing_) Drive(*row, -1, id, code, tool->Control(id));
  };
  auto tool = std::make_unique<ToolWindow>(
      instance_, window_, caption, shape.Width, shape.Height, shape.Controls, scale_, fonts_.Message.Get(), onCommand,
      closed, [this](const std::string& action, const std::string& reason) { ReportFault(action, reason); });
  // Controls of a window closed earlier may have left their handles to these.
  for (const auto& c : shape.Controls) shownTexts_.erase(tool->Control(c.Id));
  tools_[caption] = std::move(tool);
  if (caption == kGrabberCaption) {
    grabberShown_.Forget();
    ListChanged(PanelListId::GrabberList);
  }
  if (caption == kRecorderCaption) {
    searchShown_.Forget();
    ListChanged(PanelListId::SearchResults);
    LabelChanged(PanelLabel::SearchLabel);
  }
}

void MainWindow::BotWindowClosed(const std::string& caption) { RetireTool(caption); }

void MainWindow::ShowModal(const std::string& caption) {
  const SmallWindowShape shape = ShapeOf(caption, settings_);
  if (caption != kAboutCaption && caption != kContactCaption) return;
  std::unique_ptr<ToolWindow> dialog;
  dialog = std::make_unique<ToolWindow>(
      instance_, window_, caption, shape.Width, shape.Height, shape.Controls, scale_, fonts_.Message.Get(),
      [&](int id, int code) {
        if (id == IDOK || id == IDCANCEL) PostMessageA(dialog->Window(), WM_CLOSE, 0, 0);
        auto it = shape.Rows.find(id);
        const PanelControl* row = it == shape.Rows.end() ? nullptr : FindControl(it->second);
        if (row && bot_) Drive(*row, -1, id, code, dialog->Control(id));
      },
      nullptr, [this](const std::string& action, const std::string& reason) { ReportFault(action, reason); });
  // A change of DPI meanwhile gives it the new font too, before the old one goes.
  ToolWindow* outer = std::exchange(modal_, dialog.get());
  dialog->RunModal();
  modal_ = outer;
}

}  // namespace quorvel
