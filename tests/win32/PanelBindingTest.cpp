// The main window's controls name rows of the control table; a name the table
// does not know would leave its control dead without a word.
#include <gtest/gtest.h>

#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelBinding.h"
#include "panel/win32/PanelLayout.h"

namespace quorvel {
namespace {

TEST(PanelBindingTest, EveryNamedControlOfTheLayoutRendersItsRow) {
  for (const PageControl& pc : PanelLayout()) {
    if (!pc.Row) continue;
    SCOPED_TRACE(pc.Row);
    const BoundControl* bound = BoundTo(pc.Control.Id);
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->Row->Name, pc.Row);
    if (pc.Choice) {
      EXPECT_STREQ(bound->Row->Choices[static_cast<size_t>(bound->Choice)].Name, pc.Choice);
    }
  }
  for (int menu : {kMenuAbout, kMenuHelp, kMenuContact}) EXPECT_TRUE(BoundTo(menu)) << menu;
}

TEST(PanelBindingTest, EveryListBoxAndLabelOfTheMainWindowShowsItsNotification) {
  // The grabber's nicks and the recorder's results and label are shown in small windows of their own.
  for (int i = 0; i < kPanelListCount; ++i) {
    const auto list = static_cast<PanelListId>(i);
    if (list == PanelListId::GrabberList || list == PanelListId::SearchResults) continue;
    EXPECT_NE(ControlOf(ControlShowing(list)), 0) << "list " << i;
  }
  for (int i = 0; i < kPanelBoxCount; ++i) EXPECT_NE(ControlOf(ControlShowing(static_cast<PanelBox>(i))), 0) << i;
  for (int i = 0; i < kPanelLabelCount; ++i) {
    const auto label = static_cast<PanelLabel>(i);
    if (label == PanelLabel::SearchLabel) continue;
    EXPECT_NE(ControlOf(ControlShowing(label)), 0) << "label " << i;
  }
}

}  // namespace
}  // namespace quorvel
