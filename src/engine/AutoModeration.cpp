#include "engine/AutoModeration.h"

#include "engine/ModerationActions.h"

namespace quorvel {
namespace {

void Enforce(Bot& bot, const PanelList& list, void (*action)(Bot&)) {
  const std::vector<std::string> nicks = list.Items;
  for (const auto& nick : nicks) {
    const std::string& joined = bot.settings.Line.JoinedNick;
    if (!joined.empty() && nick == joined) action(bot);
  }
}

}  // namespace

void AutoBounce(Bot& bot) { Enforce(bot, bot.settings.AutoBounceList, BounceNick); }
void AutoRedot(Bot& bot) { Enforce(bot, bot.settings.AutoRedotList, RedDotNick); }

}  // namespace quorvel
