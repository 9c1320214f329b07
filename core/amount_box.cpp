#include "core/amount_box.h"

#include <algorithm>

namespace qm {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool AmountBoxAccepts(char key) {
  return IsDigit(key) || key == kBackspaceKey;
}

AmountBoxEdit ApplyAmountRules(std::string_view text, int caret, int limit) {
  std::string digits;
  digits.reserve(text.size());
  for (char c : text) {
    if (IsDigit(c)) digits.push_back(c);
  }
  if (digits.empty()) digits = "0";
  const auto firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) {
    digits = "0";
  } else {
    digits.erase(0, firstNonZero);
  }
  // More digits than the limit has can only be above it; this also keeps a
  // pasted run of digits from overflowing the comparison.
  const std::string limitText = std::to_string(limit);
  if (digits.size() > limitText.size() ||
      (digits.size() == limitText.size() && digits > limitText)) {
    digits = limitText;
  }
  AmountBoxEdit edit;
  edit.Caret = caret <= 1 ? static_cast<int>(digits.size())
                          : std::min(caret, static_cast<int>(digits.size()));
  edit.Text = std::move(digits);
  return edit;
}

int AmountValue(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c) || value > 100000) return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string AmountText(long long value, int limit) {
  return std::to_string(std::clamp<long long>(value, 0, limit));
}

}  // namespace qm
