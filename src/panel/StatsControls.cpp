// The "Stats" tab: the visitor statistics, the user count and the clock.
#include "panel/PanelControlRows.h"
#include "panel/StatsFrame.h"

namespace quorvel::rows {

std::vector<PanelControl> StatsControls() {
  using S = BotSettings;
  PanelControl lastVisitor =
      TextBox("LastVisitorBox", PanelBox::LastVisitorBox, [](S& s) -> std::string& { return s.Panel.LastVisitorBox; });
  lastVisitor.ReadOnly = true;
  return {
      Label("TotalVisits", PanelLabel::TotalVisits, [](S& s) -> std::string& { return s.Stats.TotalVisits; }),
      Label("UniqueVisits", PanelLabel::UniqueVisits, [](S& s) -> std::string& { return s.Stats.UniqueVisits; }),
      Label("UserCountLabel", PanelLabel::UserCount, [](S& s) -> std::string& { return s.Panel.UserCountLabel; }),
      // "Visitors Stats"
      ListBox("VisitorNicks", PanelListId::VisitorNicks, [](S& s) -> PanelList& { return s.Stats.VisitorNicks; }),
      ListBox("VisitorCounts", PanelListId::VisitorCounts, [](S& s) -> PanelList& { return s.Stats.VisitorCounts; }),
      ListBox("VisitorLastSeen", PanelListId::VisitorLastSeen,
              [](S& s) -> PanelList& { return s.Stats.VisitorLastSeen; }),
      Button("Stats.Clear", ClearStats),
      Button("Stats.Save", SaveStats),
      Button("Stats.Load", LoadStats),
      // "Last Visitor", "Time/Date"
      std::move(lastVisitor),
      Label("ClockLabel", PanelLabel::Clock, [](S& s) -> std::string& { return s.Panel.ClockLabel; }),
  };
}

}  // namespace quorvel::rows
