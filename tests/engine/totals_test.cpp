#include "engine/totals.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "core/bonus_catalogue.h"
#include "engine/caps.h"
#include "tools/samples.h"

namespace qm {
namespace {

using samples::Bonus;
using samples::MakeItem;

TTemplateRecord Template(int weaponConfig = 4) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.WeaponConfig = static_cast<std::uint8_t>(weaponConfig);
  return tpl;
}

void Equip(TTemplateRecord& tpl, int slot, std::initializer_list<Bonus> rows) {
  tpl.Slot(slot) = MakeItem("item", rows);
}

TEST(TotalsTest, EmptyTemplateHasNoTotalsAndLevelCaps) {
  const TTemplateRecord tpl = Template();
  const TotalsAndCaps result = ComputeTotals(tpl);
  for (int i = 0; i < kStatFieldCount; ++i) {
    EXPECT_EQ(GetStat(result.Totals, static_cast<StatField>(i)), 0) << kStatFields[i].Name;
  }
  EXPECT_EQ(result.Caps.Strength, 75);
  EXPECT_EQ(result.Caps.SkillCap, 11);
}

TEST(TotalsTest, RowsAddToTheirFieldsAndWrapAtTheFieldWidth) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kJewel, {{1, 70000}, {10, 40}, {142, 5}, {16, 3}, {198, 2}, {143, 4}});
  Equip(tpl, kNeck, {{1, 10}, {20, 300}, {179, 2}, {21, 1}, {180, 1}, {181, 3}, {182, 4}});
  Equip(tpl, kFeet, {{145, 250}, {145, 10}, {148, 12}, {146, 40}, {139, 5}, {9, -1}});
  const TTotalsRecord t = ComputeTotals(tpl).Totals;
  EXPECT_EQ(t.Strength, 4464 + 10);  // only the low 16 bits of 70000 count
  EXPECT_EQ(t.HitPoints, 40);
  EXPECT_EQ(t.Acuity, 5);
  EXPECT_EQ(t.Energy, 3);
  EXPECT_EQ(t.Essence, 2);
  EXPECT_EQ(t.AcuityCapInc, 4);
  EXPECT_EQ(t.AllMelee, (300 + 2) % 256);  // only the low 8 bits count
  EXPECT_EQ(t.AllCasting, 2);
  EXPECT_EQ(t.AllDualWield, 3);
  EXPECT_EQ(t.AllArchery, 4);
  EXPECT_EQ(t.PowerPool, (250 + 10) % 256);
  EXPECT_EQ(t.ArmorFactor, 12);
  EXPECT_EQ(t.HitPointsCapInc, 40);
  EXPECT_EQ(t.IntelligenceCapInc, 5);
  EXPECT_EQ(t.Power, 65535);  // -1 is 0xFFFF in 16 bits
  EXPECT_EQ(t.SkillCap, 0);
}

TEST(TotalsTest, RowsThatCountForNothing) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kChest, {{0, 99}, {174, 12}, {28, 5}, {197, 6}, {185, 4}, {199, 9}, {255, 7}});
  const TotalsAndCaps with = ComputeTotals(tpl);
  const TotalsAndCaps without = ComputeTotals(Template());
  EXPECT_TRUE(with == without);
}

TEST(TotalsTest, SpellAndArcheryPairsFeedBothFields) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kHead, {{152, 3}, {153, 1}, {158, 4}});
  Equip(tpl, kHands, {{157, 2}, {159, 6}, {154, 1}});
  const TTotalsRecord t = ComputeTotals(tpl).Totals;
  EXPECT_EQ(t.SpellSpeed, 5);
  EXPECT_EQ(t.ArcherySpeed, 5);
  EXPECT_EQ(t.SpellDamage, 7);
  EXPECT_EQ(t.ArcheryDamage, 7);
  EXPECT_EQ(t.SpellRange, 5);
  EXPECT_EQ(t.ArcheryRange, 5);
}

