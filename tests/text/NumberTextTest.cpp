#include <gtest/gtest.h>

#include "text/NumberText.h"

namespace quorvel {
namespace {

TEST(NumberTextTest, ReadsAsValDoes) {
  struct Case {
    const char* Text;
    bool IsNumber;
    double Value;
    bool Whole;
  };
  const Case cases[] = {
      {"30", true, 30, true},    {"-1", true, -1, true},   {"+7", true, 7, true},
      {" 3", true, 3, true},     {"3 ", true, 3, true},    {"03", true, 3, true},
      {"3x", true, 3, false},  // what follows the number is ignored, but it is not whole
      {"2.5", true, 2.5, false}, {".5", true, 0.5, false}, {"7.", true, 7, false},
      {"", false, 0, false},                                                           // not a number at all
      {"abc", false, 0, false},  {"-", false, 0, false},   {" - 3", false, 0, false},  // the sign must touch the digits
      {"\t3", false, 0, false},                                                        // only blanks are skipped
      {"x3", false, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.Text + "\"");
    const auto number = ReadNumber(c.Text);
    ASSERT_EQ(number.has_value(), c.IsNumber);
    if (!number) continue;
    EXPECT_DOUBLE_EQ(number->Value, c.Value);
    EXPECT_EQ(number->Whole, c.Whole);
  }
}

TEST(NumberTextTest, CountingUpAndPositionsNeverThrow) {
  EXPECT_EQ(CountedUp("0"), "1");
  EXPECT_EQ(CountedUp("-1"), "0");
  EXPECT_EQ(CountedUp(" 41 "), "42");
  EXPECT_EQ(CountedUp("4x"), std::nullopt);
  EXPECT_EQ(CountedUp("1.5"), std::nullopt);
  EXPECT_EQ(CountedUp("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadIndex("3"), 3);
  EXPECT_EQ(ReadIndex(" 2 "), 2);
  EXPECT_EQ(ReadIndex("-1"), std::nullopt);
  EXPECT_EQ(ReadIndex("abc"), std::nullopt);
  EXPECT_EQ(ReadIndex("99999999999999999999"), std::nullopt);
}

}  // namespace
}  // namespace quorvel
