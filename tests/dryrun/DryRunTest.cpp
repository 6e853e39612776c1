#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ReplayFixture.h"
#include "dryrun/DryRunSummary.h"
#include "dryrun/DryRunText.h"
#include "dryrun/PhraseOccurrences.h"
#include "dryrun/ReplayRun.h"
#include "scenario/ScenarioRunner.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReplayTest;

TEST(DryRunTest, HitsInsideLongerWordsAreTold) {
  const struct {
    const char* Text;
    const char* Phrase;
    bool Inside;
  } cases[] = {
      {"i love classic rock", "ass", true},
      {"you ass", "ass", false},
      {"hello there", "hell", true},
      {"what the hell!", "hell", false},
      {"classic ass", "ass", false},
      {"asses", "ass", true},
      {"no hit", "ass", false},
      {"x ass y", " ass ", false},
      {"lol", "", false},
      {"hell\xe9", "hell", true},  // a letter of the code page's upper half joins the word
  };
  for (const auto& c : cases) EXPECT_EQ(OnlyInsideWords(c.Text, c.Phrase), c.Inside) << c.Text << " / " << c.Phrase;
}

TEST(DryRunTest, AnInsideHitNamesTheWordAroundIt) {
  const struct {
    const char* Text;
    const char* Phrase;
    std::vector<std::string> Words;  // per occurrence; "" where it stands on its own
  } cases[] = {
      {"i love classic rock", "ass", {"classic"}},
      {"hell hello, hellooo!", "hell", {"", "hello", "hellooo"}},
      {"what the hell", "hell", {""}},
      {"x1hell2y z", "hell", {"x1hell2y"}},
      {"caf\xe9hell", "hell", {"caf\xe9hell"}},
      {"bass!! ok", "ass!", {"bass!"}},  // no letter after the phrase's "!": only the left side joins
      {"!assy", "!ass", {"!assy"}},
      {"x!ass y", "!ass", {""}},  // the "!" side never joins
      {"in class now", " ass ", {}},
      {"aaa", "aa", {"aaa", "aaa"}},  // overlapping occurrences each count
      {"", "ass", {}},
      {"lol", "", {""}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words;
    for (const auto& o : PhraseOccurrences(c.Text, c.Phrase)) {
      EXPECT_EQ(o.InsideWord, !o.Word.empty()) << c.Text;
      words.push_back(o.Word);
    }
    EXPECT_EQ(words, c.Words) << c.Text << " / " << c.Phrase;
  }
}

TEST(DryRunTest, InADoubleByteCodePageOnlyHitsOnACharacterCount) {
  ScopedSystemCodePage japanese(932);
  // 0x83 0x61 is one character whose trail byte is the letter "a".
  EXPECT_TRUE(PhraseOccurrences("\x83\x61ss", "ass").empty());
  const auto after = PhraseOccurrences(
      "\x83\x61"
      "ass rock",
      "ass");
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].At, 2u);
  EXPECT_EQ(after[0].Word,
            "\x83\x61"
            "ass");  // a two-byte character is a letter
  // The same with an "@" (0x40) as the trail byte, which alone is no letter.
  const auto before = PhraseOccurrences("ass\x83\x40 x", "ass");
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].Word, "ass\x83\x40");
}

TEST(DryRunTest, TheWordsLineNamesTenMostFrequentFirstTiesAlphabetically) {
  PhraseHits hits;
  hits.Words = {{"hello", 87}, {"helloooo", 2}, {"shell", 2}, {"hellish", 5}};
  EXPECT_EQ(InsideWordsLine(hits), "inside words: hello x87, hellish x5, helloooo x2, shell x2");
  for (char c = 'a'; c <= 'l'; ++c) hits.Words[std::string("hell") + c] = 1;
  EXPECT_EQ(InsideWordsLine(hits),
            "inside words: hello x87, hellish x5, helloooo x2, shell x2, hella x1, hellb x1, hellc x1, helld x1, "
            "helle x1, hellf x1 and 6 more");
  EXPECT_EQ(InsideWordsLine(PhraseHits{}), "");
}

