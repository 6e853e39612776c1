#pragma once
// One control of the panel, described once for every front end: its name,
// its kind and what it drives. The Win32 window renders a row as a control,
// the simulator's operator verbs drive it by name, and both reach the
// settings only through the row's accessors.
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
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

// The setting a control drives: `Ref` to change it, `Read` to look at it, so
// that whoever only shows it needs no settings it could change.
template <typename T>
struct Field {
  T& (*Ref)(BotSettings&) = nullptr;
  const T& (*Read)(const BotSettings&) = nullptr;

  explicit operator bool() const { return Ref != nullptr; }
  T& operator()(BotSettings& s) const { return Ref(s); }
  const T& operator()(const BotSettings& s) const { return Read(s); }
};

// The member a path of member pointers leads to, from the settings down.
template <auto Member, auto... Rest>
constexpr auto& MemberAt(auto& owner) {
  if constexpr (sizeof...(Rest) == 0) {
    return owner.*Member;
  } else {
    return MemberAt<Rest...>(owner.*Member);
  }
}

// A setting named by its path, e.g. Setting<&BotSettings::Style, &TextStyle::StyleBold>:
// it serves as the Field of its type, and as the whole number of an enum or a
// flag that a group of options stands for.
template <auto... Path>
struct SettingAt {
  static auto& Ref(BotSettings& s) { return MemberAt<Path...>(s); }
  static auto& Read(const BotSettings& s) { return MemberAt<Path...>(s); }
  using Type = std::remove_cvref_t<decltype(Ref(std::declval<BotSettings&>()))>;
  static int Value(const BotSettings& s) { return static_cast<int>(Read(s)); }
  static void SetValue(BotSettings& s, int value) { Ref(s) = static_cast<Type>(value); }

  // A setting is a field of its own type, and of no other.
  template <typename T>
  constexpr operator Field<T>() const {
    return {&Ref, &Read};
  }
};
template <auto... Path>
inline constexpr SettingAt<Path...> Setting{};

// One option of a group: the word that selects it, the caption it reads as,
// and the value the group's setting holds while it is chosen.
struct OptionChoice {
  const char* Name;
  const char* Caption;
  int Value;
};

// A small window whose controls take input only while it is open.
struct WindowGuard {
  bool (*IsOpen)(const BotSettings&);
  const char* NotOpen;  // why a control of it cannot be used now
};

struct PanelControl {
  std::string Name;
  ControlKind Kind;
  PanelAction Press = nullptr;                 // Button; List: what dropping it down does
  void (*PressEntry)(Bot&, size_t) = nullptr;  // Button acting on one entry of its window's list,
  Field<std::vector<std::string>> Entries;     // which holds these; List: entries kept as plain texts,
  Field<int> Index;                            // of which this one is selected, -1 for none
  Field<std::string> Text;                     // TextBox, Label
  PanelAction Changed = nullptr;               // TextBox: what the operator's typing sets off
  Field<PanelList> List;                       // List: entries with their selection
  Field<bool> Flag;                            // CheckBox
  Field<std::uint32_t> Color;                  // ColorSwatch
  Field<RichText> Rich;                        // Message, Editor
  // OptionGroup: the value its setting holds, and setting it to the value of an option.
  int (*Chosen)(const BotSettings&) = nullptr;
  void (*Choose)(BotSettings&, int) = nullptr;
  std::vector<OptionChoice> Choices;
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
// Chooses option `choice` of a group.
void ChooseOption(const PanelControl& group, size_t choice, BotSettings& settings);

// The entries a list shows, and those of them now selected, in order.
const std::vector<std::string>& EntriesOf(const PanelControl& list, const BotSettings& settings);
std::vector<size_t> SelectionOf(const PanelControl& list, const BotSettings& settings);

}  // namespace quorvel
