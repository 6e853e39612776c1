// The dry run copies only what the bot reads from the operator's folder, and
// never follows a link out of it.
#include <gtest/gtest.h>

#include <filesystem>

#include "ReplayFixture.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Every file under a folder with its bytes, links as their targets' names.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = fs::relative(it->path(), dir).string();
    if (it->is_symlink())
      files[name] = "-> " + fs::read_symlink(it->path()).string();
    else if (it->is_regular_file())
      files[name] = ReadWholeFile(it->path().string()).value_or("(unreadable)");
    else
      files[name] = "(folder)";
  }
  return files;
}

TEST(ReplayCopyTest, OnlyTheListsTheFloodNumbersAndDesignsAreCopiedAndNoLinkIsFollowed) {
  testing::ScratchDir scratch("quorvel-copy");
  const fs::path from = scratch.Dir() / "prog", to = scratch.Dir() / "copy";
  scratch.Write("prog/words.txt", "\"hell\"\r\n");
  scratch.Write("prog/Admins.TXT", "Ann\r\n");
  scratch.Write("prog/Flood.txt", "FloodMessages=3\r\n");
  scratch.Write("prog/Designs/welcome.rtf", "{\\rtf1 Hi\\par}");
  scratch.Write("prog/Designs/notes.txt", "not a design");
  scratch.Write("prog/holiday.mp4", std::string(1 << 20, 'v'));
  scratch.Write("prog/Photos/a.rtf", "{\\rtf1 private\\par}");
  scratch.Write("outside/dlist.txt", "secret\r\n");
  // A loop back to the folder itself, and links to files and a folder outside.
  fs::create_directory_symlink(from, from / "loop");
  fs::create_symlink(scratch.Dir() / "outside" / "dlist.txt", from / "dlist.txt");
  fs::create_directory_symlink(scratch.Dir() / "outside", from / "Designs" / "more");
  fs::create_directory(to);
  const auto before = Snapshot(from);

  EXPECT_TRUE(CopyBotFiles(from.string(), to.string()));
  const std::map<std::string, std::string> copied = {
      {"words.txt", "\"hell\"\r\n"},
      {"Admins.TXT", "Ann\r\n"},
      {"Flood.txt", "FloodMessages=3\r\n"},
      {"Designs", "(folder)"},
      {"Designs/welcome.rtf", "{\\rtf1 Hi\\par}"},
  };
  EXPECT_EQ(Snapshot(to), copied);
  EXPECT_EQ(Snapshot(from), before);
  EXPECT_FALSE(CopyBotFiles((scratch.Dir() / "absent").string(), to.string()));
}

class ReplayDirTest : public testing::ReplayTest {};

TEST_F(ReplayDirTest, AFolderWithALinkLoopAndLargeFilesReplaysUnchanged) {
  Write("video.bin", std::string(8 << 20, 'x'));
  fs::create_directory_symlink(dir, dir / "loop");
  const auto before = Snapshot(dir);
  ASSERT_EQ(Replay("Troll has joined the room\r\nBob: hell yes\r\n"), 0) << errors.str();
  EXPECT_NE(summary.str().find("Troll"), std::string::npos);
  EXPECT_EQ(Snapshot(dir), before);
}

}  // namespace
}  // namespace quorvel
