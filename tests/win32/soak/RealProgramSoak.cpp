#include <windows.h>

#include "RealProgramSoak.h"

#include <psapi.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "MessageBoxes.h"
#include "QuorvelWindow.h"
#include "panel/ModerationPanel.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/NickList.h"
#include "roomlink/win32/Win32Desktop.h"
#include "soak/SoakTraffic.h"
#include "soak/SoakVerdict.h"

namespace quorvel::soak {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::WaitUntil;

constexpr long long kSampleEvery = 5;
// A bounce or red dot must follow its reason within this many steps: the bot
// acts in the tick that reads the line (a tick may begin while a step is still
// being written, and read the rest in the next), and the client may see the
// posted command a step later, after the next step's traffic.
constexpr int kReasonSteps = 3;
constexpr DWORD kAnswerMs = 5000;

// quorvel.exe copied into a folder of its own: the list files, designs and
// recorder files it writes go there, and go with it.
class ProgramDir {
 public:
  ProgramDir() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "quorvel-soak-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    CreateDirectoryA((dir_ + "\\recorder").c_str(), nullptr);
    copied_ = CopyFileA((testing::ExeDirectory() + "\\quorvel.exe").c_str(), Exe().c_str(), FALSE) != 0;
  }
  ~ProgramDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  bool Ready() const { return copied_; }
  std::string Exe() const { return dir_ + "\\quorvel.exe"; }

 private:
  std::string dir_;
  bool copied_ = false;
};

struct HandleCloser {
  void operator()(HANDLE h) const {
    if (h) CloseHandle(h);
  }
};

// The running program as the test reaches it: its main window, bounded waits.
class Program {
 public:
  Program(const ChildProcess& app, HWND main)
      : main_(main),
        query_(RegisterWindowMessageA(kLiveCountMessageName)),
        process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.Id())) {}

  HWND Main() const { return main_; }
  bool Send(HWND window, UINT message, WPARAM w, LPARAM l, DWORD_PTR* answer = nullptr) const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, kAnswerMs, answer ? answer : &ignored) != 0;
  }
  bool SetText(HWND control, const std::string& text) const {
    return Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // A button of `window` clicked, done when this returns.
  bool Click(HWND window, int id) const {
    return Send(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
  }
  bool Tick(HWND window, int id) const {
    return Send(GetDlgItem(window, id), BM_SETCHECK, BST_CHECKED, 0) && Click(window, id);
  }
  bool Type(int box, const std::string& text) const { return SetText(GetDlgItem(main_, box), text); }
  // One of the program's answers to the test-only query; -1 when none came.
  long Query(unsigned what) const {
    DWORD_PTR answer = 0;
    return Send(main_, query_, what, 0, &answer) ? static_cast<long>(static_cast<LRESULT>(answer)) : -1;
  }
  std::optional<ResourceSample> Sample(long long tick) const {
    ResourceSample s;
    s.Tick = tick;
    for (size_t k = 0; k < kLiveKinds; ++k)
      if ((s.Live[k] = Query(static_cast<unsigned>(k))) < 0) return std::nullopt;
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    if (!GetProcessMemoryInfo(process_.get(), &pmc, sizeof pmc)) return std::nullopt;
    s.WorkingSetKb = static_cast<long long>(pmc.WorkingSetSize / 1024);
    peakKb_ = static_cast<long long>(pmc.PeakWorkingSetSize / 1024);
    return s;
  }
  long long PeakKb() const { return peakKb_; }

 private:
  HWND main_;
  UINT query_;
  std::unique_ptr<void, HandleCloser> process_;
  mutable long long peakKb_ = 0;
};

// Every feature on, with lists that the traffic meets; the greeter greets,
// the recorder records and flushes every 25 ticks.
bool SetUpFeatures(const Program& p) {
  const HWND main = p.Main();
  bool ok = p.Type(kAdminBox, kSoakAdmin) && p.Click(main, kAdminAdd);
  for (const char* phrase : {"heck", "ass"}) ok = ok && p.Type(kPhraseBox, phrase) && p.Click(main, kPhraseAdd);
  ok = ok && p.Type(kAutoBounceBox, kSoakBounced) && p.Click(main, kAutoBounceAdd);
  ok = ok && p.Type(kAutoRedotBox, kSoakRedDotted) && p.Click(main, kAutoRedotAdd);
  ok = ok && p.Type(kMessageBox, "hi bot") && p.Type(kResponseBox, "hello sn%") && p.Click(main, kResponderAdd);
  ok = ok && p.Type(kAnnounceBox, "Be nice in here") && p.Click(main, kAnnounceAdd);
  ok = ok && p.Tick(main, kSwearWarning);
  const HWND editor = GetDlgItem(main, kEditor);
  for (char c : std::string("Welcome %sn to %rn")) ok = ok && p.Send(editor, WM_CHAR, static_cast<WPARAM>(c), 0);
  ok = ok && p.Click(main, kRecorderOpen);
  const HWND recorder = FindWindowA("QuorvelToolWindow", kRecorderCaption);
  ok = ok && recorder && p.SetText(GetDlgItem(recorder, kRecorderFlushEvery), "25") &&
       p.Tick(recorder, kRecorderTimerOn) && p.Click(recorder, kRecorderStart);
  return ok && p.Click(main, kEnableAll) && p.Click(main, kStart);
}

// One step of traffic, its reasons noted in the journal first.
bool Play(const FakePalProcess& pal, const Program& p, long long n, const SoakStep& step) {
  bool ok = pal.Command(fakepal::kNote, {kStepNote, std::to_string(n), JoinNicks(step.Reasons)});
  for (const auto& nick : step.Enter) ok = ok && pal.Command(fakepal::kAddNick, {kSoakRoom, nick});
  for (const auto& nick : step.Leave) ok = ok && pal.Command(fakepal::kRemoveNick, {kSoakRoom, nick});
  for (const auto& line : step.Lines) ok = ok && pal.Command(fakepal::kAppendLine, {kSoakRoom, line});
  if (!step.Select.empty()) pal.Command(fakepal::kSelectNick, {kSoakRoom, step.Select});
  if (step.Notice) ok = ok && pal.Command(fakepal::kOpenNotice, {});
  // The operator's keys and buttons are posted, as the system posts them.
  const HWND main = p.Main();
  switch (step.Press) {
    case OperatorPress::HotKeyBounce:
      return ok && PostMessageA(main, WM_HOTKEY, kHotKeyBounce, 0);
    case OperatorPress::HotKeyRedDot:
      return ok && PostMessageA(main, WM_HOTKEY, kHotKeyRedDot, 0);
    case OperatorPress::ManualBounce:
      return ok && (testing::Press(main, kManualBounce), true);
    case OperatorPress::ManualRedDot:
      return ok && (testing::Press(main, kManualRedDot), true);
    case OperatorPress::EnableAll:
      return ok && (testing::Press(main, kEnableAll), true);
    case OperatorPress::None:
      return ok;
  }
  return ok;
}

void PrintSample(std::ostream& out, const char* when, const ResourceSample& s) {
  out << when << " (tick " << s.Tick << "): working set " << s.WorkingSetKb << " kB";
  for (size_t k = 0; k < kLiveKinds; ++k) out << ", " << kLiveKindNames[k] << " " << s.Live[k];
  out << "\n";
}

}  // namespace

