#include "engine/totals.h"

#include <algorithm>
#include <array>

#include "core/bonus_catalogue.h"
#include "engine/caps.h"

namespace qm {
namespace {

using F = StatField;

// What one bonus row does to the records.
enum class RowEffect : std::uint8_t {
  kNothing,
  kAdd,           // add the low bits the field keeps, to one or two totals fields
  kFocusReplace,  // Focus := low 8 bits ("Focus: All Lines")
  kFocusMax,      // Focus := max(Focus, low 16 bits), kept in 8 bits (the realm focus lines)
  kRaiseCap,      // add to the caps field ("Fatigue Cap" has no limit of its own)
  kBoth,          // add to the totals field and the caps field of the same name (Myth)
};

constexpr auto kNoField = static_cast<F>(0xFF);

struct Rule {
  RowEffect Effect = RowEffect::kNothing;
  F First = kNoField;
  F Second = kNoField;
};

struct CodeRule {
  int Code;
  Rule What;
};

constexpr Rule Add(F first, F second = kNoField) {
  return {RowEffect::kAdd, first, second};
}

// Codes absent from this list (empty rows, the individual skills, which
// SkillBonusTotal counts, Ablative, the unused PvE codes, 199..255) add
// nothing to the totals.
constexpr CodeRule kSummation[] = {
    {1, Add(F::kStrength)},
    {2, Add(F::kConstitution)},
    {3, Add(F::kDexterity)},
    {4, Add(F::kQuickness)},
    {5, Add(F::kPiety)},
    {6, Add(F::kIntelligence)},
    {7, Add(F::kEmpathy)},
    {8, Add(F::kCharisma)},
    {142, Add(F::kAcuity)},
    {9, Add(F::kPower)},
    {10, Add(F::kHitPoints)},
    {11, Add(F::kCrush)},
    {12, Add(F::kSlash)},
    {13, Add(F::kThrust)},
    {14, Add(F::kHeat)},
    {15, Add(F::kCold)},
    {16, Add(F::kEnergy)},
    {17, Add(F::kMatter)},
    {18, Add(F::kBody)},
    {19, Add(F::kSpirit)},
    {198, Add(F::kEssence)},
    {134, Add(F::kStrengthCapInc)},
    {135, Add(F::kConstitutionCapInc)},
    {136, Add(F::kDexterityCapInc)},
    {137, Add(F::kQuicknessCapInc)},
    {138, Add(F::kPietyCapInc)},
    {139, Add(F::kIntelligenceCapInc)},
    {140, Add(F::kEmpathyCapInc)},
    {141, Add(F::kCharismaCapInc)},
    {143, Add(F::kAcuityCapInc)},
    {144, Add(F::kPowerCapInc)},
    {146, Add(F::kHitPointsCapInc)},
    {148, Add(F::kArmorFactor)},
    {20, Add(F::kAllMelee)},
    {179, Add(F::kAllMelee)},
    {21, Add(F::kAllCasting)},
    {180, Add(F::kAllCasting)},
    {181, Add(F::kAllDualWield)},
    {182, Add(F::kAllArchery)},
    {22, {RowEffect::kFocusReplace, F::kFocus}},
    {145, Add(F::kPowerPool)},
    {147, Add(F::kFatigue)},
    {149, Add(F::kMeleeSpeed)},
    {150, Add(F::kMeleeDamage)},
    {151, Add(F::kStyleDamage)},
    // Spell and archery speed, damage and range are one bonus each in the
    // game, whichever of the two codes an item happens to carry.
    {152, Add(F::kSpellSpeed, F::kArcherySpeed)},
    {157, Add(F::kSpellSpeed, F::kArcherySpeed)},
    {153, Add(F::kSpellDamage, F::kArcheryDamage)},
    {159, Add(F::kSpellDamage, F::kArcheryDamage)},
    {154, Add(F::kSpellRange, F::kArcheryRange)},
    {158, Add(F::kSpellRange, F::kArcheryRange)},
    {155, Add(F::kSpellPierce)},
    {156, Add(F::kSpellDuration)},
    {160, Add(F::kHealingBonus)},
    {161, Add(F::kBuffBonus)},
    {184, Add(F::kDebuffBonus)},
    {162, Add(F::kExperienceBonus)},
    {163, Add(F::kRealmPointBonus)},
    {164, Add(F::kBountyPointBonus)},
    {165, Add(F::kCashDrops)},
    {166, Add(F::kEvadeBonus)},
    {167, Add(F::kBlockBonus)},
    {168, Add(F::kParryBonus)},
    {169, Add(F::kXPLossReduction)},
    {170, Add(F::kArcaneSiphon)},
    {171, Add(F::kToHitBonus)},
    {172, Add(F::kStyleCostReduction)},
    {173, Add(F::kSpellCostReduction)},
    {175, Add(F::kBladeturnBonus)},
    {176, Add(F::kNegativeEffects)},
    {177, Add(F::kConcentration)},
    {178, Add(F::kReactionary)},
    {183, Add(F::kDefensiveBonus)},
    {190, {RowEffect::kRaiseCap, F::kFatigue}},
    {191, Add(F::kMeleeSpeedVs)},
    {192, Add(F::kMeleeDamageVs)},
    {193, Add(F::kStyleDamageVs)},
    {194, Add(F::kArcherySpellSpeedVs)},
    {195, Add(F::kArcherySpellDamageVs)},
    {196, Add(F::kArcherySpellRangeVs)},
};

struct CodeRange {
  int First;
  int Last;
};
// The realm focus lines: the larger focus wins, wherever it sits.
constexpr CodeRange kFocusRanges[] = {{54, 64}, {92, 102}, {126, 133}};

constexpr Rule Both(F field) {
  return {RowEffect::kBoth, field};
}

// The Myth slot's first row follows its own, shorter list.
constexpr CodeRule kMythRules[] = {
    {1, Both(F::kStrength)},     {2, Both(F::kConstitution)},   {3, Both(F::kDexterity)},
    {4, Both(F::kQuickness)},    {11, Both(F::kCrush)},         {12, Both(F::kSlash)},
    {13, Both(F::kThrust)},      {14, Both(F::kHeat)},          {15, Both(F::kCold)},
    {16, Both(F::kEnergy)},      {17, Both(F::kMatter)},        {18, Both(F::kBody)},
    {19, Both(F::kSpirit)},      {142, Both(F::kAcuity)},       {163, Both(F::kRealmPointBonus)},
    {165, Both(F::kCashDrops)},  {166, Both(F::kEvadeBonus)},   {167, Both(F::kBlockBonus)},
    {168, Both(F::kParryBonus)}, {170, Both(F::kArcaneSiphon)}, {198, Add(F::kEssence)},
};

using RuleTable = std::array<Rule, 256>;

constexpr RuleTable BuildSummation() {
  RuleTable table{};
  for (const CodeRule& entry : kSummation) table[entry.Code] = entry.What;
  for (const CodeRange& range : kFocusRanges) {
    for (int code = range.First; code <= range.Last; ++code) {
      table[code] = {RowEffect::kFocusMax, F::kFocus};
    }
  }
  return table;
}

constexpr RuleTable BuildMyth() {
  RuleTable table{};
  for (const CodeRule& entry : kMythRules) table[entry.Code] = entry.What;
  return table;
}

constexpr RuleTable kSummationTable = BuildSummation();
constexpr RuleTable kMythTable = BuildMyth();

static_assert(kSummationTable[174].Effect == RowEffect::kNothing);
static_assert(kSummationTable[28].Effect == RowEffect::kNothing);
static_assert(kSummationTable[197].Effect == RowEffect::kNothing);
static_assert(kMythTable[5].Effect == RowEffect::kNothing);

// The running sums of one walk. Adding whole values into 32-bit counters and
// keeping only the field's low bits at the end gives exactly the wrapped sum
// of the low bits, since both are sums modulo a power of two; it spares the
// walk a width lookup per row.
struct Accumulator {
  std::array<std::uint32_t, kStatFieldCount> totals{};
  std::uint32_t fatigueCapRaise = 0;
  F mythCapField = kNoField;  // the Myth slot's one row raises at most one cap
  std::uint32_t mythCapRaise = 0;
  std::uint8_t focus = 0;  // order matters for focus, so it is kept as the field is

