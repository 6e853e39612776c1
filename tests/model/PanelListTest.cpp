#include <gtest/gtest.h>

#include "model/PanelList.h"

namespace quorvel {
namespace {

PanelList Make(std::vector<std::string> items, std::set<size_t> selected = {}) {
  PanelList list;
  list.Items = StringList(std::move(items));
  list.Selected = std::move(selected);
  return list;
}

TEST(PanelListTest, RemovingTheSelectionKeepsThePartnerInStep) {
  struct Case {
    std::set<size_t> Selected;
    std::vector<std::string> Partner;
    std::vector<std::string> Left, PartnerLeft;
  };
  const Case cases[] = {
      {{}, {"1", "2", "3"}, {"a", "b", "c"}, {"1", "2", "3"}},
      {{1}, {"1", "2", "3"}, {"a", "c"}, {"1", "3"}},
      {{0, 2}, {"1", "2", "3"}, {"b"}, {"2"}},
      {{0, 1, 2}, {"1", "2", "3"}, {}, {}},
      // A partner shorter than the list loses only what it has there.
      {{0, 2}, {"1"}, {"b"}, {}},
      {{2}, {"1", "2"}, {"a", "b"}, {"1", "2"}},
  };
  for (const Case& c : cases) {
    PanelList list = Make({"a", "b", "c"}, c.Selected);
    PanelList partner = Make(c.Partner, {0});
    list.RemoveSelectedWith(partner);
    EXPECT_EQ(list.Items, StringList(c.Left));
    EXPECT_EQ(partner.Items, StringList(c.PartnerLeft));
    EXPECT_TRUE(list.Selected.empty());
    EXPECT_TRUE(partner.Selected.empty());
  }
}

}  // namespace
}  // namespace quorvel
