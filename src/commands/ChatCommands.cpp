#include "commands/ChatCommands.h"

#include <functional>
#include <initializer_list>

#include "commands/ArgumentExtractor.h"
#include "commands/VisitorStats.h"
#include "engine/ModerationActions.h"
#include "engine/Notify.h"
#include "model/ProgramFile.h"
#include "model/SetFeature.h"
#include "storage/ListFile.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

using Action = std::function<void(Bot&)>;

// Carries the action out once for every AdminList entry that authorises the
// sender; the count is taken before the walk.
void ForEachAuthorisation(Bot& bot, bool lowerCaseEntries, const Action& action) {
  const size_t n = bot.settings.Admins.AdminList.Items.size();
  for (size_t i = 0; i < n && i < bot.settings.Admins.AdminList.Items.size(); ++i) {
    const std::string& entry = bot.settings.Admins.AdminList.Items[i];
    const bool match =
        lowerCaseEntries ? AnsiLower(entry) == bot.settings.Line.Sender : entry == bot.settings.Line.Sender;
    if (match) action(bot);
  }
}

struct FlagCommand {
  const char* Text;
  Feature Which;
  bool On;
  const char* Notice;
  // The admin list's entries are compared in lower case, as the sender is
  // stored; only "swearbot on" does so.
  bool LowerCaseEntries = false;
};

void FlagRow(Bot& bot, const FlagCommand& c) {
  if (bot.settings.Line.Text != c.Text) return;
  ForEachAuthorisation(bot, c.LowerCaseEntries, [&](Bot& b) {
    SetFeature(b, c.Which, c.On);
    Notify(b, c.Notice);
  });
}

void TextRow(Bot& bot, const char* text, const Action& action) {
  if (bot.settings.Line.Text == text) ForEachAuthorisation(bot, false, action);
}

void SlotRow(Bot& bot, std::string& slot, const Action& action) {
  if (!slot.empty()) ForEachAuthorisation(bot, false, action);
}

// An entry no list file could give back as it is is not added: the admin is
// told by a notice and the slots are emptied, as an added entry's would be.
bool Refused(Bot& bot, std::initializer_list<std::string*> slots) {
  bool fits = true;
  for (const std::string* slot : slots) fits = fits && FitsListFile(*slot);
  if (fits) return false;
  for (std::string* slot : slots) slot->clear();
  Notify(bot, kEntryRefusedMessage);
  return true;
}

// The slot's text appended to a list, the notice, the slot emptied.
Action AppendTo(PanelList& list, PanelListId shown, std::string& slot, const char* notice) {
  return [&list, shown, &slot, notice](Bot& b) {
    if (Refused(b, {&slot})) return;
    list.Items.push_back(slot);
    b.view.ListChanged(shown);
    Notify(b, notice);
    slot.clear();
  };
}

// A mode option chosen (the others of its group unchosen), then the notice.
template <typename T>
Action SetAndNotify(T& setting, T value, const char* notice) {
  return [&setting, value, notice](Bot& b) {
    setting = value;
    b.view.OptionsChanged();
    Notify(b, notice);
  };
}

}  // namespace

