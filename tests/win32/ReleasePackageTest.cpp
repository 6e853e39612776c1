// The release zip, unpacked by ctest into QUORVEL_RELEASE_DIR, starts cleanly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "MessageBoxes.h"
#include "QuorvelWindow.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::WaitUntil;

TEST(ReleasePackageTest, UnpackedProgramStartsWithItsDesigns) {
  const char* dir = std::getenv("QUORVEL_RELEASE_DIR");
  if (!dir) GTEST_SKIP() << "QUORVEL_RELEASE_DIR names the unpacked release";
  const std::string folder = dir;
  for (const char* file :
       {"\\quorvel.exe", "\\quorvel-dryrun.exe", "\\help.htm", "\\words.txt", "\\admins.txt", "\\dlist.txt",
        "\\dlistd.txt", "\\flood.txt", "\\Designs\\Anouncer1.rtf", "\\Designs\\welcome.rtf", "\\Designs\\hello.rtf"})
    EXPECT_NE(GetFileAttributesA((folder + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
  const DWORD recorder = GetFileAttributesA((folder + "\\recorder").c_str());
  EXPECT_TRUE(recorder != INVALID_FILE_ATTRIBUTES && (recorder & FILE_ATTRIBUTE_DIRECTORY));

  ChildProcess app(folder + "\\quorvel.exe", {});
  ASSERT_TRUE(app.Started());
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil(app, 20000, [&] { return (main = app.FindWindowOfClass(kMainWindowClassName)) != nullptr; }));
  // The starter lists load without a missing-file message, designs listed.
  const HWND designs = GetDlgItem(main, kDesignList);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return SendMessageA(designs, LB_GETCOUNT, 0, 0) == 2; }));
  EXPECT_EQ(testing::FindMessageBox(app), nullptr);
  // The flood guard's numbers, read from the starter flood.txt.
  EXPECT_EQ(testing::WindowText(GetDlgItem(main, kJoinFloodSecondsBox)), "10");

  // "About" is modal: the panel waits until its OK closes it.
  PostMessageA(main, WM_COMMAND, kMenuAbout, 0);
  HWND about = nullptr;
  // Found once it is shown, its controls made.
  auto shown = [](HWND w) { return w && IsWindowVisible(w); };
  ASSERT_TRUE(WaitUntil(app, 5000, [&] { return shown(about = FindWindowA("QuorvelToolWindow", "About")); }));
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return IsWindowEnabled(main) == FALSE; }));
  char text[256] = {};
  GetWindowTextA(GetDlgItem(about, 1), text, sizeof text);
  EXPECT_STREQ(text, "Quorvel");
  PostMessageA(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return IsWindowEnabled(main) != FALSE; }));

  // A design typed in the editor and saved through "Save Greeter As:".
  const HWND editor = GetDlgItem(main, kEditor);
  for (char c : std::string("Hi %sn")) PostMessageA(editor, WM_CHAR, static_cast<WPARAM>(c), 0);
  testing::Press(main, kSaveToList);
  HWND saveAs = nullptr;
  ASSERT_TRUE(
      WaitUntil(app, 5000, [&] { return shown(saveAs = FindWindowA("QuorvelToolWindow", "Save Greeter As:")); }));
  for (char c : std::string("probe")) PostMessageA(GetDlgItem(saveAs, 2), WM_CHAR, static_cast<WPARAM>(c), 0);
  char typed[64] = {};
  DWORD_PTR got = 0;
  WaitUntil(app, 3000, [&] {
    SendMessageTimeoutA(GetDlgItem(saveAs, 2), WM_GETTEXT, sizeof typed, reinterpret_cast<LPARAM>(typed),
                        SMTO_ABORTIFHUNG, 2000, &got);
    return std::string(typed) == "probe";
  });
  EXPECT_STREQ(typed, "probe");
  PostMessageA(saveAs, WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(saveAs, 3)));
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return SendMessageA(designs, LB_GETCOUNT, 0, 0) == 3; }));
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return FindWindowA("QuorvelToolWindow", "Save Greeter As:") == nullptr; }));
  EXPECT_NE(GetFileAttributesA((folder + "\\Designs\\probe.rtf").c_str()), INVALID_FILE_ATTRIBUTES);

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

}  // namespace
}  // namespace quorvel
