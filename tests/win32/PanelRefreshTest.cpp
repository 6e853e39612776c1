// The control panel in this process, driven tick by tick against fakepal:
// what an idle tick costs the window, lists that keep the operator's
// selection, fonts, the modal loop and faults in handlers.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "host/win32/Win32Host.h"
#include "panel/FeatureSwitch.h"
#include "panel/Menus.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "panel/StatsFrame.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelLayout.h"
#include "roomlink/win32/Win32Desktop.h"
#include "storage/win32/Win32RegistryStore.h"
#include "tick/PollTick.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace quorvel {
namespace {

using testing::FakePalProcess;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Forwards to the window and adds up the time its redraws take.
class TimedView final : public PanelView {
 public:
  explicit TimedView(MainWindow& window) : window_(window) {}
  double Seconds = 0;
  int Calls = 0;

  void IndicatorChanged(Feature f) override {
    Time([&] { window_.IndicatorChanged(f); });
  }
  void PollTimerChanged(bool on) override {
    Time([&] { window_.PollTimerChanged(on); });
  }
  void RoomListChanged() override {
    Time([&] { window_.RoomListChanged(); });
  }
  void CaptionChanged() override {
    Time([&] { window_.CaptionChanged(); });
  }
  void HealthChanged() override {
    Time([&] { window_.HealthChanged(); });
  }
  void ListChanged(PanelListId list) override {
    Time([&] { window_.ListChanged(list); });
  }
  void LabelChanged(PanelLabel label) override {
    Time([&] { window_.LabelChanged(label); });
  }
  void BoxChanged(PanelBox box) override {
    Time([&] { window_.BoxChanged(box); });
  }
  void OptionsChanged() override {
    Time([&] { window_.OptionsChanged(); });
  }
  void MessagesChanged() override {
    Time([&] { window_.MessagesChanged(); });
  }
  void EditorChanged() override {
    Time([&] { window_.EditorChanged(); });
  }
  void BotWindowOpened(const std::string& caption) override { window_.BotWindowOpened(caption); }
  void BotWindowClosed(const std::string& caption) override { window_.BotWindowClosed(caption); }
  void ShowModal(const std::string& caption) override { window_.ShowModal(caption); }

 private:
  template <typename F>
  void Time(F f) {
    ++Calls;
    const double t = Now();
    f();
    Seconds += Now() - t;
  }
  MainWindow& window_;
};

// Answers nothing, shows nothing, and writes the messages down; its file
// dialog fails, as a broken handler would.
class RecordingDialogs final : public Dialogs {
 public:
  std::vector<std::string> Shown;
  DialogAnswer ShowMessage(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    Shown.push_back(text);
    return DialogAnswer::Ok;
  }
  std::optional<std::string> AskFile(const FileDialogRequest&) override {
    throw std::runtime_error("the file dialog broke");
  }
  std::optional<std::uint32_t> AskColor(std::uint32_t) override { return std::nullopt; }
};

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The messages this thread's windows are sent while a probe is installed:
// to any control of the parent, and to one control of them watched apart.
struct SentMessages {
  HWND Parent = nullptr;
  HWND Watched = nullptr;
  int ToControls = 0;
  int ToWatched = 0;
};
SentMessages* g_probe = nullptr;

LRESULT CALLBACK CountSent(int code, WPARAM w, LPARAM l) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
  if (code == HC_ACTION && g_probe && IsChild(g_probe->Parent, sent->hwnd)) {
    ++g_probe->ToControls;
    if (sent->hwnd == g_probe->Watched) ++g_probe->ToWatched;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

class MessageProbe {
 public:
  explicit MessageProbe(HWND parent, HWND watched = nullptr) {
    counts_.Parent = parent;
    counts_.Watched = watched;
    g_probe = &counts_;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
  }
  ~MessageProbe() {
    UnhookWindowsHookEx(hook_);
    g_probe = nullptr;
  }
  bool Installed() const { return hook_ != nullptr; }
  int ToControls() const { return counts_.ToControls; }
  int ToWatched() const { return counts_.ToWatched; }

 private:
  SentMessages counts_;
  HHOOK hook_ = nullptr;
};

// Paints the controls the view left waiting for paint, adding the time the
// painting took (not the search for them); how many there were.
int PaintWaiting(HWND parent, double& seconds) {
  int waiting = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!GetUpdateRect(child, nullptr, FALSE)) continue;
    ++waiting;
    const double t = Now();
    UpdateWindow(child);
    seconds += Now() - t;
  }
  return waiting;
}

