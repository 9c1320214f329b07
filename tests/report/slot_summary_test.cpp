#include "report/slot_summary.h"

#include <gtest/gtest.h>

#include "core/class_table.h"
#include "core/effect_names.h"
#include "report_fixtures.h"

namespace qm {
namespace {

using testing::CraftedItem;
using testing::Item;
using testing::Joined;

TEST(SlotSummary, EmptySlotKeepsTheLabels) {
  const SlotSummaryView view = SlotSummary(EmptyItem(), kPlate);
  EXPECT_EQ(view.Panel.Caption, "Item: No item");
  EXPECT_TRUE(view.Panel.Lines.empty());
  EXPECT_FALSE(view.Labels.has_value());

  // A name without any character is an item like any other.
  TItemRecord nameless = Item("", {{1, 3}});
  const SlotSummaryView named = SlotSummary(nameless, kPlate);
  EXPECT_EQ(named.Panel.Caption, "Item: ");
  ASSERT_TRUE(named.Labels.has_value());
  EXPECT_EQ(named.Labels->stat[0], "3 Strength");
}

TEST(SlotSummary, DroppedItemInFull) {
  TItemRecord item = Item("Cloak of Ages", {{11, 5}, {1, 12}, {0, 99}, {145, 3}, {24, 2}});
  item.Armor = 0;
  item.Unique = 1;
  item.EffectKind[0] = 1;
  item.EffectId[0] = 78;  // "Lifedrain"
  item.EffectKind[1] = 3;
  item.EffectId[1] = static_cast<std::uint16_t>(*EffectNumberOf("Haste"));
  const SlotSummaryView view = SlotSummary(item, kLeather);
  ASSERT_TRUE(view.Labels.has_value());
  const ItemLabels& labels = *view.Labels;
  EXPECT_EQ(view.Panel.Caption, "Item: Cloak of Ages");
  EXPECT_EQ(labels.stat[0], "5% Crush Resist");
  EXPECT_EQ(labels.stat[1], "12 Strength");
  EXPECT_EQ(labels.stat[2], " ");
  EXPECT_EQ(labels.stat[3], "3% Power Pool %");
  EXPECT_EQ(labels.stat[4], "2 Parry Skill");
  EXPECT_EQ(labels.stat[9], " ");
  EXPECT_EQ(labels.statAbs, " ");
  EXPECT_EQ(labels.statAF, " ");
  EXPECT_EQ(labels.statLevel, "Level : 50 ");
  EXPECT_EQ(labels.statQuality, " ");
  EXPECT_EQ(labels.statProc1, "Normal Proc ( Lifedrain )");
  EXPECT_EQ(labels.statProc2, "Charges ( Haste )");
  EXPECT_EQ(Joined(view.Panel.Lines),
            "Item: Cloak of Ages\n"
            " \n"
            "<== Basics ==>\n"
            " \n"
            "(Manual Edit / RoG item)\n"
            "Level : 50 \n"
            " \n"
            "<== Stats ==>\n"
            " \n"
            "5% Crush Resist\n"
            "12 Strength\n"
            "3% Power Pool %\n"
            "2 Parry Skill\n"
            " \n"
            "<== Procs ==>\n"
            " \n"
            "Normal Proc ( Lifedrain )\n"
            "Charges ( Haste )\n");
}

TEST(SlotSummary, ItemWithoutEffectsKeepsTheBlanksAroundProcs) {
  TItemRecord item = Item("Plain ring", {{2, 4}});
  const SlotSummaryView view = SlotSummary(item, kCloth);
  EXPECT_EQ(Joined(view.Panel.Lines),
            "Item: Plain ring\n \n<== Basics ==>\n \nLevel : 50 \n \n<== Stats ==>\n \n"
            "4 Constitution\n \n \n");
}

TEST(SlotSummary, ArmourOfDroppedItems) {
  struct Case {
    int armour;
    int maxArmour;
    const char* absorb;
    const char* af;
  };
  const Case cases[] = {
      {0, kPlate, " ", " "},
      {1, kPlate, "Absorb : 0% (Cloth)", "AF : 40 "},
      {2, kCloth, "Absorb : 10% (Leather)", "AF : 80 "},
      {3, kCloth, "Absorb : 19% (Studded / Reinforced)", "AF : 80 "},
      {4, kCloth, "Absorb : 27% (Chain / Scale)", "AF : 80 "},
      {5, kCloth, "Absorb : 34% (Plate)", "AF : 80 "},
      {6, kLeather, "Absorb : 10% (Leather)", "AF : 80 "},  // the class's best grade
      {6, kCloth, "Absorb : 0% (Cloth)", "AF : 40 "},
      {6, kPlate, "Absorb : 34% (Plate)", "AF : 80 "},
      {9, kPlate, " ", " "},  // outside the armour list: nothing to show
  };
  for (const Case& c : cases) {
    TItemRecord item = Item("Armour", {});
    item.Level = 40;
    item.Armor = static_cast<std::uint8_t>(c.armour);
    const SlotSummaryView view = SlotSummary(item, c.maxArmour);
    ASSERT_TRUE(view.Labels.has_value());
    EXPECT_EQ(view.Labels->statAbs, c.absorb) << c.armour << "/" << c.maxArmour;
    EXPECT_EQ(view.Labels->statAF, c.af) << c.armour << "/" << c.maxArmour;
  }
}

TEST(SlotSummary, WeaponShowsDamagePerSecond) {
  TItemRecord weapon = Item("Blade", {{28, 3}});
  weapon.WeaponType = 1;
  weapon.Armor = 5;  // a weapon's DPS replaces any armour factor
  const SlotSummaryView view = SlotSummary(weapon, kPlate);
  EXPECT_EQ(view.Labels->statAF, "DPS : 16.2 ");
  EXPECT_EQ(view.Labels->statAbs, "Absorb : 34% (Plate)");
  weapon.Level = 1;
  EXPECT_EQ(SlotSummary(weapon, kPlate).Labels->statAF, "DPS : 1.5 ");
  weapon.Level = 0;
  EXPECT_EQ(SlotSummary(weapon, kPlate).Labels->statAF, "DPS : 1.2 ");
}

TEST(SlotSummary, CraftedItems) {
  const TItemRecord plate =
      CraftedItem("Crafted breastplate", 51, 4, {{1, 29, 9}, {0, 0, 0}, {13, 11, 6}, {28, 4, 3}},
                  {{148, 10}, {150, 3}});
  const SlotSummaryView view = SlotSummary(plate, kCloth);
  ASSERT_TRUE(view.Labels.has_value());
  const ItemLabels& labels = *view.Labels;
  EXPECT_EQ(labels.statAbs, "Absorb : 34%");
  EXPECT_EQ(labels.statAF, "AF : 102 ");
  EXPECT_EQ(labels.statLevel, "Level : 51 ");
  EXPECT_EQ(labels.stat[0], "29 Strength");
  EXPECT_EQ(labels.stat[1], " ");
  EXPECT_EQ(labels.stat[2], "11% Thrust Resist");
  EXPECT_EQ(labels.stat[3], "4 Slash Skill");
  EXPECT_EQ(labels.stat[4], "10 Armor Factor");
  EXPECT_EQ(labels.stat[5], "3% Melee Damage");
  EXPECT_EQ(labels.stat[6], " ");
  EXPECT_EQ(labels.statProc1, " ");
  EXPECT_EQ(Joined(view.Panel.Lines),
            "Item: Crafted breastplate\n \n<== Basics ==>\n \nLevel : 51 \nAF : 102 \n"
            "Absorb : 34%\n \n<== Stats ==>\n \n29 Strength\n11% Thrust Resist\n"
            "4 Slash Skill\n10 Armor Factor\n3% Melee Damage\n \n \n");

  // Cloth counts the level once; the tier rows never show.
  const TItemRecord cloth = CraftedItem("Robe", 44, 0, {{6, 20, 6}});
  EXPECT_EQ(SlotSummary(cloth, kCloth).Labels->statAF, "AF : 44 ");
  EXPECT_EQ(SlotSummary(cloth, kCloth).Labels->statAbs, "Absorb : 0%");
  EXPECT_EQ(SlotSummary(cloth, kCloth).Labels->stat[4], " ");

  // A second fifth-slot row alone is not shown.
  const TItemRecord lone = CraftedItem("Odd", 50, 2, {{1, 2, 0}}, {{0, 0}, {150, 3}});
  EXPECT_EQ(SlotSummary(lone, kCloth).Labels->stat[4], " ");
  EXPECT_EQ(SlotSummary(lone, kCloth).Labels->stat[5], " ");
}

TEST(SlotSummary, CraftedNonArmourShowsNoAbsorbOrFactor) {
  for (const int index : {5, 9}) {
    const TItemRecord sword = CraftedItem("Crafted sword", 51, index, {{28, 4, 3}});
    const SlotSummaryView view = SlotSummary(sword, kPlate);
    EXPECT_EQ(view.Labels->statAbs, "") << index;
    EXPECT_EQ(view.Labels->statAF, " ") << index;
    EXPECT_EQ(Joined(view.Panel.Lines),
              "Item: Crafted sword\n \n<== Basics ==>\n \nLevel : 51 \n \n<== Stats ==>\n \n"
              "4 Slash Skill\n \n \n")
        << index;
  }
}

TEST(SlotSummary, PercentSignGoesBeforeTheFirstBlank) {
  struct Case {
    int code;
    int value;
    const char* label;
  };
  const Case cases[] = {
      {11, 5, "5% Crush Resist"},           {1, 12, "12 Strength"},
      {149, 2, "2% Melee Speed"},           {162, 4, "4% Experience Bonus"},
      {155, 3, "3% Spell Pierce"},          {156, 5, "5% Spell Duration"},
      {166, 1, "1% Evade Bonus (PvE)"},     {175, 2, "2% Bladeturn Reinforce (PvE)"},
      {169, 3, "3% Reduced XP Loss (PvE)"}, {10, 40, "40 Hit Points"},
      {148, 10, "10 Armor Factor"},         {0, 0, " "},
      {29, -2, "-2 Crush Skill "},
  };
  for (const Case& c : cases) {
    const TItemRecord item = c.code > 0 ? Item("X", {{c.code, c.value}}) : Item("X", {});
    EXPECT_EQ(SlotSummary(item, kPlate).Labels->stat[0], c.label) << c.code;
  }
}

}  // namespace
}  // namespace qm
