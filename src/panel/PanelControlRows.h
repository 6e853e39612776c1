#pragma once
// How a row of the control table is written, and the table's parts, one per
// tab of the main window (each with the small windows opened from it).
#include "panel/FeatureSwitch.h"
#include "panel/PanelControl.h"

namespace quorvel::rows {

inline void Append(std::vector<PanelControl>& to, std::vector<PanelControl> more) {
  to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

inline PanelControl Button(std::string name, PanelAction press, const WindowGuard* guard = nullptr) {
  PanelControl c{std::move(name), ControlKind::Button};
  c.Press = press;
  c.Guard = guard;
  return c;
}

// A feature's own "Start" and "Stop", named NAME.Start and NAME.Stop.
template <Feature kFeature>
std::vector<PanelControl> StartStopButtons(const char* name) {
  return {Button(std::string(name) + ".Start", [](Bot& b) { StartFeature(b, kFeature); }),
          Button(std::string(name) + ".Stop", [](Bot& b) { StopFeature(b, kFeature); })};
}

inline PanelControl TextBox(const char* name, std::optional<PanelBox> notice, Field<std::string> text) {
  PanelControl c{name, ControlKind::TextBox};
  c.Text = text;
  c.BoxNotice = notice;
  return c;
}

// A box of a small window: it takes text only while the window is open.
inline PanelControl GuardedBox(const char* name, const WindowGuard* guard, Field<std::string> text) {
  PanelControl c = TextBox(name, std::nullopt, text);
  c.Guard = guard;
  return c;
}

inline PanelControl Label(const char* name, PanelLabel notice, Field<std::string> text) {
  PanelControl c{name, ControlKind::Label};
  c.Text = text;
  c.LabelNotice = notice;
  return c;
}

inline PanelControl ListBox(const char* name, PanelListId notice, Field<PanelList> list) {
  PanelControl c{name, ControlKind::List};
  c.List = list;
  c.ListNotice = notice;
  return c;
}

inline PanelControl CheckBox(const char* name, Field<bool> flag) {
  PanelControl c{name, ControlKind::CheckBox};
  c.Flag = flag;
  return c;
}

inline PanelControl Swatch(const char* name, Field<std::uint32_t> color) {
  PanelControl c{name, ControlKind::ColorSwatch};
  c.Color = color;
  return c;
}

inline PanelControl Message(const char* name, Field<RichText> rich) {
  PanelControl c{name, ControlKind::Message};
  c.Rich = rich;
  return c;
}

// An option of a group: it stands for `value` of the group's setting (an enum,
// a flag or a number).
template <typename V>
OptionChoice Option(const char* name, const char* caption, V value) {
  return {name, caption, static_cast<int>(value)};
}
template <typename V>
OptionChoice Option(const char* name, V value) {
  return Option(name, name, value);
}

// A group of options over a setting of its own, e.g.
// Options("GreetMode", Setting<&BotSettings::Greeter, &BotSettings::GreeterSettings::GreetMode>,
//         {Option("Whisper", GreetModes::Whisper), Option("Regular", GreetModes::Regular)}).
template <auto... Path>
PanelControl Options(const char* name, SettingAt<Path...>, std::vector<OptionChoice> choices) {
  PanelControl c{name, ControlKind::OptionGroup};
  c.Chosen = &SettingAt<Path...>::Value;
  c.Choose = &SettingAt<Path...>::SetValue;
  c.Choices = std::move(choices);
  return c;
}

// A group whose value is read and set by functions of its own.
inline PanelControl Options(const char* name, int (*chosen)(const BotSettings&), void (*choose)(BotSettings&, int),
                            std::vector<OptionChoice> choices) {
  PanelControl c{name, ControlKind::OptionGroup};
  c.Chosen = chosen;
  c.Choose = choose;
  c.Choices = std::move(choices);
  return c;
}

std::vector<PanelControl> MainColumnControls();  // the left column, the menus, the hot keys
std::vector<PanelControl> AdminControls();       // with the grabber, the fast-admin entry and the recorder panel
std::vector<PanelControl> GreeterControls();     // with "Save Greeter As:"
std::vector<PanelControl> ModerationControls();  // the "SwearBot" and "Bc/Dot" tabs
std::vector<PanelControl> AnResControls();
std::vector<PanelControl> StatsControls();
std::vector<PanelControl> FloodControls();

}  // namespace quorvel::rows
