// The status bar of quorvel.exe says, in words, which of the room's windows
// the last tick found, and a missing one's tip says what was looked for.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "QuorvelWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelLayout.h"
#include "roomlink/win32/RemoteProcess.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::Press;
using testing::WaitForMainWindow;
using testing::WaitUntil;

// The bar's parts and their tips, read as another program must: the bar
// writes its text into a block of memory in its own process.
struct BarReading {
  std::vector<std::string> Parts;
  std::vector<std::string> Tips;
};

BarReading ReadBar(HWND bar) {
  BarReading reading;
  const ProcessOpener open = [](unsigned long access, unsigned long pid) -> void* {
    return OpenProcess(access, FALSE, pid);
  };
  RemoteProcess process(bar, open);
  RemoteBlock block(process, 1024);
  if (!block.Valid()) return reading;
  DWORD_PTR count = 0;
  SendMessageTimeoutA(bar, SB_GETPARTS, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  auto readText = [&](UINT message, WPARAM w) {
    char text[1024] = {};
    const char nothing[1] = {};
    DWORD_PTR result = 0;
    block.Write(nothing, sizeof nothing);
    SendMessageTimeoutA(bar, message, w, reinterpret_cast<LPARAM>(block.Address()), SMTO_ABORTIFHUNG, 5000, &result);
    block.Read(text, sizeof text - 1);
    return std::string(text);
  };
  for (WPARAM i = 0; i < count; ++i) {
    reading.Parts.push_back(readText(SB_GETTEXTA, i));
    reading.Tips.push_back(readText(SB_GETTIPTEXTA, MAKEWPARAM(i, 1000)));
  }
  return reading;
}

struct HealthCase {
  std::vector<std::string> FakePalArgs;
  std::string NickListPart;
  bool TipNamesTheListView;
};

class HealthBarTest : public ::testing::TestWithParam<HealthCase> {};

TEST_P(HealthBarTest, ShowsWhatTheTickFoundOfTheNickList) {
  const HealthCase& c = GetParam();
  testing::InstallClient();
  FakePalProcess pal("fakepal64.exe", c.FakePalArgs);
  ASSERT_TRUE(pal.Ready());
  ChildProcess app("quorvel.exe", {});
  ASSERT_TRUE(app.Started());
  const HWND main = WaitForMainWindow(app, true);
  ASSERT_NE(main, nullptr);
  const HWND bar = GetDlgItem(main, kHealthBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ReadBar(bar).Parts, (std::vector<std::string>{"Stopped", "Client report..."}));

  // Below the panel's whole client area of before, so it covers no control.
  RECT barRect;
  GetWindowRect(bar, &barRect);
  POINT top = {barRect.left, barRect.top};
  ScreenToClient(main, &top);
  EXPECT_GE(top.y, kClientHeight);

  Press(main, kStart);
  BarReading reading;
  EXPECT_TRUE(WaitUntil(app, 10000, [&] {
    reading = ReadBar(bar);
    return reading.Parts.size() >= 4 && reading.Parts[3] == c.NickListPart;
  }));
  ASSERT_GE(reading.Parts.size(), 4u);
  EXPECT_EQ(reading.Parts[0], "Room found");
  EXPECT_EQ(reading.Parts[1], "Transcript found");
  EXPECT_EQ(reading.Parts[3], c.NickListPart);
  EXPECT_EQ(reading.Tips[3].find("SysListView32") != std::string::npos, c.TipNamesTheListView) << reading.Tips[3];

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, HealthBarTest,
    ::testing::Values(HealthCase{{"--room", "Health Room", "--nicks", "Ann,Bob"}, "Nick list found", false},
                      HealthCase{{"--no-nicklist", "--room", "Health Room"}, "Nick list missing", true}));

}  // namespace
}  // namespace quorvel
