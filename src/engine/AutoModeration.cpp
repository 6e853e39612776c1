#include "engine/AutoModeration.h"

#include "engine/ModerationActions.h"

namespace quorvel {
namespace {

// The count is taken first; an action lets messages run, so the list is read
// afresh at each position and a shortened list ends the walk.
void Enforce(Bot& bot, const PanelList& list, void (*action)(Bot&)) {
  const std::string& joined = bot.settings.Line.JoinedNick;
  const size_t n = list.Items.size();
  for (size_t i = 0; i < n && i < list.Items.size() && !joined.empty(); ++i)
    if (list.Items[i] == joined) action(bot);
}

}  // namespace

void AutoBounce(Bot& bot) { Enforce(bot, bot.settings.Moderation.AutoBounceList, BounceNick); }
void AutoRedot(Bot& bot) { Enforce(bot, bot.settings.Moderation.AutoRedotList, RedDotNick); }

}  // namespace quorvel
