#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "TestWorld.h"
#include "panel/GreeterTab.h"
#include "panel/Polling.h"
#include "panel/Startup.h"

namespace quorvel {
namespace {

class ProgramDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("quorvel-start-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    world.bot.programDir = dir;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void Write(const std::string& name, const std::string& content) {
    std::filesystem::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    while (SimEvent* e = world.events.Consume(EventKind::MsgBox)) texts.push_back(e->Text);
    return texts;
  }
  void WriteAllLists() {
    for (const char* name : {"words.txt", "admins.txt", "nicks.txt", "codes.txt", "aun.txt", "aur.txt", "mes.txt",
                             "ans.txt", "dlist.txt", "dlistd.txt", "ans3.txt"})
      Write(name, std::string(name) + "\r\n");
  }
  testing::TestWorld world;
  std::filesystem::path dir;
};

TEST_F(ProgramDirTest, EveryListLoadsInItsOrder) {
  WriteAllLists();
  Write("Designs/Anouncer1.rtf", "{\\rtf1 Base\\par}");
  world.SignIn("Host");
  RunStartupSequence(world.bot);
  const BotSettings& s = world.settings;
  EXPECT_EQ(s.BotNick, "Host");
  EXPECT_EQ(s.SwearList.Items, std::vector<std::string>{"words.txt"});
  EXPECT_EQ(s.ResponderReplies.Items, std::vector<std::string>{"ans.txt"});
  EXPECT_EQ(s.DesignNames.Items, std::vector<std::string>{"dlistd.txt"});
  EXPECT_EQ(s.AnnounceList.Items, std::vector<std::string>{"ans3.txt"});
  EXPECT_EQ(s.AnnounceList.SelectedIndex(), 0);
  EXPECT_EQ(s.AnnounceBuffer.PlainText(), "Base");
  EXPECT_EQ(s.WarnMessage.FormatAt(0).Color, Rgb(192, 0, 0));
  EXPECT_EQ(s.BounceMessage.FormatAt(0).Color, Rgb(192, 0, 0));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ProgramDirTest, GatesStopTheLoading) {
  struct Case {
    const char* Missing;
    size_t AdminCount;
    size_t AnnounceCount;
    std::vector<std::string> Messages;
  };
  const Case cases[] = {
      {"words.txt", 0, 0, {}},
      {"admins.txt", 0, 0, {}},
      {"dlist.txt", 1, 0, {"One of the files [dlist.txt]does not exist!"}},
      {"dlistd.txt", 1, 0, {"One of the files [dlistd.txt]does not exist!"}},
      {"ans3.txt", 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Missing);
    WriteAllLists();
    std::filesystem::remove(dir / c.Missing);
    world.settings = BotSettings();
    RunStartupSequence(world.bot);
    EXPECT_EQ(world.settings.AdminList.Items.size(), c.AdminCount);
    EXPECT_EQ(world.settings.AnnounceList.Items.size(), c.AnnounceCount);
    EXPECT_EQ(Messages(), c.Messages);
    if (std::string(c.Missing) == "words.txt") {
      EXPECT_TRUE(world.settings.AutoBounceList.Items.empty());
      EXPECT_EQ(world.settings.WarnMessage.FormatAt(0).Color, kAutoColor);
    }
  }
}

TEST_F(ProgramDirTest, DesignSaveWritesTheFileAndBothIndexes) {
  WriteAllLists();
  Write("dlist.txt", "");
  Write("dlistd.txt", "");
  RunStartupSequence(world.bot);
  EditorSetPlainText(world.bot, "Hi there");
  OpenSaveAs(world.bot);
  EXPECT_TRUE(world.settings.SaveAsOpen);
  world.settings.SaveAsName = "one";
  SaveDesign(world.bot);
  EXPECT_FALSE(world.settings.SaveAsOpen);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Designs" / "one.rtf"));
  EXPECT_EQ(Read("dlist.txt"), "one\r\n");
  EXPECT_EQ(Read("dlistd.txt"), "Hi there \r\n");
  EXPECT_EQ(world.settings.DesignNames.Items, std::vector<std::string>{"Hi there "});

  // A restart finds the same pair; a click shows the design with its formats.
  world.settings = BotSettings();
  RunStartupSequence(world.bot);
  EXPECT_EQ(world.settings.DesignFiles.Items, std::vector<std::string>{"one"});
  EXPECT_EQ(world.settings.DesignNames.Items, std::vector<std::string>{"Hi there "});
  PickDesigns(world.bot, {0});
  EXPECT_EQ(world.settings.DesignEditor.PlainText(), "Hi there");

  // Deleting it empties both lists and files, and keeps the design file.
  DeleteDesigns(world.bot);
  EXPECT_TRUE(world.settings.DesignFiles.Items.empty());
  EXPECT_EQ(Read("dlist.txt"), "");
  EXPECT_EQ(Read("dlistd.txt"), "");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Designs" / "one.rtf"));
}

TEST_F(ProgramDirTest, ANameNotAllowedInFileNamesWritesNoFileButJoinsTheLists) {
  WriteAllLists();
  Write("dlist.txt", "");
  Write("dlistd.txt", "");
  RunStartupSequence(world.bot);
  std::filesystem::create_directories(dir / "Designs" / "sub");
  RichText::FromPlainText("planted").SaveRtfFile((dir / "Designs" / "sub" / "x.rtf").string());
  EditorSetPlainText(world.bot, "Hi");
  const std::string names[] = {"../escape", "..\\escape", "sub/x", "a:b", "a*b",      "a?b",
                               "a\"b",      "a<b",        "a>b",   "a|b", "tab\there"};
  for (const auto& name : names) {
    OpenSaveAs(world.bot);
    world.settings.SaveAsName = name;
    SaveDesign(world.bot);
    EXPECT_FALSE(world.settings.SaveAsOpen) << name;
    EXPECT_EQ(world.settings.DesignFiles.Items.back(), name);
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "escape.rtf"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Designs" / "..\\escape.rtf"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "Designs"), {}), 1);  // only "sub"

  // Neither the preview nor the random pick reads through such a name.
  world.settings.DesignFiles.Items = {"sub/x"};
  PreviewDesign(world.bot, 0);
  EXPECT_EQ(world.settings.DesignEditor.PlainText(), "");
}

TEST_F(ProgramDirTest, AFailedIndexWriteKeepsTheListsAndTheDialog) {
  WriteAllLists();
  RunStartupSequence(world.bot);
  std::filesystem::remove(dir / "dlist.txt");
  std::filesystem::create_directories(dir / "dlist.txt");  // no file can be written there
  EditorSetPlainText(world.bot, "Hi");
  OpenSaveAs(world.bot);
  world.settings.SaveAsName = "two";
  SaveDesign(world.bot);
  EXPECT_EQ(Messages(), std::vector<std::string>{"One of the files [dlist.txt]does not exist!"});
  EXPECT_TRUE(world.settings.SaveAsOpen);
  EXPECT_EQ(world.settings.DesignFiles.Items, (std::vector<std::string>{"dlist.txt", "two"}));
}

TEST_F(ProgramDirTest, EditorButtonsActOnTheSelection) {
  EditorSetPlainText(world.bot, "abcdef");
  EditorSelect(world.bot, 1, 2);
  EditorBold(world.bot);
  EditorSize(world.bot, 11);
  world.dialogs.Queue(SimAnswer{SimAnswer::Kind::Color, "", Rgb(0, 128, 0)});
  EditorColor(world.bot);
  const RichText& e = world.settings.DesignEditor;
  EXPECT_FALSE(e.FormatAt(0).Bold);
  EXPECT_TRUE(e.FormatAt(1).Bold);
  EXPECT_EQ(e.FormatAt(2).HalfPoints, 22);
  EXPECT_EQ(e.FormatAt(2).Color, Rgb(0, 128, 0));
  EXPECT_FALSE(e.FormatAt(3).Bold);
  // A cancelled colour dialog gives the colour last picked.
  EditorSelect(world.bot, 4, 1);
  EditorColor(world.bot);
  EXPECT_EQ(world.settings.DesignEditor.FormatAt(4).Color, Rgb(0, 128, 0));
  EditorFade(world.bot);
  EXPECT_EQ(world.settings.DesignEditor.PlainText(), "abcdef");
  EXPECT_FALSE(world.settings.DesignEditor.FormatAt(1).Bold);
  EXPECT_EQ(world.settings.DesignEditor.FormatAt(5).Color, Rgb(0, 0, 255));
  EditorClear(world.bot);
  EXPECT_TRUE(world.settings.DesignEditor.Empty());
}

}  // namespace
}  // namespace quorvel
