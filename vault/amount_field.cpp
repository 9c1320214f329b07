#include "vault/amount_field.h"

#include <algorithm>

namespace qm {

bool AmountKeyAccepted(char key) {
  return (key >= '0' && key <= '9') || key == '\b';
}

AmountText NormaliseAmount(const AmountText& edited) {
  AmountText out = edited;
  // Only digits can be typed, but a pasted text may hold anything else.
  std::erase_if(out.Text, [](char c) { return c < '0' || c > '9'; });
  if (out.Text.empty()) out.Text = "0";
  const std::size_t firstDigit = std::min(out.Text.find_first_not_of('0'), out.Text.size());
  const std::string significant = out.Text.substr(firstDigit);
  const bool above =
      significant.size() > 3 || (!significant.empty() && std::stoi(significant) > kMaxStatAmount);
  if (above) out.Text = std::to_string(kMaxStatAmount);
  // Typing adds one digit at a time, so only one leading zero can appear; a
  // pasted text may bring more, and none of them is kept.
  while (out.Text.size() > 1 && out.Text.front() == '0') out.Text.erase(0, 1);
  const int end = static_cast<int>(out.Text.size());
  out.Caret = edited.Caret <= 1 ? end : std::min(edited.Caret, end);
  return out;
}

}  // namespace qm
