// The client report: the client's windows, what the bot took and missed, and
// nothing private.
#include <gtest/gtest.h>

#include <string>

#include "TestWorld.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/ClientReport.h"
#include "roomlink/LookedFor.h"
#include "text/AnsiText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::TestWorld;

const ReportHeader kHeader{"11.0", "10.0.19045", "09:05 PM 9/17/2013"};

std::string Report(TestWorld& w) {
  RoomLink link = w.Link();
  return ClientReportText(link, kHeader);
}

bool Has(const std::string& report, const std::string& text) { return report.find(text) != std::string::npos; }

// The line that begins with `start`, without its line end; empty when there is none.
std::string LineStarting(const std::string& report, const std::string& start) {
  const size_t at = report.find("\r\n" + start);
  if (at == std::string::npos) return {};
  const size_t end = report.find("\r\n", at + 2);
  return report.substr(at + 2, end - at - 2);
}

TEST(ClientReportTest, RoomWithoutNickListIsMissedAndEveryOtherPartTaken) {
  TestWorld w;
  w.InstallClient("10.1");
  WindowNode layout = RoomWindowLayout(RoomLayout::Profile10, "Lobby Room");
  LeaveOutWindow(layout, WindowRole::NickList);
  w.desktop.OpenRoom(layout);
  w.desktop.OpenWindow("Notepad", "diary.txt - Notepad");  // another program's window
  RoomLink link = w.Link();
  AttachToRoom(link);
  const std::string report = Report(w);

  for (const char* line : {"Quorvel version: 11.0", "ANSI code page: 1252", "Windows version: 10.0.19045",
                           "Version string: \"10.1\"", "Selected room: \"Lobby Room\""})
    EXPECT_TRUE(Has(report, std::string("\r\n") + line + "\r\n")) << line;
  EXPECT_EQ(LineStarting(report, "Nick list: "),
            "Nick list: missed; looked for: A \"SysListView32\" after the header in the 2nd "
            "\"ClassCPaneContainerEx\" of the 6th nested \"SplitterWindowEx\" of the room window \"Lobby Room\"");
  EXPECT_EQ(LineStarting(report, "User count: "), "User count: missed (it is the nick list's item count)");
  for (const char* part : {"Room: found 0x", "Transcript: found 0x", "Send box: found 0x"})
    EXPECT_FALSE(LineStarting(report, part).empty()) << part;
  // The tree marks what was taken, and lists only the client's own process.
  EXPECT_TRUE(Has(report, "\"DlgGroupChat Window Class\" id 0 \"Lobby Room\" visible enabled 0x0  <- room\r\n"));
  EXPECT_TRUE(Has(report, "lines 0  <- send box\r\n"));
  EXPECT_TRUE(Has(report, "  <- transcript\r\n"));
  EXPECT_FALSE(Has(report, "<- nick list"));
  EXPECT_FALSE(Has(report, "Notepad"));
  EXPECT_TRUE(Has(report, "Process 4242\r\n"));
  EXPECT_TRUE(Has(report, "Every call to the client was answered in time."));
}

TEST(ClientReportTest, HoldsNoTranscriptLineAndNoNick) {
  TestWorld w;
  const WindowHandle room = w.AttachedRoom();
  w.desktop.AppendLine(room, "Zelda: my secret plans");
  w.desktop.SetNicks(room, {"Zelda", "@Ganon"});
  const std::string report = Report(w);
  EXPECT_FALSE(Has(report, "secret"));
  EXPECT_FALSE(Has(report, "Zelda"));
  EXPECT_FALSE(Has(report, "Ganon"));
  EXPECT_EQ(LineStarting(report, "User count: "), "User count: 2");
  EXPECT_TRUE(Has(report, "\"SysListView32\" id 0 \"\" visible enabled 0x0 items 2  <- nick list\r\n"));
  // Every line ends in CR LF, for Notepad.
  for (size_t at = report.find('\n'); at != std::string::npos; at = report.find('\n', at + 1))
    ASSERT_EQ(report[at - 1], '\r');
}

TEST(ClientReportTest, NoClientAndNoRoomAreSaidInWords) {
  TestWorld w;
  w.desktop.OpenWindow("Notepad", "diary.txt - Notepad");
  const std::string report = Report(w);
  for (const char* text :
       {"Version string: none (no uninstall entry)\r\n", "Version code: 0 (not a version this program knows)\r\n",
        "Selected room: none", "No window of the client was found", "No client window found: nothing was read.\r\n"})
    EXPECT_TRUE(Has(report, text)) << text;
  for (const char* text : {"Notepad", "Memory readable", "answered in time"}) EXPECT_FALSE(Has(report, text)) << text;
}

// A binding that has learnt, or not, what it says of the client's process.
class LearntDesktop : public SimDesktop {
 public:
  using SimDesktop::SimDesktop;
  int Bits = 0;
  bool Tried = false, Unknown = false, Hung = false;
  int ClientBits() const override { return Bits; }
  bool ClientMemoryTried() const override { return Tried; }
  bool ClientBitnessUnknown() const override { return Unknown; }
  bool TickMetHungClient() const override { return Hung; }
};