TEST(DryRunTest, PhrasesMostlyInsideWordsComeMostSuchLinesFirst) {
  DryRunFigures f;
  f.PhraseOrder = {"a", "b", "c", "d", "e"};
  f.Phrases["a"] = {.Lines = 4, .InsideWordLines = 2};  // exactly half
  f.Phrases["b"] = {.Lines = 3, .InsideWordLines = 1};  // less than half
  f.Phrases["c"] = {.Lines = 5, .InsideWordLines = 5};
  f.Phrases["d"] = {.Lines = 1, .InsideWordLines = 0};
  f.Phrases["e"] = {.Lines = 2, .InsideWordLines = 2};  // ties with a: list order
  EXPECT_EQ(MostlyInsideWords(f), (std::vector<std::string>{"c", "a", "e"}));
  EXPECT_EQ(MostlyInsideLine("hell", {.Lines = 90, .InsideWordLines = 87, .WordOnlyLines = 3}),
            "\"hell\": 87 of 90 lines (97%) inside a word; only as a word of its own: \" hell \", which would still "
            "catch 3 of its 90 lines");
}

TEST(DryRunTest, TheWordOnlyEntryPutsABlankWhereAWordCouldJoin) {
  EXPECT_EQ(WordOnlyEntry("hell"), " hell ");
  EXPECT_EQ(WordOnlyEntry("!ass"), "!ass ");
  EXPECT_EQ(WordOnlyEntry("f*ck!"), " f*ck!");
  EXPECT_EQ(WordOnlyEntry(" ass "), " ass ");
}

TEST(DryRunTest, ARichTextTranscriptIsReadAsItsPlainText) {
  EXPECT_EQ(TranscriptText("{\\rtf1\\ansi\\ansicpg1252 {\\b Bob:} caf\\'e9\\par Cid: \\{x\\}\\par\n}"),
            "Bob: caf\xe9\r\nCid: {x}");
  EXPECT_EQ(TranscriptText("Bob: {\\rtf1 is not at the start\n"), "Bob: {\\rtf1 is not at the start\n");
}

TEST(DryRunTest, TranscriptLinesAsTheClientGivesThem) {
  const std::string longLine(kReplayLineLimit + 300, 'x');
  const auto lines = TranscriptLines("a\r\nb\n\nc\r\r\n" + longLine + "\nlast");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "c\r");  // only the CR before the LF belongs to the line end
  EXPECT_EQ(lines[4], std::string(kReplayLineLimit, 'x'));
  EXPECT_EQ(lines[5], "last");
}

// Every file of the folder and its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::stringstream bytes;
    if (entry.is_regular_file()) bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    files[fs::relative(entry.path(), dir).generic_string()] = bytes.str();
  }
  return files;
}

