#include "scenario/TrafficRun.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/BotSettings.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/TrafficWords.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

const std::vector<std::string>& kNicks = kTrafficNicks;
const std::vector<std::string>& kWords = kTrafficWords;
const std::vector<std::string>& kCommands = kTrafficCommands;
const std::vector<std::string> kPresses = {"F7", "F8", "Manual.Bounce", "Manual.RedDot"};

constexpr const char* kRoom = "Lobby Room";
constexpr const char* kAdmin = "Ann";

// The lists a command can grow, with the operator's way of shrinking each.
struct Trim {
  const char* List;
  const char* Press;
  size_t Cap;
};
const Trim kTrims[] = {
    {"AnnounceList", "Anouncer.Delete", 6},   {"AdminList", "Admins.Delete", 4},
    {"SwearList", "Phrases.Delete", 6},       {"AutoBounceList", "Autobounce.D", 4},
    {"AutoRedotList", "AutoRedot.D", 4},      {"ResponderTriggers", "Responder.Delete", 4},
    {"WarnedUsers", "WarnedUsers.Remove", 8},
};

class Traffic {
 public:
  Traffic(const TrafficOptions& options, const std::string& dir, std::ostream& out)
      : options_(options), out_(out), sink_(), runner_(dir, true, sink_), random_(options.Seed) {}

  int Run();

 private:
  bool SetUp();
  void Step();
  void Say(const std::string& nick, const std::string& text);
  void Line(const std::string& text) { runner_.World().AppendLine(room_, text); }
  void Present(const std::string& nick);
  void Operator();
  void TrimLists();
  void Check();
  void CheckMessagesReadOnce();
  void Violation(const std::string& what);
  const std::string& Pick(const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
  }

  const TrafficOptions& options_;
  std::ostream& out_;
  std::ostringstream sink_;  // the runner's own output; quiet, so it stays empty
  ScenarioRunner runner_;
  std::mt19937 random_;
  WindowHandle room_ = kNoWindow;
  long long tick_ = 0;
  std::vector<std::string> sentThisTick_;
  // Lines the room received that no tick has read yet, oldest first, and the
  // skips the reader had counted before this tick.
  std::deque<std::string> unread_;
  size_t skippedBefore_ = 0;
  std::optional<std::string> failure_;
  long long sent_ = 0, posted_ = 0, greetings_ = 0;
};

bool Traffic::SetUp() {
  const char* statements[] = {
      "registry HKCU\\Software\\Paltalk cur_user = Host",
      "registry HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger DisplayVersion = 10.1",
      "client",
      "room Lobby Room",
      "start",
      "editor Welcome %sn to %rn",
      "type AnnounceInputBox Be nice in here",
      "press Anouncer.Add",
      "type AdminBox ann",
      "press Admins.Add",
      "type AdminBox Ann",
      "press Admins.Add",
      "type PhraseBox heck",
      "press Phrases.Add",
      "type PhraseBox ass",
      "press Phrases.Add",
      "type AutobounceBox Spam2",
      "press Autobounce.Add",
      "type AutoRedotBox Spam1",
      "press AutoRedot.Add",
      "type ResponderMessageBox hi bot",
      "type ResponderResponseBox hello sn%",
      "press Responder.Add",
      "set SwearMode Warning",
      "press EnableAll",
      "press Start",
      "tick",  // the transcript is empty: from here on every line is new
  };
  for (const char* s : statements) {
    if (auto error = runner_.Apply(s)) {
      out_ << "quorvel-sim: traffic set-up failed at \"" << s << "\": " << *error << "\n";
      return false;
    }
  }
  room_ = runner_.World().NewestRoom();
  return runner_.CurrentBot() != nullptr && room_ != kNoWindow;
}

void Traffic::Present(const std::string& nick) {
  if (!runner_.World().HasNick(room_, nick)) runner_.World().AddNick(room_, nick);
}

void Traffic::Say(const std::string& nick, const std::string& text) {
  Present(nick);
  Line(nick + ": " + text);
}

