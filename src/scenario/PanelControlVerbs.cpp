#include "scenario/PanelControlVerbs.h"

#include <set>

#include "panel/PanelControl.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/ScenarioWorld.h"

namespace quorvel::scenario {
namespace {

// The control of that name and kind, or none.
const PanelControl* ControlOfKind(const std::string& name, ControlKind kind) {
  const PanelControl* control = FindControl(name);
  return control && control->Kind == kind ? control : nullptr;
}

// A control of a closed small window cannot be used.
void RequireOpen(const PanelControl& control, const BotSettings& settings) {
  if (control.Guard && !control.Guard->IsOpen(settings)) throw Unrunnable(control.Guard->NotOpen);
}

void Press(ScenarioWorld& world, VerbCall& call) {
  Bot& bot = world.RequireBot();
  const std::string action = call.Cursor.Rest();
  // "Grabber.Add I" names the entry it acts on.
  const size_t blank = action.find(' ');
  const PanelControl* button = ControlOfKind(action.substr(0, blank), ControlKind::Button);
  if (button) RequireOpen(*button, bot.settings);
  if (!button || (blank == std::string::npos) == (button->PressEntry != nullptr)) throw NotYet("press " + action);
  if (button->Press) return button->Press(bot);
  StatementCursor c(action.substr(blank + 1));
  const int entry = ParseInt(c.Word(), "grabber entry");
  if (entry < 0 || static_cast<size_t>(entry) >= button->Entries(bot.settings).size())
    throw Unrunnable("no entry " + std::to_string(entry) + " in GrabberList");
  button->PressEntry(bot, static_cast<size_t>(entry));
}

void Type(ScenarioWorld& world, VerbCall& call) {
  BotSettings& settings = world.RequireBot().settings;
  const std::string box = call.Cursor.Word().value_or("");
  const std::string text = UnescapeFreeText(call.Cursor.Rest());
  const PanelControl* control = ControlOfKind(box, ControlKind::TextBox);
  if (!control || control->ReadOnly) throw NotYet("type " + box);
  RequireOpen(*control, settings);
  control->Text(settings) = text;
  if (control->Changed) control->Changed(world.RequireBot());
}

// "GreetMode is Whisper or Regular".
std::string ChoicesText(const PanelControl& group) {
  std::string text = std::string(group.Name) + " is ";
  for (size_t i = 0; i < group.Choices.size(); ++i) {
    if (i > 0) text += i + 1 == group.Choices.size() ? " or " : ", ";
    text += group.Choices[i].Name;
  }
  return text;
}

void Set(ScenarioWorld& world, VerbCall& call) {
  BotSettings& settings = world.RequireBot().settings;
  const std::string setting = call.Cursor.Word().value_or("");
  const std::string value = UnescapeFreeText(call.Cursor.Rest());
  const PanelControl* control = FindControl(setting);
  switch (control ? control->Kind : ControlKind::Button) {
    case ControlKind::OptionGroup: {
      const int choice = OptionNamed(*control, value);
      if (choice < 0) throw Unrunnable(ChoicesText(*control));
      return ChooseOption(*control, static_cast<size_t>(choice), settings);
    }
    case ControlKind::CheckBox:
      if (value != "on" && value != "off") throw Unrunnable(setting + " is on or off");
      control->Flag(settings) = value == "on";
      return;
    case ControlKind::ColorSwatch: {
      const auto rgb = ParseRgb(value);
      if (!rgb) throw Unrunnable(setting + " takes RRGGBB");
      control->Color(settings) = *rgb;
      return;
    }
    case ControlKind::Message:
      return control->Rich(settings).SetPlainText(value);
    default:
      throw Unrunnable("unknown setting " + Quote(setting));
  }
}

void Pick(ScenarioWorld& world, VerbCall& call) {
  Bot& bot = world.RequireBot();
  const std::string list = call.Cursor.Word().value_or("");
  std::vector<size_t> entries;
  bool none = false;
  while (auto w = call.Cursor.Word()) {
    if (*w == "none") {
      none = true;
      continue;
    }
    const int i = ParseInt(w, "pick index");
    if (i < 0) throw Unrunnable("pick takes indices from 0");
    entries.push_back(static_cast<size_t>(i));
  }
  if (!none && entries.empty()) throw Unrunnable("pick needs indices or none");
  const PanelControl* control = ControlOfKind(list, ControlKind::List);
  const bool single = control && control->OneSelection;
  if (single && entries.size() > 1) throw Unrunnable(list + " takes one index");
  // A list of the panel, or one kept in step with a shown one.
  PanelList* target = FindSimList(bot.settings, list);
  if (!control && !target) throw Unrunnable("unknown list " + Quote(list));
  const size_t count = control ? EntriesOf(*control, bot.settings).size() : target->Items.size();
  for (size_t e : entries)
    if (e >= count) throw Unrunnable("no entry " + std::to_string(e) + " in " + list);
  if (control && control->Picked) return control->Picked(bot, none && single ? std::vector<size_t>() : entries);
  if (!target) throw Unrunnable("the list " + Quote(list) + " cannot be picked from");
  target->Selected = std::set<size_t>(entries.begin(), entries.end());
  bot.view.ListsChanged();
}

}  // namespace

const VerbTable& PanelControlVerbs() {
  static const VerbTable kVerbs = {{"press", Press}, {"type", Type}, {"set", Set}, {"pick", Pick}};
  return kVerbs;
}

}  // namespace quorvel::scenario
