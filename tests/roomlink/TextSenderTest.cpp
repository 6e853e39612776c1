#include <gtest/gtest.h>

#include "TestWorld.h"
#include "roomlink/TextSender.h"

namespace quorvel {
namespace {

using testing::TestWorld;

std::vector<SimEvent> Sent(TestWorld& w) {
  std::vector<SimEvent> sent;
  while (SimEvent* e = w.events.Consume(EventKind::Sent)) sent.push_back(*e);
  return sent;
}

TEST(TextSenderTest, SendsIntoTheSelectedRoomAndTheClientEchoes) {
  TestWorld w;
  w.InstallClient("10.1");
  w.SignIn("Operator");
  const WindowHandle room = w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  TxtSendPal(link, "{\\rtf1\\ansi {\\b Hello} world\\par}");
  TxtSendPal(link, "{\\rtf1\\ansi second\\par}");
  const auto sent = Sent(w);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].Text, "Hello world");
  EXPECT_EQ(sent[1].Text, "second");
  const auto transcript = w.desktop.TranscriptOf(room);
  ASSERT_EQ(transcript.size(), 2u);
  EXPECT_EQ(transcript[0], "Operator: Hello world");
  EXPECT_EQ(transcript[1], "Operator: second");
}

// A room without its send box has the transcript where the send box is
// looked for: nothing is set into the transcript, and the send box is missed.
TEST(TextSenderTest, NeverTypesIntoTheTranscript) {
  TestWorld w;
  w.InstallClient("10.1");
  WindowNode layout = RoomWindowLayout(RoomLayout::Profile10, "Lobby Room");
  LeaveOutWindow(layout, WindowRole::SendBox);
  const WindowHandle room = w.desktop.OpenRoom(layout);
  w.desktop.AppendLine(room, "Ann: hello");
  RoomLink link = w.Link();
  AttachToRoom(link);
  TxtSendPal(link, "{\\rtf1\\ansi overwritten\\par}");
  EXPECT_TRUE(Sent(w).empty());
  EXPECT_EQ(w.desktop.TranscriptOf(room), std::vector<std::string>{"Ann: hello"});
  EXPECT_EQ(w.settings.Room.Health.SendBox, WindowPresence::Missing);
}

TEST(TextSenderTest, EmptyTitleSendsNothingAndDoesNotRediscover) {
  TestWorld w;
  w.InstallClient("10.1");
  RoomLink link = w.Link();
  AttachToRoom(link);  // no rooms yet
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  TxtSendPal(link, "{\\rtf1 hi}");
  EXPECT_TRUE(Sent(w).empty());
  EXPECT_TRUE(w.settings.Room.RoomList.empty());
}

TEST(TextSenderTest, ClosedRoomRedirectsToTheRoomFoundAgain) {
  TestWorld w;
  w.InstallClient("10.1");
  w.desktop.OpenRoom("Chess Room", RoomLayout::Profile10);
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  ASSERT_EQ(w.settings.Room.SelectedRoomTitle, "Lobby Room");
  w.desktop.CloseByTitle("Lobby Room");
  TxtSendPal(link, "{\\rtf1 hello}");
  const auto sent = Sent(w);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Title, "Chess Room");
  EXPECT_EQ(w.settings.Room.SelectedRoomTitle, "Chess Room");
}

TEST(TextSenderTest, RoomOfAnotherLayoutLosesTheMessage) {
  TestWorld w;
  w.InstallClient("10.1");
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Shallow);
  RoomLink link = w.Link();
  AttachToRoom(link);
  TxtSendPal(link, "{\\rtf1 hello}");
  EXPECT_TRUE(Sent(w).empty());
}

TEST(TextSenderTest, UnreplacedPlaceholdersGoOutUnchanged) {
  TestWorld w;
  w.InstallClient("10.1");
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  const std::string rtf = "{\\rtf1 Welcome %sn to %rn\\par}";
  TxtSendPal(link, rtf);
  const auto sent = Sent(w);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Rtf, rtf);
}

}  // namespace
}  // namespace quorvel
