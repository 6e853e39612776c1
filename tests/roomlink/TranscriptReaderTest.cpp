#include <gtest/gtest.h>

#include "CodePageText.h"
#include "TestWorld.h"
#include "roomlink/RoomDiscovery.h"
#include "roomlink/TranscriptReader.h"
#include "text/CodePage.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using Lines = std::vector<std::string>;

// A room whose transcript has the given shape, attached, and a cursor over it.
struct ShapedRoom {
  void Open(TranscriptShape shape) {
    world.InstallClient("10.1");
    world.desktop.SetTranscriptShape(shape);
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    RoomLink link = world.Link();
    AttachToRoom(link);
    transcript = world.settings.Room.TranscriptHandle;
  }
  void Append(const Lines& lines) {
    for (const auto& line : lines) world.desktop.AppendLine(room, line);
  }
  MessageBatch Read() { return ReadNewMessages(world.desktop, transcript, cursor); }

  testing::TestWorld world;
  WindowHandle room = kNoWindow;
  WindowHandle transcript = kNoWindow;
  TranscriptCursor cursor;
};

class TranscriptReaderTest : public ::testing::Test, public ShapedRoom {};

// Lines arrive between reads; each read gives exactly the new ones, whatever
// the client does with its rows.
struct ReadStep {
  Lines Arrive;
  Lines New;
  size_t Skipped = 0;
};

Lines Numbered(const std::string& prefix, int from, int to) {
  Lines lines;
  for (int i = from; i <= to; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

TEST_F(TranscriptReaderTest, EveryMessageOnceInOrderWhateverTheClientKeeps) {
  const Lines burst = Numbered("Eve: flood ", 1, 35);
  const std::vector<ReadStep> steps = {
      {{"Ann: old", "Ann: newest"}, {"Ann: newest"}},    // an attach acts on the newest only
      {{}, {}},                                          // idle
      {{"Bob: hi", "Bob: hi"}, {"Bob: hi", "Bob: hi"}},  // the same text twice is two messages
      {{"Bob: hi"}, {"Bob: hi"}},
      {burst, Lines(burst.end() - 30, burst.end()), 5},  // the newest 30 of a burst
      {{"***Carol has joined the room"}, {"***Carol has joined the room"}},
      {{}, {}},
  };
  const TranscriptShape shapes[] = {{0, 0}, {12, 0}, {0, 4}, {12, 4}, {0, 40}};
  for (const auto& shape : shapes) {
    SCOPED_TRACE("wrap " + std::to_string(shape.WrapWidth) + ", keep " + std::to_string(shape.KeepLines));
    ShapedRoom shaped;
    shaped.Open(shape);
    for (size_t i = 0; i < steps.size(); ++i) {
      shaped.Append(steps[i].Arrive);
      const MessageBatch batch = shaped.Read();
      // A client that keeps fewer lines than a burst shows only its newest ones.
      const size_t shown = shape.KeepLines > 0 ? std::min<size_t>(shape.KeepLines, steps[i].New.size()) : 0;
      const Lines want =
          shown > 0 ? Lines(steps[i].New.end() - static_cast<long>(shown), steps[i].New.end()) : steps[i].New;
      EXPECT_EQ(batch.New, want) << "step " << i;
      if (shape.KeepLines == 0) {
        EXPECT_EQ(batch.Skipped, steps[i].Skipped) << "step " << i;
      }
    }
  }
}

TEST_F(TranscriptReaderTest, AWrappedMessageIsReadWholeAndCutAfter1024Characters) {
  Open({10, 0});
  // A nick at the start of a later row is still the first sender's text.
  Append({"Ann: hello"});
  Read();
  Append({"Eve: a badword in the first row and then Bob: bc! Ann"});
  EXPECT_EQ(Read().New, Lines{"Eve: a badword in the first row and then Bob: bc! Ann"});
  ASSERT_GT(world.desktop.LineCount(transcript), 6);  // it did wrap
  const std::string longLine = "Ann: " + std::string(1100, 'x');
  Append({longLine});
  EXPECT_EQ(Read().New, Lines{longLine.substr(0, 1024)});
  // In a double-byte code page a character counts once and is never cut in two.
  ScopedSystemCodePage japanese(932);
  const std::string kanji = testing::InCodePage(932, U"中");
  std::string wide;
  for (int i = 0; i < 1100; ++i) wide += kanji;
  Append({wide});
  EXPECT_EQ(Read().New, Lines{wide.substr(0, 2048)});
}

TEST_F(TranscriptReaderTest, WhatCameBeforeTheNewOnesIsKnownForAWhisper) {
  Open({});
  Append({"Bob: psst", "***** Whisper from Bob", "(private)"});
  Read();
  Append({"***** End Whisper"});
  EXPECT_EQ(Read().Earlier, (Lines{"Bob: psst", "***** Whisper from Bob", "(private)"}));
  Append({"one", "two", "three", "four"});
  const MessageBatch batch = Read();
  EXPECT_EQ(batch.Earlier, (Lines{"***** Whisper from Bob", "(private)", "***** End Whisper"}));
}

TEST_F(TranscriptReaderTest, AnAttachActsOnANewestMessageOnlyOnce) {
  Open({});
  Append({"Ann: greeter on"});
  EXPECT_EQ(Read().New, Lines{"Ann: greeter on"});
  MarkFresh(cursor);  // Stop and Start again
  EXPECT_TRUE(Read().New.empty());
  Append({"Ann: one", "Ann: two"});
  MarkFresh(cursor);
  EXPECT_EQ(Read().New, Lines{"Ann: two"});
  // A room opened again is another transcript: its newest is new.
  world.desktop.CloseByTitle("Lobby Room");
  Open({});
  Append({"Ann: two"});
  EXPECT_EQ(Read().New, Lines{"Ann: two"});
}

TEST_F(TranscriptReaderTest, NoTranscriptReadsNothingAndKeepsThePlace) {
  Open({});
  Append({"Ann: hi"});
  Read();
  const TranscriptCursor before = cursor;
  EXPECT_TRUE(ReadNewMessages(world.desktop, kNoWindow, cursor).New.empty());
  cursor = before;
  world.desktop.CloseByTitle("Lobby Room");
  EXPECT_TRUE(Read().New.empty());  // a stale handle
  EXPECT_EQ(cursor.Recent, before.Recent);
}

TEST_F(TranscriptReaderTest, TheNewestMessageLosesItsCarriageReturnsAndStopsAtAZeroByte) {
  Open({});
  std::string raw = "previous";
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, "");
  Append({"he\rllo"});
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, "hello");
  Append({std::string("ab\0cd", 5)});
  GetLastLine(world.desktop, transcript, raw);
  EXPECT_EQ(raw, "ab");
}