void Traffic::Operator() {
  const auto nicks = runner_.World().Nicks(room_);
  if (!nicks.empty()) {
    const size_t i = std::uniform_int_distribution<size_t>(0, nicks.size() - 1)(random_);
    runner_.World().SelectNick(room_, nicks[i].Text);
  }
  runner_.Apply("press " + Pick(kPresses));
}

// Commands add entries; the operator deletes the newest ones again.
void Traffic::TrimLists() {
  Bot& bot = *runner_.CurrentBot();
  for (const Trim& t : kTrims) {
    const PanelList* list = FindSimList(bot.settings, t.List);
    while (list && list->Items.size() > t.Cap) {
      const size_t before = list->Items.size();
      runner_.Apply(std::string("pick ") + t.List + " " + std::to_string(before - 1));
      runner_.Apply(std::string("press ") + t.Press);
      if (list->Items.size() >= before) break;  // the button did not shrink it; do not spin
    }
  }
}

void Traffic::Step() {
  const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
  if (roll < 35) {
    Say(Pick(kNicks), Pick(kWords));
  } else if (roll < 45) {
    const std::string nick = Pick(kNicks);
    Line(nick + " has joined the room");
    Present(nick);
  } else if (roll < 50) {
    const std::string nick = Pick(kNicks);
    Line(nick + ": " + Pick(kWords));
    Line("(whisper to Host)");
    Line("");
    Line("***** End Whisper");
  } else if (roll < 56) {
    Say(kAdmin, Pick(kCommands));
  } else if (roll < 59) {
    Operator();
  } else if (roll < 61) {
    runner_.World().OpenNotice();
  } else if (roll < 63) {
    // A flood of one text: too many, and the same again.
    const std::string nick = roll == 61 ? Pick(kNicks) : kAdmin;
    const std::string& text = Pick(kWords);
    for (int i = 0; i < 7; ++i) Say(nick, text);
  } else if (roll < 64) {
    for (int i = 0; i < 7; ++i) {
      const std::string nick = Pick(kNicks);
      Line(nick + " has joined the room");
      Present(nick);
    }
  }
  // Now and then a burst beyond what one tick acts on.
  if (tick_ % 1000 == 0)
    for (int i = 0; i < 40; ++i) Say(Pick(kNicks), Pick(kWords));
  if (tick_ % 500 == 0) runner_.Apply("press EnableAll");
  if (tick_ % 100 == 0) TrimLists();
}

void Traffic::Violation(const std::string& what) {
  if (!failure_) failure_ = what;
}

// Each message the tick acted on is the next one the room received, in
// order; lines passed over are those the reader said it skipped.
void Traffic::CheckMessagesReadOnce() {
  const TranscriptCursor& cursor = runner_.CurrentBot()->settings.Room.Cursor;
  size_t passedOver = 0;
  for (const auto& message : cursor.LastTick) {
    while (!unread_.empty() && unread_.front() != message) {
      unread_.pop_front();
      ++passedOver;
    }
    if (unread_.empty()) return Violation("a message was acted on twice, or one that never came: \"" + message + "\"");
    unread_.pop_front();
  }
  if (passedOver > cursor.Skipped - skippedBefore_) Violation("a message was passed over without being counted");
  skippedBefore_ = cursor.Skipped;
}

void Traffic::Check() {
  CheckMessagesReadOnce();
  const BotSettings& s = runner_.CurrentBot()->settings;
  const size_t visitors = s.Stats.VisitorNicks.Items.size();
  if (s.Stats.VisitorCounts.Items.size() != visitors || s.Stats.VisitorLastSeen.Items.size() != visitors)
    Violation("the visitor lists are not parallel");
  for (Feature f : kAllFeatures) {
    auto& settings = const_cast<BotSettings&>(s);
    const std::string want = std::string(FeatureName(f)) + (FeatureFlag(settings, f) ? " On" : " Off");
    if (FeatureLabel(settings, f) != want) Violation(std::string(FeatureName(f)) + ": flag and label disagree");
  }
  if (s.TickRunning) Violation("a tick is still running after it returned");
  const std::string greeting = s.Greeter.GreetBuffer.MessageText();
  for (const auto& text : sentThisTick_) {
    if (greeting.empty() || text != greeting) continue;
    ++greetings_;
    if (!s.Line.JoinedNick.empty()) Violation("JoinedNick is \"" + s.Line.JoinedNick + "\" after a greeting");
  }
}