  static std::size_t Index(F field) { return static_cast<std::size_t>(field); }

  void Apply(const Rule& rule, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    switch (rule.Effect) {
      case RowEffect::kNothing:
        return;
      case RowEffect::kAdd:
        totals[Index(rule.First)] += bits;
        if (rule.Second != kNoField) totals[Index(rule.Second)] += bits;
        return;
      case RowEffect::kFocusReplace:
        focus = static_cast<std::uint8_t>(bits);
        return;
      case RowEffect::kFocusMax: {
        // The comparison sees the whole low word; only the store narrows it.
        const auto word = static_cast<std::uint16_t>(bits);
        focus = static_cast<std::uint8_t>(std::max<std::uint16_t>(focus, word));
        return;
      }
      case RowEffect::kRaiseCap:
        fatigueCapRaise += bits;
        return;
      case RowEffect::kBoth:
        totals[Index(rule.First)] += bits;
        mythCapField = rule.First;
        mythCapRaise += bits;
        return;
    }
  }
};

static_assert(kSummationTable[190].First == F::kFatigue);

}  // namespace

int CountedSlot(const TTemplateRecord& tpl, int step) {
  if (step >= kJewel && step <= kFeet) return step;
  if (step == 15 || step == 16) return WeaponStepSlot(tpl.WeaponConfig, step);
  return 0;
}

TotalsAndCaps ComputeTotals(const TTemplateRecord& tpl) {
  Accumulator sums;
  for (int step = 1; step <= kCountedSteps; ++step) {
    const int slot = CountedSlot(tpl, step);
    // A step without an item walks the empty item, whose rows add nothing.
    if (slot == 0) continue;
    const TItemRecord& item = tpl.Slot(slot);
    for (int row = 0; row < kBonusRows; ++row) {
      sums.Apply(kSummationTable[item.BonusCode[row]], item.BonusValue[row]);
    }
  }
  const TItemRecord& myth = tpl.Slot(kMyth);
  sums.Apply(kMythTable[myth.BonusCode[0]], myth.BonusValue[0]);

  TotalsAndCaps out;
  StoreStats(out.Totals, sums.totals);
  out.Totals.Focus = sums.focus;
  out.Caps = CapsForLevel(tpl.CharLevel, tpl.RealmRank);
  if (sums.mythCapField != kNoField) AddStat(out.Caps, sums.mythCapField, sums.mythCapRaise);
  AddStat(out.Caps, F::kFatigue, sums.fatigueCapRaise);
  return out;
}

std::uint16_t SkillBonusTotal(int code, const TTemplateRecord& tpl) {
  // The skill groups do not overlap, so at most two group codes reach a skill.
  int groupCode = -1;
  int otherGroupCode = -1;
  if (IsMeleeSkill(code)) {
    groupCode = 20;
    otherGroupCode = 179;
  } else if (IsCastingSkill(code)) {
    groupCode = 21;
    otherGroupCode = 180;
  } else if (IsDualWieldSkill(code)) {
    groupCode = 181;
  } else if (IsArcherySkill(code)) {
    groupCode = 182;
  }
  std::uint32_t total = 0;
  for (int step = 1; step <= kCountedSteps; ++step) {
    const int slot = CountedSlot(tpl, step);
    if (slot == 0) continue;
    const TItemRecord& item = tpl.Slot(slot);
    for (int row = 0; row < kBonusRows; ++row) {
      const int rowCode = item.BonusCode[row];
      const std::uint32_t times =
          (rowCode == code) + (rowCode == groupCode) + (rowCode == otherGroupCode);
      total += times * static_cast<std::uint32_t>(item.BonusValue[row]);
    }
  }
  return static_cast<std::uint16_t>(total);
}

}  // namespace qm
