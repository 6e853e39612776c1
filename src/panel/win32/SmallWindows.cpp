// The bot's small windows as the main window opens, fills and closes them.
#include <utility>

#include "panel/BotWindows.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelBinding.h"
#include "panel/win32/ToolWindow.h"

namespace quorvel {
namespace {

// The controls of a small window as it opens, a box that opens filled with its row's text.
std::vector<ToolControl> OpeningControls(const SmallWindowLayout& layout, const BotSettings& s) {
  std::vector<ToolControl> controls;
  for (const SmallWindowControl& c : layout.Controls) {
    controls.push_back(c.Control);
    if (const PanelControl* row = c.OpensFilled ? RowNamed(c.Row) : nullptr)
      controls.back().Text = row->Text(s).c_str();
  }
  return controls;
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

void MainWindow::OnSmallWindowCommand(const SmallWindowLayout& layout, HWND window, int id, int code) {
  // Each control drives its row as the same control in the main window would.
  const PanelControl* row = SmallWindowRow(layout, id);
  if (row && window && bot_ && !refreshing_) Drive(*row, -1, id, code, GetDlgItem(window, id));
}

void MainWindow::BotWindowOpened(const std::string& caption) {
  const SmallWindowLayout* layout = SmallWindowNamed(caption);
  // "About" and "Contact" are shown modal, never opened as a small window.
  if (!bot_ || tools_.count(caption) || !layout || layout->Modal) return;
  auto closed = [this, caption]() {
    BotWindowClosedByOperator(*bot_, caption);
    RetireTool(caption);
  };
  auto onCommand = [this, caption, layout](int id, int code) {
    OnSmallWindowCommand(*layout, SmallWindow(caption), id, code);
  };
  auto tool = std::make_unique<ToolWindow>(
      instance_, window_, caption, layout->Width, layout->Height, OpeningControls(*layout, settings_), scale_,
      fonts_.Message.Get(), onCommand, closed,
      [this](const std::string& action, const std::string& reason) { ReportFault(action, reason); });
  // Controls of a window closed earlier may have left their handles to these.
  for (const auto& c : layout->Controls) shownTexts_.erase(tool->Control(c.Control.Id));
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
  const SmallWindowLayout* layout = SmallWindowNamed(caption);
  if (!layout || !layout->Modal) return;
  std::unique_ptr<ToolWindow> dialog;
  dialog = std::make_unique<ToolWindow>(
      instance_, window_, caption, layout->Width, layout->Height, OpeningControls(*layout, settings_), scale_,
      fonts_.Message.Get(),
      [&](int id, int code) {
        if (id == IDOK || id == IDCANCEL) PostMessageA(dialog->Window(), WM_CLOSE, 0, 0);
        OnSmallWindowCommand(*layout, dialog->Window(), id, code);
      },
      nullptr, [this](const std::string& action, const std::string& reason) { ReportFault(action, reason); });
  // A change of DPI meanwhile gives it the new font too, before the old one goes.
  ToolWindow* outer = std::exchange(modal_, dialog.get());
  dialog->RunModal();
  modal_ = outer;
}

}  // namespace quorvel
