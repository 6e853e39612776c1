#include <gtest/gtest.h>

#include <random>

#include "text/CodePage.h"
#include "text/Occurs.h"
#include "text/PhraseMatcher.h"
#include "text/StringList.h"

namespace quorvel {
namespace {

std::vector<size_t> NaiveHits(const std::vector<std::string>& phrases, const std::string& text, MatchRule rule) {
  std::vector<size_t> hits;
  for (size_t i = 0; i < phrases.size(); ++i)
    if (rule == MatchRule::Substring ? Occurs(text, phrases[i]) : EntryOccurs(text, phrases[i])) hits.push_back(i);
  return hits;
}

TEST(PhraseMatcherTest, AnswersInListOrderWithTheSubstringRule) {
  const std::vector<std::string> phrases = {"hell", "", "he", "ass", "he", "classic", "x"};
  const PhraseMatcher matcher(phrases);
  EXPECT_EQ(matcher.Hits("hello classic"), (std::vector<size_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(matcher.FirstHit("classic"), 1u);          // the empty phrase, listed second, occurs first
  EXPECT_EQ(matcher.Hits(""), std::vector<size_t>{});  // nothing occurs in an empty text
  EXPECT_FALSE(matcher.AnyHit(""));
  const PhraseMatcher noEmpty({"bob", "ob", "b"});
  EXPECT_EQ(noEmpty.FirstHit("xob"), 1u);
  EXPECT_EQ(noEmpty.Hits("bob"), (std::vector<size_t>{0, 1, 2}));
  EXPECT_FALSE(noEmpty.AnyHit("o"));
  EXPECT_FALSE(PhraseMatcher(std::vector<std::string>{}).AnyHit("anything"));
}

// The matcher must answer exactly as one Occurs (or EntryOccurs) per phrase
// does, also where a byte can be the lead of a two-byte character (0x82 in
// Shift-JIS).
TEST(PhraseMatcherTest, AgreesWithOneSearchPerPhrase) {
  std::mt19937 random(7);
  auto word = [&](size_t maxLength) {
    std::string w(random() % (maxLength + 1), 'a');
    for (char& c : w) c = static_cast<char>("ab\x82 "[random() % 4]);
    return w;
  };
  for (int round = 0; round < 600; ++round) {
    ScopedSystemCodePage codePage(round % 2 ? 932 : 1252);
    std::vector<std::string> phrases(random() % 12);
    for (auto& p : phrases) p = word(4);
    const MatchRule rule = round % 4 < 2 ? MatchRule::Substring : MatchRule::Entries;
    const PhraseMatcher matcher(phrases, rule);
    for (int t = 0; t < 20; ++t) {
      const std::string text = word(10);
      const auto expected = NaiveHits(phrases, text, rule);
      ASSERT_EQ(matcher.Hits(text), expected) << "text \"" << text << "\"";
      ASSERT_EQ(matcher.FirstHit(text), expected.empty() ? std::nullopt : std::optional<size_t>(expected.front()));
    }
  }
}

TEST(StringListTest, TheMatcherFollowsEveryChange) {
  StringList list{"cat"};
  EXPECT_TRUE(list.Matcher().AnyHit("a cat"));
  list.push_back("dog");
  EXPECT_EQ(list.Matcher().FirstHit("hotdog"), 1u);
  list.Set(1, "cow");
  EXPECT_FALSE(list.Matcher().AnyHit("hotdog"));
  list.erase(list.begin());
  EXPECT_EQ(list.Matcher().FirstHit("cow"), 0u);
  list = {"bird"};
  EXPECT_FALSE(list.Matcher().AnyHit("cow"));
  StringList copy = list;
  copy.insert(copy.begin(), "cow");
  EXPECT_TRUE(copy.Matcher().AnyHit("cow"));
  EXPECT_FALSE(list.Matcher().AnyHit("cow"));  // the copy's change is its own
  list.clear();
  EXPECT_FALSE(list.Matcher().AnyHit("bird"));
  // Each rule has its matcher: a word entry is one only for a phrase list.
  list.push_back(" hi ");
  EXPECT_FALSE(list.Matcher().AnyHit("hi"));
  EXPECT_TRUE(list.EntryMatcher().AnyHit("hi"));
}

}  // namespace
}  // namespace quorvel
