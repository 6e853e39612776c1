#pragma once
// How a row of the control table is written, and the table's parts, one per
// tab of the main window (each with the small windows opened from it).
#include "panel/PanelControl.h"

namespace quorvel::rows {

using TextField = std::string& (*)(BotSettings&);
using ListField = PanelList& (*)(BotSettings&);

inline PanelControl Button(const char* name, PanelAction press, const WindowGuard* guard = nullptr) {
  PanelControl c{name, ControlKind::Button};
  c.Press = press;
  c.Guard = guard;
  return c;
}

inline PanelControl TextBox(const char* name, std::optional<PanelBox> notice, TextField text) {
  PanelControl c{name, ControlKind::TextBox};
  c.Text = text;
  c.BoxNotice = notice;
  return c;
}

// A box of a small window: it takes text only while the window is open.
inline PanelControl GuardedBox(const char* name, const WindowGuard* guard, TextField text) {
  PanelControl c = TextBox(name, std::nullopt, text);
  c.Guard = guard;
  return c;
}

inline PanelControl Label(const char* name, PanelLabel notice, TextField text) {
  PanelControl c{name, ControlKind::Label};
  c.Text = text;
  c.LabelNotice = notice;
  return c;
}

inline PanelControl ListBox(const char* name, PanelListId notice, ListField list) {
  PanelControl c{name, ControlKind::List};
  c.List = list;
  c.ListNotice = notice;
  return c;
}

inline PanelControl CheckBox(const char* name, bool& (*flag)(BotSettings&)) {
  PanelControl c{name, ControlKind::CheckBox};
  c.Flag = flag;
  return c;
}

inline PanelControl Swatch(const char* name, std::uint32_t& (*color)(BotSettings&)) {
  PanelControl c{name, ControlKind::ColorSwatch};
  c.Color = color;
  return c;
}

inline PanelControl Message(const char* name, RichText& (*rich)(BotSettings&)) {
  PanelControl c{name, ControlKind::Message};
  c.Rich = rich;
  return c;
}

inline PanelControl Options(const char* name, std::vector<OptionChoice> choices) {
  PanelControl c{name, ControlKind::OptionGroup};
  c.Choices = std::move(choices);
  return c;
}

std::vector<PanelControl> MainColumnControls();  // the left column, the menus, the hot keys
std::vector<PanelControl> AdminControls();       // with the grabber, the fast-admin entry and the recorder panel
std::vector<PanelControl> GreeterControls();     // with "Save Greeter As:"
std::vector<PanelControl> ModerationControls();  // the "SwearBot" and "Bc/Dot" tabs
std::vector<PanelControl> AnResControls();
std::vector<PanelControl> StatsControls();

}  // namespace quorvel::rows
