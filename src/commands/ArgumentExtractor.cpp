#include "commands/ArgumentExtractor.h"

#include "text/AnsiText.h"

namespace quorvel {
namespace {

struct Prefix {
  const char* Text;
  std::string ArgumentSlots::*Slot;
  bool TrimLeading;
};

constexpr Prefix kBounce{"bc! ", &ArgumentSlots::BounceArg, true};
constexpr Prefix kRedot{"rd! ", &ArgumentSlots::RedotArg, true};
constexpr Prefix kAnnounce{"adda! ", &ArgumentSlots::AnnounceArg, false};
constexpr Prefix kInterval{"at! ", &ArgumentSlots::IntervalArg, true};
constexpr Prefix kSeen{"seen! ", &ArgumentSlots::SeenArg, false};
constexpr Prefix kAdmin{"ad! ", &ArgumentSlots::AdminArg, true};
constexpr Prefix kAutoRedot{"aa! ", &ArgumentSlots::AutoRedotArg, true};
constexpr Prefix kSwear{"as! ", &ArgumentSlots::SwearArg, true};
constexpr Prefix kAutoBounce{"aba! ", &ArgumentSlots::AutoBounceArg, true};
constexpr Prefix kResponder{"rm! ", &ArgumentSlots::ResponderArg, true};

void Run(const std::string& text, const Prefix& prefix, ArgumentSlots& slots) {
  ExtractArgument(text, prefix.Text, prefix.TrimLeading, slots.*prefix.Slot);
}

}  // namespace

void ExtractArgument(const std::string& text, const std::string& prefix, bool trimLeading, std::string& slot) {
  const size_t last = text.rfind(prefix);
  if (last == std::string::npos) return;
  const std::string piece = text.substr(last + prefix.size());
  slot = trimLeading ? TrimLeadingBlanks(piece) : piece;
}

void ExtractNormalPathArguments(const std::string& text, ArgumentSlots& slots) {
  for (const Prefix* p :
       {&kBounce, &kRedot, &kAnnounce, &kInterval, &kSeen, &kAdmin, &kAutoRedot, &kSwear, &kAutoBounce})
    Run(text, *p, slots);
}

void ExtractWhisperPathArguments(const std::string& text, ArgumentSlots& slots) {
  for (const Prefix* p :
       {&kBounce, &kRedot, &kAnnounce, &kInterval, &kAdmin, &kSeen, &kAutoRedot, &kSwear, &kAutoBounce})
    Run(text, *p, slots);
}

void ExtractResponderArgument(const std::string& text, ArgumentSlots& slots) { Run(text, kResponder, slots); }

void SplitResponderArg(ArgumentSlots& slots) {
  const size_t reply = slots.ResponderArg.rfind("dv! ");
  if (reply != std::string::npos) slots.ReplyArg = TrimLeadingBlanks(slots.ResponderArg.substr(reply + 4));
  const size_t trigger = slots.ResponderArg.find(" dv!");
  if (trigger != std::string::npos) slots.ResponderArg = TrimLeadingBlanks(slots.ResponderArg.substr(0, trigger));
}

}  // namespace quorvel
