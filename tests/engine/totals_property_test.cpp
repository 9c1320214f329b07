// Randomised checks of the totals engine against a plain, independent
// summation: generated templates (fixed seed) with codes across the whole
// byte range and values from small to far beyond 16 bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "engine/caps.h"
#include "engine/totals.h"

namespace qm {
namespace {

// Code -> the totals fields it adds to, written out by name.
const std::map<int, std::vector<std::string>>& AddedFields() {
  static const std::map<int, std::vector<std::string>> fields = [] {
    std::map<int, std::vector<std::string>> m;
    const char* stats[] = {"Strength", "Constitution", "Dexterity", "Quickness",
                           "Piety",    "Intelligence", "Empathy",   "Charisma"};
    for (int i = 0; i < 8; ++i) {
      m[1 + i] = {stats[i]};
      m[134 + i] = {std::string(stats[i]) + "CapInc"};
    }
    const char* resists[] = {"Crush",  "Slash",  "Thrust", "Heat",  "Cold",
                             "Energy", "Matter", "Body",   "Spirit"};
    for (int i = 0; i < 9; ++i) m[11 + i] = {resists[i]};
    m[142] = {"Acuity"};
    m[9] = {"Power"};
    m[10] = {"HitPoints"};
    m[198] = {"Essence"};
    m[143] = {"AcuityCapInc"};
    m[144] = {"PowerCapInc"};
    m[146] = {"HitPointsCapInc"};
    m[148] = {"ArmorFactor"};
    m[20] = m[179] = {"AllMelee"};
    m[21] = m[180] = {"AllCasting"};
    m[181] = {"AllDualWield"};
    m[182] = {"AllArchery"};
    m[145] = {"PowerPool"};
    m[147] = {"Fatigue"};
    m[149] = {"MeleeSpeed"};
    m[150] = {"MeleeDamage"};
    m[151] = {"StyleDamage"};
    m[152] = m[157] = {"SpellSpeed", "ArcherySpeed"};
    m[153] = m[159] = {"SpellDamage", "ArcheryDamage"};
    m[154] = m[158] = {"SpellRange", "ArcheryRange"};
    m[155] = {"SpellPierce"};
    m[156] = {"SpellDuration"};
    m[160] = {"HealingBonus"};
    m[161] = {"BuffBonus"};
    m[184] = {"DebuffBonus"};
    m[162] = {"ExperienceBonus"};
    m[163] = {"RealmPointBonus"};
    m[164] = {"BountyPointBonus"};
    m[165] = {"CashDrops"};
    m[166] = {"EvadeBonus"};
    m[167] = {"BlockBonus"};
    m[168] = {"ParryBonus"};
    m[169] = {"XPLossReduction"};
    m[170] = {"ArcaneSiphon"};
    m[171] = {"ToHitBonus"};
    m[172] = {"StyleCostReduction"};
    m[173] = {"SpellCostReduction"};
    m[175] = {"BladeturnBonus"};
    m[176] = {"NegativeEffects"};
    m[177] = {"Concentration"};
    m[178] = {"Reactionary"};
    m[183] = {"DefensiveBonus"};
    m[191] = {"MeleeSpeedVs"};
    m[192] = {"MeleeDamageVs"};
    m[193] = {"StyleDamageVs"};
    m[194] = {"ArcherySpellSpeedVs"};
    m[195] = {"ArcherySpellDamageVs"};
    m[196] = {"ArcherySpellRangeVs"};
    return m;
  }();
  return fields;
}

// Myth first row: code -> (field, whether the cap rises too).
const std::map<int, std::pair<std::string, bool>>& MythFields() {
  static const std::map<int, std::pair<std::string, bool>> fields = {
      {1, {"Strength", true}},     {2, {"Constitution", true}},   {3, {"Dexterity", true}},
      {4, {"Quickness", true}},    {11, {"Crush", true}},         {12, {"Slash", true}},
      {13, {"Thrust", true}},      {14, {"Heat", true}},          {15, {"Cold", true}},
      {16, {"Energy", true}},      {17, {"Matter", true}},        {18, {"Body", true}},
      {19, {"Spirit", true}},      {142, {"Acuity", true}},       {163, {"RealmPointBonus", true}},
      {165, {"CashDrops", true}},  {166, {"EvadeBonus", true}},   {167, {"BlockBonus", true}},
      {168, {"ParryBonus", true}}, {170, {"ArcaneSiphon", true}}, {198, {"Essence", false}},
  };
  return fields;
}

std::vector<int> WeaponSlots(int config) {
  switch (config) {
    case 0:
      return {kRightHand, kLeftHand};
    case 1:
      return {kLeftHand, kTwoHand};
    case 2:
      return {kTwoHand};
    case 3:
      return {kRanged};
    default:
      return {};
  }
}

std::vector<int> CountedSlots(const TTemplateRecord& tpl) {
  std::vector<int> slots;
  for (int slot = kJewel; slot <= kFeet; ++slot) slots.push_back(slot);
  for (int slot : WeaponSlots(tpl.WeaponConfig)) slots.push_back(slot);
  return slots;
}

bool IsRealmFocus(int code) {
  return (code >= 54 && code <= 64) || (code >= 92 && code <= 102) || (code >= 126 && code <= 133);
}

struct Reference {
  std::map<std::string, long long> totals;
  std::map<std::string, long long> capRaise;
  long long focus = 0;  // kept as the 8-bit field holds it
};

Reference Summation(const TTemplateRecord& tpl) {
  Reference ref;
  for (int slot : CountedSlots(tpl)) {
    const TItemRecord& item = tpl.Slot(slot);
    for (int row = 0; row < kBonusRows; ++row) {
      const int code = item.BonusCode[row];
      const std::int32_t value = item.BonusValue[row];
      if (code == 22) {
        ref.focus = value & 0xFF;
      } else if (IsRealmFocus(code)) {
        ref.focus = std::max<long long>(ref.focus, value & 0xFFFF) & 0xFF;
      } else if (code == 190) {
        ref.capRaise["Fatigue"] += value;
      } else if (auto it = AddedFields().find(code); it != AddedFields().end()) {
        for (const std::string& name : it->second) ref.totals[name] += value;
      }
    }
  }
  const TItemRecord& myth = tpl.Slot(kMyth);
  if (auto it = MythFields().find(myth.BonusCode[0]); it != MythFields().end()) {
    ref.totals[it->second.first] += myth.BonusValue[0];
    if (it->second.second) ref.capRaise[it->second.first] += myth.BonusValue[0];
  }
  return ref;
}

long long Wrap(long long value, int widthBytes) {
  const long long modulus = widthBytes == 2 ? 65536 : 256;
  return ((value % modulus) + modulus) % modulus;
}

std::uint16_t SkillReference(int code, const TTemplateRecord& tpl) {
  long long sum = 0;
  for (int slot : CountedSlots(tpl)) {
    const TItemRecord& item = tpl.Slot(slot);
    for (int row = 0; row < kBonusRows; ++row) {
      const int rc = item.BonusCode[row];
      const long long v = item.BonusValue[row];
      if (rc == code) sum += v;
      if (IsMeleeSkill(code) && (rc == 20 || rc == 179)) sum += v;
      if (IsCastingSkill(code) && (rc == 21 || rc == 180)) sum += v;
      if (IsDualWieldSkill(code) && rc == 181) sum += v;
      if (IsArcherySkill(code) && rc == 182) sum += v;
    }
  }
  return static_cast<std::uint16_t>(Wrap(sum, 2));
}

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : rng_(seed) {}

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  std::int32_t Value() {
    switch (Pick(0, 5)) {
      case 0:
        return Pick(-5, 5);
      case 1:
      case 2:
        return Pick(0, 60);
      case 3:
        return Pick(200, 400);  // beyond 8 bits
      case 4:
        return Pick(60000, 140000);  // beyond 16 bits
      default:
        return static_cast<std::int32_t>(rng_());
    }
  }

