#pragma once
// Fixed-point texts of real figures: the utility ratings, their totals and
// averages, spellcraft costs and weapon speeds. They read as printf's "%.1f"
// prints the value (the exact binary value, an exact half to the even digit:
// 10.25 reads "10.2"), with one difference: a value that rounds to zero from
// below reads "0.0", not "-0.0". The figure shown is zero, and the texts are
// compared with "0.0" and added up as they read.
#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// Enough for any double with up to kMostDecimals decimals: 309 digits
// before the point, the sign, the point and the decimals.
inline constexpr int kMostDecimals = 6;

struct DecimalText {
  char chars[320];
  std::size_t size;
  std::string_view View() const { return {chars, size}; }
};

// decimals is clamped to 0..kMostDecimals; with 0 there is no point ("-0.4"
// reads "0").
DecimalText FixedDecimals(double value, int decimals);
std::string FormatDecimals(double value, int decimals);
std::string FormatOneDecimal(double value);

}  // namespace qm
