#include "commands/ArgumentExtractor.h"

#include "text/AnsiText.h"
#include "text/Occurs.h"

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
  if (!Occurs(text, prefix)) return;
  const size_t last = text.rfind(prefix);
  const std::string piece = text.substr(last + prefix.size());
  slot = trimLeading ? TrimLeadingBlanks(piece) : piece;
}

void ExtractNormalPathArguments(const std::string& text, ArgumentSlots& slots) {
  for (const Prefix* p :
       {&kBounce, &kRedot, &kAnnounce, &kInterval, &kSeen, &kAdmin, &kAutoRedot, &kSwear, &kAutoBounce})
    Run(text, *p, slots);
}

void ExtractResponderArgument(const std::string& text, ArgumentSlots& slots) { Run(text, kResponder, slots); }

void SplitResponderArg(ArgumentSlots& slots) {
  if (Occurs(slots.ResponderArg, "dv! "))
    slots.ReplyArg = TrimLeadingBlanks(slots.ResponderArg.substr(slots.ResponderArg.rfind("dv! ") + 4));
  if (Occurs(slots.ResponderArg, " dv!"))
    slots.ResponderArg = TrimLeadingBlanks(slots.ResponderArg.substr(0, slots.ResponderArg.find(" dv!")));
}

}  // namespace quorvel
