// quorvel_win32_bench.exe: what the room link and one poll tick cost against
// fakepal.exe in another process, 64- and 32-bit. Prints one table row per
// figure, medians in milliseconds, for scripts that collect them.
//
//   quorvel_win32_bench [--rounds N]     the table, against fakepal64 and fakepal32
//   quorvel_win32_bench --idle-app SECS  quorvel.exe polling fakepal64 idle, all
//                                        features on, for SECS seconds (the
//                                        caller measures its CPU from outside)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "QuorvelWindow.h"
#include "Win32World.h"
#include "host/win32/Win32Host.h"
#include "panel/FeatureSwitch.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "panel/win32/MainWindow.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/TranscriptReader.h"
#include "roomlink/WindowSearch.h"
#include "roomlink/win32/Win32Desktop.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::InstallClient;

constexpr const char* kRoom = "Bench Room";

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double MedianMs(int rounds, const std::function<void()>& step) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const double start = NowMs();
    step();
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Row(const char* client, const std::string& what, double ms, const std::string& note = "") {
  std::printf("| wine %s | %s | %.3f ms |%s\n", client, what.c_str(), ms, note.empty() ? "" : (" " + note).c_str());
  std::fflush(stdout);
}

// Lets the panel paint what the tick changed; the poll timer's own firings
// are left out, the benchmark ticks by itself.
void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_TIMER) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The binding and host services the bot has; its bot is not used here.
using Rig = testing::Win32World;

// 1,000 nicks, all there from the start.
std::string ThousandNicks() {
  std::string nicks = "Ann,@Bob,Carol";
  for (int i = 3; i < 1000; ++i) nicks += ",visitor" + std::to_string(i);
  return nicks;
}

void BenchClient(const char* exe, int rounds) {
  FakePalProcess pal(exe, {"--room", kRoom, "--nicks", ThousandNicks()});
  if (!pal.Ready()) {
    std::fprintf(stderr, "bench: %s did not start\n", exe);
    return;
  }
  const std::string client = std::string(exe).substr(0, 9);
  pal.Command(fakepal::kAppendLine, {kRoom, "Ann: hello there"});

  Rig rig;
  MainWindow window(rig.settings);
  if (!window.Create(GetModuleHandleA(nullptr))) return;
  Bot bot{rig.settings, rig.desktop, rig.registry, rig.host, window, testing::ExeDirectory()};
  window.Attach(bot);
  CreateMainWindow(bot);
  ShowWindow(window.Window(), SW_SHOWNOACTIVATE);
  LoadMainWindow(bot);
  EnableAll(bot);
  StartPolling(bot);
  PumpPending();
  const WindowHandle transcript = rig.settings.Room.TranscriptHandle;
  const HWND transcriptWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(transcript));

  const double roundTrip = MedianMs(rounds, [&] {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(transcriptWindow, WM_NULL, 0, 0, SMTO_BLOCK, 500, &result);
  });
  Row(exe, "one SendMessageTimeout round trip", roundTrip);
  std::string raw;
  Row(exe, "newest-line read", MedianMs(rounds, [&] { GetLastLine(rig.desktop, transcript, raw); }));
  Row(exe, "nick-list window search", MedianMs(rounds, [&] { FindNickListView(rig.desktop, kRoom); }));
  Row(exe, "user count", MedianMs(rounds, [&] { UserCountText(rig.desktop, rig.settings.Room); }));
  Row(exe, "notice search",
      MedianMs(rounds, [&] { FindTopLevel(rig.desktop, std::nullopt, std::string(kNoticeTitle)); }));
  Row(exe, "idle tick, real panel and its paint", MedianMs(rounds, [&] {
        PollTick(bot);
        PumpPending();
      }));
  {
    PanelView quiet;
    Bot bare{rig.settings, rig.desktop, rig.registry, rig.host, quiet, testing::ExeDirectory()};
    Row(exe, "idle tick without the panel", MedianMs(rounds, [&] { PollTick(bare); }));
    const unsigned long long before = rig.desktop.MessagesSent();
    PollTick(bare);
    std::printf("| wine %s | messages sent to the client in an idle tick | %llu |\n", exe,
                rig.desktop.MessagesSent() - before);
    // A tick that finds 30 new messages, every feature on: the lines arrive
    // between ticks, only the tick is timed.
    std::vector<double> times;
    unsigned long long sent = 0;
    for (int r = 0, line = 0; r < std::max(5, rounds / 10); ++r) {
      for (int i = 0; i < 30; ++i) pal.Command(fakepal::kAppendLine, {kRoom, "Carol: line " + std::to_string(line++)});
      const unsigned long long sentBefore = rig.desktop.MessagesSent();
      const double start = NowMs();
      PollTick(bare);
      times.push_back(NowMs() - start);
      sent = rig.desktop.MessagesSent() - sentBefore;
    }
    std::sort(times.begin(), times.end());
    Row(exe, "tick with 30 new messages, without the panel", times[times.size() / 2],
        std::to_string(sent) + " messages to the client");
  }

  const WindowHandle list = FindNickListView(rig.desktop, kRoom);
  if (rig.desktop.ListItemCount(list) != 1000)
    std::fprintf(stderr, "bench: %s holds %d nicks, not 1,000\n", exe, rig.desktop.ListItemCount(list));
  size_t read = 0;
  const double nicks = MedianMs(std::max(3, rounds / 40), [&] { read = rig.desktop.ListItemTexts(list).size(); });
  char note[96];
  std::snprintf(note, sizeof note, "%zu read, %.0f round trips' worth", read, nicks / roundTrip);
  Row(exe, "1,000-nick read", nicks, note);
  StopPolling(bot);
  DestroyWindow(window.Window());
  PumpPending();
}

// quorvel.exe as the operator runs it, polling an idle room with every
// feature on, until the time is up.
int IdleApp(int seconds) {
  InstallClient();
  FakePalProcess pal("fakepal64.exe", {"--room", kRoom, "--nicks", "Ann,@Bob,Carol"});
  if (!pal.Ready()) return 1;
  pal.Command(fakepal::kAppendLine, {kRoom, "Ann: hello there"});
  ChildProcess app("quorvel.exe", {});
  const HWND main = testing::WaitForMainWindow(app, true);
  if (!main) return 1;
  for (int id : {kEnableAll, kStart}) testing::Press(main, id);
  std::printf("polling\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  PostMessageA(main, WM_CLOSE, 0, 0);
  app.WaitForExit(10000);
  return 0;
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
  int rounds = 200;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--idle-app") return quorvel::IdleApp(std::atoi(argv[i + 1]));
    if (arg == "--rounds") rounds = std::max(5, std::atoi(argv[i + 1]));
  }
  quorvel::testing::InstallClient();
  for (const char* exe : {"fakepal64.exe", "fakepal32.exe"}) quorvel::BenchClient(exe, rounds);
  return 0;
}
