#pragma once
// The numeric boxes of the windows: the bonus and effect amounts of the
// inline editor and the minimum boxes beside the bonus filters of the item
// search and the vault browser. They take digits only, never stay empty,
// never pass their limit and never keep a leading zero, so whatever reads
// them later always finds a number in range.
#include <string>
#include <string_view>

namespace qm {

inline constexpr int kBonusAmountLimit = 200;
inline constexpr int kEffectAmountLimit = 5000;
inline constexpr int kFilterMinimumLimit = 200;
inline constexpr char kBackspaceKey = '\b';

// Text and caret of a box after one change.
struct AmountBoxEdit {
  std::string Text;
  int Caret = 0;
  bool operator==(const AmountBoxEdit&) const = default;
};

// Keys that reach the box: the digits and backspace.
bool AmountBoxAccepts(char key);

// The box after a change to text with the caret at caret: anything but digits
// is dropped (a paste cannot smuggle letters in), an empty box reads "0", a
// value above limit becomes limit, and leading zeros go while more characters
// follow. The caret stays where it was, or goes to the end when it stood at
// the first or second position (typing over the initial "0" then lands after
// the new digit).
AmountBoxEdit ApplyAmountRules(std::string_view text, int caret, int limit);

// The number a normalised box holds (0 for anything else).
int AmountValue(std::string_view text);

// The text a box shows for a stored value: clamped into 0..limit.
std::string AmountText(long long value, int limit);

}  // namespace qm
