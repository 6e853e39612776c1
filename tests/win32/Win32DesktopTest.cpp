// The Win32 binding against fakepal.exe in another process, 32- and 64-bit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "EachClientTest.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "host/win32/Win32Host.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/TextSender.h"
#include "roomlink/TranscriptReader.h"
#include "roomlink/WindowSearch.h"
#include "roomlink/win32/Win32Desktop.h"
#include "storage/RegAccess.h"
#include "storage/win32/Win32RegistryStore.h"
#include "text/AnsiText.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;

constexpr const char* kUninstall = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger";

// The newest journal line of a kind, split at tabs.
std::vector<std::string> LastJournal(const FakePalProcess& pal, const std::string& kind) {
  std::vector<std::string> found;
  for (const auto& line : pal.JournalLines())
    if (line.rfind(kind + "\t", 0) == 0) found = SplitAt(line, '\t');
  return found;
}

size_t JournalCount(const FakePalProcess& pal, const std::string& kind) {
  size_t count = 0;
  for (const auto& line : pal.JournalLines()) count += line.rfind(kind + "\t", 0) == 0;
  return count;
}

class Win32BindingTest : public testing::EachClientTest {
 protected:
  bool SetUpBot(const std::string& version, const std::string& layout, const std::string& room,
                const std::string& nicks = "Ann,@Bob,Carol") {
    testing::InstallClient(version);
    pal = std::make_unique<FakePalProcess>(
        GetParam(), std::vector<std::string>{"--layout", layout, "--room", room, "--nicks", nicks});
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    return true;
  }

  std::unique_ptr<FakePalProcess> pal;
};

TEST_P(Win32BindingTest, DiscoveryFindsTheRoomAndTheProfile) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Wine Lobby Room")) << "fakepal did not start";
  EXPECT_EQ(settings.Room.ClientVersionCode, 10);
  EXPECT_EQ(settings.BotNick, "Operator");
  ASSERT_FALSE(settings.Room.RoomList.empty());
  EXPECT_EQ(settings.Room.SelectedRoomTitle, "Wine Lobby Room");
  EXPECT_NE(settings.Room.TranscriptHandle, kNoWindow);
  EXPECT_EQ(desktop.LineCount(settings.Room.TranscriptHandle), 1);
}

TEST_P(Win32BindingTest, ProfileNineFindsItsOwnTranscript) {
  ASSERT_TRUE(SetUpBot("10.9.1", "9", "Nine Room")) << "fakepal did not start";
  EXPECT_EQ(settings.Room.ClientVersionCode, 9);
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Nine Room", "Ann: from nine"}));
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Ann: from nine");
}

TEST_P(Win32BindingTest, PollTickReadsAndClassifiesTheNewestLine) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Tick Room")) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Tick Room", "Ann: Hello: World"}));
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Tick Room", "***Bob has joined the room"}));
  StartPolling(bot);
  PollTick(bot);
  EXPECT_EQ(settings.Line.RawLine, "***Bob has joined the room");
  EXPECT_EQ(settings.Line.JoinedNick, "Bob");
  EXPECT_EQ(settings.Panel.UserCountLabel, "3");
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Tick Room", "Ann: Hello: World"}));
  PollTick(bot);
  EXPECT_EQ(settings.Line.Sender, "Ann");
  EXPECT_EQ(settings.Line.Text, "world");
}

TEST_P(Win32BindingTest, ReaderCutsLongMessagesAfter1024Characters) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Long Room")) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Long Room", std::string(1300, 'x')}));
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, std::string(1024, 'x'));
}

TEST_P(Win32BindingTest, SentRtfArrivesFormatted) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Send Room")) << "fakepal did not start";
  RoomLink link = bot.Link();
  TxtSendPal(link, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Hi \\b Bold\\b0\\par}");
  const auto sent = LastJournal(*pal, "SENT");
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[1], "Hi Bold");
  // The box loaded the RTF as a document (its text is not the RTF source) and
  // the transcript line carries the bold. Wine's rich edit also bolds the run
  // before the first format change, so only the bold part is checked.
  ASSERT_EQ(sent[2].size(), 7u);
  EXPECT_EQ(sent[2].substr(3), "bbbb") << sent[3];
  EXPECT_NE(sent[3].find("\\b"), std::string::npos) << sent[3];
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Operator: Hi Bold");
}

