#include "panel/PanelControl.h"

#include <set>

#include "panel/PanelControlRows.h"

namespace quorvel {
namespace {

std::vector<PanelControl> AllControls() {
  std::vector<PanelControl> all;
  for (auto part : {rows::MainColumnControls, rows::AdminControls, rows::GreeterControls, rows::ModerationControls,
                    rows::AnResControls, rows::StatsControls, rows::FloodControls})
    rows::Append(all, part());
  return all;
}

template <typename Matches>
const PanelControl* FindFirst(Matches matches) {
  for (const PanelControl& c : PanelControls())
    if (matches(c)) return &c;
  return nullptr;
}

}  // namespace

const std::vector<PanelControl>& PanelControls() {
  static const std::vector<PanelControl> controls = AllControls();
  return controls;
}

const PanelControl* FindControl(const std::string& name) {
  return FindFirst([&](const PanelControl& c) { return name == c.Name; });
}

const PanelControl* ControlShowing(PanelListId list) {
  return FindFirst([&](const PanelControl& c) { return c.ListNotice == list; });
}

const PanelControl* ControlShowing(PanelBox box) {
  return FindFirst([&](const PanelControl& c) { return c.BoxNotice == box; });
}

const PanelControl* ControlShowing(PanelLabel label) {
  return FindFirst([&](const PanelControl& c) { return c.LabelNotice == label; });
}

int ChosenOption(const PanelControl& group, const BotSettings& settings) {
  const int value = group.Chosen(settings);
  for (size_t i = 0; i < group.Choices.size(); ++i)
    if (group.Choices[i].Value == value) return static_cast<int>(i);
  return -1;
}

int OptionNamed(const PanelControl& group, const std::string& name) {
  for (size_t i = 0; i < group.Choices.size(); ++i)
    if (name == group.Choices[i].Name) return static_cast<int>(i);
  return -1;
}

void ChooseOption(const PanelControl& group, size_t choice, BotSettings& settings) {
  group.Choose(settings, group.Choices[choice].Value);
}

const std::vector<std::string>& EntriesOf(const PanelControl& list, const BotSettings& settings) {
  return list.List ? list.List(settings).Items.Vector() : list.Entries(settings);
}

std::vector<size_t> SelectionOf(const PanelControl& list, const BotSettings& settings) {
  if (list.List) {
    const std::set<size_t>& selected = list.List(settings).Selected;
    return {selected.begin(), selected.end()};
  }
  const int index = list.Index(settings);
  return index < 0 ? std::vector<size_t>() : std::vector<size_t>{static_cast<size_t>(index)};
}

}  // namespace quorvel