TEST(TotalsTest, FocusAllLinesReplacesWhileRealmFocusKeepsTheLarger) {
  // Chest (slot 9) is visited before Legs (slot 13).
  TTemplateRecord tpl = Template();
  Equip(tpl, kChest, {{59, 50}});  // "Focus:Fire" 50
  Equip(tpl, kLegs, {{22, 10}});   // "Focus: All Lines" 10
  EXPECT_EQ(ComputeTotals(tpl).Totals.Focus, 10);
  std::swap(tpl.Slot(kChest), tpl.Slot(kLegs));
  EXPECT_EQ(ComputeTotals(tpl).Totals.Focus, 50);

  // The larger focus is judged on the whole low word and only then kept in
  // 8 bits: 300 beats 50 and is stored as 44; a later 60 beats that 44.
  TTemplateRecord wide = Template();
  Equip(wide, kJewel, {{102, 50}});
  Equip(wide, kNeck, {{92, 300}});
  EXPECT_EQ(ComputeTotals(wide).Totals.Focus, 44);
  Equip(wide, kCloak, {{126, 60}});
  EXPECT_EQ(ComputeTotals(wide).Totals.Focus, 60);
  // "Focus: All Lines" keeps only the low 8 bits of its value.
  Equip(wide, kBelt, {{22, 257}});
  EXPECT_EQ(ComputeTotals(wide).Totals.Focus, 1);
  // A smaller realm focus after a larger one changes nothing.
  Equip(wide, kRing1, {{64, 20}});
  EXPECT_EQ(ComputeTotals(wide).Totals.Focus, 20);
  Equip(wide, kRing2, {{64, 3}});
  EXPECT_EQ(ComputeTotals(wide).Totals.Focus, 20);
}

TEST(TotalsTest, FatigueCapRaisesTheCapWithoutLimit) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kWrist1, {{190, 5}});
  Equip(tpl, kWrist2, {{147, 3}, {190, 20}});
  const TotalsAndCaps result = ComputeTotals(tpl);
  EXPECT_EQ(result.Caps.Fatigue, 15 + 5 + 20);
  EXPECT_EQ(result.Totals.Fatigue, 3);
  EXPECT_EQ(result.Caps.FatigueCapInc, 15);
  EXPECT_EQ(result.Totals.FatigueCapInc, 0);
  tpl.CharLevel = 5;  // the formula gives 0; the raise still counts
  EXPECT_EQ(ComputeTotals(tpl).Caps.Fatigue, 25);
}

TEST(TotalsTest, MythSlotCountsOnlyItsFirstRowByItsOwnRules) {
  struct MythCase {
    Bonus row;
    StatField field;
    int total;
    int capRaise;
  };
  const MythCase cases[] = {
      {{1, 10}, StatField::kStrength, 10, 10},
      {{4, 7}, StatField::kQuickness, 7, 7},
      {{11, 3}, StatField::kCrush, 3, 3},
      {{19, 2}, StatField::kSpirit, 2, 2},
      {{142, 6}, StatField::kAcuity, 6, 6},
      {{163, 4}, StatField::kRealmPointBonus, 4, 4},
      {{165, 4}, StatField::kCashDrops, 4, 4},
      {{166, 1}, StatField::kEvadeBonus, 1, 1},
      {{167, 2}, StatField::kBlockBonus, 2, 2},
      {{168, 3}, StatField::kParryBonus, 3, 3},
      {{170, 5}, StatField::kArcaneSiphon, 5, 5},
      {{198, 8}, StatField::kEssence, 8, 0},  // Essence raises the total only
      {{5, 10}, StatField::kPiety, 0, 0},
      {{10, 40}, StatField::kHitPoints, 0, 0},
      {{134, 5}, StatField::kStrengthCapInc, 0, 0},
      {{190, 5}, StatField::kFatigue, 0, 0},
      {{164, 5}, StatField::kBountyPointBonus, 0, 0},
  };
  const TCapsRecord levelCaps = CapsForLevel(50, 1);
  for (const MythCase& c : cases) {
    TTemplateRecord tpl = Template();
    Equip(tpl, kMyth, {c.row});
    const TotalsAndCaps result = ComputeTotals(tpl);
    EXPECT_EQ(GetStat(result.Totals, c.field), c.total) << "code " << c.row.first;
    EXPECT_EQ(GetStat(result.Caps, c.field), GetStat(levelCaps, c.field) + c.capRaise)
        << "code " << c.row.first;
  }

  // Rows 2 to 10 of the Myth item count for nothing.
  TTemplateRecord tpl = Template();
  Equip(tpl, kMyth, {{0, 0}, {1, 10}, {11, 5}, {20, 3}});
  const TotalsAndCaps result = ComputeTotals(tpl);
  const TotalsAndCaps empty = ComputeTotals(Template());
  EXPECT_TRUE(result == empty);
  // Nor does the Myth item reach skill totals.
  Equip(tpl, kMyth, {{28, 4}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 0);
}

TEST(TotalsTest, WeaponConfigurationChoosesTheWeaponSlots) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kRightHand, {{1, 1}, {28, 1}});
  Equip(tpl, kLeftHand, {{1, 2}, {28, 2}});
  Equip(tpl, kTwoHand, {{1, 4}, {28, 4}});
  Equip(tpl, kRanged, {{1, 8}, {28, 8}});
  const int expected[] = {1 + 2, 2 + 4, 4, 8, 0, 0, 0};
  for (int config = 0; config <= 6; ++config) {
    tpl.WeaponConfig = static_cast<std::uint8_t>(config);
    EXPECT_EQ(ComputeTotals(tpl).Totals.Strength, expected[config]) << config;
    EXPECT_EQ(SkillBonusTotal(28, tpl), expected[config]) << config;
  }
  tpl.WeaponConfig = 255;
  EXPECT_EQ(ComputeTotals(tpl).Totals.Strength, 0);
}

