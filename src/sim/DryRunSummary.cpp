#include "sim/DryRunSummary.h"

#include <algorithm>
#include <ostream>

#include "engine/LineClassifier.h"
#include "engine/SwearMonitor.h"
#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

// Letters and digits; every byte above 0x7F counts as a letter, which holds
// for the letters of every ANSI code page the client runs in.
bool WordChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}

bool Contains(const std::vector<std::string>& list, const std::string& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// Flags, modes and the lists the in-room commands change: a command that was
// obeyed changes one of them (or sends a notice).
std::string Fingerprint(const BotSettings& s) {
  std::string f;
  for (bool b : {s.Features.GreeterOn, s.Features.SwearbotOn, s.Features.AnnouncerOn, s.Features.AutoBounceOn,
                 s.Features.AutoRedotOn, s.Features.ResponderOn})
    f += b ? '1' : '0';
  f += std::to_string(static_cast<int>(s.Swear.SwearMode)) + std::to_string(static_cast<int>(s.Swear.WarnFirst)) +
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

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

bool OnlyInsideWords(const std::string& text, const std::string& phrase) {
  if (phrase.empty()) return false;
  bool found = false;
  for (size_t at = text.find(phrase); at != std::string::npos; at = text.find(phrase, at + 1)) {
    found = true;
    const size_t end = at + phrase.size();
    const bool joinedBefore = at > 0 && WordChar(phrase.front()) && WordChar(text[at - 1]);
    const bool joinedAfter = end < text.size() && WordChar(phrase.back()) && WordChar(text[end]);
    if (!joinedBefore && !joinedAfter) return false;
  }
  return found;
}

void DryRunSummary::BeginLine(int number, const std::string& line, const BotSettings& settings) {
  ++lines_;
  lineNumber_ = number;
  line_ = line;
  parsed_ = ChatLine{};
  parsed_.RawLine = RemoveChar(line, '\r');
  ClassifyText(parsed_);
  ClassifyJoin(parsed_);
  ClassifySender(parsed_);
  CleanUpNicks(parsed_);
  const bool chat = parsed_.RawLine.find(": ") != std::string::npos;
  if (!chat) parsed_.Sender.clear();
  lineByAdmin_ = chat && Contains(settings.Admins.AdminList.Items, parsed_.Sender);
  commandCounted_ = false;
  if (chat && parsed_.Sender != settings.BotNick) CountPhrases(settings);
}

void DryRunSummary::CountPhrases(const BotSettings& settings) {
  const std::string& text = parsed_.Text;
  if (text.empty()) return;
  for (const auto& phrase : settings.Swear.SwearList.Items) {
    if (!phrase.empty() && text.find(phrase) == std::string::npos) continue;
    PhraseHits& hits = Entry(phrases_, phraseOrder_, phrase);
    ++hits.Lines;
    const bool inside = OnlyInsideWords(text, phrase);
    if (inside) ++hits.InsideWord;
    if (hits.Examples.size() < 5)
      hits.Examples.push_back("line " + std::to_string(lineNumber_) + ": " + line_ +
                              (inside ? " (inside a word)" : ""));
  }
}

void DryRunSummary::BeginTick(const BotSettings& settings) {
  tickEvents_.clear();
  fingerprint_ = Fingerprint(settings);
}

void DryRunSummary::Heard(const SimEvent& event) { tickEvents_.push_back(event); }

// The feature whose compose buffer holds the message: each feature leaves
// its last message in its own buffer.
std::string DryRunSummary::Attribute(const SimEvent& sent, const BotSettings& s) const {
  const std::string& text = sent.Text;
  if (text == s.Messages.NoticeBuffer.MessageText()) {
    const std::string tail = kSwearBounceNotice;
    const bool swear = text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    return swear ? "swearbot" : "commands";
  }
  if (text == s.Messages.BounceBuffer.MessageText() || text == s.Messages.RedDotBuffer.MessageText()) return "commands";
  if (text == s.Messages.WarnBuffer.MessageText()) return "swearbot";
  if (text == s.Responder.ReplyBuffer.MessageText()) return "responder";
  if (text == s.Announcer.AnnounceBuffer.MessageText()) return "anouncer";
  if (text == s.Greeter.GreetBuffer.MessageText()) return "greeter";
  return "other";
}

std::string DryRunSummary::Reason(const SimEvent& posted, const BotSettings& s) const {
  const std::string nick = RemoveChar(posted.Nick, '@');
  const bool bounce = posted.CommandId == kCommandBounce;
  const PanelList& autoList = bounce ? s.Moderation.AutoBounceList : s.Moderation.AutoRedotList;
  if (!parsed_.JoinedNick.empty() && parsed_.JoinedNick == nick && Contains(autoList.Items, nick)) return "auto list";
  if (!parsed_.Sender.empty() && parsed_.Sender == nick && !s.Swear.MatchedPhrase.empty() &&
      parsed_.Text.find(s.Swear.MatchedPhrase) != std::string::npos)
    return "phrase " + Quoted(s.Swear.MatchedPhrase);
  if (lineByAdmin_) return "command by " + parsed_.Sender;
  return "operator";
}

void DryRunSummary::EndTick(const BotSettings& s) {
  bool commandActed = false;
  for (const SimEvent& e : tickEvents_) {
    if (e.Kind == EventKind::Sent) {
      if (e.Text.empty()) continue;  // an empty send box: the client posts nothing
      const std::string feature = Attribute(e, s);
      ++perFeature_[feature];
      if (feature == "commands") commandActed = true;
      if (feature == "greeter") greeted_.push_back(parsed_.JoinedNick.empty() ? e.Text : parsed_.JoinedNick);
      if (feature == "anouncer") ++Entry(announcements_, announcementOrder_, e.Text);
      if (feature == "responder") {
        for (const auto& trigger : s.Responder.ResponderTriggers.Items) {
          if (s.Line.Text.find(trigger) != std::string::npos) {
            ++Entry(triggers_, triggerOrder_, trigger);
            break;
          }
        }
      }
    } else if (e.Kind == EventKind::Posted && (e.CommandId == kCommandBounce || e.CommandId == kCommandRedDot)) {
      if (e.Nick == "-") continue;  // nobody was selected: the client did nothing
      const std::string reason = Reason(e, s);
      if (reason.rfind("command", 0) == 0) commandActed = true;
      Moderation& m = moderation_[RemoveChar(e.Nick, '@')];
      ++(e.CommandId == kCommandBounce ? m.Bounces : m.RedDots);
      ++m.Reasons[reason];
    }
  }
  if (lineByAdmin_ && !commandCounted_ && (commandActed || Fingerprint(s) != fingerprint_)) {
    commandCounted_ = true;
    commands_.push_back("line " + std::to_string(lineNumber_) + ", " + parsed_.Sender + ": " + parsed_.Text);
  }
}

void DryRunSummary::Print(std::ostream& out) const {
  out << "Summary of " << lines_ << " transcript line" << (lines_ == 1 ? "" : "s") << "\n";
  int total = 0;
  for (const auto& [feature, n] : perFeature_) total += n;
  out << "\nMessages sent: " << total << "\n";
  for (const char* f : {"greeter", "swearbot", "responder", "anouncer", "commands", "other"}) {
    const auto it = perFeature_.find(f);
    if (it != perFeature_.end()) out << "  " << f << ": " << it->second << "\n";
  }

  out << "\nBounces and red dots:\n";
  if (moderation_.empty()) out << "  none\n";
  for (const auto& [nick, m] : moderation_) {
    out << "  " << nick << ":";
    if (m.Bounces) out << " bounced " << m.Bounces;
    if (m.Bounces && m.RedDots) out << ",";
    if (m.RedDots) out << " red dot " << m.RedDots;
    out << " (";
    bool first = true;
    for (const auto& [why, n] : m.Reasons) {
      out << (first ? "" : "; ") << why << (n > 1 ? " x" + std::to_string(n) : "");
      first = false;
    }
    out << ")\n";
  }

  out << "\nMonitored phrases hit:\n";
  if (phraseOrder_.empty()) out << "  none\n";
  for (const auto& phrase : phraseOrder_) {
    const PhraseHits& h = phrases_.at(phrase);
    out << "  " << Quoted(phrase) << ": " << h.Lines << " line" << (h.Lines == 1 ? "" : "s");
    if (h.InsideWord) out << ", " << h.InsideWord << " of them inside a word";
    out << "\n";
    for (const auto& example : h.Examples) out << "    " << example << "\n";
  }

  out << "\nTriggers answered:\n";
  if (triggerOrder_.empty()) out << "  none\n";
  for (const auto& trigger : triggerOrder_) {
    const int n = triggers_.at(trigger);
    out << "  " << Quoted(trigger) << ": " << n << " line" << (n == 1 ? "" : "s") << "\n";
  }

  out << "\nGreetings sent: " << greeted_.size() << "\n";
  if (!greeted_.empty()) {
    out << "  to";
    const size_t shown = std::min<size_t>(greeted_.size(), 20);
    for (size_t i = 0; i < shown; ++i) out << (i ? ", " : " ") << greeted_[i];
    if (greeted_.size() > shown) out << " and " << greeted_.size() - shown << " more";
    out << "\n";
  }

  out << "\nCommands obeyed: " << commands_.size() << "\n";
  const size_t shownCommands = std::min<size_t>(commands_.size(), 50);
  for (size_t i = 0; i < shownCommands; ++i) out << "  " << commands_[i] << "\n";
  if (commands_.size() > shownCommands) out << "  and " << commands_.size() - shownCommands << " more\n";

  int announced = 0;
  for (const auto& [text, n] : announcements_) announced += n;
  out << "\nAnnouncements: " << announced << "\n";
  for (const auto& text : announcementOrder_) out << "  " << Quoted(text) << " x" << announcements_.at(text) << "\n";
}

}  // namespace quorvel
