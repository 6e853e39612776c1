// The "Stats" tab: the visitor statistics, the user count and the clock.
#include "panel/PanelControlRows.h"
#include "panel/StatsFrame.h"

namespace quorvel::rows {

std::vector<PanelControl> StatsControls() {
  using S = BotSettings;
  PanelControl lastVisitor =
      TextBox("LastVisitorBox", PanelBox::LastVisitorBox, [](S& s) -> std::string& { return s.LastVisitorBox; });
  lastVisitor.ReadOnly = true;
  return {
      Label("TotalVisits", PanelLabel::TotalVisits, [](S& s) -> std::string& { return s.TotalVisits; }),
      Label("UniqueVisits", PanelLabel::UniqueVisits, [](S& s) -> std::string& { return s.UniqueVisits; }),
      Label("UserCountLabel", PanelLabel::UserCount, [](S& s) -> std::string& { return s.UserCountLabel; }),
      // "Visitors Stats"
      ListBox("VisitorNicks", PanelListId::VisitorNicks, [](S& s) -> PanelList& { return s.VisitorNicks; }),
      ListBox("VisitorCounts", PanelListId::VisitorCounts, [](S& s) -> PanelList& { return s.VisitorCounts; }),
      ListBox("VisitorLastSeen", PanelListId::VisitorLastSeen, [](S& s) -> PanelList& { return s.VisitorLastSeen; }),
      Button("Stats.Clear", ClearStats),
      Button("Stats.Save", SaveStats),
      Button("Stats.Load", LoadStats),
      // "Last Visitor", "Time/Date"
      std::move(lastVisitor),
      Label("ClockLabel", PanelLabel::Clock, [](S& s) -> std::string& { return s.ClockLabel; }),
  };
}

}  // namespace quorvel::rows