// The report says what the binding knows of the client's process and its answers.
TEST(ClientReportTest, SaysWhatIsKnownOfTheClientsProcessAndItsAnswers) {
  struct Case {
    int Bits;
    bool Tried, Unknown, Hung;
    const char* Line;   // a line the report holds
    const char* Lacks;  // a text it does not hold
  };
  const Case cases[] = {
      {0, false, false, false, "Memory readable: not tried yet", "No client window found"},
      {64, true, false, false, "Memory readable: yes, as far as known", "not learnt yet"},
      {0, true, true, false, "Memory readable: no (the process did not tell its bitness)", "yes"},
      {64, true, false, true, "The client did not answer in time: it may be hung.", "Every call"},
  };
  for (const Case& c : cases) {
    SimEventLog events;
    MemoryRegistryStore registry;
    LearntDesktop desktop(events, registry);
    desktop.OpenClientMainWindow();
    desktop.Bits = c.Bits;
    desktop.Tried = c.Tried;
    desktop.Unknown = c.Unknown;
    desktop.Hung = c.Hung;
    RoomLinkState state;
    RoomLink link{desktop, registry, state};
    const std::string report = ClientReportText(link, kHeader);
    EXPECT_TRUE(Has(report, c.Line)) << c.Line << "\n" << report;
    EXPECT_FALSE(Has(report, c.Lacks)) << c.Lacks << "\n" << report;
  }
}

// A title or class holding line ends, quotes or backslashes stays on its own
// line and reads back as it was; the two bytes of a double-byte character are kept.
TEST(ClientReportTest, NamesAreEscapedSoNoTitleWritesLinesOfItsOwn) {
  struct Case {
    int CodePage;
    std::string Name;
    std::string Quoted;
  };
  const Case cases[] = {
      {1252, "x\r\nUser count: 99", "\"x\\x0D\\x0AUser count: 99\""},
      {1252, std::string("a\0b\x1B[2J\x7F", 8), "\"a\\x00b\\x1B[2J\\x7F\""},
      {1252, "say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
      {932, "\x95\x5C Room", "\"\x95\x5C Room\""},  // the trail byte 0x5C is no backslash
      {932, "\x82\r\nx", "\"\x82\\x0D\\x0Ax\""},    // a lead byte takes no line end as its trail
  };
  for (const Case& c : cases) {
    ScopedSystemCodePage codePage(c.CodePage);
    EXPECT_EQ(QuotedName(c.Name), c.Quoted) << c.CodePage << " " << c.Name;
  }
}

// The report reads the record the status bar reads, brought up to date: a
// room closed while the bot was stopped is missed in both, and is no longer
// listed. Its title stays on its line.
TEST(ClientReportTest, ReportAndStatusBarReadTheSameRecord) {
  TestWorld w;
  w.AttachedRoom("Evil\r\nUser count: 99 Room");
  w.desktop.CloseByTitle("Evil\r\nUser count: 99 Room");
  const std::string report = Report(w);
  EXPECT_TRUE(Has(report, "Selected room: \"Evil\\x0D\\x0AUser count: 99 Room\"\r\n")) << report;
  EXPECT_EQ(LineStarting(report, "Send box: ").rfind("Send box: missed; looked for: ", 0), 0u) << report;
  EXPECT_EQ(w.settings.Room.Health.SendBox, WindowPresence::Missing);
  EXPECT_TRUE(w.settings.Room.RoomList.empty());
}

TEST(ClientReportTest, ListingStopsAtItsBoundsAndTitlesAreCut) {
  TestWorld w;
  w.InstallClient("10.1");
  WindowNode big{kRoomWindowClass, std::string(80, 'T') + " Room", WindowRole::None, {}};
  big.Children.assign(kReportMaxWindows + 10, WindowNode{"Static", "x", WindowRole::None, {}});
  WindowNode* deep = &big.Children.front();
  for (int level = 0; level < kReportMaxDepth + 3; ++level) {
    deep->Children.push_back(WindowNode{"Deep", "", WindowRole::None, {}});
    deep = &deep->Children.back();
  }
  w.desktop.OpenRoom(big);
  const std::string report = Report(w);
  EXPECT_TRUE(Has(report, std::to_string(kReportMaxWindows) + " windows listed; the list stops at " +
                              std::to_string(kReportMaxWindows)));
  EXPECT_TRUE(Has(report, "(deeper windows not listed)"));
  EXPECT_TRUE(Has(report, "\"" + std::string(kReportTitleCharacters, 'T') + "\" visible"));
}

TEST(FirstCharactersTest, CountsCharactersAndNeverCutsOneInHalf) {
  struct Case {
    int codePage;
    std::string text;
    size_t count;
    std::string want;
  };
  const Case cases[] = {
      {1252, "abcdef", 3, "abc"},
      {1252, "ab", 5, "ab"},
      {1252, "\x81\x82\x83", 2, "\x81\x82"},      // no lead bytes in a single-byte code page
      {932, "\x95\x5C\x8E\xA6x", 1, "\x95\x5C"},  // one two-byte character
      {932, "\x95\x5C\x8E\xA6x", 2, "\x95\x5C\x8E\xA6"},
      {932, "a\x95", 2, "a\x95"},  // a lone lead byte at the end is kept whole
  };
  for (const Case& c : cases) {
    ScopedSystemCodePage codePage(c.codePage);
    EXPECT_EQ(FirstCharacters(c.text, c.count), c.want) << c.codePage << " " << c.count;
  }
}

}  // namespace
}  // namespace quorvel
