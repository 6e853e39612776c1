#include "SoakTraffic.h"

#include <algorithm>

#include "scenario/TrafficWords.h"

namespace quorvel::soak {
namespace {

const std::vector<std::string>& kNicks = kTrafficNicks;
const std::vector<std::string>& kWords = kTrafficWords;
// The soak also names nicks the room does not hold, which must never be acted on.
const std::vector<std::string> kCommands = [] {
  std::vector<std::string> commands = kTrafficCommands;
  commands.insert(commands.end(), {"bc! zed", "rd! nobody"});
  return commands;
}();
const std::vector<OperatorPress> kPresses = {OperatorPress::HotKeyBounce, OperatorPress::HotKeyRedDot,
                                             OperatorPress::ManualBounce, OperatorPress::ManualRedDot};
// Every so many steps the operator switches every feature on again, after
// the admin's commands switched some off.
constexpr long long kEnableAllEvery = 250;

void AddUnique(std::vector<std::string>& to, const std::string& nick) {
  if (!nick.empty() && std::find(to.begin(), to.end(), nick) == to.end()) to.push_back(nick);
}

// The nick a command names: what follows its word, up to the next blank.
std::string Named(const std::string& text, const std::string& word) {
  const size_t at = text.find(word);
  if (at == std::string::npos) return {};
  const size_t from = at + word.size();
  return text.substr(from, text.find(' ', from) - from);
}

}  // namespace

std::vector<std::string> LineReasons(const std::string& line) {
  std::vector<std::string> reasons;
  const std::string joined = " has joined the room";
  if (line.size() > joined.size() && line.compare(line.size() - joined.size(), joined.size(), joined) == 0) {
    AddUnique(reasons, line.substr(0, line.size() - joined.size()));
    return reasons;
  }
  const size_t colon = line.find(": ");
  if (colon == std::string::npos) return reasons;
  const std::string text = line.substr(colon + 2);
  AddUnique(reasons, line.substr(0, colon));
  AddUnique(reasons, Named(text, "bc! "));
  AddUnique(reasons, Named(text, "rd! "));
  return reasons;
}

const std::string& SoakTraffic::Pick(const std::vector<std::string>& from) {
  return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
}

SoakStep SoakTraffic::Next(const std::vector<std::string>& present) {
  ++step_;
  SoakStep step;
  auto isPresent = [&](const std::string& nick) {
    return std::find(present.begin(), present.end(), nick) != present.end() ||
           std::find(step.Enter.begin(), step.Enter.end(), nick) != step.Enter.end();
  };
  // Who speaks is in the room: a nick the client has lost comes back first.
  auto say = [&](const std::string& nick, const std::string& text) {
    if (!isPresent(nick)) step.Enter.push_back(nick);
    step.Lines.push_back(nick + ": " + text);
  };
  const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
  if (roll < 33) {
    say(Pick(kNicks), Pick(kWords));
  } else if (roll < 41) {
    const std::string& nick = Pick(kNicks);
    if (!isPresent(nick)) step.Enter.push_back(nick);
    step.Lines.push_back(nick + " has joined the room");
  } else if (roll < 46) {
    if (!present.empty()) step.Leave.push_back(Pick(present));
  } else if (roll < 51) {
    say(Pick(kNicks), Pick(kWords));
    step.Lines.insert(step.Lines.end(), {"(whisper to Operator)", "", "***** End Whisper"});
  } else if (roll < 57) {
    say(kSoakAdmin, Pick(kCommands));
  } else if (roll < 61) {
    if (!present.empty()) {
      step.Select = Pick(present);
      step.Press = kPresses[std::uniform_int_distribution<size_t>(0, kPresses.size() - 1)(random_)];
    }
  } else if (roll < 63) {
    step.Notice = true;
  }
  if (step_ % kEnableAllEvery == 0 && step.Press == OperatorPress::None) step.Press = OperatorPress::EnableAll;

  // Each line is read once, in the tick after it arrives: only this step's
  // own lines and the operator's selection give a reason.
  for (const auto& line : step.Lines)
    for (const auto& nick : LineReasons(line)) AddUnique(step.Reasons, nick);
  AddUnique(step.Reasons, step.Select);
  return step;
}

}  // namespace quorvel::soak
