#include "dryrun/DryRunSummary.h"

#include <algorithm>
#include <ostream>

#include "dryrun/DryRunText.h"
#include "dryrun/PhraseOccurrences.h"
#include "engine/FloodGuard.h"
#include "engine/LineClassifier.h"
#include "engine/SwearMonitor.h"
#include "model/FloodNumbers.h"
#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Which checks could react while the guard is on: a number of 0 switches its check off.
void NoteChecks(FloodFigures& f, const BotSettings& s) {
  f.On = true;
  for (size_t i = 0; i < kFloodChecks.size(); ++i)
    for (const FloodNumber& n : FloodNumbers())
      if (n.Name == std::string(kFloodChecks[i].SwitchName) && FloodValue(s, n) > 0) f.Checked[i] = true;
}

// Flags, modes and the lists the in-room commands change: a command that was
// obeyed changes one of them (or sends a notice).
std::string Fingerprint(const BotSettings& s) {
  std::string f;
  for (bool b : {s.Features.GreeterOn, s.Features.SwearbotOn, s.Features.AnnouncerOn, s.Features.AutoBounceOn,
                 s.Features.AutoRedotOn, s.Features.ResponderOn, s.Features.FloodGuardOn})
    f += b ? '1' : '0';
  f += std::to_string(static_cast<int>(s.Swear.SwearMode)) + std::to_string(static_cast<int>(s.Swear.WarnFirst)) +
       std::to_string(static_cast<int>(s.Flood.FloodMode)) + (s.Flood.FloodWarnFirst ? "1" : "0") +
       std::to_string(static_cast<int>(s.Announcer.AnnounceMode)) + "|" + s.Announcer.AnnounceInterval;
  for (const PanelList* l : {&s.Admins.AdminList, &s.Swear.SwearList, &s.Moderation.AutoBounceList,
                             &s.Moderation.AutoRedotList, &s.Responder.ResponderTriggers, &s.Announcer.AnnounceList})
    f += "|" + std::to_string(l->Items.size());
  return f;
}

template <typename T>
T& Entry(std::map<std::string, T>& map, std::vector<std::string>& order, const std::string& key) {
  auto it = map.find(key);
  if (it == map.end()) {
    order.push_back(key);
    it = map.emplace(key, T{}).first;
  }
  return it->second;
}

// The summary's short form of a record's cause.
std::string Reason(const ModerationRecord& r) {
  switch (r.Cause) {
    case ModerationCause::AutoBounceList:
    case ModerationCause::AutoRedotList:
      return "auto list";
    case ModerationCause::Phrase:
      return "phrase " + Quoted(r.Detail);
    case ModerationCause::Command:
      return "command by " + r.Detail;
    case ModerationCause::Operator:
      return "operator";
    case ModerationCause::Flood:
      return r.Detail.substr(0, r.Detail.find(':'));
  }
  return "";
}

}  // namespace

void DryRunSummary::BeginLine(int number, const std::string& line, const BotSettings& settings) {
  ++figures_.Lines;
  lineNumber_ = number;
  parsed_ = ChatLine{};
  parsed_.RawLine = RemoveChar(line, '\r');
  ClassifyText(parsed_);
  ClassifyJoin(parsed_);
  ClassifySender(parsed_);
  CleanUpNicks(parsed_);
  const bool chat = Occurs(parsed_.RawLine, ": ");
  if (!chat) parsed_.Sender.clear();
  lineByAdmin_ = chat && settings.Admins.AdminList.Items.Contains(parsed_.Sender);
  commandCounted_ = false;
  ticksOfLine_ = 0;
  if (chat && parsed_.Sender != settings.BotNick) CountPhrases(settings);
  if (!parsed_.JoinedNick.empty()) {
    ++figures_.Joins;
    if (settings.Features.GreeterOn && settings.Greeter.DesignFiles.Items.empty()) ++figures_.JoinsWithoutDesign;
  }
}

// The phrases the swear monitor would find in the line, found by its own
// matcher, so that the figures follow the bot's entry and double-byte rules.
void DryRunSummary::CountPhrases(const BotSettings& settings) {
  const StringList& list = settings.Swear.SwearList.Items;
  std::vector<std::string_view> counted;  // a phrase listed twice is one phrase here
  for (const size_t i : list.EntryMatcher().Hits(parsed_.Text)) {
    if (std::find(counted.begin(), counted.end(), list[i]) != counted.end()) continue;
    counted.push_back(list[i]);
    CountPhrase(list[i]);
  }
}

