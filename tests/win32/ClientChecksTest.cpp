// What the binding makes sure of before it talks to the client, against
// fakepal.exe in another process, 32- and 64-bit: that it knows which records
// the client's process takes, and that the transcript it kept is still one.
#include <gtest/gtest.h>

#include <cstdlib>

#include "EachClientTest.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/TranscriptReader.h"
#include "roomlink/WindowSearch.h"
#include "roomlink/win32/Win32Desktop.h"
#include "text/AnsiText.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;

constexpr const char* kRoom = "Checked Room";

class ClientChecksTest : public testing::EachClientTest {
 protected:
  bool StartClient() {
    testing::InstallClient();
    pal = std::make_unique<FakePalProcess>(
        GetParam(), std::vector<std::string>{"--layout", "10", "--room", kRoom, "--nicks", "Ann,Troll"});
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    return settings.Room.SelectedRoomTitle == kRoom && settings.Room.TranscriptHandle != kNoWindow;
  }
  std::vector<std::string> LastJournal(const std::string& kind) const {
    std::vector<std::string> found;
    for (const auto& line : pal->JournalLines())
      if (line.rfind(kind + "\t", 0) == 0) found = SplitAt(line, '\t');
    return found;
  }

  std::unique_ptr<FakePalProcess> pal;
};

// A client that lets its memory be read and written but not be asked what
// it is, as one running under another account may: its records cannot be
// known, so nothing is read from it or selected in it, and the binding says so.
TEST_P(ClientChecksTest, AClientOfUnknownBitnessIsLeftAlone) {
  ASSERT_TRUE(StartClient()) << "fakepal did not start";
  bool refuseQueries = true;
  Win32Desktop guarded(Win32Desktop::kDefaultTimeoutMs, [&](unsigned long access, unsigned long processId) -> void* {
    if (refuseQueries && (access & PROCESS_QUERY_LIMITED_INFORMATION)) return nullptr;
    return OpenProcess(access, FALSE, processId);
  });
  const WindowHandle list = FindNickListView(guarded, kRoom);
  const WindowHandle transcript = settings.Room.TranscriptHandle;
  ASSERT_NE(list, kNoWindow);
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {kRoom, "Ann: hello"}));
  EXPECT_FALSE(guarded.ClientBitnessUnknown());

  EXPECT_TRUE(guarded.ListItemTexts(list).empty());
  EXPECT_TRUE(guarded.ClientBitnessUnknown());
  EXPECT_EQ(guarded.ListItemText(list, 1), "");
  EXPECT_EQ(guarded.ListItemCount(list), 2);  // a count needs no records
  std::string raw = "stale";
  GetLastLine(guarded, transcript, raw);
  EXPECT_EQ(raw, "");
  guarded.SelectListItem(list, 1);
  guarded.PostCommand(FindTopLevel(guarded, std::string(kRoomWindowClass), std::string(kRoom)), kCommandBounce);
  ASSERT_TRUE(pal->WaitForJournal("COMMAND"));
  EXPECT_EQ(LastJournal("COMMAND"), (std::vector<std::string>{"COMMAND", "32947", "-"}));

  // Once the client answers, it is read again and the state clears.
  refuseQueries = false;
  EXPECT_EQ(guarded.ListItemTexts(list), (std::vector<std::string>{"Ann", "Troll"}));
  EXPECT_FALSE(guarded.ClientBitnessUnknown());
  GetLastLine(guarded, transcript, raw);
  EXPECT_EQ(raw, "Ann: hello");
}

TEST_P(ClientChecksTest, TheTickReadsARoomOpenedAgain) {
  ASSERT_TRUE(StartClient()) << "fakepal did not start";
  StartPolling(bot);
  ASSERT_TRUE(pal->Command(fakepal::kCloseRoom, {kRoom}));
  ASSERT_TRUE(pal->Command(fakepal::kOpenRoom, {kRoom}));
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {kRoom, "Ann: back again"}));
  PollTick(bot);
  EXPECT_EQ(settings.Line.RawLine, "Ann: back again");
  EXPECT_EQ(settings.Line.Sender, "Ann");
}

INSTANTIATE_TEST_SUITE_P(Bitness, ClientChecksTest, ::testing::Values("fakepal32.exe", "fakepal64.exe"),
                         [](const auto& info) { return std::string(info.param).substr(0, 9); });

}  // namespace
}  // namespace quorvel