int RunRealProgramSoak(const SoakOptions& options, std::ostream& out) {
  testing::InstallClient();
  FakePalProcess pal("fakepal64.exe", {"--room", kSoakRoom});
  ProgramDir dir;
  if (!pal.Ready() || !dir.Ready()) {
    out << "soak: fakepal or the program's folder could not be set up\n";
    return 2;
  }
  ChildProcess app(dir.Exe(), {});
  const HWND main = testing::WaitForMainWindow(app, true);
  if (!main) {
    out << "soak: quorvel.exe showed no main window with the room listed\n";
    return 2;
  }
  const Program program(app, main);
  if (!SetUpFeatures(program)) {
    out << "soak: the control panel did not take the settings\n";
    return 2;
  }
  Win32Desktop desktop;
  const WindowHandle nickList = FindNickListView(desktop, kSoakRoom);

  SoakTraffic traffic(options.Seed);
  std::vector<ResourceSample> samples;
  const auto started = std::chrono::steady_clock::now();
  long tick = program.Query(kLiveQueryTicks);
  for (long long n = 1; n <= options.Ticks; ++n) {
    // One step for each tick of the bot.
    const long before = tick;
    if (!WaitUntil(app, 10000, [&] { return (tick = program.Query(kLiveQueryTicks)) > before; })) {
      out << "soak: the bot stopped ticking at step " << n << "\n";
      return 2;
    }
    if (!Play(pal, program, n, traffic.Next(desktop.ListItemTexts(nickList)))) {
      out << "soak: fakepal or the program did not answer at step " << n << "\n";
      return 2;
    }
    if (n % kSampleEvery == 0 || n == 1) {
      const auto sample = program.Sample(n);
      if (!sample) {
        out << "soak: the program did not answer the query at step " << n << "\n";
        return 2;
      }
      samples.push_back(*sample);
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  // The lists the commands changed are not kept.
  testing::CloseAnswering(app, main, IDNO);

  ResourceBounds bounds;
  bounds.WarmUpTicks = std::max<long long>(options.Ticks / 4, 25);
  const auto resourceFaults = JudgeResources(samples, bounds);
  const auto journal = pal.JournalLines();
  const ModerationVerdict moderation = JudgeModeration(journal, kReasonSteps);
  long long sent = 0;
  for (const auto& line : journal) sent += line.rfind("SENT\t", 0) == 0;

  out << options.Ticks << " ticks of traffic (seed " << options.Seed << ") in " << seconds << " s; the bot sent "
      << sent << " messages and made " << moderation.Acts << " bounces and red dots\n";
  if (!samples.empty()) PrintSample(out, "start", samples.front());
  for (const auto& s : samples)
    if (s.Tick <= bounds.WarmUpTicks && s.Tick + kSampleEvery > bounds.WarmUpTicks) PrintSample(out, "warm", s);
  if (!samples.empty()) PrintSample(out, "end", samples.back());
  out << "peak working set " << program.PeakKb() << " kB\n";

  bool failed = false;
  for (const auto& f : resourceFaults) out << "FAIL " << f << "\n", failed = true;
  for (const auto& f : moderation.Faults) out << "FAIL " << f << "\n", failed = true;
  if (moderation.Acts == 0) out << "FAIL no bounce or red dot at all: the journal's check saw nothing\n", failed = true;
  return failed ? 1 : 0;
}

}  // namespace quorvel::soak
