#include "core/bonus_level.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

// Costs are counted in halves: the two fractional rules (v / 2 and
// (v + 1) * 2.5) are the only ones that leave a fraction, and it is always a
// half. Ten rows of 32-bit values stay far inside 64 bits, so every sum is
// exact however large or negative the rows are.
std::int64_t RowHalves(int code, std::int32_t value) {
  const std::int64_t v = value;
  switch (kCostRules[static_cast<std::uint8_t>(code)]) {
    case CostRule::kFree:
      return 0;
    case CostRule::kStat:
      return 2 * RoundHalfEven(2 * v, 3);  // nearest(v / 1.5)
    case CostRule::kResist:
      return v > 1 ? 4 * v - 4 : 0;
    case CostRule::kHitPoints:
      return 2 * RoundHalfEven(v - 3, 4);  // nearest(v / 4 - 0.75)
    case CostRule::kSkill:
      return v > 1 ? 10 * v - 10 : 2;
    case CostRule::kFocus:
      return 2;
    case CostRule::kLinear:
      return 2 * v;
    case CostRule::kHalf:
      return v;
    case CostRule::kToHit:
      return 5 * (v + 1);
    case CostRule::kDouble:
      return 4 * v;
  }
  return 0;
}

// The computed level before the overrides. Only a positive total is halved;
// a total of zero or below keeps its fraction until it becomes a whole
// number, rounded like every other level.
std::int64_t ComputedLevel(const TItemRecord& item) {
  std::int64_t sum = 0;
  std::int64_t largest = 0;
  for (int row = 0; row < kBonusRows; ++row) {
    const std::int64_t halves = RowHalves(item.BonusCode[row], item.BonusValue[row]);
    sum += halves;
    largest = row == 0 ? halves : std::max(largest, halves);
  }
  const std::int64_t totalHalves = sum + largest;
  return totalHalves > 0 ? RoundHalfEven(totalHalves, 4) : RoundHalfEven(totalHalves, 2);
}

}  // namespace

std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  std::int64_t remainder = numerator % denominator;
  if (remainder < 0) {  // division truncates toward zero; take the floor
    remainder += denominator;
    --quotient;
  }
  if (2 * remainder > denominator) return quotient + 1;
  if (2 * remainder < denominator) return quotient;
  return quotient % 2 == 0 ? quotient : quotient + 1;
}

std::int64_t BonusLevelValue(const TItemRecord& item) {
  if (item.BonusLevelFixed == 1) return item.BonusLevel;
  std::int64_t level = ComputedLevel(item);
  if (item.Unique == 1) level = 0;
  if (item.Crafted == 1) level = 0;
  if (item.ItemType == kItemTypeUnique) level = 0;
  if (item.ItemType == kItemTypePlayerCrafted) level = 0;
  if (item.ItemType == kItemTypeMythirian) level = 50;
  return std::min<std::int64_t>(level, 50);
}

}  // namespace qm
