// The bot's small windows as the main window opens, fills and closes them.
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
#include "panel/win32/WindowText.h"

namespace quorvel {
namespace {

struct SmallWindowShape {
  int Width = 300;
  int Height = 200;
  std::vector<ToolControl> Controls;
};

SmallWindowShape ShapeOf(const std::string& caption, const BotSettings& s) {
  if (caption == kGrabberCaption)
    return {
        240,
        320,
        {{"LISTBOX", "", 10, 10, 220, 240, 1, kList, "Double Click nick to add to the admin nick list."},
         {"BUTTON", "Refresh", 10, 260, 100, 28, 2, kPush},
         {"BUTTON", "Add All @", 120, 260, 110, 28, 3, kPush, "This will add all the nicks that are @ in the room."}}};
  if (caption == kRecorderCaption)
    return {420,
            300,
            {{"BUTTON", "Start", 10, 10, 80, 28, 1, kPush},
             {"BUTTON", "Stop", 96, 10, 80, 28, 2, kPush},
             {"BUTTON", "Save", 182, 10, 80, 28, 3, kPush},
             {"EDIT", "", 10, 48, 250, 22, 4, kBox},
             {"BUTTON", "Search", 268, 46, 80, 28, 5, kPush},
             {"STATIC", "", 10, 80, 400, 18, 6, SS_LEFT},
             {"LISTBOX", "", 10, 100, 400, 120, 7, kList},
             {"BUTTON", "Record Timer", 10, 226, 400, 60, 8, kGroup},
             {"BUTTON", "On", 20, 250, 50, 20, 9, kCheck},
             {"STATIC", "Every", 80, 252, 40, 18, 10, SS_LEFT},
             {"EDIT", s.Recorder.FlushEvery.c_str(), 122, 248, 50, 22, 11, kBox},
             {"STATIC", "Seconds", 180, 252, 60, 18, 12, SS_LEFT}}};
  if (caption == kSaveAsCaption)
    return {300,
            90,
            {{"STATIC", "Save As:", 10, 14, 60, 18, 1, SS_LEFT},
             {"EDIT", "", 72, 10, 216, 22, 2, kBox},
             {"BUTTON", "Save", 208, 50, 80, 28, 3, kPush | BS_DEFPUSHBUTTON}}};
  if (caption == kFastAdminEntryCaption)
    return {260,
            120,
            {{"STATIC", "Nick:", 10, 14, 40, 18, 1, SS_LEFT},
             {"EDIT", "", 56, 10, 194, 22, 2, kBox},
             {"STATIC", "Code:", 10, 46, 40, 18, 3, SS_LEFT},
             {"EDIT", "", 56, 42, 194, 22, 4, kBox | ES_PASSWORD},
             {"BUTTON", "Add", 170, 80, 80, 28, 5, kPush | BS_DEFPUSHBUTTON}}};
  if (caption == kAboutCaption)
    return {320,
            150,
            {{"STATIC", kProgramName, 10, 10, 300, 22, 1, SS_CENTER},
             {"STATIC", kAboutText, 10, 40, 300, 60, 2, SS_LEFT},
             {"BUTTON", "OK", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}}};
  if (caption == kContactCaption)
    return {320,
            150,
            {{"STATIC", "Visit", 10, 14, 40, 18, 1, SS_LEFT},
             {"STATIC", kMakerAddress, 54, 14, 256, 18, 2, SS_LEFT | SS_NOTIFY},
             {"BUTTON", "Ok", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}}};
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
  Bot& bot = *bot_;
  BotSettings& s = settings_;
  const SmallWindowShape shape = ShapeOf(caption, s);
  if (shape.Controls.empty()) return;
  auto closed = [this, caption]() {
    BotWindowClosedByOperator(*bot_, caption);
    RetireTool(caption);
  };
  auto text = [this, caption](int id) { return WindowString(Tool(caption)->Control(id)); };
  ToolWindow::CommandHandler onCommand;
  if (caption == kGrabberCaption) {
    onCommand = [this, &bot](int id, int code) {
      if (id == 1 && code == LBN_DBLCLK) {
        const LRESULT i = SendMessageA(Tool(kGrabberCaption)->Control(1), LB_GETCURSEL, 0, 0);
        if (i != LB_ERR) GrabberAdd(bot, static_cast<size_t>(i));
      }
      if (id == 2 && code == BN_CLICKED) GrabberRefresh(bot);
      if (id == 3 && code == BN_CLICKED) GrabberAddAll(bot);
    };
  } else if (caption == kRecorderCaption) {
    onCommand = [this, &bot, &s, text](int id, int code) {
      if (code == EN_CHANGE && id == 4) s.Panel.SearchBox = text(4);
      if (code == EN_CHANGE && id == 11) s.Recorder.FlushEvery = text(11);
      if (code != BN_CLICKED) return;
      if (id == 1) RecorderStart(bot);
      if (id == 2) RecorderStop(bot);
      if (id == 3) SaveRecording(bot);
      if (id == 5) RecorderSearch(bot);
      if (id == 9) s.Recorder.FlushTimerOn = SendMessageA(Tool(kRecorderCaption)->Control(9), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
  } else if (caption == kSaveAsCaption) {
    onCommand = [&bot, &s, text](int id, int code) {
      if (id == 2 && code == EN_CHANGE) s.Panel.SaveAsName = text(2);
      if (id == 3 && code == BN_CLICKED) SaveDesign(bot);
    };
  } else if (caption == kFastAdminEntryCaption) {
    onCommand = [&bot, &s, text](int id, int code) {
      if (id == 2 && code == EN_CHANGE) s.Panel.FastAdminNick = text(2);
      if (id == 4 && code == EN_CHANGE) s.Panel.FastAdminCode = text(4);
      if (id == 5 && code == BN_CLICKED) FastAdminEntryAdd(bot);
    };
  } else {
    return;
  }
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
        if (id == 2 && code == STN_CLICKED && caption == kContactCaption && bot_) OpenMakerPage(*bot_);
      },
      nullptr, [this](const std::string& action, const std::string& reason) { ReportFault(action, reason); });
  dialog->RunModal();
}

}  // namespace quorvel
