#include <gtest/gtest.h>

#include "model/BotSettings.h"

namespace quorvel {
namespace {

TEST(PanelDefaultsTest, EveryRunStartsFromThesePanelValues) {
  const BotSettings s;
  for (Feature f : kAllFeatures) EXPECT_FALSE(FeatureFlag(const_cast<BotSettings&>(s), f));
  EXPECT_EQ(s.Panel.GreeterLabel, "Greeter Off");
  EXPECT_EQ(s.Panel.AnnouncerLabel, "Anouncer Off");
  EXPECT_FALSE(s.PollTimer);
  EXPECT_EQ(s.Greeter.GreetMode, BotSettings::GreetModes::Regular);
  EXPECT_FALSE(s.Greeter.RandomDesign);
  EXPECT_EQ(s.Swear.SwearMode, BotSettings::SwearModes::Bounce);
  EXPECT_EQ(s.Swear.WarnFirst, BotSettings::WarnFirstChoice::Neither);
  EXPECT_EQ(s.Announcer.AnnounceMode, BotSettings::AnnounceModes::Single);
  EXPECT_EQ(s.Announcer.AnnounceInterval, "30");
  EXPECT_EQ(s.Announcer.AnnounceCounter, "0");
  EXPECT_EQ(s.Panel.ResponderMessageBox, "Message");
  EXPECT_EQ(s.Panel.ResponderResponseBox, "Response");
  EXPECT_TRUE(s.Style.StyleBold);
  EXPECT_FALSE(s.Style.StyleItalic || s.Style.StyleUnderline || s.Style.StyleFade);
  EXPECT_EQ(s.Style.StyleSize, 10);
  EXPECT_EQ(s.Style.StyleColor, Rgb(255, 0, 0));
  EXPECT_EQ(s.Style.MessageFadeColorB, Rgb(0, 0, 255));
  EXPECT_EQ(s.Style.DesignFadeColorA, Rgb(255, 0, 0));
  EXPECT_EQ(s.Messages.WarnMessage.PlainText(), "sn% don't say sw% in this room.");
  EXPECT_EQ(s.Messages.RedDotMessage.PlainText(), "sn% reddot status change by ad%");
  EXPECT_EQ(s.Messages.BounceMessage.PlainText(), "sn% bounce by ad%");
  EXPECT_EQ(s.Panel.ClockLabel, "Time");
  EXPECT_EQ(s.Recorder.FlushEvery, "5");
  EXPECT_EQ(s.Room.Caption, "Quorvel 11");
}

}  // namespace
}  // namespace quorvel
