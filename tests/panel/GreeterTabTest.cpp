#include <gtest/gtest.h>

#include "ProgramDirTest.h"
#include "panel/GreeterTab.h"
#include "panel/Startup.h"

namespace quorvel {
namespace {

TEST_F(ProgramDirTest, DesignSaveWritesTheFileAndBothIndexes) {
  WriteAllLists();
  Write("dlist.txt", "");
  Write("dlistd.txt", "");
  RunStartupSequence(world.bot);
  EditorSetPlainText(world.bot, "Hi there");
  OpenSaveAs(world.bot);
  EXPECT_TRUE(world.settings.Panel.SaveAsOpen);
  world.settings.Panel.SaveAsName = "one";
  SaveDesign(world.bot);
  EXPECT_FALSE(world.settings.Panel.SaveAsOpen);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Designs" / "one.rtf"));
  EXPECT_EQ(Read("dlist.txt"), "one\r\n");
  EXPECT_EQ(Read("dlistd.txt"), "Hi there \r\n");
  EXPECT_EQ(world.settings.Greeter.DesignNames.Items, std::vector<std::string>{"Hi there "});

  // A restart finds the same pair; a click shows the design with its formats.
  world.settings = BotSettings();
  RunStartupSequence(world.bot);
  EXPECT_EQ(world.settings.Greeter.DesignFiles.Items, std::vector<std::string>{"one"});
  EXPECT_EQ(world.settings.Greeter.DesignNames.Items, std::vector<std::string>{"Hi there "});
  PickDesigns(world.bot, {0});
  EXPECT_EQ(world.settings.Greeter.DesignEditor.PlainText(), "Hi there");

  // Deleting it empties both lists and files, and keeps the design file.
  DeleteDesigns(world.bot);
  EXPECT_TRUE(world.settings.Greeter.DesignFiles.Items.empty());
  EXPECT_EQ(Read("dlist.txt"), "");
  EXPECT_EQ(Read("dlistd.txt"), "");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Designs" / "one.rtf"));

  // A design of several lines with double quotes is listed as one line, in step with its file.
  EditorSetPlainText(world.bot, "Say \"hi\"\r\nto all");
  OpenSaveAs(world.bot);
  world.settings.Panel.SaveAsName = "two";
  SaveDesign(world.bot);
  EXPECT_EQ(world.settings.Greeter.DesignNames.Items, std::vector<std::string>{"Say 'hi' to all "});
  EXPECT_EQ(world.settings.Greeter.DesignFiles.Items, std::vector<std::string>{"two"});
}

TEST_F(ProgramDirTest, ANameNotAllowedInFileNamesWritesNoFileButJoinsTheLists) {
  WriteAllLists();
  Write("dlist.txt", "");
  Write("dlistd.txt", "");
  RunStartupSequence(world.bot);
  std::filesystem::create_directories(dir / "Designs" / "sub");
  RichText::FromPlainText("planted").SaveRtfFile((dir / "Designs" / "sub" / "x.rtf").string());
  EditorSetPlainText(world.bot, "Hi");
  const std::string names[] = {"../escape", "..\\escape", "sub/x", "a:b", "a*b",
                               "a?b",       "a<b",        "a>b",   "a|b", "tab\there"};
  for (const auto& name : names) {
    OpenSaveAs(world.bot);
    world.settings.Panel.SaveAsName = name;
    SaveDesign(world.bot);
    EXPECT_FALSE(world.settings.Panel.SaveAsOpen) << name;
    EXPECT_EQ(world.settings.Greeter.DesignFiles.Items.back(), name);
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "escape.rtf"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Designs" / "..\\escape.rtf"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "Designs"), {}), 1);  // only "sub"
  // A name no index file could give back is refused; the dialog stays open.
  OpenSaveAs(world.bot);
  world.settings.Panel.SaveAsName = "a\"b";
  SaveDesign(world.bot);
  EXPECT_TRUE(world.settings.Panel.SaveAsOpen);
  EXPECT_EQ(world.settings.Greeter.DesignFiles.Items.back(), "tab\there");
  EXPECT_EQ(Messages(), std::vector<std::string>{kEntryRefusedMessage});

  // Neither the preview nor the random pick reads through such a name.
  world.settings.Greeter.DesignFiles.Items = {"sub/x"};
  PreviewDesign(world.bot, 0);
  EXPECT_EQ(world.settings.Greeter.DesignEditor.PlainText(), "");
}

TEST_F(ProgramDirTest, AFailedIndexWriteKeepsTheListsAndTheDialog) {
  WriteAllLists();
  RunStartupSequence(world.bot);
  std::filesystem::remove(dir / "dlist.txt");
  std::filesystem::create_directories(dir / "dlist.txt");  // no file can be written there
  EditorSetPlainText(world.bot, "Hi");
  OpenSaveAs(world.bot);
  world.settings.Panel.SaveAsName = "two";
  SaveDesign(world.bot);
  EXPECT_EQ(Messages(), std::vector<std::string>{"One of the files [dlist.txt]does not exist!"});
  EXPECT_TRUE(world.settings.Panel.SaveAsOpen);
  EXPECT_EQ(world.settings.Greeter.DesignFiles.Items, (std::vector<std::string>{"dlist.txt", "two"}));
}

TEST_F(ProgramDirTest, EditorButtonsActOnTheSelection) {
  EditorSetPlainText(world.bot, "abcdef");
  EditorSelect(world.bot, 1, 2);
  EditorBold(world.bot);
  EditorSize(world.bot, 11);
  world.dialogs.Queue(SimAnswer{SimAnswer::Kind::Color, "", Rgb(0, 128, 0)});
  EditorColor(world.bot);
  const RichText& e = world.settings.Greeter.DesignEditor;
  EXPECT_FALSE(e.FormatAt(0).Bold);
  EXPECT_TRUE(e.FormatAt(1).Bold);
  EXPECT_EQ(e.FormatAt(2).HalfPoints, 22);
  EXPECT_EQ(e.FormatAt(2).Color, Rgb(0, 128, 0));
  EXPECT_FALSE(e.FormatAt(3).Bold);
  // A cancelled colour dialog gives the colour last picked.
  EditorSelect(world.bot, 4, 1);
  EditorColor(world.bot);
  EXPECT_EQ(world.settings.Greeter.DesignEditor.FormatAt(4).Color, Rgb(0, 128, 0));
  EditorFade(world.bot);
  EXPECT_EQ(world.settings.Greeter.DesignEditor.PlainText(), "abcdef");
  EXPECT_FALSE(world.settings.Greeter.DesignEditor.FormatAt(1).Bold);
  EXPECT_EQ(world.settings.Greeter.DesignEditor.FormatAt(5).Color, Rgb(0, 0, 255));
  EditorClear(world.bot);
  EXPECT_TRUE(world.settings.Greeter.DesignEditor.Empty());
}

}  // namespace
}  // namespace quorvel
