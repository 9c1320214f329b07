#include "report/stat_breakdown.h"

#include <gtest/gtest.h>

#include <cstring>

#include "report_fixtures.h"

namespace qm {
namespace {

using testing::Item;
using testing::Joined;
using testing::Template;

constexpr int kStrength = 1;
constexpr int kCharisma = 8;
constexpr int kSlashSkill = 28;
constexpr int kCrossbow = 36;
constexpr int kBodyMagic = 38;
constexpr int kDualWield = 34;
constexpr int kLongbow = 35;
constexpr int kFocusFire = 59;
constexpr int kCharismaCap = 141;
constexpr int kArmorFactor = 148;

TTotalsRecord NoTotals() {
  TTotalsRecord totals;
  InitStatBlock(totals);
  return totals;
}

TEST(StatBreakdown, CodeNoItemCarries) {
  const TTemplateRecord tpl = Template("Nobody", 0);
  const PanelText panel = StatBreakdown(kArmorFactor, tpl, 4, NoTotals());
  EXPECT_EQ(panel.Caption, "Stat: Armor Factor");
  EXPECT_EQ(Joined(panel.Lines), "Items that add to Armor Factor\n\n\nStat Total : (0)\n");
}

TEST(StatBreakdown, DirectBlockSumsRowsAndFollowsTheWeaponChoice) {
  TTemplateRecord tpl = Template("Tank", 0, 2);
  tpl.Slot(kJewel) = Item("Gem", {{kStrength, 4}, {kStrength, 6}});  // two rows, one line
  tpl.Slot(kRing2) = Item("Band", {{kStrength, 3}});
  tpl.Slot(kRightHand) = Item("Sword", {{kStrength, 50}});  // not wielded under choice 2
  tpl.Slot(kLeftHand) = Item("Dagger", {{kStrength, 60}});  // nor this one
  tpl.Slot(kTwoHand) = Item("Greatsword", {{kStrength, 7}});
  tpl.Slot(kRanged) = Item("Bow", {{kStrength, 70}});
  tpl.Slot(kMyth) = Item("Myth", {{kArmorFactor, 1}, {kStrength, 2}});  // any row counts here
  const PanelText panel = StatBreakdown(kStrength, tpl, 2, NoTotals());
  EXPECT_EQ(Joined(panel.Lines),
            "Items that add to Strength\n"
            "\n"
            "Jewel : 10\n"
            "Ring 2 : 3\n"
            "Two-Handed : 7\n"
            "Mythirian : 2\n"
            "\n"
            "Stat Total : (22)\n");
}

TEST(StatBreakdown, WeaponSlotsTakePartByChoice) {
  struct Case {
    int config;
    bool right, left, two, ranged;
  };
  const Case cases[] = {{0, true, true, false, false},   {1, false, true, true, false},
                        {2, false, false, true, false},  {3, false, false, false, true},
                        {4, false, false, false, false}, {7, false, false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(SlotTakesPart(kRightHand, c.config), c.right) << c.config;
    EXPECT_EQ(SlotTakesPart(kLeftHand, c.config), c.left) << c.config;
    EXPECT_EQ(SlotTakesPart(kTwoHand, c.config), c.two) << c.config;
    EXPECT_EQ(SlotTakesPart(kRanged, c.config), c.ranged) << c.config;
    EXPECT_TRUE(SlotTakesPart(kMyth, c.config));
    EXPECT_TRUE(SlotTakesPart(kCloak, c.config));
  }
}

TEST(StatBreakdown, MeleeSkillWithBothGroupCodesAndRealmRank) {
  TTemplateRecord tpl = Template("Armsman", 0, 0);
  tpl.RealmRank = 4;
  tpl.Slot(kRing1) = Item("Twin ring", {{20, 2}, {179, 3}});
  tpl.Slot(kChest) = Item("Hauberk", {{kSlashSkill, 4}});
  tpl.Slot(kMyth) = Item("Myth", {{20, 9}});  // group blocks never look at the Myth
  TTotalsRecord totals = NoTotals();
  totals.AllMelee = 5;
  const PanelText panel = StatBreakdown(kSlashSkill, tpl, 0, totals);
  EXPECT_EQ(panel.Caption, "Stat: Slash Skill");
  EXPECT_EQ(Joined(panel.Lines),
            "Items that add to Slash Skill\n"
            "\n"
            "Chest : 4\n"
            "\n"
            "All Melee effect : +5\n"
            "\n"
            "Ring1 : 2\n"
            "Ring1 : 3\n"
            "\n"
            "Realm Rank Effect : +3\n"
            "\n"
            "Stat Total : (12)\n");
}

TEST(StatBreakdown, EachGroupReachesItsOwnSkills) {
  TTemplateRecord tpl = Template("Mixed", 0, 3);
  tpl.Slot(kCloak) = Item("Cloak", {{21, 1}, {180, 2}, {181, 3}, {182, 4}, {20, 5}});
  tpl.Slot(kRanged) = Item("Bow", {{182, 1}});
  tpl.Slot(kRightHand) = Item("Unused", {{181, 9}});
  TTotalsRecord totals = NoTotals();
  totals.AllCasting = 3;
  totals.AllDualWield = 3;
  totals.AllArchery = 5;
  totals.AllMelee = 5;

  const std::string casting = Joined(StatBreakdown(kBodyMagic, tpl, 3, totals).Lines);
  EXPECT_NE(casting.find("\nAll Casting effect : +3\n\nCloak : 1\nCloak : 2\n"), std::string::npos)
      << casting;
  EXPECT_EQ(casting.find("Melee"), std::string::npos);

  const std::string dual = Joined(StatBreakdown(kDualWield, tpl, 3, totals).Lines);
  EXPECT_NE(dual.find("\nAll Dual Wield effect : +3\n\nCloak : 3\n\n"), std::string::npos) << dual;
  // No other group reaches a dual wield line.
  EXPECT_EQ(dual.find("All Melee"), std::string::npos);

  const std::string archery = Joined(StatBreakdown(kLongbow, tpl, 3, totals).Lines);
  EXPECT_NE(archery.find("\nAll Archery effect : +5\n\nCloak : 4\nRanged : 1\n"), std::string::npos)
      << archery;

  // Crossbow belongs to no group but realm rank still raises it.
  const std::string crossbow = Joined(StatBreakdown(kCrossbow, tpl, 3, totals).Lines);
  EXPECT_EQ(crossbow,
            "Items that add to Crossbow Skill\n\n\nRealm Rank Effect : +0\n\nStat Total : (0)\n");

  // A focus line has neither groups nor realm rank.
  EXPECT_EQ(Joined(StatBreakdown(kFocusFire, tpl, 3, totals).Lines),
            "Items that add to Focus:Fire\n\n\nStat Total : (0)\n");
}

TEST(StatBreakdown, AcuityReachesEveryAcuityStatAndCap) {
  // A Wizard (Intelligence) hovering Charisma still sees the Acuity block.
  TTemplateRecord tpl = Template("Wizard", 15);
  tpl.Slot(kNeck) = Item("Torc", {{142, 6}, {143, 2}, {kCharisma, 1}});
  TTotalsRecord totals = NoTotals();
  totals.Acuity = 6;
  totals.AcuityCapInc = 2;
  EXPECT_EQ(Joined(StatBreakdown(kCharisma, tpl, 4, totals).Lines),
            "Items that add to Charisma\n"
            "\n"
            "Neck : 1\n"
            "\n"
            "Acuity Effect : +6\n"
            "\n"
            "Neck : 6\n"
            "\n"
            "Stat Total : (7)\n");
  EXPECT_EQ(Joined(StatBreakdown(kCharismaCap, tpl, 4, totals).Lines),
            "Items that add to Charisma Cap\n"
            "\n"
            "\n"
            "Acuity Cap Effect : +2\n"
            "\n"
            "Neck : 2\n"
            "\n"
            "Stat Total : (2)\n");
}

TEST(StatBreakdown, NegativeContributionsPrintUnsigned) {
  TTemplateRecord tpl = Template("Cursed", 0);
  tpl.Slot(kBelt) = Item("Cursed belt", {{kStrength, -5}});
  tpl.Slot(kFeet) = Item("Boots", {{kStrength, 3}});
  const std::string text = Joined(StatBreakdown(kStrength, tpl, 4, NoTotals()).Lines);
  EXPECT_NE(text.find("Belt : 65531\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Stat Total : (65534)\n"), std::string::npos) << text;
  // Only the low 16 bits of a value count.
  tpl.Slot(kBelt) = Item("Huge belt", {{kStrength, 70000}});
  const std::string huge = Joined(StatBreakdown(kStrength, tpl, 4, NoTotals()).Lines);
  EXPECT_NE(huge.find("Belt : 4464\n"), std::string::npos) << huge;
  EXPECT_NE(huge.find("Stat Total : (4467)\n"), std::string::npos) << huge;
}

TEST(StatBreakdown, CodesWithoutNameStillExplain) {
  const TTemplateRecord tpl = Template("Nobody", 0);
  const PanelText panel = StatBreakdown(230, tpl, 4, NoTotals());
  EXPECT_EQ(panel.Caption, "Stat: ");
  EXPECT_EQ(panel.Lines.front(), "Items that add to ");
}

}  // namespace
}  // namespace qm