int Traffic::Run() {
  if (!SetUp()) return kScenarioUnrunnable;
  Bot& bot = *runner_.CurrentBot();
  runner_.Events().SetRetention(EventRetention::Drop);
  runner_.World().OnLine = [this](const std::string&, const std::string& line) { unread_.push_back(line); };
  // The flood guard never judges an admin or the bot's own nick.
  runner_.WatchModeration([this, &bot](const ModerationRecord& r) {
    if (r.Cause != ModerationCause::Flood) return;
    if (r.Nick == bot.settings.BotNick || bot.settings.Admins.AdminList.Items.Contains(r.Nick))
      Violation("the flood guard judged " + r.Nick + ", who is exempt");
  });
  runner_.Watch = [this](const SimEvent& e) {
    if (e.Kind == EventKind::Posted) ++posted_;
    if (e.Kind != EventKind::Sent) return;
    ++sent_;
    if (e.Text.empty()) Violation("an empty message was sent");
    sentThisTick_.push_back(e.Text);
  };
  // A real message loop may fire the timer while a moderation action lets
  // messages run; the tick started that way must return at once.
  runner_.Pump().OnPump = [this, &bot] {
    if (!bot.settings.TickRunning) return;
    const ChatLine before = bot.settings.Line;
    const size_t sent = sentThisTick_.size();
    PollTimerFired(bot);
    const ChatLine& after = bot.settings.Line;
    if (sentThisTick_.size() != sent || after.RawLine != before.RawLine || after.Text != before.Text)
      Violation("a tick ran inside another");
  };

  std::optional<MemoryUse> warm;
  const auto started = std::chrono::steady_clock::now();
  for (tick_ = 1; tick_ <= options_.Ticks; ++tick_) {
    sentThisTick_.clear();
    Step();
    runner_.RunTicks(1);
    Check();
    if (failure_) {
      out_ << "FAIL tick " << tick_ << ": " << *failure_ << "\n";
      return kScenarioFailed;
    }
    if (tick_ == kTrafficWarmUpTicks && options_.Memory) warm = options_.Memory();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  runner_.Pump().OnPump = nullptr;

  out_ << options_.Ticks << " ticks in " << seconds
       << " s: " << static_cast<long long>(seconds > 0 ? static_cast<double>(options_.Ticks) / seconds : 0)
       << " ticks per second\n"
       << "the bot sent " << sent_ << " messages (" << greetings_ << " greetings) and posted " << posted_
       << " commands\n";
  const auto end = options_.Memory ? options_.Memory() : std::nullopt;
  if (!end) {
    out_ << "memory: not measured on this system\n";
    return kScenarioPassed;
  }
  auto kb = [](std::int64_t bytes) { return std::to_string(bytes / 1024) + " kB"; };
  if (warm) out_ << "resident memory after " << kTrafficWarmUpTicks << " ticks: " << kb(warm->ResidentBytes) << "\n";
  out_ << "resident memory at the end: " << kb(end->ResidentBytes) << "\n";
  if (warm)
    out_ << "growth after " << kTrafficWarmUpTicks << " ticks: " << kb(end->ResidentBytes - warm->ResidentBytes)
         << "\n";
  out_ << "peak resident memory: " << kb(end->PeakBytes) << "\n";
  return kScenarioPassed;
}

}  // namespace

int RunTraffic(const TrafficOptions& options, const std::string& programDir, std::ostream& out) {
  Traffic traffic(options, programDir, out);
  return traffic.Run();
}

}  // namespace quorvel