TEST_P(Win32BindingTest, GreeterGreetsANickJoiningInTheClient) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Greet Room")) << "fakepal did not start";
  CharFormat red;
  red.Color = Rgb(255, 0, 0);
  settings.Greeter.DesignEditor.SetPlainText("Welcome %sn to %rn", red);
  StartFeature(bot, Feature::Greeter);
  EXPECT_TRUE(settings.PollTimer);
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Greet Room", "Bob has joined the room"}));
  PollTick(bot);
  EXPECT_EQ(settings.Line.JoinedNick, "");
  const auto sent = LastJournal(*pal, "SENT");
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[1], "Welcome Bob to Greet Room");
  EXPECT_NE(sent[3].find("\\red255"), std::string::npos) << sent[3];
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Operator: Welcome Bob to Greet Room");
  PollTick(bot);  // the greeting is the newest line now: nobody is greeted twice
  EXPECT_EQ(JournalCount(*pal, "SENT"), 1u);
}

TEST_P(Win32BindingTest, AnAdminSwitchesTheGreeterFromTheRoom) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Command Room")) << "fakepal did not start";
  settings.Admins.AdminList.Items = {"Ann"};
  StartPolling(bot);
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Command Room", "Ann: greeter on"}));
  PollTick(bot);
  EXPECT_TRUE(settings.Features.GreeterOn);
  const auto sent = LastJournal(*pal, "SENT");
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[1], "Greeter is now On");
  EXPECT_NE(sent[3].find("\\red192\\green0\\blue0"), std::string::npos) << sent[3];
  PollTick(bot);  // the notice is the newest line: the command is not repeated
  EXPECT_EQ(JournalCount(*pal, "SENT"), 1u);
}

TEST_P(Win32BindingTest, ReadsTheNickListAcrossProcesses) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Nick Room", "Ann,@Bob," + std::string(254, 'n'))) << "fakepal did not start";
  const WindowHandle list = FindNickListView(desktop, "Nick Room");
  ASSERT_NE(list, kNoWindow);
  EXPECT_EQ(desktop.ListItemCount(list), 3);
  const std::vector<std::string> want = {"Ann", "@Bob", std::string(254, 'n')};
  EXPECT_EQ(desktop.ListItemTexts(list), want);
}

TEST_P(Win32BindingTest, SelectAndBounceRemoveTheNick) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Bounce Room")) << "fakepal did not start";
  const WindowHandle list = FindNickListView(desktop, "Bounce Room");
  desktop.SelectListItem(list, 1);
  const WindowHandle room = FindTopLevel(desktop, std::string(kRoomWindowClass), std::string("Bounce Room"));
  desktop.PostCommand(room, kCommandBounce);
  ASSERT_TRUE(pal->WaitForJournal("COMMAND"));
  EXPECT_EQ(desktop.ListItemCount(list), 2);
  const auto command = LastJournal(*pal, "COMMAND");
  ASSERT_EQ(command.size(), 3u);
  EXPECT_EQ(command[1], "32947");
  EXPECT_EQ(command[2], "@Bob");
  EXPECT_EQ(desktop.ListItemTexts(list), (std::vector<std::string>{"Ann", "Carol"}));
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Bob has been bounced from the room");
}

TEST_P(Win32BindingTest, AutoBounceRemovesAJoiningNickByItself) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Guard Room", "Ann,Troll")) << "fakepal did not start";
  settings.Moderation.AutoBounceList.Items = {"Troll"};
  StartFeature(bot, Feature::AutoBounce);
  StartPolling(bot);
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Guard Room", "Troll has joined the room"}));
  PollTick(bot);
  ASSERT_TRUE(pal->WaitForJournal("COMMAND"));
  const auto command = LastJournal(*pal, "COMMAND");
  EXPECT_EQ(command.at(1), "32947");
  EXPECT_EQ(command.at(2), "Troll");
  const WindowHandle list = FindNickListView(desktop, "Guard Room");
  EXPECT_EQ(desktop.ListItemTexts(list), std::vector<std::string>{"Ann"});
  EXPECT_EQ(settings.Line.JoinedNick, "");
}

