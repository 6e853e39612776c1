#pragma once
// Which setting each control of the main window shows or edits, and which
// control shows each thing the model names.
#include "model/Bot.h"
#include "model/PanelView.h"

namespace quorvel {

// The text boxes and the settings they edit.
std::string* BoxText(BotSettings& s, int id);
// The list boxes and the lists they show.
PanelList* ListOf(BotSettings& s, int id);
RichText* MessageOf(BotSettings& s, int id);

using Action = void (*)(Bot&);
// Buttons that are one model action each.
Action ButtonAction(int id);

// The main window's control for a list, box or label; 0 for those shown in a
// small window of their own (the grabber's list, the recorder's results).
int ControlOf(PanelListId list);
int ControlOf(PanelBox box);
int ControlOf(PanelLabel label);
// The option buttons and check boxes, and the colour swatches.
const std::vector<int>& OptionControls();
const std::vector<int>& SwatchControls();
bool OptionChecked(const BotSettings& s, int id);
std::uint32_t SwatchColor(const BotSettings& s, int id);

}  // namespace quorvel
