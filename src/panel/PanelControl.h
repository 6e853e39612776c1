#pragma once
// One control of the panel, described once for every front end: its name,
// its kind and what it drives. The Win32 window renders a row as a control,
// the simulator's operator verbs drive it by name, and both reach the
// settings only through the row's accessors.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Bot.h"
#include "model/PanelView.h"

namespace quorvel {

enum class ControlKind {
  Button,       // presses an action (menu items and hot keys too)
  TextBox,      // a text the operator types
  OptionGroup,  // one of several options; its options may be check boxes
  CheckBox,     // on or off
  List,         // entries the operator selects
  ColorSwatch,  // a colour the operator picks
  Message,      // a rich-text message the operator writes
  Editor,       // the design editor, written through its own verbs
  Label,        // a text the operator reads but does not edit
};

using PanelAction = void (*)(Bot&);

// One option of a group: the word that selects it and the caption it reads as.
struct OptionChoice {
  const char* Name;
  const char* Caption;
  bool (*IsChosen)(const BotSettings&);
  void (*Choose)(BotSettings&);
};

// A small window whose controls take input only while it is open.
struct WindowGuard {
  bool (*IsOpen)(const BotSettings&);
  const char* NotOpen;  // why a control of it cannot be used now
};

struct PanelControl {
  const char* Name;
  ControlKind Kind;
  PanelAction Press = nullptr;                                   // Button
  void (*PressEntry)(Bot&, size_t) = nullptr;                    // Button acting on one entry of its window's list,
  std::vector<std::string>& (*Entries)(BotSettings&) = nullptr;  // which holds these
  std::string& (*Text)(BotSettings&) = nullptr;                  // TextBox, Label
  PanelList& (*List)(BotSettings&) = nullptr;                    // List
  bool& (*Flag)(BotSettings&) = nullptr;                         // CheckBox
  std::uint32_t& (*Color)(BotSettings&) = nullptr;               // ColorSwatch
  RichText& (*Rich)(BotSettings&) = nullptr;                     // Message, Editor
  std::vector<OptionChoice> Choices;                             // OptionGroup
  // A click on entries of a list that does more than select them.
  void (*Picked)(Bot&, const std::vector<size_t>&) = nullptr;
  bool OneSelection = false;       // List: at most one entry selected
  bool ReadOnly = false;           // TextBox: shown, never typed into
  const char* Unticked = nullptr;  // OptionGroup of check boxes: the choice when its box is cleared
  const WindowGuard* Guard = nullptr;
  // The model's notification the control answers.
  std::optional<PanelListId> ListNotice;
  std::optional<PanelBox> BoxNotice;
  std::optional<PanelLabel> LabelNotice;
};

// Every control, tab by tab, then the small windows.
const std::vector<PanelControl>& PanelControls();
const PanelControl* FindControl(const std::string& name);
// The control that shows what a notification names.
const PanelControl* ControlShowing(PanelListId list);
const PanelControl* ControlShowing(PanelBox box);
const PanelControl* ControlShowing(PanelLabel label);

// The option of a group now chosen, or -1; and one by its name, or -1.
int ChosenOption(const PanelControl& group, const BotSettings& settings);
int OptionNamed(const PanelControl& group, const std::string& name);

// The accessors only point into the settings; reading through them changes nothing.
inline const std::string& TextOf(const PanelControl& c, const BotSettings& s) {
  return c.Text(const_cast<BotSettings&>(s));
}
inline const PanelList& ListOf(const PanelControl& c, const BotSettings& s) {
  return c.List(const_cast<BotSettings&>(s));
}
inline bool FlagOf(const PanelControl& c, const BotSettings& s) { return c.Flag(const_cast<BotSettings&>(s)); }
inline std::uint32_t ColorOf(const PanelControl& c, const BotSettings& s) {
  return c.Color(const_cast<BotSettings&>(s));
}
inline const RichText& RichOf(const PanelControl& c, const BotSettings& s) {
  return c.Rich(const_cast<BotSettings&>(s));
}

}  // namespace quorvel
