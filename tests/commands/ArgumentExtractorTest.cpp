#include <gtest/gtest.h>

#include "commands/ArgumentExtractor.h"

namespace quorvel {
namespace {

TEST(ArgumentExtractorTest, PrefixesAndSlots) {
  struct Case {
    const char* Text;
    std::string ArgumentSlots::*Slot;
    const char* Want;
  };
  const Case cases[] = {
      {"bc! bob", &ArgumentSlots::BounceArg, "bob"},
      {"please bc! bob now", &ArgumentSlots::BounceArg, "bob now"},
      {"bc! ann bc! bob", &ArgumentSlots::BounceArg, "bob"},
      {"abc! x", &ArgumentSlots::BounceArg, "x"},
      {"bc!bob", &ArgumentSlots::BounceArg, "kept"},
      {"bc!  bob", &ArgumentSlots::BounceArg, "bob"},
      {"bc! ", &ArgumentSlots::BounceArg, ""},
      {"seen!  bob", &ArgumentSlots::SeenArg, " bob"},
      {"adda!  hi", &ArgumentSlots::AnnounceArg, " hi"},
      {"at!   5 ", &ArgumentSlots::IntervalArg, "5 "},
      {"rd! \tx", &ArgumentSlots::RedotArg, "\tx"},
      {"ad! x aba! y", &ArgumentSlots::AdminArg, "x aba! y"},
      {"ad! x aba! y", &ArgumentSlots::AutoBounceArg, "y"},
      {"as! damn", &ArgumentSlots::SwearArg, "damn"},
      {"aa! mute", &ArgumentSlots::AutoRedotArg, "mute"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    ArgumentSlots slots;
    slots.*c.Slot = "kept";
    ExtractNormalPathArguments(c.Text, slots);
    EXPECT_EQ(slots.*c.Slot, c.Want);
  }
}

TEST(ArgumentExtractorTest, ResponderSplit) {
  struct Case {
    const char* Text;
    const char* Trigger;
    const char* Reply;
  };
  const Case cases[] = {
      {"rm! hi dv! hello there", "hi", "hello there"}, {"rm! hi", "hi", ""},          {"rm! hi dv!hello", "hi", ""},
      {"rm! hidv! hello", "hidv! hello", "hello"},     {"rm!  a  dv!  b", "a ", "b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    ArgumentSlots slots;
    ExtractResponderArgument(c.Text, slots);
    SplitResponderArg(slots);
    EXPECT_EQ(slots.ResponderArg, c.Trigger);
    EXPECT_EQ(slots.ReplyArg, c.Reply);
  }
}

}  // namespace
}  // namespace quorvel
