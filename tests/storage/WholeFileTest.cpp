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

// The platform's file system with one step made to fail.
enum class Failing { Nothing, Write, WriteHalfway, Replace, RemoveAfterFailedWrite };

class FailingFiles final : public FileSystem {
 public:
  explicit FailingFiles(Failing step) : step_(step) {}
  PathKind KindOf(const std::string& p) override { return real_.KindOf(p); }
  std::optional<std::string> Read(const std::string& p) override { return real_.Read(p); }
  bool WriteDurably(const std::string& p, const std::string& bytes) override {
    if (step_ == Failing::Write) return false;
    // A disk that fills up: part of the bytes reach the file.
    if (step_ == Failing::WriteHalfway || step_ == Failing::RemoveAfterFailedWrite)
      return real_.WriteDurably(p, bytes.substr(0, bytes.size() / 2)) && false;
    return real_.WriteDurably(p, bytes);
  }
  bool Append(const std::string& p, const std::string& bytes) override { return real_.Append(p, bytes); }
  bool Replace(const std::string& from, const std::string& to) override {
    return step_ != Failing::Replace && real_.Replace(from, to);
  }
  bool RemoveFile(const std::string& p) override {
    return step_ != Failing::RemoveAfterFailedWrite && real_.RemoveFile(p);
  }
  bool MakeFolder(const std::string& p) override { return real_.MakeFolder(p); }
  bool RemoveFolder(const std::string& p) override { return real_.RemoveFolder(p); }
  std::optional<std::vector<FolderEntry>> List(const std::string& p) override { return real_.List(p); }

 private:
  Failing step_;
  FileSystem& real_ = SystemFiles();
};

TEST_F(WholeFileTest, AFailedStepNeverLosesBothCopies) {
  const std::string oldList = "Ann\r\nBob\r\n";
  const std::string newList = "Ann\r\nBob\r\nCarl\r\n";
  struct Case {
    Failing Step;
    SaveOutcome Outcome;
  };
  const Case cases[] = {
      {Failing::Nothing, SaveOutcome::Saved},           {Failing::Write, SaveOutcome::NotWritten},
      {Failing::WriteHalfway, SaveOutcome::NotWritten}, {Failing::RemoveAfterFailedWrite, SaveOutcome::NotWritten},
      {Failing::Replace, SaveOutcome::KeptBeside},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Step));
    std::filesystem::remove(dir / "admins.txt.new");
    ASSERT_TRUE(WriteFileReplacing(Path("admins.txt"), oldList));
    FailingFiles files(c.Step);
    const SaveResult result = WriteFileReplacing(Path("admins.txt"), newList, files);
    EXPECT_EQ(result.Outcome, c.Outcome);
    EXPECT_EQ(static_cast<bool>(result), c.Outcome == SaveOutcome::Saved);
    const std::string onDisk = ReadWholeFile(Path("admins.txt")).value_or("(gone)");
    EXPECT_EQ(onDisk, c.Outcome == SaveOutcome::Saved ? newList : oldList);
    if (c.Outcome == SaveOutcome::KeptBeside) {
      EXPECT_EQ(result.NewCopy, Path("admins.txt.new"));
      EXPECT_EQ(ReadWholeFile(result.NewCopy).value_or("(gone)"), newList);
    }
  }
}

TEST_F(WholeFileTest, AFirstSaveThatCannotSwapKeepsTheNewFile) {
  FailingFiles files(Failing::Replace);
  const SaveResult result = WriteFileReplacing(Path("aun.txt"), "Zed\r\n", files);
  EXPECT_EQ(result.Outcome, SaveOutcome::KeptBeside);
  EXPECT_FALSE(ReadWholeFile(Path("aun.txt")).has_value());
  EXPECT_EQ(ReadWholeFile(Path("aun.txt.new")).value_or(""), "Zed\r\n");
}

TEST_F(WholeFileTest, FoldersAndNames) {
  const std::string designs = InFolder(scratch.Dir().string(), "Designs");
  EXPECT_FALSE(FolderExists(designs));
  EXPECT_TRUE(EnsureFolder(designs));
  EXPECT_TRUE(EnsureFolder(designs));  // already there
  EXPECT_TRUE(FolderExists(designs));
  EXPECT_FALSE(FileExists(designs));
  EXPECT_FALSE(EnsureFolder(InFolder(InFolder(designs, "no"), "such")));
  ASSERT_TRUE(AppendToFile(InFolder(designs, "a.txt"), "one"));
  ASSERT_TRUE(AppendToFile(InFolder(designs, "a.txt"), "two"));
  EXPECT_EQ(ReadWholeFile(InFolder(designs, "a.txt")).value_or(""), "onetwo");
  EXPECT_FALSE(AppendToFile(designs, "x"));  // a folder is no file to add to
  const auto entries = SystemFiles().List(designs);
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].Name, "a.txt");
  EXPECT_EQ((*entries)[0].Kind, PathKind::File);
  EXPECT_FALSE((*entries)[0].Link);
}

}  // namespace
}  // namespace quorvel
