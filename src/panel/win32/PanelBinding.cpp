#include "panel/win32/PanelBinding.h"

#include <algorithm>
#include <cassert>

#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

struct MenuItem {
  int Id;
  const char* Row;
};
constexpr MenuItem kMenuItems[] = {{kMenuAbout, "About"}, {kMenuHelp, "Help"}, {kMenuContact, "Contact"}};

void Bind(std::vector<BoundControl>& bound, int id, const char* name, const char* choice) {
  const PanelControl* row = RowNamed(name);
  if (!row) return;
  const int option = choice ? OptionNamed(*row, choice) : -1;
  assert((!choice || option >= 0) && "a control of the panel names an option its row does not have");
  if (choice && option < 0) return;
  bound.push_back({id, row, option});
}

std::vector<BoundControl> BindAll() {
  std::vector<BoundControl> bound;
  for (const PageControl& pc : PanelLayout())
    if (pc.Row) Bind(bound, pc.Control.Id, pc.Row, pc.Choice);
  for (const MenuItem& item : kMenuItems) Bind(bound, item.Id, item.Row, nullptr);
  return bound;
}

}  // namespace

const std::vector<BoundControl>& BoundControls() {
  static const std::vector<BoundControl> bound = BindAll();
  return bound;
}

const BoundControl* BoundTo(int id) {
  const auto& bound = BoundControls();
  auto it = std::find_if(bound.begin(), bound.end(), [id](const BoundControl& b) { return b.Id == id; });
  return it == bound.end() ? nullptr : &*it;
}

const PanelControl* RowNamed(const char* name) {
  const PanelControl* row = FindControl(name);
  assert(row && "a control of the panel names a row the control table does not have");
  return row;
}

const PanelControl* SmallWindowRow(const SmallWindowLayout& window, int id) {
  for (const SmallWindowControl& c : window.Controls)
    if (c.Control.Id == id) return c.Row ? RowNamed(c.Row) : nullptr;
  return nullptr;
}

int ControlOf(const PanelControl* row) {
  if (!row) return 0;
  for (const BoundControl& b : BoundControls())
    if (b.Row == row) return b.Id;
  return 0;
}

}  // namespace quorvel