TEST(SkillBonusTotalTest, GroupBonusesReachOnlyTheirGroup) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kChest, {{28, 3}, {20, 2}, {21, 4}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 5);   // Slash: own row and All Melee
  EXPECT_EQ(SkillBonusTotal(36, tpl), 0);   // Crossbow belongs to no group
  EXPECT_EQ(SkillBonusTotal(110, tpl), 0);  // nor do Thrown Weapons
  EXPECT_EQ(SkillBonusTotal(43, tpl), 4);   // Fire Magic is a casting skill

  Equip(tpl, kLegs, {{179, 1}, {180, 10}, {181, 7}, {182, 9}, {36, 2}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 6);
  EXPECT_EQ(SkillBonusTotal(36, tpl), 2);
  EXPECT_EQ(SkillBonusTotal(43, tpl), 14);
  EXPECT_EQ(SkillBonusTotal(34, tpl), 7);    // Dual Wield
  EXPECT_EQ(SkillBonusTotal(69, tpl), 7);    // Celtic Dual
  EXPECT_EQ(SkillBonusTotal(35, tpl), 9);    // Longbow
  EXPECT_EQ(SkillBonusTotal(109, tpl), 9);   // Composite Bow
  EXPECT_EQ(SkillBonusTotal(185, tpl), 3);   // Mauler Staff is a melee skill
  EXPECT_EQ(SkillBonusTotal(187, tpl), 14);  // Magnetism is a casting skill
  EXPECT_EQ(SkillBonusTotal(59, tpl), 0);    // a focus takes no group bonus
  EXPECT_EQ(SkillBonusTotal(23, tpl), 0);    // nor does Shield
  EXPECT_EQ(SkillBonusTotal(20, tpl), 2);    // the group code itself: its own rows
  EXPECT_EQ(SkillBonusTotal(250, tpl), 0);   // display-only rows get nothing
}

TEST(SkillBonusTotalTest, NoSkillBelongsToTwoGroups) {
  // Each skill takes the group bonuses of one group at most.
  for (int code = 0; code <= 255; ++code) {
    const int groups =
        IsMeleeSkill(code) + IsCastingSkill(code) + IsDualWieldSkill(code) + IsArcherySkill(code);
    EXPECT_LE(groups, 1) << code;
  }
}

TEST(SkillBonusTotalTest, SumsTheLowWordAndWraps) {
  TTemplateRecord tpl = Template();
  Equip(tpl, kHead, {{28, 70000}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 4464);
  Equip(tpl, kArms, {{28, 65535}, {20, 1}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 4464);
  Equip(tpl, kArms, {{28, -5}});
  EXPECT_EQ(SkillBonusTotal(28, tpl), 4459);
}

}  // namespace
}  // namespace qm
