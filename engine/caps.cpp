#include "engine/caps.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace qm {
namespace {

using F = StatField;

enum class CapFormula : std::uint8_t {
  kZero,
  kStat,         // trunc(1.5 L)
  kHalfPlusOne,  // trunc(L / 2) + 1
  kHitPoints,    // 4 L
  kSkill,        // trunc(L / 5) + R
  kFifth,        // trunc(L / 5)
  kHalf,         // trunc(L / 2)
  kFive,         // 5
  kThree,        // 3
  kLevel,        // L
  kFatigue,      // trunc((L - 5) / 3)
};

struct FormulaGroup {
  CapFormula Formula;
  std::initializer_list<F> Fields;
};

// Fields not named here (SpareWord and Focus) have a cap of 0.
constexpr FormulaGroup kFormulaGroups[] = {
    {CapFormula::kStat,
     {F::kStrength, F::kConstitution, F::kDexterity, F::kQuickness, F::kPiety, F::kIntelligence,
      F::kEmpathy, F::kCharisma, F::kAcuity}},
    {CapFormula::kHalfPlusOne,
     {F::kPower,
      F::kPowerCapInc,
      F::kCrush,
      F::kSlash,
      F::kThrust,
      F::kHeat,
      F::kCold,
      F::kEnergy,
      F::kMatter,
      F::kBody,
      F::kSpirit,
      F::kEssence,
      F::kStrengthCapInc,
      F::kConstitutionCapInc,
      F::kDexterityCapInc,
      F::kQuicknessCapInc,
      F::kPietyCapInc,
      F::kIntelligenceCapInc,
      F::kEmpathyCapInc,
      F::kCharismaCapInc,
      F::kAcuityCapInc}},
    {CapFormula::kHitPoints, {F::kHitPoints, F::kHitPointsCapInc}},
    {CapFormula::kSkill,
     {F::kSkillCap, F::kAllMelee, F::kAllCasting, F::kAllArchery, F::kAllDualWield}},
    {CapFormula::kFifth, {F::kMeleeDamage,         F::kMeleeSpeed,
                          F::kStyleDamage,         F::kMeleeDamageVs,
                          F::kMeleeSpeedVs,        F::kStyleDamageVs,
                          F::kSpellDamage,         F::kSpellSpeed,
                          F::kSpellPierce,         F::kSpellRange,
                          F::kArcheryDamage,       F::kArcherySpeed,
                          F::kArcheryRange,        F::kArcherySpellDamageVs,
                          F::kArcherySpellSpeedVs, F::kArcherySpellRangeVs,
                          F::kExperienceBonus,     F::kRealmPointBonus,
                          F::kBountyPointBonus,    F::kCashDrops,
                          F::kEvadeBonus,          F::kBlockBonus,
                          F::kParryBonus,          F::kBladeturnBonus,
                          F::kSpellCostReduction,  F::kNegativeEffects,
                          F::kReactionary,         F::kDefensiveBonus,
                          F::kConcentration,       F::kSpareByte}},
    {CapFormula::kHalf,
     {F::kArcaneSiphon, F::kHealingBonus, F::kBuffBonus, F::kDebuffBonus, F::kPowerPool,
      F::kSpellDuration}},
    {CapFormula::kFive, {F::kToHitBonus}},
    {CapFormula::kThree, {F::kStyleCostReduction}},
    {CapFormula::kLevel, {F::kArmorFactor, F::kXPLossReduction}},
    {CapFormula::kFatigue, {F::kFatigue, F::kFatigueCapInc}},
};

constexpr std::array<CapFormula, kStatFieldCount> BuildFormulas() {
  std::array<CapFormula, kStatFieldCount> formulas{};
  for (auto& formula : formulas) formula = CapFormula::kZero;
  for (const FormulaGroup& group : kFormulaGroups) {
    for (F field : group.Fields) formulas[static_cast<std::size_t>(field)] = group.Formula;
  }
  return formulas;
}

constexpr std::array<CapFormula, kStatFieldCount> kFormulas = BuildFormulas();

// Integer division in C++ truncates toward zero, which is exactly the
// truncation of the real quotient, so no floating point is needed.
int CapValue(CapFormula formula, int level, int realmRank) {
  switch (formula) {
    case CapFormula::kZero:
      return 0;
    case CapFormula::kStat:
      return level * 3 / 2;
    case CapFormula::kHalfPlusOne:
      return level / 2 + 1;
    case CapFormula::kHitPoints:
      return 4 * level;
    case CapFormula::kSkill:
      return level / 5 + realmRank;
    case CapFormula::kFifth:
      return level / 5;
    case CapFormula::kHalf:
      return level / 2;
    case CapFormula::kFive:
      return 5;
    case CapFormula::kThree:
      return 3;
    case CapFormula::kLevel:
      return level;
    case CapFormula::kFatigue:
      // Below level 5 the formula goes negative; a cap below nothing is
      // still nothing, rather than wrapping round to 255.
      return std::max(0, (level - 5) / 3);
  }
  return 0;
}

struct AcuityRow {
  F Stat;
  F CapInc;
};
constexpr AcuityRow kAcuityRows[] = {
    {F::kPiety, F::kPietyCapInc},
    {F::kIntelligence, F::kIntelligenceCapInc},
    {F::kEmpathy, F::kEmpathyCapInc},
    {F::kCharisma, F::kCharismaCapInc},
};

struct CapIncreasePair {
  F Field;
  F CapInc;
};
// The fields whose cap an item cap increase raises directly (acuity aside).
constexpr CapIncreasePair kCapIncreasePairs[] = {
    {F::kStrength, F::kStrengthCapInc},   {F::kConstitution, F::kConstitutionCapInc},
    {F::kDexterity, F::kDexterityCapInc}, {F::kQuickness, F::kQuicknessCapInc},
    {F::kHitPoints, F::kHitPointsCapInc}, {F::kPowerPool, F::kPowerCapInc},
};

const CapIncreasePair* FindCapIncreasePair(F field) {
  for (const CapIncreasePair& pair : kCapIncreasePairs) {
    if (pair.Field == field) return &pair;
  }
  return nullptr;
}

}  // namespace

