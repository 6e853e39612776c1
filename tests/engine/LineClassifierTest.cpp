#include <gtest/gtest.h>

#include "engine/LineClassifier.h"

namespace quorvel {
namespace {

struct ClassifyCase {
  const char* Raw;
  const char* Text;    // expected Text, starting from "old text"
  const char* Sender;  // expected Sender, starting from "Old"
  const char* Joined;  // expected JoinedNick, starting from ""
};

ChatLine Classified(const std::string& raw) {
  ChatLine line;
  line.Text = "old text";
  line.Sender = "Old";
  line.RawLine = raw;
  ClassifyText(line);
  ClassifyJoin(line);
  ClassifySender(line);
  CleanUpNicks(line);
  return line;
}

TEST(ChatLineTest, ClassifiesTheNewestLine) {
  const ClassifyCase cases[] = {
      {"nick: hello: world", "world", "nick", ""},
      {"Nick: Hello", "hello", "Nick", ""},
      {"nick:hello", "old text", "Old", ""},
      {"nick: ", "", "nick", ""},
      {"***Bob has joined the room", "old text", "Old", "Bob"},
      {"  ***  Ann has joined the room", "old text", "Old", "Ann"},
      {"   Ann:    spaced", "spaced", "Ann", ""},
      {"Ann: \xC4PFEL \xDC", "\xE4pfel \xFC", "Ann", ""},
      {"Bob has joined the room: hi", "hi", "Bob has joined the room", "Bob"},
      {"x\ny: text", "text", "xy", ""},
      {"", "old text", "Old", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Raw);
    const ChatLine line = Classified(c.Raw);
    EXPECT_EQ(line.Text, c.Text);
    EXPECT_EQ(line.Sender, c.Sender);
    EXPECT_EQ(line.JoinedNick, c.Joined);
  }
}

TEST(ChatLineTest, TextDropsLoneCarriageReturnsOnly) {
  ChatLine line;
  line.RawLine = "Ann: a\rb\r\nc";
  ClassifyText(line);
  EXPECT_EQ(line.Text, "ab\r\nc");
}

TEST(ChatLineTest, MarkerRecognisesTheWhisperEndExactly) {
  const std::pair<const char*, bool> cases[] = {
      {"***** End Whisper", true},   {"   ***** End Whisper", true}, {"***** End Whisper.", false},
      {"***** End Whisper ", false}, {"***** end whisper", false},
  };
  for (const auto& [raw, isMarker] : cases) {
    ChatLine line;
    line.RawLine = raw;
    ClassifyMarker(line);
    EXPECT_EQ(line.MarkerLine == kWhisperEndMarker, isMarker) << raw;
  }
}

TEST(ChatLineTest, WhisperTextIsTheWholeLineLowerCased) {
  ChatLine line;
  line.Sender = "Kept";
  line.RawLine = "  Bob: Psst: Listen";
  TakeWhisperText(line);
  EXPECT_EQ(line.Text, "bob: psst: listen");
  EXPECT_EQ(line.Sender, "Kept");
}

}  // namespace
}  // namespace quorvel
