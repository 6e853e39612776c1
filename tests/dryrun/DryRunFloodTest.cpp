// The dry run's "Flood guard" section: each check's reactions with their
// figures, per nick, and the greeter's pause, in the summary and on the page.
#include <gtest/gtest.h>

#include "ReplayFixture.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

using testing::ReplayTest;

// 0.8 s a line: Eve's sixth line in a row floods; Fay's text comes twice
// (RepeatTimes 2 from --set); Gus shouts (CapsLetters 10 from flood.txt) and,
// within a minute of his warning, is bounced; the sixth join in a row pauses
// the greeter, and the join after it is not greeted either.
constexpr const char* kNight =
    "Eve: word 1\nEve: word 2\nEve: word 3\nEve: word 4\nEve: word 5\nEve: word 6\n"
    "Fay: good evening all\nFay: good  EVENING all\n"
    "Gus: THIS IS ALL CAPITALS\nGus: ANOTHER SHOUTED LINE\n"
    "Jo has joined the room\nKim has joined the room\nLee has joined the room\n"
    "Max has joined the room\nNed has joined the room\nOla has joined the room\n"
    "Pat has joined the room\n";

TEST_F(ReplayTest, TheFloodGuardsReactionsAreListedPerCheckAndPerNick) {
  Write("flood.txt", "CapsLetters=10\r\n");
  ReplayOptions options;
  options.Sets = {{"FloodMode", "Bounce"}, {"RepeatTimes", "2"}};
  options.Page = (root / "night.htm").string();
  ASSERT_EQ(Replay(kNight, options), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("\nFlood guard:\n"
                   "  Reactions per check:\n"
                   "    flood: 1 warning\n"
                   "    repeat: 1 warning\n"
                   "    capitals: 2 (1 warning, 1 bounce)\n"
                   "  Reactions per nick:\n"
                   "    Eve: 1 warning\n"
                   "      line 6: warning, flood: 6 messages in 5 s (warned first)\n"
                   "    Fay: 1 warning\n"
                   "      line 8: warning, repeat: 2 times (warned first)\n"
                   "    Gus: 2 (1 warning, 1 bounce)\n"
                   "      line 9: warning, capitals: 100% of 17 letters (warned first)\n"
                   "      line 10: bounce, capitals: 100% of 18 letters (again after a warning)\n"
                   "  Greeter paused by a join flood: 1 time\n"
                   "    line 16: 2 joins not greeted\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("  flood: 4\n"), std::string::npos) << s;  // three warnings and the bounce notice
  EXPECT_NE(s.find("  Gus: bounced 1 (capitals)\n"), std::string::npos) << s;
  EXPECT_NE(s.find("Greetings sent: 5\n"), std::string::npos) << s;

  const std::string page = ReadWholeFile(*options.Page).value_or("");
  EXPECT_NE(page.find("<h2>Flood guard</h2>\n<h3>Reactions per check</h3>\n<ul>\n<li>flood: 1 warning</li>\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<li>Gus: 2 (1 warning, 1 bounce)\n<ul>\n"
                      "<li>line 9: warning, capitals: 100% of 17 letters (warned first)</li>\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<h3>Greeter paused by a join flood: 1 time</h3>\n<ul>\n<li>line 16: 2 joins not greeted</li>"),
            std::string::npos)
      << page;
}

TEST_F(ReplayTest, WithoutTheFloodGuardTheSectionSaysItWasOff) {
  ReplayOptions options;
  options.Enable = "greeter,swearbot";
  ASSERT_EQ(Replay(kNight, options), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("\nFlood guard: off\n"), std::string::npos) << summary.str();
  EXPECT_EQ(summary.str().find("Reactions per"), std::string::npos) << summary.str();
  EXPECT_NE(summary.str().find("Greetings sent: 7\n"), std::string::npos) << summary.str();
}

}  // namespace
}  // namespace quorvel
