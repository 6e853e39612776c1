#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

class WholeFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return scratch.Path(name); }
  testing::ScratchDir scratch{"quorvel-whole"};
  std::filesystem::path dir = scratch.Dir();
};

TEST_F(WholeFileTest, BytesComeBackAsTheyWere) {
  // Zero bytes, lone CRs and bytes above 0x7F are content like any other.
  const std::string cases[] = {"", "a", std::string("a\0b", 3), "x\ry\r\n\n", "\xE9\xFF\x80", std::string(70000, 'q')};
  for (const std::string& bytes : cases) {
    ASSERT_TRUE(WriteFileReplacing(Path("f.bin"), bytes));
    const std::optional<std::string> back = ReadWholeFile(Path("f.bin"));
    ASSERT_TRUE(back.has_value()) << bytes.size();
    EXPECT_EQ(*back, bytes);
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "f.bin.new"));
}

TEST_F(WholeFileTest, WhatIsNoFileReadsAsNothing) {
  EXPECT_FALSE(ReadWholeFile(Path("missing.txt")).has_value());
  std::filesystem::create_directories(dir / "folder.rtf");
  EXPECT_FALSE(ReadWholeFile(Path("folder.rtf")).has_value());
  EXPECT_FALSE(WriteFileReplacing(Path("folder.rtf"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.rtf"));
}

}  // namespace
}  // namespace quorvel
