// The "Stats" tab: the visitor statistics, the user count and the clock.
#include "panel/PanelControlRows.h"
#include "panel/StatsFrame.h"

namespace quorvel::rows {

std::vector<PanelControl> StatsControls() {
  using S = BotSettings;
  PanelControl lastVisitor =
      TextBox("LastVisitorBox", PanelBox::LastVisitorBox, Setting<&S::Panel, &S::PanelState::LastVisitorBox>);
  lastVisitor.ReadOnly = true;
  return {
      Label("TotalVisits", PanelLabel::TotalVisits, Setting<&S::Stats, &S::StatsSettings::TotalVisits>),
      Label("UniqueVisits", PanelLabel::UniqueVisits, Setting<&S::Stats, &S::StatsSettings::UniqueVisits>),
      Label("UserCountLabel", PanelLabel::UserCount, Setting<&S::Panel, &S::PanelState::UserCountLabel>),
      // "Visitors Stats"
      ListBox("VisitorNicks", PanelListId::VisitorNicks, Setting<&S::Stats, &S::StatsSettings::VisitorNicks>),
      ListBox("VisitorCounts", PanelListId::VisitorCounts, Setting<&S::Stats, &S::StatsSettings::VisitorCounts>),
      ListBox("VisitorLastSeen", PanelListId::VisitorLastSeen, Setting<&S::Stats, &S::StatsSettings::VisitorLastSeen>),
      Button("Stats.Clear", ClearStats),
      Button("Stats.Save", SaveStats),
      Button("Stats.Load", LoadStats),
      // "Last Visitor", "Time/Date"
      std::move(lastVisitor),
      Label("ClockLabel", PanelLabel::Clock, Setting<&S::Panel, &S::PanelState::ClockLabel>),
  };
}

}  // namespace quorvel::rows