void DryRunSummary::CountPhrase(const std::string& phrase) {
  const auto occurrences = PhraseOccurrences(parsed_.Text, phrase);
  PhraseHits& hits = Entry(figures_.Phrases, figures_.PhraseOrder, phrase);
  ++hits.Lines;
  if (EntryOccurs(parsed_.Text, WordOnlyEntry(phrase))) ++hits.WordOnlyLines;
  bool onlyInside = !occurrences.empty();
  bool inside = false;
  for (const auto& o : occurrences) {
    if (o.InsideWord) ++hits.Words[o.Word];
    inside = inside || o.InsideWord;
    onlyInside = onlyInside && o.InsideWord;
  }
  if (onlyInside) ++hits.InsideWordLines;
  ExampleLine example{lineNumber_, parsed_.RawLine, onlyInside, inside, {}};
  // Text is the end of the line, lower-cased, so its places carry over.
  const size_t textStart = parsed_.RawLine.size() - parsed_.Text.size();
  for (const auto& o : occurrences)
    if (o.Length > 0) example.Marks.push_back({textStart + o.At, o.Length, o.InsideWord});
  AddExample(hits, std::move(example));
}

void DryRunSummary::BeginTick(const BotSettings& settings) {
  tickEvents_.clear();
  tickRecords_.clear();
  fingerprint_ = Fingerprint(settings);
  greeterPaused_ = GreeterPausedByFlood(settings);
}

void DryRunSummary::Heard(const SimEvent& event) { tickEvents_.push_back(event); }

void DryRunSummary::Recorded(const ModerationRecord& record) { tickRecords_.push_back(record); }

// The feature whose compose buffer holds the message: each feature leaves
// its last message in its own buffer.
std::string DryRunSummary::Attribute(const SimEvent& sent, const BotSettings& s) const {
  const std::string& text = sent.Text;
  if (text == s.Messages.NoticeBuffer.MessageText()) {
    if (EndsWith(text, kSwearBounceNotice)) return "swearbot";
    return EndsWith(text, kFloodBounceNotice) ? "flood" : "commands";
  }
  if (text == s.Messages.BounceBuffer.MessageText() || text == s.Messages.RedDotBuffer.MessageText()) return "commands";
  if (text == s.Messages.WarnBuffer.MessageText()) return "swearbot";
  if (text == s.Flood.FloodWarnBuffer.MessageText()) return "flood";
  if (text == s.Responder.ReplyBuffer.MessageText()) return "responder";
  if (text == s.Announcer.AnnounceBuffer.MessageText()) return "anouncer";
  if (text == s.Greeter.GreetBuffer.MessageText()) return "greeter";
  return "other";
}

void DryRunSummary::EndTick(const BotSettings& s) {
  bool commandActed = false;
  for (const SimEvent& e : tickEvents_) {
    if (e.Kind == EventKind::Sent) {
      if (e.Text.empty()) continue;  // an empty send box: the client posts nothing
      const std::string feature = Attribute(e, s);
      ++figures_.PerFeature[feature];
      if (feature == "swearbot")
        ++(e.Text == s.Messages.NoticeBuffer.MessageText() ? figures_.BounceNotices : figures_.Warnings);
      if (feature == "commands") commandActed = true;
      if (feature == "greeter") figures_.Greeted.push_back(parsed_.JoinedNick.empty() ? e.Text : parsed_.JoinedNick);
      if (feature == "anouncer") ++Entry(figures_.Announcements, figures_.AnnouncementOrder, e.Text);
      if (feature == "responder") {
        // The trigger the responder answered: the first in list order, by its own matcher.
        const StringList& triggers = s.Responder.ResponderTriggers.Items;
        if (const auto first = triggers.EntryMatcher().FirstHit(s.Line.Text))
          ++Entry(figures_.Triggers, figures_.TriggerOrder, triggers[*first]);
      }
    }
  }
  for (const ModerationRecord& r : tickRecords_) {
    if (r.Cause == ModerationCause::Flood) CountFloodReaction(figures_.Flood, r, lineNumber_);
    if (r.Step == ModerationStep::Warning) continue;
    if (r.Cause == ModerationCause::Command) commandActed = true;
    Moderation& m = figures_.Moderated[r.Nick.empty() ? "(selected in the client)" : r.Nick];
    ++(r.Step == ModerationStep::Bounce ? m.Bounces : m.RedDots);
    ++m.Reasons[Reason(r)];
  }
  if (lineByAdmin_ && !commandCounted_ && (commandActed || Fingerprint(s) != fingerprint_)) {
    commandCounted_ = true;
    figures_.Commands.push_back("line " + std::to_string(lineNumber_) + ", " + parsed_.Sender + ": " + parsed_.Text);
  }
  NoteFlood(s);
  ++ticksOfLine_;
}

void DryRunSummary::NoteFlood(const BotSettings& s) {
  FloodFigures& f = figures_.Flood;
  if (s.Features.FloodGuardOn) NoteChecks(f, s);
  const bool paused = GreeterPausedByFlood(s);
  if (paused && !greeterPaused_) f.Pauses.push_back({lineNumber_, 0});
  // A join is read by its line's first tick; while the pause lasts it is taken and not greeted.
  if (paused && ticksOfLine_ == 0 && !parsed_.JoinedNick.empty() && s.Features.GreeterOn && !f.Pauses.empty())
    ++f.Pauses.back().JoinsNotGreeted;
}

void DryRunSummary::Print(std::ostream& out) const { PrintDryRunText(figures_, out); }

}  // namespace quorvel
