#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "storage/ListFile.h"

namespace quorvel {
namespace {

TEST(ListFileTest, InputFormFields) {
  struct Case {
    const char* Content;
    std::vector<std::string> Items;
  };
  const Case cases[] = {
      {"", {}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"a,b\r\n", {"a", "b"}},
      {"\"a,b\"\r\n", {"a,b"}},
      {"   lead\r\n", {"lead"}},
      {"trail  \r\n", {"trail  "}},
      {"\"  kept \"\r\n", {"  kept "}},
      {"\r\n\r\nx\r\n", {"", "", "x"}},
      {"last", {"last"}},
      {"a,\r\nb", {"a", "", "b"}},
      {"\"open then the rest", {"open then the rest"}},
      {"\"q\"junk,next\r\n", {"q", "next"}},
      {"lf\nonly\n", {"lf", "only"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseListFields(c.Content), c.Items) << c.Content;
}

TEST(ListFileTest, PrintForm) {
  EXPECT_EQ(FormatListFile({"a,b", " x ", "", "x "}, ListQuoting::WhenNeeded), "\"a,b\"\r\n\" x \"\r\n\r\nx \r\n");
  EXPECT_EQ(FormatListFile({"bad, word"}, ListQuoting::Always), "\"bad, word\"\r\n");
  EXPECT_EQ(FormatListFile({}, ListQuoting::Always), "");
}

TEST(ListFileTest, FreeTextIsQuotedOnlyWhereItWouldNotReadBack) {
  struct Case {
    std::string Item;
    std::string Written;
  };
  const Case cases[] = {
      {"See you, sn%", "\"See you, sn%\""},
      {" leading blank", "\" leading blank\""},
      {"\ttab first", "\"\ttab first\""},
      {"   ", "\"   \""},
      {"Hi %sn ", "Hi %sn "},  // trailing blanks read back as they are
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatListFile({c.Item}, ListQuoting::WhenNeeded), c.Written + "\r\n") << c.Item;
    EXPECT_EQ(ParseListFields(FormatListFile({c.Item, "next"}, ListQuoting::WhenNeeded)),
              (std::vector<std::string>{c.Item, "next"}))
        << c.Item;
  }
}

TEST(ListFileTest, AnEntryWithADoubleQuoteOrALineEndDoesNotFit) {
  for (const char* refused : {"be \"nice\", always", "\"q", "a\"b", "x\r\ny", "cr\r", "lf\n"})
    EXPECT_FALSE(FitsListFile(refused)) << refused;
  for (const char* kept : {"a, b", "  lead", ""}) EXPECT_TRUE(FitsListFile(kept)) << kept;
}

class ListFileDiskTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& name) { return scratch.Read(name); }
  std::string Path(const std::string& name) { return scratch.Path(name); }
  testing::ScratchDir scratch{"quorvel-list"};
  std::filesystem::path dir = scratch.Dir();
};

TEST_F(ListFileDiskTest, SaveThenLoadKeepsWhatTheFormsKeep) {
  ASSERT_TRUE(SaveListFile(Path("words.txt"), {"a, b", "  c", "d "}, ListQuoting::Always));
  std::vector<std::string> list = {"existing"};
  ASSERT_TRUE(LoadListFile(Path("words.txt"), list));
  EXPECT_EQ(list, (std::vector<std::string>{"existing", "a, b", "  c", "d "}));
  ASSERT_TRUE(SaveListFile(Path("admins.txt"), {"a,b", "  c"}, ListQuoting::WhenNeeded));
  list.clear();
  LoadListFile(Path("admins.txt"), list);
  EXPECT_EQ(list, (std::vector<std::string>{"a,b", "  c"}));
  ASSERT_TRUE(SaveListFile(Path("empty.txt"), {}, ListQuoting::WhenNeeded));
  EXPECT_EQ(Read("empty.txt"), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "empty.txt.new"));
}

TEST_F(ListFileDiskTest, AFailedSaveLeavesTheOldFile) {
  ASSERT_TRUE(SaveListFile(Path("admins.txt"), {"Ann", "Bob"}, ListQuoting::WhenNeeded));
  // A list that would not read back is not written at all.
  for (const char* item : {"say \"hi\", then", "\"quoted", "a\"b\"\r\nc"})
    EXPECT_EQ(SaveListFile(Path("admins.txt"), {item}, ListQuoting::WhenNeeded).Outcome, SaveOutcome::WouldNotReadBack)
        << item;
  EXPECT_EQ(Read("admins.txt"), "Ann\r\nBob\r\n");
  // The new list cannot be written beside the old one.
  std::filesystem::create_directories(dir / "admins.txt.new");
  EXPECT_FALSE(SaveListFile(Path("admins.txt"), {"Zed"}, ListQuoting::WhenNeeded));
  EXPECT_EQ(Read("admins.txt"), "Ann\r\nBob\r\n");
  // A folder where the file should be is no file to write.
  std::filesystem::create_directories(dir / "aun.txt");
  EXPECT_FALSE(SaveListFile(Path("aun.txt"), {"x"}, ListQuoting::WhenNeeded));
  EXPECT_FALSE(SaveListFile(Path("missing/dir/x.txt"), {"x"}, ListQuoting::WhenNeeded));
}

TEST_F(ListFileDiskTest, LoadingWhatIsNotAFileChangesNothing) {
  std::vector<std::string> list = {"kept"};
  EXPECT_FALSE(LoadListFile(Path("nothing.txt"), list));
  std::filesystem::create_directories(dir / "folder.txt");
  EXPECT_FALSE(LoadListFile(Path("folder.txt"), list));
  EXPECT_EQ(list, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace quorvel