TEST_F(ReplayTest, AFalseAlarmIsListedUnderItsPhraseAsInsideAWord) {
  ASSERT_EQ(Replay("Bob: I love classic rock\r\nCid: what the hell\x1b[2J\x7f\r\n"), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("\"ass\": 1 line, 1 of them inside a word\n"
                   "    inside words: classic x1\n"
                   "    line 1: Bob: I love classic rock (inside a word)\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("line 2: Cid: what the hell\\x1B[2J\\x7F\n"), std::string::npos) << s;  // not for the terminal
  EXPECT_NE(s.find("Bob: bounced 1 (phrase \"ass\")"), std::string::npos) << s;
  // The trace names the transcript line that caused each event.
  EXPECT_NE(trace.str().find("[1] posted: 32947 (Bob)"), std::string::npos) << trace.str();
}

TEST_F(ReplayTest, AnAutoBouncedJoinerIsNotGreeted) {
  ASSERT_EQ(Replay("Troll has joined the room\nBob has joined the room\n"), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("Troll: bounced 1 (auto list)"), std::string::npos) << s;
  EXPECT_NE(s.find("Greetings sent: 1\n  to Bob\n"), std::string::npos) << s;
  EXPECT_EQ(trace.str().find("Welcome Troll"), std::string::npos) << trace.str();
}

TEST_F(ReplayTest, AnAdminsGreeterOffStopsTheGreetingsThatFollow) {
  ASSERT_EQ(Replay("Bob has joined the room\nAnn: greeter off\nCid has joined the room\nDee has joined the room\n"),
            kScenarioPassed)
      << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("Greetings sent: 1\n  to Bob\n"), std::string::npos) << s;
  EXPECT_NE(s.find("Commands obeyed: 1\n  line 2, Ann: greeter off\n"), std::string::npos) << s;
  EXPECT_NE(s.find("  greeter: 1\n"), std::string::npos) << s;
  EXPECT_NE(s.find("  commands: 1\n"), std::string::npos) << s;
}

TEST_F(ReplayTest, WithoutADesignNoGreetingReachesTheRoom) {
  fs::remove(dir / "dlist.txt");
  fs::remove(dir / "dlistd.txt");
  ASSERT_EQ(Replay("Bob has joined the room\n"), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("Messages sent: 0\n"), std::string::npos) << summary.str();
  EXPECT_NE(summary.str().find("Greetings sent: 0\n  no design in dlist.txt, so the join was not greeted\n"),
            std::string::npos)
      << summary.str();
}

TEST_F(ReplayTest, TheProgramDirectoryIsLeftByteForByte) {
  const auto before = Snapshot(dir);
  ReplayOptions options;
  options.Sets = {{"FlushTimerOn", "on"}};
  std::string transcript = "Ann: adda! be nice\nAnn: as! darn\nAnn: aba! spam\nAnn: ad! kim\n";
  for (int i = 0; i < 10; ++i) transcript += "Bob: line " + std::to_string(i) + "\n";
  ASSERT_EQ(Replay(transcript, options), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("line 1, Ann: adda! be nice"), std::string::npos) << summary.str();
  EXPECT_EQ(Snapshot(dir), before);
}

TEST_F(ReplayTest, BadInputGivesOneMessageAndStatusTwo) {
  const struct {
    const char* What;
    ReplayOptions Options;
    const char* Message;
  } cases[] = {
      {"feature", {.Enable = "greeter,juggler"}, "unknown feature \"juggler\""},
      {"setting", {.Sets = {{"NoSuchThing", "1"}}}, "--set NoSuchThing=1: unknown setting"},
      {"value", {.Sets = {{"SwearMode", "Loud"}}}, "--set SwearMode=Loud: SwearMode is Bounce, RedDot or Warning"},
      {"number", {.Sets = {{"FloodSeconds", "soon"}}}, "--set FloodSeconds=soon: FloodSeconds takes a whole number"},
      {"design", {.Design = "missing"}, "--design missing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Replay("Bob: hi\n", c.Options), kScenarioUnrunnable) << c.What;
    const std::string message = errors.str();
    EXPECT_NE(message.find(c.Message), std::string::npos) << c.What << ": " << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  }
  ReplayOptions noFile;
  noFile.File = root / "absent.txt";
  noFile.Dir = dir;
  EXPECT_EQ(RunReplay(noFile, trace, summary, errors), kScenarioUnrunnable);
  ReplayOptions noDir;
  noDir.File = dir / "words.txt";
  noDir.Dir = root / "absent";
  EXPECT_EQ(RunReplay(noDir, trace, summary, errors), kScenarioUnrunnable);
}

TEST_F(ReplayTest, SettingsAndDesignsComeFromTheOptions) {
  Write("dlist.txt", "welcome\r\nhowdy\r\n");
  Write("dlistd.txt", "Welcome %sn \r\nHowdy %sn \r\n");
  Write("Designs/howdy.rtf", "{\\rtf1\\ansi Howdy %sn in %rn\\par}");
  ReplayOptions options;
  options.Design = "howdy";
  options.Room = "Chess Room";
  options.Enable = "greeter,swearbot";
  options.Sets = {{"SwearMode", "Warning"}, {"WarnMessage", "sn%: mind the sw%"}};
  options.SummaryOnly = true;
  ASSERT_EQ(Replay("Bob has joined the room\nCid: oh hell\nCid: hi bot\n", options), kScenarioPassed) << errors.str();
  EXPECT_EQ(trace.str(), "");
  const std::string s = summary.str();
  EXPECT_NE(s.find("  greeter: 1\n  swearbot: 1 (1 warning)\n"), std::string::npos) << s;
  EXPECT_EQ(s.find("responder"), std::string::npos) << s;  // not enabled
  EXPECT_NE(s.find("Bounces and red dots:\n  none\n"), std::string::npos) << s;
}

TEST_F(ReplayTest, TheWordsInsideWhichAPhraseHitAreCountedOverTheWholeTranscript) {
  std::string transcript;
  for (int i = 0; i < 7; ++i) transcript += "Bob: hello " + std::to_string(i) + "\n";
  transcript += "Cid: hell, hello, HELLOOO\n";  // a free-standing hit and two inside words
  transcript += "Dee: Shell\n";
  ASSERT_EQ(Replay(transcript), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("  \"hell\": 9 lines, 8 of them inside a word\n"
                   "    inside words: hello x8, hellooo x1, shell x1\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("Phrases that hit mostly inside words:\n"
                   "  \"hell\": 8 of 9 lines (89%) inside a word; only as a word of its own: \" hell \", which would "
                   "still catch 0 of its 9 lines\n"
                   "\nMonitored phrases hit:"),
            std::string::npos)
      << s;
  // Five examples, the words of all nine lines; the one free-standing hit,
  // on line 8, takes the last place from the inside-a-word lines.
  EXPECT_NE(s.find("    line 4: Bob: hello 3 (inside a word)\n"
                   "    line 8: Cid: hell, hello, HELLOOO\n"
                   "    5 of 9 shown\n"),
            std::string::npos)
      << s;
}

// Real chat: "hell" mostly inside longer words, on its own at a message's
// start, at its end and alone. The advised entry, put in the list, catches
// exactly those free-standing lines, as the summary said it would.
TEST_F(ReplayTest, TheAdvisedEntryCatchesTheFreeStandingHits) {
  const std::string night =
      "Bob: hello all\nCid: hello bob\nDee: hell no\nBob: the shell is slow\nEve: hello\n"
      "Cid: what the hell\nFay: say hello\nDee: hell\nEve: hellooo\nBob: shellfish\n";
  ASSERT_EQ(Replay(night), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("only as a word of its own: \" hell \", which would still catch 3 of its 10 lines\n"),
            std::string::npos)
      << summary.str();
  Write("words.txt", "\" hell \"\r\n");
  ASSERT_EQ(Replay(night), kScenarioPassed) << errors.str();
  EXPECT_NE(
      summary.str().find("  Cid: bounced 1 (phrase \" hell \")\n"
                         "  Dee: bounced 2 (phrase \" hell \" x2); in a live room gone after the first bounce\n\n"),
      std::string::npos)
      << summary.str();
}

TEST_F(ReplayTest, PhrasesAreCountedByTheSwearMonitorsOwnMatcher) {
  ScopedSystemCodePage japanese(932);
  // "ass" follows the lead byte 0x83 in Bob's line: std::string::find sees it
  // there, the bot does not. In Cid's line it follows a whole character.
  ASSERT_EQ(Replay("Bob: \x83\x61ss\nCid: \x83\x61"
                   "ass\nDee: hello\n"),
            kScenarioPassed)
      << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("  \"ass\": 1 line, 1 of them inside a word\n"
                   "    inside words: \x83\x61"
                   "ass x1\n"
                   "    line 2: Cid: "),
            std::string::npos)
      << s;
  EXPECT_EQ(s.find("Bob: bounced"), std::string::npos) << s;
  EXPECT_NE(s.find("Cid: bounced 1 (phrase \"ass\")"), std::string::npos) << s;
}

TEST_F(ReplayTest, AnAnsweredTriggerIsTheFirstTheResponderMatches) {
  Write("mes.txt", "xyz\r\nhi bot\r\nbot\r\n");
  Write("ans.txt", "one\r\ntwo sn%\r\nthree\r\n");
  ASSERT_EQ(Replay("Bob: hi bot\n"), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("Triggers answered:\n  \"hi bot\": 1 line\n\n"), std::string::npos) << summary.str();
}

// A transcript that fakepal's room transcript (a rich-edit control under Wine)
// saved with EM_STREAMOUT, nicks in bold blue, and the same transcript as the
// plain text it was filled from.
TEST_F(ReplayTest, ATranscriptSavedAsRichTextGivesTheSummaryOfItsPlainText) {
  Write("words.txt", "\"ass\"\r\n\"hell\"\r\n\"sex\"\r\n\"caf\xe9\"\r\n");
  const fs::path documents = QUORVEL_RTF_DOCUMENTS;
  ReplayOptions options;
  options.File = documents / "fakepal-transcript.txt";
  ASSERT_EQ(ReplayFile(options), kScenarioPassed) << errors.str();
  const std::string plain = summary.str();
  const std::string plainTrace = trace.str();
  options.File = documents / "fakepal-transcript.rtf";
  ASSERT_EQ(ReplayFile(options), kScenarioPassed) << errors.str();
  EXPECT_EQ(summary.str(), plain);
  EXPECT_EQ(trace.str(), plainTrace);
  EXPECT_NE(plain.find("Summary of 18 transcript lines\n"), std::string::npos) << plain;
  EXPECT_NE(plain.find("line 8: Bob: caf\xe9 at 8? {bring} the C:\\music folder\n"), std::string::npos) << plain;
}

}  // namespace
}  // namespace quorvel
