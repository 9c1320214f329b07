#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace qm {
namespace {

TEST(DecimalTextTest, OneDecimalPrintsAsPrintfDoes) {
  // Ties in the binary value (x.25, x.75) go to the even digit; values just
  // beside a tie go their own way.
  const double values[] = {0.0,       0.25,       0.75,        10.25, 10.35, -0.25, -0.75,
                           2.0 / 3.0, -2.0 / 3.0, 1e11 + 0.25, 12.05, 0.05,  99.95, -99.95};
  std::mt19937 rng(5);
  std::vector<double> all(std::begin(values), std::end(values));
  for (int i = 0; i < 2000; ++i) {
    const int v = static_cast<int>(rng() % 2001) - 1000;
    all.push_back(v / 1.5 + (i % 4) * 0.25);  // the thirds and quarters ratings produce
  }
  for (double value : all) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.1f", value);
    EXPECT_EQ(FormatOneDecimal(value), expected) << value;
  }
}

TEST(DecimalTextTest, ZeroFromBelowHasNoSign) {
  const std::pair<double, const char*> oneDecimal[] = {
      {-0.04, "0.0"},  {-0.0, "0.0"},     {-1e-16, "0.0"}, {-0.05, "-0.1"},  // -0.05 is just below
      {-0.06, "-0.1"}, {-10.04, "-10.0"}, {0.04, "0.0"},
  };
  for (const auto& [value, expected] : oneDecimal) {
    EXPECT_EQ(FormatOneDecimal(value), expected) << value;
  }
  const std::pair<double, const char*> noDecimals[] = {
      {-0.4, "0"}, {-0.5, "0"}, {-0.6, "-1"}, {-1.5, "-2"}, {2.5, "2"}, {-0.0, "0"},
  };
  for (const auto& [value, expected] : noDecimals) {
    EXPECT_EQ(FormatDecimals(value, 0), expected) << value;
  }
  EXPECT_EQ(FormatDecimals(-1e-300, kMostDecimals), "0.000000");
  EXPECT_EQ(FormatDecimals(-4e-7, kMostDecimals), "0.000000");
  EXPECT_EQ(FormatDecimals(-6e-7, kMostDecimals), "-0.000001");
}

TEST(DecimalTextTest, AnyMagnitudeFits) {
  for (const double value : {1e300, -1.7976931348623157e308, 4294966934.5, -4294966934.0}) {
    char expected[400];
    std::snprintf(expected, sizeof expected, "%.1f", value);
    EXPECT_EQ(FormatOneDecimal(value), expected);
    std::snprintf(expected, sizeof expected, "%.6f", value);
    EXPECT_EQ(FormatDecimals(value, 99), expected);  // decimals beyond the most are clamped
  }
}

}  // namespace
}  // namespace qm
