// Property of the poll tick: a stream of transcript lines (chat, joins,
// whispers, admin commands, anything), nick-list changes and F7/F8 presses,
// with every feature on and small lists, never fails, never draws a sanitizer
// report, and no tick takes longer than 50 ms. The time is the thread's user
// CPU time, so a loaded machine does not count against the tick; a tick found
// slow is confirmed by running the same stream again in a fresh world, since
// the sanitizers' own housekeeping can land inside any one tick.
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "model/Bot.h"
#include "panel/FeatureSwitch.h"
#include "panel/ModerationPanel.h"
#include "panel/RoomFrame.h"
#include "roomlink/RoomDiscovery.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "sim/SimWorld.h"
#include "storage/MemoryRegistryStore.h"
#include "storage/RegAccess.h"
#include "tick/PollTick.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

constexpr double kTickBudgetMs = 50;

const char* const kNicks[] = {"Ann", "ann", "Bob", "Bot", "Eve", " Eve ", ""};
const char* const kTexts[] = {
    "hello",     "damn you", "hi bot", "greeter off",  "greeter on",    "swearbot on",  "swearbot off", "ab on",
    "ab off",    "rd on",    "rd off", "responder on", "anouncer on",   "anouncer off", "bc! Eve",      "rd! Bob",
    "seen! ann", "aa! new",  "aba! x", "ad! hello",    "adda! p dv! q", "as! bad",      "at! 1",        "rm! hi dv! yo",
    "amult!",    "arand!",   "asing!", "seen! ",       "bc! "};

double ThreadUserMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_utime.tv_sec * 1000.0 + usage.ru_utime.tv_usec / 1000.0;
}

template <size_t N>
std::string Pick(FuzzedDataProvider& p, const char* const (&options)[N]) {
  return p.ConsumeBool() ? options[p.ConsumeIntegralInRange<size_t>(0, N - 1)] : p.ConsumeRandomLengthString(40);
}

struct World : SimWorld {
  WindowHandle room = kNoWindow;

  World() {
    RegAccess reg(registry);
    reg.WriteString("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger",
                    "DisplayVersion", "10.1");
    reg.WriteString("HKCU\\Software\\Paltalk", "cur_user", "Bot");
    desktop.OpenClientMainWindow();
    room = desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    desktop.SetNicks(room, {"Ann", "Bob", "Eve"});
    RoomLink link = bot.Link();
    AttachToRoom(link);
    BotSettings& s = settings;
    s.Admins.AdminList.Items = {"Ann", "ann"};
    s.Swear.SwearList.Items = {"damn", ""};
    s.Moderation.AutoBounceList.Items = {"eve"};
    s.Moderation.AutoRedotList.Items = {"bob"};
    s.Responder.ResponderTriggers.Items = {"hi", "hello"};
    s.Responder.ResponderReplies.Items = {"hey sn%"};
    s.Announcer.AnnounceList.Items = {"news", "more news"};
    s.Greeter.DesignFiles.Items = {"one"};
    s.Greeter.RandomDesign = true;
    s.Recorder.RecordingOn = true;
    s.Recorder.FlushTimerOn = true;
    s.Recorder.FlushEvery = "1";
    s.Greeter.DesignEditor.SetPlainText("Welcome %sn to %rn");
    EnableAll(bot);
    StartPolling(bot);
  }
};

struct SlowTick {
  int Index = -1;
  double Ms = 0;
};

// Plays the stream; the first tick over the budget, if any.
SlowTick Play(const std::uint8_t* data, size_t size) {
  World w;
  FuzzedDataProvider p(data, size);
  for (int tick = 0; p.remaining_bytes() > 0; ++tick) {
    switch (p.ConsumeIntegralInRange(0, 7)) {
      case 0:
        w.desktop.AppendLine(w.room, p.ConsumeRandomLengthString(120));
        break;
      case 1:
        w.desktop.AppendLine(w.room, Pick(p, kNicks) + " has joined the room");
        break;
      case 2:
        w.desktop.AppendLine(w.room, Pick(p, kNicks) + ": " + Pick(p, kTexts) + p.ConsumeRandomLengthString(20));
        break;
      case 3:
        w.desktop.AppendLine(w.room, Pick(p, kNicks) + ": " + Pick(p, kTexts));
        w.desktop.AppendLine(w.room, "header");
        w.desktop.AppendLine(w.room, "middle");
        w.desktop.AppendLine(w.room, "   ***** End Whisper");
        break;
      case 4:
        w.desktop.SelectNick(w.room, Pick(p, kNicks));
        HotKeyPressed(w.bot, p.ConsumeBool() ? kHotKeyBounce : kHotKeyRedDot);
        break;
      case 5:
        w.desktop.AddNick(w.room, Pick(p, kNicks));
        break;
      case 6:
        w.clock.AdvanceMs(p.ConsumeIntegralInRange(0, 100000));
        break;
      default:
        break;  // the same newest line once more
    }
    w.clock.AdvanceMs(400);
    const double start = ThreadUserMs();
    PollTimerFired(w.bot);
    const double spent = ThreadUserMs() - start;
    if (spent >= kTickBudgetMs) return {tick, spent};
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (Play(data, size).Index < 0) return 0;
  const SlowTick again = Play(data, size);
  Require(again.Index < 0, "every tick takes less than 50 ms",
          "tick " + std::to_string(again.Index) + ": " + std::to_string(again.Ms) + " ms");
  return 0;
}
