#include "core/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace qm {

DecimalText FixedDecimals(double value, int decimals) {
  // to_chars with a precision rounds exactly as printf does, without the
  // locale and at a fraction of the cost.
  DecimalText text{};
  const auto result =
      std::to_chars(text.chars, text.chars + sizeof text.chars, value, std::chars_format::fixed,
                    std::clamp(decimals, 0, kMostDecimals));
  text.size = static_cast<std::size_t>(result.ptr - text.chars);
  // A negative value too small to show keeps its sign in to_chars ("-0.0").
  const std::string_view shown = text.View();
  if (shown.size() > 1 && shown.front() == '-' &&
      shown.find_first_not_of("0.", 1) == std::string_view::npos) {
    std::copy(text.chars + 1, text.chars + text.size, text.chars);
    --text.size;
  }
  return text;
}

std::string FormatDecimals(double value, int decimals) {
  return std::string(FixedDecimals(value, decimals).View());
}

std::string FormatOneDecimal(double value) {
  return FormatDecimals(value, 1);
}

}  // namespace qm
