// The release zip, unpacked by ctest into QUORVEL_RELEASE_DIR, starts cleanly.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ChildProcess.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/ClientLayout.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::WaitUntil;

struct MessageBoxSearch {
  DWORD ProcessId;
  bool Found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MessageBoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (pid == search->ProcessId && std::string(cls) == kDialogClass && IsWindowVisible(window)) search->Found = true;
  return TRUE;
}

TEST(ReleasePackageTest, UnpackedProgramStartsWithItsDesigns) {
  const char* dir = std::getenv("QUORVEL_RELEASE_DIR");
  if (!dir) GTEST_SKIP() << "QUORVEL_RELEASE_DIR names the unpacked release";
  const std::string folder = dir;
  for (const char* file : {"\\quorvel.exe", "\\help.htm", "\\words.txt", "\\admins.txt", "\\dlist.txt", "\\dlistd.txt",
                           "\\Designs\\Anouncer1.rtf", "\\Designs\\welcome.rtf", "\\Designs\\hello.rtf"})
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
  MessageBoxSearch search{app.Id(), false};
  EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&search));
  EXPECT_FALSE(search.Found);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

}  // namespace
}  // namespace quorvel
