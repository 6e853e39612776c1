// quorvel.exe as an operator runs it: attached to a running fakepal.exe.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/win32/Win32Desktop.h"
#include "storage/RegAccess.h"
#include "storage/win32/Win32RegistryStore.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::WaitUntil;

// The text a window shows, asked of it (GetWindowText only reads the caption
// of another process's window, not a combo box's edit field).
std::string WindowText(HWND window) {
  char buffer[512] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                      &result);
  return buffer;
}

TEST(QuorvelAppTest, AttachesToTheClientAndPollsItsRoom) {
  Win32RegistryStore registry;
  RegAccess reg(registry);
  reg.WriteString("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger", "DisplayVersion",
                  "10.1");
  reg.WriteString("HKCU\\Software\\Paltalk", "cur_user", "Operator");
  FakePalProcess pal("fakepal64.exe", {"--room", "App Room", "--nicks", "Ann,Bob"});
  ASSERT_TRUE(pal.Ready());

  ChildProcess app("quorvel.exe", {});
  ASSERT_TRUE(app.Started());
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil(app, 20000, [&] { return (main = app.FindWindowOfClass(kMainWindowClassName)) != nullptr; }));
  EXPECT_EQ(WindowText(main), "Quorvel 11");

  // Discovery ran when the window loaded: the room is listed and selected.
  Win32Desktop desktop;
  const HWND combo = GetDlgItem(main, kRoomList);
  const auto rooms = desktop.ComboItems(reinterpret_cast<WindowHandle>(combo));
  ASSERT_EQ(rooms, std::vector<std::string>{"App Room"});
  EXPECT_EQ(WindowText(combo), "App Room");

  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kStart, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, kStart)));
  ASSERT_TRUE(pal.Command(fakepal::kAppendLine, {"App Room", "Ann: hello from the room"}));
  const HWND line = GetDlgItem(main, kLineLabel);
  EXPECT_TRUE(WaitUntil(app, 10000, [&] { return WindowText(line) == "Ann: hello from the room"; }))
      << WindowText(line);
  EXPECT_EQ(WindowText(GetDlgItem(main, kUserCountLabel)), "Current Users: 2");

  // The client's notice window is closed by the poll tick.
  ASSERT_TRUE(pal.Command(fakepal::kOpenNotice, {}));
  EXPECT_TRUE(pal.WaitForJournal("CLOSED"));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

}  // namespace
}  // namespace quorvel
