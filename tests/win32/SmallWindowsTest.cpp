// The bot's small windows behave as dialogs: Tab moves, Enter presses the
// default button (through quorvel.exe's own message loop), and the modal
// ones follow a change of DPI like the panel.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "MessageBoxes.h"
#include "PanelWindow.h"
#include "QuorvelWindow.h"
#include "panel/FastAdminFrame.h"
#include "panel/Menus.h"
#include "panel/Startup.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::WaitUntil;

// The control that has the keyboard in another process's thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

LRESULT Count(HWND list) {
  DWORD_PTR n = 0;
  SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
  return static_cast<LRESULT>(n);
}

void Key(HWND control, WPARAM key) { PostMessageA(control, WM_KEYDOWN, key, 0); }

TEST(SmallWindowsTest, TabAndEnterWorkInTheFastAdminEntry) {
  testing::InstallClient();
  ChildProcess app("quorvel.exe", {});
  const HWND main = testing::WaitForMainWindow(app, false);
  ASSERT_NE(main, nullptr);
  const HWND list = GetDlgItem(main, kFastList);
  const LRESULT before = Count(list);

  testing::Press(main, kFastAdd);
  HWND entry = nullptr;
  ASSERT_TRUE(WaitUntil(app, 10000, [&] {
    entry = FindWindowA("QuorvelToolWindow", kFastAdminEntryCaption);
    return entry && IsWindowVisible(entry);
  }));
  const HWND nick = GetDlgItem(entry, kEntryNick);
  const HWND code = GetDlgItem(entry, kEntryCode);
  // It opens with the keyboard in its first box, as a dialog does.
  ASSERT_TRUE(WaitUntil(app, 5000, [&] { return FocusOf(entry) == nick; })) << FocusOf(entry);
  SendMessageA(nick, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Dee"));

  Key(nick, VK_TAB);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return FocusOf(entry) == code; })) << "Tab did not move to the code box";
  SendMessageA(code, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234"));

  // Enter presses "Add", which adds the pair and closes the window.
  Key(code, VK_RETURN);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return Count(list) == before + 1; })) << "Enter did not press \"Add\"";
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return !IsWindow(entry); }));

  // The pair is not saved: closing asks, and No drops it.
  EXPECT_TRUE(testing::CloseAnswering(app, main, IDNO));
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

// What the timer saw while "About" was open.
struct AboutSeen {
  HWND Main = nullptr;
  HFONT AboutFont = nullptr;
  HFONT PanelFont = nullptr;
  DWORD AboutFontType = 0;
};
AboutSeen g_seen;

// Runs inside the modal loop of "About": the DPI changes, the fonts are
// looked at, "About" is closed.
void CALLBACK ChangeDpiWhileAboutIsOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND about = FindWindowA("QuorvelToolWindow", kAboutCaption);
  if (!about) return;
  KillTimer(nullptr, timer);
  RECT r;
  GetWindowRect(g_seen.Main, &r);
  SendMessageA(g_seen.Main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&r));
  g_seen.AboutFont = FontOf(GetDlgItem(about, IDOK));
  g_seen.PanelFont = FontOf(GetDlgItem(g_seen.Main, kEnableAll));
  g_seen.AboutFontType = GetObjectType(g_seen.AboutFont);
  PostMessageA(about, WM_CLOSE, 0, 0);
}

TEST(SmallWindowsTest, AboutTakesTheNewFontWhenTheDpiChanges) {
  testing::InstallClient();
  testing::PanelWindow panel;
  ASSERT_TRUE(panel.Open());
  g_seen = {panel.window.Window()};
  const HFONT old = FontOf(GetDlgItem(panel.window.Window(), kEnableAll));
  ASSERT_NE(SetTimer(nullptr, 0, 10, ChangeDpiWhileAboutIsOpen), 0u);
  ShowAbout(panel.bot);  // returns when the timer closed it
  ASSERT_NE(g_seen.PanelFont, nullptr);
  EXPECT_NE(g_seen.PanelFont, old);
  EXPECT_EQ(g_seen.AboutFont, g_seen.PanelFont);
  EXPECT_EQ(g_seen.AboutFontType, static_cast<DWORD>(OBJ_FONT)) << "\"About\" kept a font that was freed";
}

}  // namespace
}  // namespace quorvel
