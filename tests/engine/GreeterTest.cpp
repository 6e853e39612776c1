#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "TestWorld.h"
#include "engine/Greeter.h"
#include "panel/FeatureSwitch.h"
#include "panel/RoomFrame.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

class GreeterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    world.SignIn("Host");
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    StartPolling(world.bot);
    StartFeature(world.bot, Feature::Greeter);
  }
  void Join(const std::string& nick) {
    world.desktop.AppendLine(room, nick + " has joined the room");
    PollTick(world.bot);
  }
  std::optional<SimEvent> Sent() {
    SimEvent* e = world.events.Consume(EventKind::Sent);
    return e ? std::optional<SimEvent>(*e) : std::nullopt;
  }
  testing::TestWorld world;
  WindowHandle room = kNoWindow;
};

TEST_F(GreeterTest, RegularGreetingFillsBothPlaceholders) {
  world.settings.Greeter.DesignEditor.SetPlainText("Welcome %sn to %rn");
  Join("Bob");
  const auto sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "Welcome Bob to Lobby Room");
  EXPECT_EQ(world.settings.Line.JoinedNick, "");
  EXPECT_EQ(world.settings.Panel.LastVisitorBox, "Bob");
  // The greeting is now the newest line: the join is not seen again.
  PollTick(world.bot);
  EXPECT_FALSE(Sent());
}

TEST_F(GreeterTest, WhisperGreetingAddressesTheNewcomer) {
  world.settings.Greeter.GreetMode = BotSettings::GreetModes::Whisper;
  CharFormat bold;
  bold.Bold = true;
  world.settings.Greeter.DesignEditor.SetPlainText("Welcome %sn to %rn", bold);
  Join("Bob");
  const auto sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "/w Bob: Welcome Bob to Lobby Room");
  const RichText doc = RichText::FromRtf(sent->Rtf);
  EXPECT_FALSE(doc.FormatAt(0).Bold);  // "/w " keeps its own format
  EXPECT_TRUE(doc.FormatAt(8).Bold);   // the design keeps its bold
}

TEST_F(GreeterTest, PlaceholdersAreRecognisedOnlyAsWrittenAndWhole) {
  RichText design = RichText::FromPlainText("%SN and %sn");
  FormatChange bold;
  bold.Bold = true;
  design.FormatRange(8, 2, bold);  // "%s" bold, "n" plain: split by formatting
  world.settings.Greeter.DesignEditor = design;
  Join("Bob");
  const auto sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "%SN and %sn");
}

TEST_F(GreeterTest, HostileNicksCannotInjectRtf) {
  world.settings.Greeter.DesignEditor.SetPlainText("Hi %sn!");
  const std::string hostile = "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt click}}\\b\\'41}";
  world.settings.Line.JoinedNick = hostile;
  GreetNewcomer(world.bot);
  const auto sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "Hi " + hostile + "!");
  const RichText doc = RichText::FromRtf(sent->Rtf);
  for (size_t i = 0; i < doc.Size(); ++i) EXPECT_FALSE(doc.FormatAt(i).Bold) << i;
  EXPECT_EQ(sent->Rtf.find("{\\field"), std::string::npos);  // only its escaped form is there
}

TEST_F(GreeterTest, NothingWithoutAJoinOrWithTheGreeterOff) {
  world.settings.Greeter.DesignEditor.SetPlainText("Hi");
  world.desktop.AppendLine(room, "Ann: hello");
  PollTick(world.bot);
  EXPECT_FALSE(Sent());
  StopFeature(world.bot, Feature::Greeter);
  Join("Bob");
  EXPECT_FALSE(Sent());
  EXPECT_EQ(world.settings.Line.JoinedNick, "Bob");  // not consumed
}

class RandomDesignTest : public GreeterTest {
 protected:
  void SetUp() override {
    GreeterTest::SetUp();
    std::filesystem::create_directories(dir / "Designs");
    world.bot.programDir = dir;
    world.settings.Greeter.RandomDesign = true;
  }
  void AddDesign(const std::string& name, const std::string& text) {
    RichText::FromPlainText(text).SaveRtfFile((dir / "Designs" / (name + ".rtf")).string());
    world.settings.Greeter.DesignFiles.Items.push_back(name);
  }
  testing::ScratchDir scratch{"quorvel-greet"};
  std::filesystem::path dir = scratch.Dir();
};

TEST_F(RandomDesignTest, PicksByTheDrawAndShowsItInTheEditor) {
  AddDesign("one", "First %sn");
  AddDesign("two", "Second %sn");
  AddDesign("three", "Third %sn");
  world.random.Queue(0.5);
  Join("Bob");
  EXPECT_EQ(Sent()->Text, "Second Bob");
  EXPECT_EQ(world.settings.Greeter.DesignEditor.PlainText(), "Second %sn");
  world.random.Queue(0.99);
  Join("Eve");
  EXPECT_EQ(Sent()->Text, "Third Eve");
}

TEST_F(RandomDesignTest, ANameThatLeavesTheFolderIsNotRead) {
  RichText::FromPlainText("outside").SaveRtfFile((dir / "outside.rtf").string());
  world.settings.Greeter.DesignFiles.Items = {"../outside"};
  Join("Bob");
  EXPECT_EQ(Sent()->Text, "");
  EXPECT_EQ(world.settings.Greeter.DesignEditor.PlainText(), "");
}

TEST_F(RandomDesignTest, NoDesignsOrAMissingFileSendsAnEmptyGreeting) {
  world.settings.Greeter.DesignEditor.SetPlainText("stale");
  Join("Bob");
  auto sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "");
  EXPECT_EQ(world.settings.Line.JoinedNick, "");
  world.settings.Greeter.DesignFiles.Items = {"missing"};
  Join("Eve");
  sent = Sent();
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->Text, "");
}

}  // namespace
}  // namespace quorvel
