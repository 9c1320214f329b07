#include "report/bonus_text.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

constexpr std::array<std::string_view, 16> kPercentWords = {
    "Resist", "Pool",   "Buff",     "Speed", "Damage", "Range", "Bonus",     "Heal",
    "Spell",  "Pierce", "Duration", "(",     "XP",     "Arrow", "Bladeturn", "Negative"};
constexpr std::array<std::string_view, 8> kFifthSlotPercentWords = {
    "Pool", "Buff", "Damage", "Range", "Bonus", "Heal", "Spell", "Duration"};

template <std::size_t N>
bool ContainsAny(std::string_view line, const std::array<std::string_view, N>& words) {
  return std::any_of(words.begin(), words.end(), [&](std::string_view word) {
    return line.find(word) != std::string_view::npos;
  });
}

}  // namespace

bool ReadsAsPercent(std::string_view line) {
  return ContainsAny(line, kPercentWords);
}

bool FifthSlotReadsAsPercent(std::string_view line) {
  return ContainsAny(line, kFifthSlotPercentWords);
}

}  // namespace qm
