// The status bar of quorvel.exe says, in words, which of the room's windows
// the last tick found, and a missing one's tip says what that means and what
// was looked for: for a client whose rooms lack a window, or have it under another class.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "MessageBoxes.h"
#include "QuorvelWindow.h"
#include "StatusBarReading.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelLayout.h"

namespace quorvel {
namespace {

using testing::BarReading;
using testing::ChildProcess;
using testing::FakePalProcess;
using testing::Press;
using testing::ReadBar;
using testing::WaitForMainWindow;
using testing::WaitUntil;

// The program's tool-tip windows on the screen now.
std::vector<HWND> ShownTips(const ChildProcess& app) {
  std::vector<HWND> shown;
  for (HWND tip = nullptr; (tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr;) {
    DWORD process = 0;
    GetWindowThreadProcessId(tip, &process);
    if (process == app.Id() && IsWindowVisible(tip)) shown.push_back(tip);
  }
  return shown;
}

// The operator rests the mouse on a part of the bar: how many tips show, and the first one's text.
std::pair<size_t, std::string> RestMouseOn(const ChildProcess& app, HWND main, HWND bar, RECT part) {
  SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  POINT centre = {(part.left + part.right) / 2, (part.top + part.bottom) / 2};
  ClientToScreen(bar, &centre);
  SetCursorPos(centre.x, centre.y);
  std::vector<HWND> tips;
  if (!WaitUntil(app, 10000, [&] { return !(tips = ShownTips(app)).empty(); })) return {0, ""};
  char text[2048] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(tips.front(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      &result);
  // A second tip would open after the same delay as the first.
  WaitUntil(app, 1500, [&] { return ShownTips(app).size() > 1; });
  const size_t shown = ShownTips(app).size();
  SetCursorPos(0, 0);
  return {shown, text};
}

struct HealthCase {
  const char* Name;
  std::vector<std::string> FakePalArgs;
  std::vector<std::string> Parts;  // the room, the transcript, the send box and the nick list
  int TipPart;                     // a part shown as missing, -1 for none
  std::string Advice;              // how that part's tip begins
  std::string LookedFor;           // what its second line names
};

class HealthBarTest : public ::testing::TestWithParam<HealthCase> {};

// From the first tick the bar says what the attach learnt (send box, bitness) and the tick found;
// a missing part shows one tip: what it means, then what was looked for.
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

  Press(main, kStart);
  BarReading reading;
  // The first tick's words: the bar shows nothing of the room's windows before it.
  ASSERT_TRUE(WaitUntil(app, 10000, [&] {
    reading = ReadBar(bar);
    return reading.Parts.size() > 2;
  }));
  std::vector<std::string> want = c.Parts;
  want.insert(want.end(), {"64-bit client", "Client report..."});
  EXPECT_EQ(reading.Parts, want);
  if (c.TipPart >= 0) {
    ASSERT_GT(reading.Rects.size(), static_cast<size_t>(c.TipPart));
    const auto [shown, tip] = RestMouseOn(app, main, bar, reading.Rects[static_cast<size_t>(c.TipPart)]);
    EXPECT_EQ(shown, 1u);
    EXPECT_EQ(tip.rfind(c.Advice, 0), 0u) << tip;
    // On the second line, whole up to the closing quote of the room's title.
    const size_t second = tip.find("\r\nLooked for: ");
    EXPECT_NE(second, std::string::npos) << tip;
    EXPECT_NE(tip.find(c.LookedFor, second), std::string::npos) << tip;
    EXPECT_NE(tip.find("room window \"Health Room\"", second), std::string::npos) << tip;
  }

  // The client exits: the room is missing, and the "Room:" list no longer shows it.
  const HWND rooms = GetDlgItem(main, kRoomList);
  pal.Post(fakepal::kQuitMessage);
  EXPECT_TRUE(WaitUntil(app, 10000, [&] { return ReadBar(bar).Parts.front() == "Room missing"; }));
  EXPECT_EQ(SendMessageA(rooms, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(testing::WindowText(rooms), "");

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

const char* const kTranscriptAdvice = "Quorvel cannot find this room's transcript, so it cannot read";
const char* const kTranscriptTip = "The 3rd \"RichEdit20W\"";
const char* const kNickListAdvice =
    "Quorvel cannot find this room's nick list, so it cannot see who is in the room or bounce anyone. Your Paltalk "
    "version may have changed its window. Click Client report... to save what Quorvel sees, for whoever updates it.";
const char* const kNickListTip = "A \"SysListView32\"";

INSTANTIATE_TEST_SUITE_P(
    Rooms, HealthBarTest,
    ::testing::Values(
        HealthCase{"AllFound",
                   {"--room", "Health Room", "--nicks", "Ann,Bob"},
                   {"Room found", "Transcript found", "Send box found", "Nick list found"},
                   -1,
                   "",
                   ""},
        HealthCase{"NoNickList",
                   {"--no-nicklist", "--room", "Health Room"},
                   {"Room found", "Transcript found", "Send box found", "Nick list missing"},
                   3,
                   kNickListAdvice,
                   kNickListTip},
        HealthCase{"NoTranscript",
                   {"--no-transcript", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   {"Room found", "Transcript missing", "Send box found", "Nick list found"},
                   1,
                   kTranscriptAdvice,
                   kTranscriptTip},
        // Without a send box the transcript is the 2nd rich edit, where the
        // send box is looked for, and is not taken for it; the 3rd, where the
        // transcript is, is missing.
        HealthCase{"NoSendBox",
                   {"--no-sendbox", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   {"Room found", "Transcript missing", "Send box missing", "Nick list found"},
                   2,
                   "Quorvel cannot find this room's send box, so it cannot write in the room",
                   "The 2nd \"RichEdit20W\""},
        HealthCase{"TranscriptClassRenamed",
                   {"--rename-class", "RichEdit20W=RichEditRenamed", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   {"Room found", "Transcript missing", "Send box missing", "Nick list found"},
                   1,
                   kTranscriptAdvice,
                   kTranscriptTip},
        HealthCase{"NickListClassRenamed",
                   {"--rename-class", "SysListView32=ListViewRenamed", "--room", "Health Room", "--nicks", "Ann,Bob"},
                   {"Room found", "Transcript found", "Send box found", "Nick list missing"},
                   3,
                   kNickListAdvice,
                   kNickListTip}),
    [](const ::testing::TestParamInfo<HealthCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace quorvel