void RunChatCommands(Bot& bot) {
  BotSettings& s = bot.settings;
  ArgumentSlots& a = s.Args;
  static const FlagCommand kFirstFlags[] = {
      {"swearbot off", Feature::Swearbot, false, "Swearbot is now Off"},
      {"swearbot on", Feature::Swearbot, true, "Swearbot is now On", true},
      {"greeter off", Feature::Greeter, false, "Greeter is now Off"},
      {"greeter on", Feature::Greeter, true, "Greeter is now On"},
      {"ab off", Feature::AutoBounce, false, "Autobounce is now Off"},
      {"ab on", Feature::AutoBounce, true, "Autobounce is now On"},
      {"rd off", Feature::AutoRedot, false, "AutoRedot is now Off"},
      {"rd on", Feature::AutoRedot, true, "AutoRedot is now On"},
      {"anouncer off", Feature::Announcer, false, "Anouncer is now Off"},
      {"anouncer on", Feature::Announcer, true, "Anouncer is now On"},
  };
  for (const auto& c : kFirstFlags) FlagRow(bot, c);

  SlotRow(bot, a.AnnounceArg, [&](Bot& b) {
    if (Refused(b, {&a.AnnounceArg})) return;
    s.Announcer.AnnounceList.Items.push_back(a.AnnounceArg);
    // A file that cannot be written leaves the entry in the list all the same.
    SaveProgramList(b, "ans3.txt", s.Announcer.AnnounceList.Items);
    Notify(b, "Anounce Added");
    s.Announcer.AnnounceList.SelectOnly(static_cast<int>(s.Announcer.AnnounceList.Items.size() - 1));
    b.view.ListChanged(PanelListId::AnnounceList);
    a.AnnounceArg.clear();
  });
  SlotRow(bot, a.IntervalArg, [&](Bot& b) {
    SetShown(b.view, PanelBox::AnnounceInterval, s.Announcer.AnnounceInterval, a.IntervalArg);
    Notify(b, "Anouncer Time Change");
    a.IntervalArg.clear();
  });
  TextRow(bot, "rt", [&](Bot& b) {
    s.Announcer.AnnounceCounter = "0";
    Notify(b, "Anouncer Time Reset");
  });
  using AM = BotSettings::AnnounceModes;
  auto announceMode = [&](AM mode, const char* notice) { return SetAndNotify(s.Announcer.AnnounceMode, mode, notice); };
  TextRow(bot, "asing!", announceMode(AM::Single, "Anouncer is on single mode now."));
  TextRow(bot, "amult!", announceMode(AM::Multi, "Anouncer is on multi mode now."));
  TextRow(bot, "arand!", announceMode(AM::Rand, "Anouncer is on random mode now."));
  FlagRow(bot, {"responder off", Feature::Responder, false, "Responder is now Off"});
  FlagRow(bot, {"responder on", Feature::Responder, true, "Responder is now On"});
  FlagRow(bot, {"flood off", Feature::Flood, false, "Flood guard is now Off"});
  FlagRow(bot, {"flood on", Feature::Flood, true, "Flood guard is now On"});
  SlotRow(bot, a.ResponderArg, [&](Bot& b) {
    SplitResponderArg(a);
    if (Refused(b, {&a.ResponderArg, &a.ReplyArg})) return;
    s.Responder.ResponderTriggers.Items.push_back(a.ResponderArg);
    s.Responder.ResponderReplies.Items.push_back(a.ReplyArg);
    a.ResponderArg.clear();
    a.ReplyArg.clear();
    b.view.ListChanged(PanelListId::ResponderTriggers);
    b.view.ListChanged(PanelListId::ResponderReplies);
    Notify(b, "Responder added");
  });
  SlotRow(bot, a.BounceArg, BounceNickWithMessage);
  SlotRow(bot, a.RedotArg, RedDotNickWithMessage);
  SlotRow(bot, a.AdminArg, AppendTo(s.Admins.AdminList, PanelListId::AdminList, a.AdminArg, "Admin Added"));
  SlotRow(bot, a.SwearArg, AppendTo(s.Swear.SwearList, PanelListId::SwearList, a.SwearArg, "swear Added"));
  using SM = BotSettings::SwearModes;
  auto swearMode = [&](SM mode, const char* notice) { return SetAndNotify(s.Swear.SwearMode, mode, notice); };
  TextRow(bot, "sw bc", swearMode(SM::Bounce, "Swearbot is now on Bounce mode."));
  TextRow(bot, "sw rd", swearMode(SM::RedDot, "Swearbot is now on RedDot mode."));
  TextRow(bot, "sw wr", swearMode(SM::Warning, "Swearbot is now on Warning mode."));
  TextRow(bot, "sw wo",
          SetAndNotify(s.Swear.WarnFirst, BotSettings::WarnFirstChoice::Yes,
                       "Swearbot will give a warning before reddot or bounce."));
  TextRow(bot, "sw wf",
          SetAndNotify(s.Swear.WarnFirst, BotSettings::WarnFirstChoice::No,
                       "Swearbot will NOT give a warning before reddot or bounce."));
  SlotRow(bot, a.AutoBounceArg,
          AppendTo(s.Moderation.AutoBounceList, PanelListId::AutoBounceList, a.AutoBounceArg,
                   "Nick added to the Autobounce List."));
  SlotRow(bot, a.AutoRedotArg,
          AppendTo(s.Moderation.AutoRedotList, PanelListId::AutoRedotList, a.AutoRedotArg,
                   "Nick added to the AutoRedot List."));
  SlotRow(bot, a.SeenArg, FindLastSeen);
}

}  // namespace quorvel
