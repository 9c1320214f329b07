#include "engine/caps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/class_table.h"

namespace qm {
namespace {

using F = StatField;

TEST(StatBlockTest, FieldListInLayoutOrder) {
  // The names are what JSON and reports print; their order is the layout.
  std::string names;
  for (const StatFieldInfo& info : kStatFields) names += std::string(info.Name) + " ";
  EXPECT_EQ(names,
            "Strength Constitution Dexterity Quickness Piety Intelligence Empathy Charisma Acuity "
            "Power HitPoints SpareWord Crush Slash Thrust Heat Cold Energy Matter Body Spirit "
            "Essence StrengthCapInc ConstitutionCapInc DexterityCapInc QuicknessCapInc "
            "PietyCapInc IntelligenceCapInc EmpathyCapInc CharismaCapInc AcuityCapInc "
            "PowerCapInc HitPointsCapInc ArmorFactor SkillCap AllMelee AllCasting AllArchery "
            "AllDualWield MeleeDamage MeleeSpeed StyleDamage MeleeDamageVs MeleeSpeedVs "
            "StyleDamageVs SpellDamage SpellSpeed SpellDuration SpellPierce SpellRange "
            "ArcheryDamage ArcherySpeed ArcheryRange ArcherySpellDamageVs ArcherySpellSpeedVs "
            "ArcherySpellRangeVs PowerPool HealingBonus BuffBonus DebuffBonus ExperienceBonus "
            "RealmPointBonus BountyPointBonus CashDrops Fatigue FatigueCapInc EvadeBonus "
            "BlockBonus ParryBonus BladeturnBonus XPLossReduction ArcaneSiphon ToHitBonus "
            "StyleCostReduction SpellCostReduction SpareByte NegativeEffects Reactionary "
            "DefensiveBonus Concentration Focus ");
  EXPECT_EQ(StatFieldOfName("HitPointsCapInc"), F::kHitPointsCapInc);
  EXPECT_EQ(StatFieldOfName("hitpoints"), std::nullopt);
}

TEST(StatBlockTest, FieldsWrapAtTheirOwnWidth) {
  TStatBlock block;
  InitStatBlock(block);
  AddStat(block, F::kStrength, 70000);  // low 16 bits: 4464
  EXPECT_EQ(block.Strength, 4464);
  AddStat(block, F::kStrength, 65535);  // wraps back by one
  EXPECT_EQ(block.Strength, 4463);
  AddStat(block, F::kFocus, 300);  // low 8 bits: 44
  EXPECT_EQ(block.Focus, 44);
  AddStat(block, F::kFocus, 250);
  EXPECT_EQ(block.Focus, 38);
  SetStat(block, F::kArmorFactor, 0x12345);
  EXPECT_EQ(GetStat(block, F::kArmorFactor), 0x2345);
  // A neighbour of a narrow field is never touched.
  EXPECT_EQ(block.Concentration, 0);
  EXPECT_EQ(block.SkillCap, 0);
  EXPECT_EQ(block.HitPointsCapInc, 0);
}

// The caps a level and realm rank give, computed independently from the real
// formulas with truncation toward zero.
int ExpectedCap(F field, int level, int rank) {
  const double l = level;
  switch (field) {
    case F::kStrength:
    case F::kConstitution:
    case F::kDexterity:
    case F::kQuickness:
    case F::kPiety:
    case F::kIntelligence:
    case F::kEmpathy:
    case F::kCharisma:
    case F::kAcuity:
      return static_cast<int>(std::trunc(1.5 * l));
    case F::kHitPoints:
    case F::kHitPointsCapInc:
      return 4 * level;
    case F::kSkillCap:
    case F::kAllMelee:
    case F::kAllCasting:
    case F::kAllArchery:
    case F::kAllDualWield:
      return static_cast<int>(std::trunc(l / 5)) + rank;
    case F::kArcaneSiphon:
    case F::kHealingBonus:
    case F::kBuffBonus:
    case F::kDebuffBonus:
    case F::kPowerPool:
    case F::kSpellDuration:
      return static_cast<int>(std::trunc(l / 2));
    case F::kToHitBonus:
      return 5;
    case F::kStyleCostReduction:
      return 3;
    case F::kArmorFactor:
    case F::kXPLossReduction:
      return level;
    case F::kFatigue:
    case F::kFatigueCapInc:
      return static_cast<int>(std::trunc((l - 5) / 3));
    case F::kSpareWord:
    case F::kFocus:
      return 0;
    default:
      break;
  }
  const auto index = static_cast<int>(field);
  if (field == F::kPower ||
      (index >= static_cast<int>(F::kCrush) && index <= static_cast<int>(F::kHitPointsCapInc))) {
    return static_cast<int>(std::trunc(l / 2)) + 1;
  }
  return static_cast<int>(std::trunc(l / 5));  // the percentage bonuses and SpareByte
}

TEST(CapsTest, EveryFieldAtEveryLevelAndRank) {
  for (int level = 5; level <= 50; ++level) {
    for (int rank = 1; rank <= 13; ++rank) {
      const TCapsRecord caps = CapsForLevel(level, rank);
      for (int i = 0; i < kStatFieldCount; ++i) {
        const auto field = static_cast<F>(i);
        ASSERT_EQ(GetStat(caps, field), ExpectedCap(field, level, rank))
            << kStatFields[i].Name << " level " << level << " rank " << rank;
      }
    }
  }
}

TEST(CapsTest, KnownLevels) {
  const TCapsRecord low = CapsForLevel(5, 1);
  EXPECT_EQ(low.Strength, 7);
  EXPECT_EQ(low.Crush, 3);
  EXPECT_EQ(low.HitPoints, 20);
  EXPECT_EQ(low.SkillCap, 2);
  EXPECT_EQ(low.MeleeDamage, 1);
  EXPECT_EQ(low.Fatigue, 0);
  EXPECT_EQ(low.ArmorFactor, 5);

  const TCapsRecord top = CapsForLevel(50, 1);
  EXPECT_EQ(top.Charisma, 75);
  EXPECT_EQ(top.Essence, 26);
  EXPECT_EQ(top.AcuityCapInc, 26);
  EXPECT_EQ(top.HitPoints, 200);
  EXPECT_EQ(top.SkillCap, 11);
  EXPECT_EQ(top.CashDrops, 10);
  EXPECT_EQ(top.PowerPool, 25);
  EXPECT_EQ(top.ArmorFactor, 50);
  EXPECT_EQ(top.Fatigue, 15);
  EXPECT_EQ(top.ToHitBonus, 5);
  EXPECT_EQ(top.StyleCostReduction, 3);

  const TCapsRecord rr13 = CapsForLevel(50, 13);
  for (F field : {F::kSkillCap, F::kAllMelee, F::kAllCasting, F::kAllArchery, F::kAllDualWield}) {
    EXPECT_EQ(GetStat(rr13, field), 23) << FieldInfo(field).Name;
  }

  const TCapsRecord odd = CapsForLevel(49, 1);
  EXPECT_EQ(odd.Dexterity, 73);
  EXPECT_EQ(odd.Spirit, 25);
  EXPECT_EQ(odd.SpellRange, 9);
  EXPECT_EQ(odd.Fatigue, 14);
}

TEST(CapsTest, LevelsOutsideTheUsualRange) {
  const TCapsRecord none = CapsForLevel(0, 13);
  for (int i = 0; i < kStatFieldCount; ++i) {
    EXPECT_EQ(GetStat(none, static_cast<F>(i)), 0) << kStatFields[i].Name;
  }
  // Below level 5 the fatigue formula is negative; the cap stays 0.
  for (int level = 1; level < 5; ++level) {
    EXPECT_EQ(CapsForLevel(level, 1).Fatigue, 0) << level;
    EXPECT_EQ(CapsForLevel(level, 1).FatigueCapInc, 0) << level;
  }
  // A corrupt level of 255 keeps each field at its own width.
  const TCapsRecord huge = CapsForLevel(255, 255);
  EXPECT_EQ(huge.Strength, 382);
  EXPECT_EQ(huge.HitPoints, 1020);
  EXPECT_EQ(huge.SkillCap, (51 + 255) % 256);
  EXPECT_EQ(huge.XPLossReduction, 255);
}

class EffectiveCapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caps = CapsForLevel(50, 1);
    InitStatBlock(totals);
  }
  TCapsRecord caps;
  TTotalsRecord totals;
};

