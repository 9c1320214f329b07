// The numeric boxes of the filter minimums, bonus and effect amounts.
#include "core/amount_box.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

TEST(AmountBox, FilterMinimumsHoldDigitsUpTo200WithoutLeadingZero) {
  struct Case {
    std::string text;
    int caret;
    std::string expected;
    int expectedCaret;
  };
  const Case cases[] = {
      {"05", 2, "5", 1},    {"", 0, "0", 1},
      {"250", 3, "200", 3}, {"0250", 4, "200", 3},
      {"0050", 2, "50", 2}, {"200", 1, "200", 3},
      {"201", 2, "200", 2}, {"99999999999", 5, "200", 3},
      {"1a2", 3, "12", 2},  {"007", 3, "7", 1},
      {"0", 1, "0", 1},
  };
  for (const Case& c : cases) {
    const AmountBoxEdit out = ApplyAmountRules(c.text, c.caret, kFilterMinimumLimit);
    EXPECT_EQ(out.Text, c.expected) << c.text;
    EXPECT_EQ(out.Caret, c.expectedCaret) << c.text;
  }
  EXPECT_TRUE(AmountBoxAccepts('7'));
  EXPECT_TRUE(AmountBoxAccepts('\b'));
  EXPECT_FALSE(AmountBoxAccepts('-'));
}

}  // namespace
}  // namespace qm
