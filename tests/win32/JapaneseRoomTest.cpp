// The bot on a Japanese system (ANSI code page 932) against fakepal.exe in the
// same locale, 32- and 64-bit: a line that wraps in the transcript is read
// row by row exactly, and a long line is cut between characters. ctest runs
// it on its own, with LANG=ja_JP.UTF-8, which gives Wine's processes that
// code page.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "CodePageText.h"
#include "EachClientTest.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "panel/Startup.h"
#include "roomlink/TranscriptReader.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;

std::string Japanese(std::u32string_view text) { return testing::InCodePage(932, text); }

class JapaneseRoomTest : public testing::EachClientTest {
 protected:
  void SetUp() override {
    EachClientTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_EQ(GetACP(), 932u) << "run with LANG=ja_JP.UTF-8 (scripts/setup makes the locale)";
  }
  bool StartClient(const std::vector<std::string>& options) {
    testing::InstallClient();
    std::vector<std::string> args = {"--layout", "10"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"--room", room});
    pal = std::make_unique<FakePalProcess>(GetParam(), args);
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    return settings.Room.TranscriptHandle != kNoWindow;
  }
  bool Append(std::u32string_view line) { return pal->Command(fakepal::kAppendLine, {room, Japanese(line)}); }

  // What the entry point does at start-up.
  ScopedSystemCodePage codePage{932};
  const std::string room = "Japan Room";
  std::unique_ptr<FakePalProcess> pal;
};

TEST_P(JapaneseRoomTest, AWrappedLineIsReadRowByRowExactly) {
  // Narrow enough that some rows hold a single character.
  ASSERT_TRUE(StartClient({"--wrap", "40"})) << "fakepal did not start";
  const std::u32string line = U"アン: 皆さん、こんにちは。日本語の部屋へようこそ、長い行も折り返して読みます。";
  ASSERT_TRUE(Append(line));
  const WindowHandle transcript = settings.Room.TranscriptHandle;
  const HWND edit = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(transcript));
  const int rows = desktop.LineCount(transcript) - 1;  // the last line, after the paragraph mark, is empty
  ASSERT_GE(rows, 3) << "the line did not wrap";

  // Each row as the control itself places it: its first character and length.
  std::vector<std::string> wanted;
  std::string whole;
  for (int row = 0; row < rows; ++row) {
    const auto start = static_cast<size_t>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(row), 0));
    const auto length = static_cast<size_t>(SendMessageW(edit, EM_LINELENGTH, start, 0));
    wanted.push_back(Japanese(line.substr(start, length)) + (row + 1 == rows ? "\r" : ""));
    SCOPED_TRACE(row);
    const std::string got = desktop.GetLine(transcript, row, 256);
    EXPECT_EQ(got, wanted.back());
    whole += got;
  }
  EXPECT_EQ(whole, Japanese(line) + "\r");  // no character twice, none left out

  // Through the reader the rows make one message, and what follows it comes
  // as messages of their own.
  TranscriptCursor cursor;
  EXPECT_EQ(ReadNewMessages(desktop, transcript, cursor).New, std::vector<std::string>{Japanese(line)});
  ASSERT_TRUE(Append(U"アン: 一"));
  ASSERT_TRUE(Append(U"アン: 二"));
  EXPECT_EQ(ReadNewMessages(desktop, transcript, cursor).New,
            (std::vector<std::string>{Japanese(U"アン: 一"), Japanese(U"アン: 二")}));
}

TEST_P(JapaneseRoomTest, ALongLineIsCutBetweenCharacters) {
  ASSERT_TRUE(StartClient({})) << "fakepal did not start";
  // A message is cut after 1,024 characters, a two-byte one counting once.
  const std::u32string head = U"アン:";
  ASSERT_TRUE(Append(head + std::u32string(1100, U'語')));
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, Japanese(head + std::u32string(1021, U'語')));
}

INSTANTIATE_TEST_SUITE_P(Bitness, JapaneseRoomTest, ::testing::Values("fakepal32.exe", "fakepal64.exe"),
                         [](const auto& info) { return std::string(info.param).substr(0, 9); });

}  // namespace
}  // namespace quorvel
