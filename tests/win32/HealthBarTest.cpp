// The status bar of quorvel.exe says, in words, which of the room's windows
// the last tick found, and a missing one's tip says what was looked for: for
// a client whose rooms lack a window, or have it under another class.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "MessageBoxes.h"
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
  const char* Name;
  std::vector<std::string> FakePalArgs;
  bool Greets;                     // a join is greeted, so the send box is looked for
  std::vector<std::string> Parts;  // the room, the transcript, the send box and the nick list
  int MissingPart;                 // the one part shown as missing, -1 for none
  std::string TipNames;            // what that part's tip names as looked for
};

class HealthBarTest : public ::testing::TestWithParam<HealthCase> {};

TEST_P(HealthBarTest, ShowsWhatTheTickFoundOfTheRoomsWindows) {
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

  // The greeter's Start starts the poll timer too.
  const HWND editor = GetDlgItem(main, kEditor);
  for (char ch : std::string("Hi %sn")) PostMessageA(editor, WM_CHAR, static_cast<WPARAM>(ch), 0);
  Press(main, kGreeterStart);
  if (c.Greets) {
    ASSERT_TRUE(pal.Command(fakepal::kAppendLine, {"Health Room", "Bob has joined the room"}));
  }
  BarReading reading;
  auto firstFour = [&] {
    std::vector<std::string> parts = reading.Parts;
    if (parts.size() > 4) parts.resize(4);
    return parts;
  };
  EXPECT_TRUE(WaitUntil(app, 10000, [&] {
    reading = ReadBar(bar);
    return firstFour() == c.Parts;
  }));
  EXPECT_EQ(firstFour(), c.Parts);
  ASSERT_GE(reading.Tips.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const std::string& tip = reading.Tips[static_cast<size_t>(i)];
    if (i != c.MissingPart) {
      EXPECT_EQ(tip, "") << "part " << i;
      continue;
    }
    // Read back, a tip is cut at 80 characters (TTM_GETTEXTA's limit): what
    // was looked for comes first.
    EXPECT_NE(tip.find(c.TipNames), std::string::npos) << tip;
  }

  // The visit counted is not saved: closing asks, and No drops it.
  EXPECT_TRUE(testing::CloseAnswering(app, main, IDNO));
}

const char* const kTranscriptTip = "3rd \"RichEdit20W\"";
const char* const kNickListTip = "\"SysListView32\"";

INSTANTIATE_TEST_SUITE_P(
    Rooms, HealthBarTest,
    ::testing::Values(
        HealthCase{"AllFound",
                   {"--room", "Health Room", "--nicks", "Ann,Bob"},
                   true,
                   {"Room found", "Transcript found", "Send box found", "Nick list found"},
                   -1,
                   ""},
        HealthCase{"NoNickList",
                   {"--no-nicklist", "--room", "Health Room"},
                   false,
                   {"Room found", "Transcript found", "Send box not looked for yet", "Nick list missing"},
                   3,
                   kNickListTip},
        HealthCase{"NoTranscript",
                   {"--no-transcript", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   false,
                   {"Room found", "Transcript missing", "Send box not looked for yet", "Nick list found"},
                   1,
                   kTranscriptTip},
        // Without a send box the transcript is the 2nd rich edit, where the
        // send box is looked for; the 3rd, where the transcript is, is missing.
        HealthCase{"NoSendBox",
                   {"--no-sendbox", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   false,
                   {"Room found", "Transcript missing", "Send box not looked for yet", "Nick list found"},
                   1,
                   kTranscriptTip},
        HealthCase{"TranscriptClassRenamed",
                   {"--rename-class", "RichEdit20W=RichEditRenamed", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   false,
                   {"Room found", "Transcript missing", "Send box not looked for yet", "Nick list found"},
                   1,
                   kTranscriptTip},
        HealthCase{"NickListClassRenamed",
                   {"--rename-class", "SysListView32=ListViewRenamed", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   false,
                   {"Room found", "Transcript found", "Send box not looked for yet", "Nick list missing"},
                   3,
                   kNickListTip}),
    [](const ::testing::TestParamInfo<HealthCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace quorvel
