#include "vault/amount_field.h"

#include <algorithm>

namespace qm {

bool AmountKeyAccepted(char key) {
  return (key >= '0' && key <= '9') || key == '\b';
}

AmountText NormaliseAmount(const AmountText& edited) {
  // Only digits can be typed, but a pasted text may hold anything else.
  std::string digits;
  for (const char c : edited.Text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  // Typing adds one digit at a time, so only one leading zero can appear; a
  // pasted text may bring more, and none of them is kept.
  const std::size_t first = digits.find_first_not_of('0');
  std::string text = first == std::string::npos ? std::string("0") : digits.substr(first);
  if (text.size() > 3 || std::stoi(text) > kMaxStatAmount) text = std::to_string(kMaxStatAmount);
  AmountText out;
  const int end = static_cast<int>(text.size());
  out.Caret = edited.Caret <= 1 ? end : std::min(edited.Caret, end);
  out.Text = std::move(text);
  return out;
}

}  // namespace qm
