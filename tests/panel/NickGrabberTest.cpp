#include <gtest/gtest.h>

#include "panel/NickGrabber.h"

namespace quorvel {
namespace {

TEST(VbFindTest, AddsEveryMarkedNickOnce) {
  PanelList admins;
  admins.Items = {"Bob"};
  std::vector<std::string> grabber = {"@Bob", "Ann", "@Cy"};
  EXPECT_TRUE(grabber::AddMarkedNicksAsAdmins("@", grabber, -3, admins));
  EXPECT_EQ(admins.Items, (std::vector<std::string>{"Bob", "Cy"}));
  EXPECT_EQ(grabber, (std::vector<std::string>{"Bob", "Ann", "Cy"}));
  EXPECT_FALSE(grabber::AddMarkedNicksAsAdmins("@", grabber, 0, admins));
  EXPECT_FALSE(grabber::AddMarkedNicksAsAdmins("", grabber, 0, admins));
}

}  // namespace
}  // namespace quorvel