TEST_P(Win32BindingTest, ClientExitingMidReadEndsTheReadCleanly) {
  std::string nicks;
  std::vector<std::string> all;
  for (int i = 0; i < 300; ++i) {
    all.push_back("nick" + std::to_string(i));
    nicks += (i ? "," : "") + all.back();
  }
  ASSERT_TRUE(SetUpBot("10.1", "10", "Exit Room", nicks)) << "fakepal did not start";
  const WindowHandle list = FindNickListView(desktop, "Exit Room");
  ASSERT_EQ(desktop.ListItemTexts(list), all);
  pal->Post(fakepal::kQuitMessage);
  // Whatever moment the client goes, a read gives the nicks read until then.
  for (int round = 0; round < 50 && !pal->WaitForExit(0); ++round) {
    const auto texts = desktop.ListItemTexts(list);
    ASSERT_LE(texts.size(), all.size());
    EXPECT_TRUE(std::equal(texts.begin(), texts.end(), all.begin()));
  }
  EXPECT_TRUE(pal->WaitForExit(10000));
  EXPECT_TRUE(desktop.ListItemTexts(list).empty());
}

TEST_P(Win32BindingTest, FastAdminJoinOpensTheRoomInTheClient) {
  RegAccess(registry).WriteString(kUninstall, "DisplayVersion", "10.1");
  pal = std::make_unique<FakePalProcess>(GetParam(), std::vector<std::string>{"--adminrooms", "Chess,Lobby"});
  ASSERT_TRUE(pal->Ready());
  settings.FastAdmin.FastAdminNicks.Items = {"Lobby"};
  settings.FastAdmin.FastAdminCodes.Items = {"s3cret"};
  settings.FastAdmin.FastAdminNicks.SelectOnly(0);
  FastAdminJoin(bot);
  ASSERT_TRUE(pal->WaitForJournal("JOINED"));
  const auto joined = LastJournal(*pal, "JOINED");
  ASSERT_EQ(joined.size(), 3u);
  EXPECT_EQ(joined[1], "Lobby");
  EXPECT_EQ(joined[2], "s3cret");
  EXPECT_EQ(settings.FastAdmin.DialogRoomIndex, "1");
  EXPECT_TRUE(settings.FastAdmin.DialogRoomList.empty());
  RoomLink link = bot.Link();
  AttachToRoom(link);
  EXPECT_EQ(settings.Room.RoomList, std::vector<std::string>{"Lobby Room"});
}

TEST_P(Win32BindingTest, HungClientCostsOneSkippedStep) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Hang Room")) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Hang Room", "Ann: before"}));
  pal->Hang(3000);
  const ULONGLONG start = GetTickCount64();
  std::string raw = "stale";
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  const ULONGLONG elapsed = GetTickCount64() - start;
  EXPECT_EQ(raw, "");
  EXPECT_LT(elapsed, 2500u);
  // Once the client answers again, so does the reader.
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Hang Room", "Ann: after"}));
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Ann: after");
}

TEST_P(Win32BindingTest, HungClientCostsOneTimeoutPerTick) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Stall Room")) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Stall Room", "Ann: before"}));
  const WindowHandle transcript = settings.Room.TranscriptHandle;
  RoomLink link = bot.Link();
  desktop.BeginTick();
  pal->Hang(1500);
  EXPECT_EQ(desktop.LineCount(transcript), 0);  // the one timeout
  TxtSendPal(link, "{\\rtf1 dropped}");
  // The client answers again (the command waits for it), but this tick no
  // longer asks it anything.
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Stall Room", "Ann: after"}));
  EXPECT_EQ(desktop.LineCount(transcript), 0);
  EXPECT_EQ(UserCountText(desktop, "Stall Room"), "0");
  desktop.EndTick();
  // The next tick asks afresh; the dropped send stays dropped.
  desktop.BeginTick();
  std::string raw;
  GetLastLine(desktop, transcript, raw);
  EXPECT_EQ(raw, "Ann: after");
  EXPECT_EQ(UserCountText(desktop, "Stall Room"), "3");
  desktop.EndTick();
  EXPECT_EQ(JournalCount(*pal, "SENT"), 0u);
}