TEST_F(EffectiveCapTest, CapIncreaseCountsUpToItsOwnCap) {
  totals.StrengthCapInc = 30;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kStrength, kAcuityNone), 101);
  totals.StrengthCapInc = 10;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kStrength, kAcuityNone), 85);
  totals.HitPointsCapInc = 500;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kHitPoints, kAcuityNone), 400);
  totals.PowerCapInc = 7;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kPowerPool, kAcuityNone), 32);
  // Other fields take the cap as it stands; a cap increase total does not
  // reach a field it does not name.
  totals.QuicknessCapInc = 5;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kDexterity, kAcuityNone), 75);
  EXPECT_EQ(EffectiveCap(caps, totals, F::kCrush, kAcuityNone), 26);
  EXPECT_EQ(EffectiveCap(caps, totals, F::kStrengthCapInc, kAcuityNone), 26);
}

TEST_F(EffectiveCapTest, AcuityFollowsTheClassStat) {
  totals.AcuityCapInc = 4;
  totals.IntelligenceCapInc = 5;
  totals.PietyCapInc = 20;  // not this class's stat
  EXPECT_EQ(EffectiveCap(caps, totals, F::kAcuity, kAcuityIntelligence), 84);
  EXPECT_EQ(EffectiveCap(caps, totals, F::kAcuity, kAcuityPiety), 75 + 24);
  EXPECT_EQ(CapIncreaseTotal(totals, F::kAcuity, kAcuityIntelligence), 9);
  // Without an acuity stat the acuity row has no cap increase.
  EXPECT_EQ(EffectiveCap(caps, totals, F::kAcuity, kAcuityNone), 75);
  EXPECT_EQ(EffectiveCap(caps, totals, F::kAcuity, 9), 75);
  // The sum of the two increases is taken in 16 bits before the limit.
  totals.AcuityCapInc = 65535;
  totals.IntelligenceCapInc = 3;
  EXPECT_EQ(EffectiveCap(caps, totals, F::kAcuity, kAcuityIntelligence), 75 + 2);

  totals.Acuity = 20;
  totals.Empathy = 30;
  totals.Intelligence = 7;
  EXPECT_EQ(AcuityTotal(totals, kAcuityEmpathy), 50);
  EXPECT_EQ(AcuityTotal(totals, kAcuityIntelligence), 27);
  EXPECT_EQ(AcuityTotal(totals, kAcuityNone), 0);
}

}  // namespace
}  // namespace qm