TCapsRecord CapsForLevel(int level, int realmRank) {
  TCapsRecord caps;
  if (level == 0) {
    InitStatBlock(caps);
    return caps;
  }
  constexpr int kFormulaCount = static_cast<int>(CapFormula::kFatigue) + 1;
  std::array<std::uint32_t, kFormulaCount> byFormula{};
  for (int f = 0; f < kFormulaCount; ++f) {
    byFormula[f] =
        static_cast<std::uint32_t>(CapValue(static_cast<CapFormula>(f), level, realmRank));
  }
  std::array<std::uint32_t, kStatFieldCount> values{};
  for (int i = 0; i < kStatFieldCount; ++i) values[i] = byFormula[static_cast<int>(kFormulas[i])];
  StoreStats(caps, values);
  return caps;
}

AcuityFields AcuityFieldsOf(int acuityKind) {
  if (acuityKind < 1 || acuityKind > 4) return {};
  const AcuityRow& row = kAcuityRows[acuityKind - 1];
  return {true, row.Stat, row.CapInc};
}

bool HasCapIncrease(StatField field, int acuityKind) {
  if (field == F::kAcuity) return AcuityFieldsOf(acuityKind).Valid;
  return FindCapIncreasePair(field) != nullptr;
}

std::uint16_t CapIncreaseTotal(const TTotalsRecord& totals, StatField field, int acuityKind) {
  if (field == F::kAcuity) {
    const AcuityFields acuity = AcuityFieldsOf(acuityKind);
    if (!acuity.Valid) return 0;
    return static_cast<std::uint16_t>(totals.AcuityCapInc + GetStat(totals, acuity.CapInc));
  }
  const CapIncreasePair* pair = FindCapIncreasePair(field);
  return pair == nullptr ? 0 : GetStat(totals, pair->CapInc);
}

std::uint16_t CapIncreaseLimit(const TCapsRecord& caps, StatField field, int acuityKind) {
  if (field == F::kAcuity) return AcuityFieldsOf(acuityKind).Valid ? caps.AcuityCapInc : 0;
  const CapIncreasePair* pair = FindCapIncreasePair(field);
  return pair == nullptr ? 0 : GetStat(caps, pair->CapInc);
}

int EffectiveCap(const TCapsRecord& caps, const TTotalsRecord& totals, StatField field,
                 int acuityKind) {
  const int base = GetStat(caps, field);
  if (!HasCapIncrease(field, acuityKind)) return base;
  return base + std::min(CapIncreaseLimit(caps, field, acuityKind),
                         CapIncreaseTotal(totals, field, acuityKind));
}

int AcuityTotal(const TTotalsRecord& totals, int acuityKind) {
  const AcuityFields acuity = AcuityFieldsOf(acuityKind);
  if (!acuity.Valid) return 0;
  return totals.Acuity + GetStat(totals, acuity.Stat);
}

}  // namespace qm
