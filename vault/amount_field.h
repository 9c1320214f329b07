#pragma once
// The minimum-amount boxes beside the stat filters (vault browser and item
// workbench): digits only, 0 to 200, no leading zero.
#include <string>

namespace qm {

inline constexpr int kMaxStatAmount = 200;

struct AmountText {
  std::string Text;
  int Caret = 0;  // position of the text caret
};

// Only the digits and backspace can be typed into the box.
bool AmountKeyAccepted(char key);
// Applied after every change: an empty text becomes "0", a value above 200
// becomes "200", leading zeros are dropped from a longer text; the caret stays
// where it was, or goes to the end when it was at position 0 or 1.
AmountText NormaliseAmount(const AmountText& edited);

}  // namespace qm
