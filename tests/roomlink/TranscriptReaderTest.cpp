#include <gtest/gtest.h>

#include "CodePageText.h"
#include "TestWorld.h"
#include "panel/RoomFrame.h"
#include "roomlink/RoomDiscovery.h"
#include "roomlink/TranscriptReader.h"
#include "text/CodePage.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::TestWorld;

class TranscriptReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    RoomLink link = world.Link();
    AttachToRoom(link);
    transcript = world.settings.Room.TranscriptHandle;
  }
  TestWorld world;
  WindowHandle room = kNoWindow;
  WindowHandle transcript = kNoWindow;
};

TEST_F(TranscriptReaderTest, DistancesFromTheEnd) {
  EXPECT_EQ(FetchLastLine(world.desktop, transcript), "");  // one line: nothing at any distance
  EXPECT_EQ(FetchLineBeforeLast(world.desktop, transcript), "");
  EXPECT_EQ(FetchThirdLineBeforeLast(world.desktop, transcript), "");
  for (const char* line : {"one", "two", "three"}) world.desktop.AppendLine(room, line);
  // Four lines now: text at distances 2 and 3, none at 5.
  EXPECT_EQ(FetchLastLine(world.desktop, transcript), "three\r");
  EXPECT_EQ(FetchLineBeforeLast(world.desktop, transcript), "two\r");
  EXPECT_EQ(FetchThirdLineBeforeLast(world.desktop, transcript), "");
  world.desktop.AppendLine(room, "four");
  EXPECT_EQ(FetchThirdLineBeforeLast(world.desktop, transcript), "one\r");
}

TEST_F(TranscriptReaderTest, StoredLineLosesItsCarriageReturns) {
  world.desktop.AppendLine(room, "he\rllo");
  std::string raw = "previous";
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, "hello");
}

TEST_F(TranscriptReaderTest, LongLinesAreCutAt256Characters) {
  const std::string longLine(300, 'x');
  world.desktop.AppendLine(room, longLine);
  std::string raw;
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, std::string(256, 'x'));
  world.desktop.AppendLine(room, std::string(255, 'y'));
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, std::string(255, 'y'));  // the CR was the 256th character
}

TEST_F(TranscriptReaderTest, MissingTranscriptGivesAnEmptyLine) {
  std::string raw = "previous";
  GetLastLine(world.desktop, kNoWindow, raw);
  EXPECT_EQ(raw, "");
  raw = "previous";
  world.desktop.CloseByTitle("Lobby Room");
  GetThirdLineBeforeLast(world.desktop, transcript, raw);  // a stale handle
  EXPECT_EQ(raw, "");
}

TEST_F(TranscriptReaderTest, TextStopsAtAZeroByte) {
  world.desktop.AppendLine(room, std::string("ab\0cd", 5));
  std::string raw;
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, "ab");
}

// The fetch holds 256 bytes. A double-byte character whose lead byte is the
// 256th is left out whole, never cut after its lead byte.
TEST_F(TranscriptReaderTest, DoubleByteLinesAreCutBetweenCharacters) {
  for (const int codePage : {932, 936, 949, 950}) {
    SCOPED_TRACE(codePage);
    ScopedSystemCodePage inForce(codePage);
    const std::string wide = testing::InCodePage(codePage, U"中");
    ASSERT_EQ(wide.size(), 2u);
    std::string raw;
    world.desktop.AppendLine(room, std::string(255, 'x') + wide + wide);
    GetLastLine(world.desktop, transcript, raw);
    EXPECT_EQ(raw, std::string(255, 'x'));
    world.desktop.AppendLine(room, std::string(254, 'x') + wide + wide);
    GetLastLine(world.desktop, transcript, raw);
    EXPECT_EQ(raw, std::string(254, 'x') + wide);  // ends on the limit: whole
    world.desktop.AppendLine(room, "a" + wide + wide);
    GetLastLine(world.desktop, transcript, raw);
    EXPECT_EQ(raw, "a" + wide + wide);
  }
}

TEST_F(TranscriptReaderTest, AKeptTranscriptStaysWhileItIsARichEdit) {
  world.desktop.OpenRoom("Other Room", RoomLayout::Profile10);
  PickRoom(world.settings.Room, 1);  // another room picked: the kept transcript still reads the first
  RoomLink link = world.Link();
  RecheckTranscript(link);
  EXPECT_EQ(world.settings.Room.TranscriptHandle, transcript);
}

TEST_F(TranscriptReaderTest, AClosedTranscriptIsLookedUpAgain) {
  RoomLink link = world.Link();
  world.desktop.CloseByTitle("Lobby Room");
  RecheckTranscript(link);
  EXPECT_EQ(world.settings.Room.TranscriptHandle, kNoWindow);
  const WindowHandle reopened = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  world.desktop.AppendLine(reopened, "Ann: back again");
  RecheckTranscript(link);
  EXPECT_NE(world.settings.Room.TranscriptHandle, kNoWindow);
  EXPECT_NE(world.settings.Room.TranscriptHandle, transcript);
  EXPECT_EQ(FetchLastLine(world.desktop, world.settings.Room.TranscriptHandle), "Ann: back again\r");
}

TEST_F(TranscriptReaderTest, TheTickReadsARoomOpenedAgain) {
  StartPolling(world.bot);
  world.desktop.CloseByTitle("Lobby Room");
  const WindowHandle reopened = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  world.desktop.AppendLine(reopened, "Ann: back again");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.RawLine, "Ann: back again");
  EXPECT_EQ(world.settings.Line.Sender, "Ann");
}

}  // namespace
}  // namespace quorvel
