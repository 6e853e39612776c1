// The panel's controls name rows of the control table; a name the table does
// not know would leave its control dead without a word (a release build does
// not stop at it), and a control that fails to be made leaves a hole.
#include <gtest/gtest.h>

#include <vector>

#include "PanelWindow.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelBinding.h"
#include "panel/win32/PanelLayout.h"

namespace quorvel {
namespace {

TEST(PanelBindingTest, EveryNamedControlOfTheLayoutRendersItsRow) {
  for (const PageControl& pc : PanelLayout()) {
    if (!pc.Row) continue;
    SCOPED_TRACE(pc.Row);
    const BoundControl* bound = BoundTo(pc.Control.Id);
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->Row->Name, pc.Row);
    if (pc.Choice) {
      EXPECT_STREQ(bound->Row->Choices[static_cast<size_t>(bound->Choice)].Name, pc.Choice);
    }
  }
  for (int menu : {kMenuAbout, kMenuHelp, kMenuContact}) EXPECT_TRUE(BoundTo(menu)) << menu;
}

TEST(PanelBindingTest, EveryNamedControlOfTheSmallWindowsRendersItsRow) {
  for (const SmallWindowLayout& w : SmallWindowLayouts()) {
    SCOPED_TRACE(w.Caption);
    EXPECT_EQ(SmallWindowNamed(w.Caption), &w) << "laid out twice";
    for (const SmallWindowControl& c : w.Controls) {
      if (!c.Row) {
        EXPECT_FALSE(c.OpensFilled) << c.Control.Id;
        continue;
      }
      SCOPED_TRACE(c.Row);
      // No other control of the window shares its id ("OK" shares one with a text that sends nothing).
      const PanelControl* row = SmallWindowRow(w, c.Control.Id);
      ASSERT_TRUE(row);
      EXPECT_EQ(row->Name, c.Row);
      for (const SmallWindowControl& other : w.Controls)
        EXPECT_TRUE(&other == &c || other.Control.Id != c.Control.Id) << "id " << c.Control.Id << " twice";
      if (c.OpensFilled) {
        EXPECT_TRUE(row->Text);
      }
    }
  }
}

TEST(PanelBindingTest, EveryListBoxAndLabelOfTheMainWindowShowsItsNotification) {
  // The grabber's nicks and the recorder's results and label are shown in small windows of their own.
  for (int i = 0; i < kPanelListCount; ++i) {
    const auto list = static_cast<PanelListId>(i);
    if (list == PanelListId::GrabberList || list == PanelListId::SearchResults) continue;
    EXPECT_NE(ControlOf(ControlShowing(list)), 0) << "list " << i;
  }
  for (int i = 0; i < kPanelBoxCount; ++i) EXPECT_NE(ControlOf(ControlShowing(static_cast<PanelBox>(i))), 0) << i;
  for (int i = 0; i < kPanelLabelCount; ++i) {
    const auto label = static_cast<PanelLabel>(i);
    if (label == PanelLabel::SearchLabel) continue;
    EXPECT_NE(ControlOf(ControlShowing(label)), 0) << "label " << i;
  }
}

// The controls of `layout` that `window` lacks, by id.
std::vector<int> Missing(const SmallWindowLayout& layout, HWND window) {
  std::vector<int> missing;
  for (const SmallWindowControl& c : layout.Controls)
    if (!GetDlgItem(window, c.Control.Id)) missing.push_back(c.Control.Id);
  return missing;
}

// What the timer found in the modal window it closed.
struct ModalSeen {
  const SmallWindowLayout* Layout = nullptr;
  bool Found = false;
  std::vector<int> Missing;
};
ModalSeen g_modal;

// Runs inside the modal loop: the window's controls are looked at, the window is closed.
void CALLBACK LookAtTheModalWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND modal = FindWindowA("QuorvelToolWindow", g_modal.Layout->Caption);
  if (!modal) return;
  KillTimer(nullptr, timer);
  g_modal.Found = true;
  g_modal.Missing = Missing(*g_modal.Layout, modal);
  PostMessageA(modal, WM_CLOSE, 0, 0);
}

TEST(PanelBindingTest, EverySmallWindowMakesAllItsControls) {
  testing::PanelWindow panel;
  ASSERT_TRUE(panel.Open());
  MainWindow& window = panel.window;
  for (const SmallWindowLayout& w : SmallWindowLayouts()) {
    SCOPED_TRACE(w.Caption);
    if (w.Modal) {
      g_modal = {&w};
      ASSERT_NE(SetTimer(nullptr, 0, 10, LookAtTheModalWindow), 0u);
      window.ShowModal(w.Caption);  // returns when the timer closed it
      EXPECT_TRUE(g_modal.Found);
      EXPECT_EQ(g_modal.Missing, std::vector<int>());
      continue;
    }
    window.BotWindowOpened(w.Caption);
    const HWND small = window.SmallWindow(w.Caption);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(Missing(w, small), std::vector<int>());
    window.BotWindowClosed(w.Caption);
  }
  // A box that opens filled shows its setting.
  panel.settings.Recorder.FlushEvery = "17";
  window.BotWindowOpened(kRecorderCaption);
  char every[16] = {};
  GetWindowTextA(GetDlgItem(window.SmallWindow(kRecorderCaption), kRecorderFlushEvery), every, sizeof every);
  EXPECT_STREQ(every, "17");
}

}  // namespace
}  // namespace quorvel
