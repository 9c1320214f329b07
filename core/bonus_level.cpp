#include "core/bonus_level.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace qm {
namespace {

// How one bonus row is priced. Every code 0..255 has exactly one rule.
enum class CostRule : std::uint8_t {
  kFree,       // 0
  kStat,       // nearest(v / 1.5)
  kResist,     // 2v - 2 when v > 1, else 0
  kHitPoints,  // nearest(v / 4 - 0.75)
  kSkill,      // 5v - 5 when v > 1, else 1
  kFocus,      // 1
  kLinear,     // v
  kHalf,       // v / 2, fraction kept
  kToHit,      // (v + 1) * 2.5, fraction kept
  kDouble,     // 2v
};

struct CodeRange {
  int First;
  int Last;
  CostRule Rule;
};

// Anything not listed here costs nothing (empty rows, the unpriced ToA and
// PvE bonuses, and codes outside the catalogue).
inline constexpr CodeRange kCostRanges[] = {
    {1, 8, CostRule::kStat},          {142, 142, CostRule::kStat},   {9, 9, CostRule::kResist},
    {11, 19, CostRule::kResist},      {198, 198, CostRule::kResist}, {10, 10, CostRule::kHitPoints},
    {146, 146, CostRule::kHitPoints}, {20, 21, CostRule::kSkill},    {23, 53, CostRule::kSkill},
    {65, 91, CostRule::kSkill},       {103, 125, CostRule::kSkill},  {179, 182, CostRule::kSkill},
    {185, 189, CostRule::kSkill},     {22, 22, CostRule::kFocus},    {54, 64, CostRule::kFocus},
    {92, 102, CostRule::kFocus},      {126, 133, CostRule::kFocus},  {148, 148, CostRule::kLinear},
    {191, 197, CostRule::kLinear},    {169, 169, CostRule::kHalf},   {171, 171, CostRule::kToHit},
    {134, 141, CostRule::kDouble},    {143, 145, CostRule::kDouble}, {147, 147, CostRule::kDouble},
    {149, 154, CostRule::kDouble},    {156, 161, CostRule::kDouble}, {165, 168, CostRule::kDouble},
    {174, 178, CostRule::kDouble},    {183, 184, CostRule::kDouble}, {190, 190, CostRule::kDouble},
};

constexpr std::array<CostRule, 256> BuildCostRules() {
  std::array<CostRule, 256> rules{};
  for (auto& rule : rules) rule = CostRule::kFree;
  for (const CodeRange& range : kCostRanges) {
    for (int code = range.First; code <= range.Last; ++code) rules[code] = range.Rule;
  }
  return rules;
}

inline constexpr std::array<CostRule, 256> kCostRules = BuildCostRules();

static_assert(kCostRules[0] == CostRule::kFree && kCostRules[155] == CostRule::kFree);
static_assert(kCostRules[162] == CostRule::kFree && kCostRules[170] == CostRule::kFree);
static_assert(kCostRules[172] == CostRule::kFree && kCostRules[173] == CostRule::kFree);
static_assert(kCostRules[199] == CostRule::kFree && kCostRules[255] == CostRule::kFree);

// Costs are exact in a double: every value is an integer, a half or a
// quarter well inside 2^52, so the sums below lose nothing. v / 1.5 is the
// one inexact division, and it never lands on a rounding tie (2v/3 has no
// half), so rounding it cannot go the wrong way.
double RowCost(int code, std::int32_t value) {
  const double v = value;
  switch (kCostRules[static_cast<std::uint8_t>(code)]) {
    case CostRule::kFree:
      return 0.0;
    case CostRule::kStat:
      return RoundHalfEven(v / 1.5);
    case CostRule::kResist:
      return value > 1 ? 2.0 * v - 2.0 : 0.0;
    case CostRule::kHitPoints:
      return RoundHalfEven(v / 4.0 - 0.75);
    case CostRule::kSkill:
      return value > 1 ? 5.0 * v - 5.0 : 1.0;
    case CostRule::kFocus:
      return 1.0;
    case CostRule::kLinear:
      return v;
    case CostRule::kHalf:
      return v / 2.0;
    case CostRule::kToHit:
      return (v + 1.0) * 2.5;
    case CostRule::kDouble:
      return 2.0 * v;
  }
  return 0.0;
}

// The computed level before the overrides. Only a positive total is halved;
// a total of zero or below keeps its fraction and is rounded like every
// other level when it becomes a whole number.
double ComputedTotal(const TItemRecord& item) {
  double sum = 0.0;
  double largest = 0.0;
  for (int row = 0; row < kBonusRows; ++row) {
    const double cost = RowCost(item.BonusCode[row], item.BonusValue[row]);
    sum += cost;
    largest = row == 0 ? cost : std::max(largest, cost);
  }
  double total = sum + largest;
  if (total > 0.0) total = RoundHalfEven(total / 2.0);
  return total;
}

}  // namespace

double RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5) return lower + 1.0;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int BonusLevelValue(const TItemRecord& item) {
  if (item.BonusLevelFixed == 1) return item.BonusLevel;
  double total = ComputedTotal(item);
  if (item.Unique == 1) total = 0.0;
  if (item.Crafted == 1) total = 0.0;
  if (item.ItemType == kItemTypeUnique) total = 0.0;
  if (item.ItemType == kItemTypePlayerCrafted) total = 0.0;
  if (item.ItemType == kItemTypeMythirian) total = 50.0;
  if (total > 50.0) total = 50.0;
  // Only absurd negative values (rows near -2^31) get below the int range;
  // they saturate instead of overflowing.
  constexpr double kLowest = std::numeric_limits<int>::min();
  return static_cast<int>(std::max(RoundHalfEven(total), kLowest));
}

}  // namespace qm
