// The "Flood" tab: the guard's switch, its reaction, its numbers and its warning.
#include "model/FloodNumbers.h"
#include "panel/FloodTab.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {

std::vector<PanelControl> FloodControls() {
  using S = BotSettings;
  using F = BotSettings::FloodSettings;
  using FM = BotSettings::FloodModes;
  std::vector<PanelControl> rows = {
      // "Options"
      Options("FloodMode", Setting<&S::Flood, &F::FloodMode>,
              {Option("Warning", FM::Warning), Option("Bounce", FM::Bounce), Option("RedDot", "Red Dot", FM::RedDot)}),
      // "Warn First"
      Options("FloodWarnFirst", Setting<&S::Flood, &F::FloodWarnFirst>, {Option("Yes", true), Option("No", false)}),
      // "Warn Message"
      Message("FloodWarnMessage", Setting<&S::Flood, &F::FloodWarnMessage>),
  };
  // "Limits": each number written to its file as it changes.
  for (const FloodNumber& n : FloodNumbers()) {
    PanelControl box{n.Name, ControlKind::TextBox};
    box.Text = {n.Text, n.ReadText};
    box.BoxNotice = n.Box;
    box.Changed = SaveFloodNumbers;
    rows.push_back(std::move(box));
  }
  Append(rows, StartStopButtons<Feature::Flood>("Flood"));
  return rows;
}

}  // namespace quorvel::rows