// The panel of a bot with no client running.
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallClient();
    StartClient();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    window.Attach(bot);
    CreateMainWindow(bot);
    ShowWindow(window.Window(), SW_SHOWNOACTIVATE);
    LoadMainWindow(bot);
  }
  void TearDown() override { Pump(); }
  virtual void StartClient() {}
  // Ticks until whatever the first ticks change has been shown and painted.
  void Settle() {
    for (int i = 0; i < 3; ++i) PollTick(bot);
    Pump();
    RedrawWindow(window.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  Win32RegistryStore registry;
  std::unique_ptr<FakePalProcess> pal;
  Win32Desktop desktop;
  Win32Clock clock;
  Win32Random random;
  Win32Pump pump;
  RecordingDialogs dialogs;
  Win32Shell shell;
  Host host{clock, random, pump, dialogs, shell};
  BotSettings settings;
  MainWindow window{settings};
  TimedView view{window};
  Bot bot{settings, desktop, registry, host, view, testing::ExeDirectory()};
};

// The panel attached to a room of fakepal's.
class PanelRefreshTest : public PanelTest {
 protected:
  void StartClient() override {
    pal = std::make_unique<FakePalProcess>(
        "fakepal64.exe", std::vector<std::string>{"--room", "Idle Room", "--nicks", "Ann,@Bob,Carol"});
    ASSERT_TRUE(pal->Ready());
    ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Idle Room", "Ann: hello"}));
  }
  void SetUp() override {
    PanelTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(settings.Room.SelectedRoomTitle, "Idle Room");
  }
};

// The part of the status bar at `index`, as the bar holds it.
std::string BarPart(HWND bar, int index) {
  char text[256] = {};
  SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(PanelRefreshTest, AnIdleTickTouchesNoControlAndPaintsNothing) {
  EnableAll(bot);
  // Running, as the operator leaves it: the timer's own ticks are idle too.
  StartPolling(bot);
  Settle();
  const HWND main = window.Window();
  // The status bar is there and shows what the ticks found.
  const HWND bar = GetDlgItem(main, kHealthBar);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(BarPart(bar, 0), "Room found");
  std::vector<double> viewMs, tickMs;
  {
    MessageProbe probe(main, bar);
    ASSERT_TRUE(probe.Installed());
    for (int i = 0; i < 40; ++i) {
      const std::string minute = settings.Panel.ClockLabel;
      const int sentBefore = probe.ToControls();
      view.Seconds = 0;
      const double t = Now();
      PollTick(bot);
      // What the view invalidated is painted now, and counted with it.
      const int waiting = PaintWaiting(main, view.Seconds);
      const double ms = (Now() - t) * 1000;
      Pump();
      // A tick that crossed into the next minute shows the clock: it is not idle.
      if (settings.Panel.ClockLabel != minute) continue;
      EXPECT_EQ(waiting, 0) << "tick " << i;
      EXPECT_EQ(probe.ToControls(), sentBefore) << "tick " << i;
      tickMs.push_back(ms);
      viewMs.push_back(view.Seconds * 1000);
    }
    ASSERT_GE(viewMs.size(), 38u);
    EXPECT_EQ(probe.ToWatched(), 0) << "the status bar was set again";

    // The bar is told again, with the same words, whenever the timer is
    // switched or the rooms are listed again: it touches nothing then either.
    window.HealthChanged();
    EXPECT_EQ(probe.ToWatched(), 0) << "the status bar was set again with the same words";

    // The probe sees the messages a real change sends: a new line is shown.
    ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Idle Room", "Bob: news"}));
    PollTick(bot);
    EXPECT_GT(probe.ToControls(), 0);
    // And the bar's own messages when its words change: the timer stopped.
    StopPolling(bot);
    EXPECT_GT(probe.ToWatched(), 0);
  }
  EXPECT_EQ(BarPart(bar, 0), "Stopped");
  char shown[256] = {};
  GetWindowTextA(GetDlgItem(main, kLineLabel), shown, sizeof shown);
  EXPECT_STREQ(shown, "Bob: news");
  std::sort(viewMs.begin(), viewMs.end());
  std::sort(tickMs.begin(), tickMs.end());
  std::printf("idle tick: panel refresh median %.3f ms, whole tick median %.3f ms\n", viewMs[viewMs.size() / 2],
              tickMs[tickMs.size() / 2]);
}

TEST_F(PanelRefreshTest, TheGrabbersSelectionSurvivesTicksSoADoubleClickHits) {
  OpenNickGrabber(bot);
  const HWND grabber = window.SmallWindow(kGrabberCaption);
  ASSERT_NE(grabber, nullptr);
  const HWND list = GetDlgItem(grabber, kGrabberList);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
  SendMessageA(list, LB_SETCURSEL, 2, 0);  // the operator's first click
  Settle();
  GrabberRefresh(bot);  // the same nicks read again
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Idle Room", "Carol: still here"}));
  PollTick(bot);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  // The second click of the double click.
  SendMessageA(grabber, WM_COMMAND, MAKEWPARAM(1, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  ASSERT_FALSE(settings.Admins.AdminList.Items.empty());
  EXPECT_EQ(settings.Admins.AdminList.Items.back(), "Carol");
}

TEST_F(PanelRefreshTest, TheRecordersSearchResultsKeepTheirSelection) {
  settings.Recorder.RecorderBuffer.Items = {"ann: one", "bob: two", "ann: three"};
  OpenRecorderPanel(bot);
  const HWND recorder = window.SmallWindow(kRecorderCaption);
  ASSERT_NE(recorder, nullptr);
  settings.Panel.SearchBox = "ann";
  RecorderSearch(bot);
  const HWND results = GetDlgItem(recorder, kRecorderResults);
  ASSERT_EQ(SendMessageA(results, LB_GETCOUNT, 0, 0), 2);
  SendMessageA(results, LB_SETCURSEL, 1, 0);
  Settle();
  EXPECT_EQ(SendMessageA(results, LB_GETCURSEL, 0, 0), 1);
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

LONG HeightOf(HFONT font) {
  LOGFONTA lf = {};
  GetObjectA(font, sizeof lf, &lf);
  return lf.lfHeight;
}

TEST_F(PanelTest, FontsFollowADpiChangeAndAreFreed) {
  const int ids[] = {kAdminList, kDesignList, kStyleSize8};
  std::vector<HFONT> after;
  {
    BotSettings otherSettings;
    MainWindow other(otherSettings);
    ASSERT_TRUE(other.Create(GetModuleHandleA(nullptr)));
    const HWND main = other.Window();
    std::vector<HFONT> before;
    for (int id : ids) before.push_back(FontOf(GetDlgItem(main, id)));
    RECT r;
    GetWindowRect(main, &r);
    SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&r));
    for (int id : ids) after.push_back(FontOf(GetDlgItem(main, id)));
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_NE(after[i], before[i]) << ids[i];
      EXPECT_EQ(GetObjectType(before[i]), 0u) << "the old font of control " << ids[i] << " was not freed";
    }
    // Made for 144 dots per inch: the 11-pixel Tahoma and the 8-point "A" at 1.5 times.
    EXPECT_EQ(HeightOf(after[1]), -16);
    EXPECT_EQ(HeightOf(after[2]), -15);
  }
  // The window and everything it made are gone with it.
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(GetObjectType(after[i]), 0u) << ids[i];
}

// The "Room:" list renders its row: a pick picks that room, dropping it down
// looks for the client's rooms again (none run here).
// The indicators, the tabs and the status bar write in the panel's font, and
// every control is laid out again where the layout puts it at a new DPI.
TEST_F(PanelTest, EveryControlFollowsTheLayoutAndThePanelsFontToANewDpi) {
  BotSettings otherSettings;
  MainWindow other(otherSettings);
  ASSERT_TRUE(other.Create(GetModuleHandleA(nullptr)));
  const HWND main = other.Window();
  const int ids[] = {kHealthBar, kTabs, kIndicatorFirst, kPictureFirst + 5};
  for (int id : ids) EXPECT_EQ(FontOf(GetDlgItem(main, id)), FontOf(GetDlgItem(main, kEnableAll))) << id;
  RECT r;
  GetWindowRect(main, &r);
  SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&r));
  for (int id : ids) EXPECT_EQ(FontOf(GetDlgItem(main, id)), FontOf(GetDlgItem(main, kEnableAll))) << id;
  auto scaled = [](int v) { return static_cast<LONG>(v * 1.5 + 0.5); };
  for (const PageControl& pc : PanelLayout()) {
    if (pc.PlacesItself) continue;
    const ToolControl c = InWindow(pc);
    RECT at;
    GetWindowRect(GetDlgItem(main, c.Id), &at);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.left, scaled(c.X)) << c.Id;
    EXPECT_EQ(at.top, scaled(c.Y)) << c.Id;
  }
}