TEST_F(TranscriptReaderTest, AKeptTranscriptStaysWhileItIsARichEdit) {
  Open({});
  world.desktop.OpenRoom("Other Room", RoomLayout::Profile10);
  PickRoom(world.settings.Room, 1);  // another room picked: the kept transcript still reads the first
  RoomLink link = world.Link();
  RecheckTranscript(link);
  EXPECT_EQ(world.settings.Room.TranscriptHandle, transcript);
}

TEST_F(TranscriptReaderTest, AClosedTranscriptIsLookedUpAgain) {
  Open({});
  RoomLink link = world.Link();
  world.desktop.CloseByTitle("Lobby Room");
  RecheckTranscript(link);
  EXPECT_EQ(world.settings.Room.TranscriptHandle, kNoWindow);
  const WindowHandle reopened = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  world.desktop.AppendLine(reopened, "Ann: back again");
  RecheckTranscript(link);
  EXPECT_NE(world.settings.Room.TranscriptHandle, kNoWindow);
  EXPECT_NE(world.settings.Room.TranscriptHandle, transcript);
  EXPECT_EQ(ReadNewestMessage(world.desktop, world.settings.Room.TranscriptHandle), "Ann: back again");
}

TEST_F(TranscriptReaderTest, TheTickReadsARoomOpenedAgain) {
  Open({});
  world.settings.PollTimer = true;
  world.desktop.CloseByTitle("Lobby Room");
  const WindowHandle reopened = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  world.desktop.AppendLine(reopened, "Ann: back again");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.RawLine, "Ann: back again");
  EXPECT_EQ(world.settings.Line.Sender, "Ann");
}

}  // namespace
}  // namespace quorvel