  int Code() {
    switch (Pick(0, 9)) {
      case 0:
        return Pick(199, 255);
      case 1:
        return 22;
      case 2:
        return Pick(54, 64);
      default:
        return Pick(0, 198);
    }
  }

  TItemRecord Item() {
    TItemRecord item = EmptyItem();
    const int rows = Pick(0, kBonusRows);
    for (int row = 0; row < rows; ++row) {
      item.BonusCode[row] = static_cast<std::uint8_t>(Code());
      item.BonusValue[row] = Value();
    }
    return item;
  }

  TTemplateRecord Template() {
    TTemplateRecord tpl = EmptyTemplate();
    tpl.CharLevel = static_cast<std::uint8_t>(Pick(5, 50));
    tpl.RealmRank = static_cast<std::uint8_t>(Pick(1, 13));
    tpl.ClassIndex = static_cast<std::uint8_t>(Pick(0, 46));
    tpl.WeaponConfig = static_cast<std::uint8_t>(Pick(0, 6));
    for (TItemRecord& item : tpl.Slots) {
      if (Pick(0, 5) != 0) item = Item();
    }
    return tpl;
  }

 private:
  std::mt19937 rng_;
};

constexpr int kIterations = 2000;

TEST(TotalsPropertyTest, EveryFieldEqualsAPlainSummation) {
  Generator gen(20240611);
  for (int n = 0; n < kIterations; ++n) {
    const TTemplateRecord tpl = gen.Template();
    const TotalsAndCaps result = ComputeTotals(tpl);
    const TCapsRecord levelCaps = CapsForLevel(tpl.CharLevel, tpl.RealmRank);
    const Reference ref = Summation(tpl);
    for (const StatFieldInfo& info : kStatFields) {
      const StatField field = *StatFieldOfName(info.Name);
      const std::string name(info.Name);
      long long expected = info.Name == "Focus" ? ref.focus : 0;
      if (auto it = ref.totals.find(name); it != ref.totals.end()) expected += it->second;
      ASSERT_EQ(GetStat(result.Totals, field), Wrap(expected, info.Width))
          << "totals " << name << " in template " << n;
      long long cap = GetStat(levelCaps, field);
      if (auto it = ref.capRaise.find(name); it != ref.capRaise.end()) cap += it->second;
      ASSERT_EQ(GetStat(result.Caps, field), Wrap(cap, info.Width))
          << "caps " << name << " in template " << n;
    }
    for (const SkillRow& row : ClassOf(tpl.ClassIndex).Rows) {
      ASSERT_EQ(SkillBonusTotal(row.Code, tpl), SkillReference(row.Code, tpl))
          << "skill " << int{row.Code} << " in template " << n;
    }
  }
}

TEST(TotalsPropertyTest, SwappingArmourAndJewelleryChangesOnlyFocus) {
  Generator gen(7);
  for (int n = 0; n < kIterations; ++n) {
    const TTemplateRecord tpl = gen.Template();
    TTemplateRecord swapped = tpl;
    const int a = gen.Pick(kJewel, kFeet);
    const int b = gen.Pick(kJewel, kFeet);
    std::swap(swapped.Slot(a), swapped.Slot(b));
    TotalsAndCaps before = ComputeTotals(tpl);
    TotalsAndCaps after = ComputeTotals(swapped);
    // Focus depends on the visiting order; nothing else does.
    before.Totals.Focus = after.Totals.Focus = 0;
    ASSERT_TRUE(before.Totals == after.Totals)
        << "slots " << a << " and " << b << " in template " << n;
    ASSERT_TRUE(before.Caps == after.Caps);
    for (int code = 0; code <= 255; code += 7) {
      ASSERT_EQ(SkillBonusTotal(code, tpl), SkillBonusTotal(code, swapped)) << code;
    }
  }
}

TEST(TotalsPropertyTest, ItemsOutsideTheCountedSlotsChangeNothing) {
  Generator gen(99);
  for (int n = 0; n < kIterations / 4; ++n) {
    TTemplateRecord tpl = gen.Template();
    const TotalsAndCaps before = ComputeTotals(tpl);
    // Every weapon slot the configuration leaves out, and the Myth rows 2..10.
    std::vector<int> counted = WeaponSlots(tpl.WeaponConfig);
    for (int slot = kRightHand; slot <= kRanged; ++slot) {
      if (std::find(counted.begin(), counted.end(), slot) == counted.end()) {
        tpl.Slot(slot) = gen.Item();
      }
    }
    for (int row = 1; row < kBonusRows; ++row) {
      tpl.Slot(kMyth).BonusCode[row] = static_cast<std::uint8_t>(gen.Code());
      tpl.Slot(kMyth).BonusValue[row] = gen.Value();
    }
    const TotalsAndCaps after = ComputeTotals(tpl);
    ASSERT_TRUE(before == after) << n;
  }
}

}  // namespace
}  // namespace qm