TEST_P(Win32BindingTest, ReadsALongNickListInTurns) {
  std::string nicks;
  std::vector<std::string> all;
  for (int i = 0; i < 600; ++i) {  // more than one block holds: read in two turns
    all.push_back(i == 0 ? "@Op" : i == 550 ? std::string(254, 'w') : "guest" + std::to_string(i));
    nicks += (i ? "," : "") + all.back();
  }
  ASSERT_TRUE(SetUpBot("10.1", "10", "Crowd Room", nicks)) << "fakepal did not start";
  const WindowHandle list = FindNickListView(desktop, "Crowd Room");
  EXPECT_EQ(desktop.ListItemTexts(list), all);
  ReadRoomNicks(desktop, "Crowd Room", settings.Moderation.RoomNickList);
  ASSERT_EQ(settings.Moderation.RoomNickList.size(), all.size());
  EXPECT_EQ(settings.Moderation.RoomNickList.front(), "Op");
}

TEST_P(Win32BindingTest, ReaderFollowsTheTranscriptOfARoomOpenedAgain) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Return Room")) << "fakepal did not start";
  const WindowHandle first = settings.Room.TranscriptHandle;
  std::string raw;
  for (const char* line : {"Ann: one", "Ann: two"}) {
    ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Return Room", line}));
    GetLastLine(desktop, first, raw);
    EXPECT_EQ(raw, line);
  }
  ASSERT_TRUE(pal->Command(fakepal::kCloseRoom, {"Return Room"}));
  GetLastLine(desktop, first, raw);
  EXPECT_EQ(raw, "");
  ASSERT_TRUE(pal->Command(fakepal::kOpenRoom, {"Return Room"}));
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Return Room", "Ann: three"}));
  RoomLink link = bot.Link();
  AttachToRoom(link);
  ASSERT_NE(settings.Room.TranscriptHandle, kNoWindow);
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Ann: three");
  EXPECT_EQ(UserCountText(desktop, settings.Room), "0");  // the new room's list, still empty
}

TEST_P(Win32BindingTest, ClosedClientLeavesStaleHandlesHarmless) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Gone Room")) << "fakepal did not start";
  const WindowHandle list = FindNickListView(desktop, "Gone Room");
  pal->Post(fakepal::kQuitMessage);
  ASSERT_TRUE(pal->WaitForExit(10000));
  EXPECT_EQ(desktop.LineCount(settings.Room.TranscriptHandle), 0);
  EXPECT_TRUE(desktop.ListItemTexts(list).empty());
  desktop.SelectListItem(list, 0);
  RoomLink link = bot.Link();
  TxtSendPal(link, "{\\rtf1 nobody}");  // rediscovers, finds no room, sends nothing
  EXPECT_TRUE(settings.Room.RoomList.empty());
}

TEST_P(Win32BindingTest, NoticeWindowIsClosedByTheTick) {
  ASSERT_TRUE(SetUpBot("10.1", "10", "Notice Room")) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kOpenNotice, {}));
  ASSERT_NE(FindTopLevel(desktop, std::nullopt, std::string(kNoticeTitle)), kNoWindow);
  StartPolling(bot);
  PollTick(bot);
  ASSERT_TRUE(pal->WaitForJournal("CLOSED"));
  EXPECT_EQ(FindTopLevel(desktop, std::nullopt, std::string(kNoticeTitle)), kNoWindow);
  EXPECT_EQ(LastJournal(*pal, "CLOSED").at(1), kNoticeTitle);
}

INSTANTIATE_TEST_SUITE_P(Bitness, Win32BindingTest, ::testing::Values("fakepal32.exe", "fakepal64.exe"),
                         [](const auto& info) { return std::string(info.param).substr(0, 9); });

TEST(Win32RegistryStoreTest, RegAccessOverTheSystemRegistry) {
  Win32RegistryStore store;
  RegAccess reg(store);
  const std::string key = "HKEY_CURRENT_USER\\Software\\QuorvelTest";
  reg.KillKey(key);
  ASSERT_TRUE(reg.WriteString(key, "name", "  value"));
  ASSERT_TRUE(reg.WriteDWORD(key + "\\Sub", "n", 42));
  EXPECT_TRUE(reg.KeyExists(key));
  EXPECT_EQ(reg.ReadString(key, "name", "0"), "value");
  EXPECT_EQ(reg.ReadDWORD(key + "\\Sub", "n", 0), 42u);
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\QuorvelTest", "name"), "  value");
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\QuorvelTest\\Sub", "n"), "");
  EXPECT_TRUE(reg.HaveSubkey(key));
  EXPECT_TRUE(reg.KillKey(key));
  EXPECT_FALSE(reg.KeyExists(key));
}

}  // namespace
}  // namespace quorvel