TEST_F(PanelTest, TheRoomListPicksAndDropsDownThroughItsRow) {
  const HWND main = window.Window();
  const HWND combo = GetDlgItem(main, kRoomList);
  settings.Room.RoomList = {"A Room", "B Room"};
  window.RoomListChanged();
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kRoomList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(settings.Room.RoomListIndex, 1);
  EXPECT_EQ(settings.Room.SelectedRoomTitle, "B Room");
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kRoomList, CBN_DROPDOWN), reinterpret_cast<LPARAM>(combo));
  EXPECT_TRUE(settings.Room.RoomList.empty());
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(PanelTest, AQuitWhileAModalWindowIsOpenReachesTheMainLoop) {
  PostQuitMessage(7);
  ShowAbout(bot);  // returns once the quit arrives
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_TRUE(IsWindowEnabled(window.Window()));
}

TEST_F(PanelTest, AFailingHandlerIsReportedOnceAndThePanelGoesOn) {
  const HWND main = window.Window();
  auto press = [&](int id) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
  };
  press(kLoadStats);  // its file dialog throws
  ASSERT_EQ(dialogs.Shown.size(), 1u);
  EXPECT_NE(dialogs.Shown[0].find("\"Load\" failed: the file dialog broke"), std::string::npos) << dialogs.Shown[0];
  press(kLoadStats);
  EXPECT_EQ(dialogs.Shown.size(), 1u);
  press(kEnableAll);
  char label[64] = {};
  GetWindowTextA(GetDlgItem(main, kIndicatorFirst), label, sizeof label);
  EXPECT_STREQ(label, "Greeter On");
}

}  // namespace
}  // namespace quorvel
