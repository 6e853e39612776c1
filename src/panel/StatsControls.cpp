// The "Stats" tab: the visitor statistics, the user count and the clock.
#include "panel/PanelControlRows.h"
#include "panel/StatsFrame.h"

namespace quorvel::rows {

std::vector<PanelControl> StatsControls() {
  using S = BotSettings;
  PanelControl lastVisitor = TextBox(
      "LastVisitorBox", [](S & s) -> auto& { return s.LastVisitorBox; }, PanelBox::LastVisitorBox);
  lastVisitor.ReadOnly = true;
  return {
      Label(
          "TotalVisits", [](S & s) -> auto& { return s.TotalVisits; }, PanelLabel::TotalVisits),
      Label(
          "UniqueVisits", [](S & s) -> auto& { return s.UniqueVisits; }, PanelLabel::UniqueVisits),
      Label(
          "UserCountLabel", [](S & s) -> auto& { return s.UserCountLabel; }, PanelLabel::UserCount),
      // "Visitors Stats"
      ListBox(
          "VisitorNicks", [](S & s) -> auto& { return s.VisitorNicks; }, PanelListId::VisitorNicks),
      ListBox(
          "VisitorCounts", [](S & s) -> auto& { return s.VisitorCounts; }, PanelListId::VisitorCounts),
      ListBox(
          "VisitorLastSeen", [](S & s) -> auto& { return s.VisitorLastSeen; }, PanelListId::VisitorLastSeen),
      Button("Stats.Clear", ClearStats),
      Button("Stats.Save", SaveStats),
      Button("Stats.Load", LoadStats),
      // "Last Visitor", "Time/Date"
      std::move(lastVisitor),
      Label(
          "ClockLabel", [](S & s) -> auto& { return s.ClockLabel; }, PanelLabel::Clock),
  };
}

}  // namespace quorvel::rows
