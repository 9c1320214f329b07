// The Stat Display text of the Load Item tab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <algorithm>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "engine/item_measures.h"
#include "tools/samples.h"
#include "workbench/item_search_description.h"

namespace qm {
namespace {

using Lines = std::vector<std::string>;

int ClassWearing(int grade) {
  for (int c = 0; c < kClassTableSize; ++c) {
    if (ClassOf(c).MaxArmor == grade) return c;
  }
  return -1;
}

TEST(ItemDisplay, AWeaponShowsEveryPart) {
  TItemRecord item = samples::MakeItem("Blade of Storms", {{1, 12}, {29, 3}, {0, 0}, {10, 40}});
  item.Level = 50;
  item.ItemType = 0;
  item.Expansion = 3;
  item.Quality = 30;  // 100
  item.Source = 1;
  item.Realm = 0;
  item.Verified = 1;
  item.Researched = 1;
  item.WeaponType = 3;
  item.Speed = 22;  // 3.6
  item.EffectKind[0] = 1;
  item.EffectId[0] = 33;
  item.EffectValue[0] = 95;
  item.EffectKind[1] = 5;
  item.EffectId[1] = 2;
  item.EffectValue[1] = 7;
  item.Note.Assign("Drops from the storm lord");

  const Lines expected = {
      "Blade of Storms",
      "",
      "Item Level : 50",
      "Item Type : Normal Drop",
      "Expansion : Trials of Atlantis (ToA)",
      "Quality   : 100%",
      "Source    : Allakhazam",
      "Realm : Albion",
      "(Item Verified!)",
      "(Being researched...)",
      "Weapon Type  : Sword",
      "Weapon Speed : 3.6",
      "DPS : 16.2 ",
      "",
      "12 Strength",
      "3 " + std::string(BonusName(29)),
      "40 Hit Points",
      "Normal Proc ( 95v " + std::string(EffectName(33)) + " )",
      "",
      "Selectable Effects ( " + std::string(EffectName(2)) + " )",
      "",
      NormalUtility(item) + " Utility",
      ToAUtility(item) + " ToA Utility",
      "",
      "Bonus Level (Auto) : " + ComputeBonusLevel(item),
      "",
      "Notes : Drops from the storm lord",
  };
  EXPECT_EQ(DescribeSearchItem(item, kPlate), expected);
}

TEST(ItemDisplay, ArmourLinesFollowTheAbsorbAndTheClass) {
  TItemRecord item = samples::MakeItem("Vest", {});
  item.Level = 40;
  struct Case {
    int armor;
    int maxArmor;
    std::string absorb;
    std::string factor;
  };
  const Case cases[] = {
      {1, kPlate, "Absorb : 0% (Cloth)", "AF : 40 "},
      {2, kCloth, "Absorb : 10% (Leather)", "AF : 80 "},
      {5, kCloth, "Absorb : 34% (Plate)", "AF : 80 "},
      {6, kCloth, "Absorb : 0% (Cloth)", "AF : 40 "},
      {6, kLeather, "Absorb : 10% (Leather)", "AF : 80 "},
      {6, kPlate, "Absorb : 34% (Plate)", "AF : 80 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.absorb);
    item.Armor = static_cast<std::uint8_t>(c.armor);
    const Lines lines = DescribeSearchItem(item, static_cast<std::uint8_t>(c.maxArmor));
    const auto absorb = std::find(lines.begin(), lines.end(), c.absorb);
    ASSERT_NE(absorb, lines.end());
    ASSERT_NE(absorb + 1, lines.end());
    EXPECT_EQ(*(absorb + 1), c.factor);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("AF : ", 0) == 0; }),
              1);
  }
  // Neither line for an item without absorb.
  item.Armor = 0;
  for (const std::string& line : DescribeSearchItem(item, kPlate)) {
    EXPECT_NE(line.rfind("Absorb", 0), 0u) << line;
    EXPECT_NE(line.rfind("AF", 0), 0u) << line;
  }
  // The class table drives the grade the caller passes in.
  ASSERT_GE(ClassWearing(kCloth), 0);
  ASSERT_GE(ClassWearing(kLeather), 0);
}

TEST(ItemDisplay, QualityLineOnlyForAQualityIndex) {
  TItemRecord item = samples::MakeItem("Ring", {});
  auto hasLine = [&](const std::string& wanted) {
    const Lines lines = DescribeSearchItem(item, kCloth);
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
  };
  item.Quality = 31;
  EXPECT_TRUE(hasLine("Quality   : N/A%"));
  item.Quality = 0;
  EXPECT_TRUE(hasLine("Quality   : 70%"));
  for (int unset : {32, 41, 255}) {
    item.Quality = static_cast<std::uint8_t>(unset);
    for (const std::string& line : DescribeSearchItem(item, kCloth)) {
      EXPECT_NE(line.rfind("Quality", 0), 0u) << unset;
    }
  }
}

TEST(ItemDisplay, MythiriansGetTheShortForm) {
  TItemRecord item = samples::MakeItem("Mythirian of Ire", {{1, 5}});
  item.Realm = 3;
  item.EffectKind[0] = 6;
  item.EffectId[0] = 10;
  item.EffectKind[1] = 6;
  item.EffectId[1] = 11;
  item.Note.Assign("Two powers");
  const Lines lines = DescribeSearchItem(item, kCloth);
  const Lines tail(lines.end() - 9, lines.end());
  EXPECT_EQ(tail, (Lines{"(Item Unverified...)", "", "Mythirian Information", "",
                         std::string(EffectName(10)), "", std::string(EffectName(11)), "",
                         "Notes : Two powers"}));
  EXPECT_EQ(lines[6], "Realm : Universal");  // no quality line before it
}

TEST(ItemDisplay, EffectLinesByKind) {
  EXPECT_EQ(SearchEffectLine(1, 5, 0), "Normal Proc ( " + std::string(EffectName(5)) + " )");
  EXPECT_EQ(SearchEffectLine(2, 5, 30), "Reverse Proc ( 30v " + std::string(EffectName(5)) + " )");
  EXPECT_EQ(SearchEffectLine(3, 5, 10), "Charges ( 10v " + std::string(EffectName(5)) + " )");
  EXPECT_EQ(SearchEffectLine(4, 5, 1),
            "Equipped Buff/Aura ( 1v " + std::string(EffectName(5)) + " )");
  EXPECT_EQ(SearchEffectLine(5, 5, 9), "Selectable Effects ( " + std::string(EffectName(5)) + " )");
  EXPECT_EQ(SearchEffectLine(0, 5, 9), "");
  EXPECT_EQ(SearchEffectLine(6, 5, 9), "");

  // A second Mythirian power after an ordinary first effect leaves only its gap.
  TItemRecord item = samples::MakeItem("Odd", {});
  item.EffectKind[0] = 3;
  item.EffectId[0] = 4;
  item.EffectValue[0] = 12;
  item.EffectKind[1] = 6;
  const Lines lines = DescribeSearchItem(item, kCloth);
  const auto charge =
      std::find(lines.begin(), lines.end(), "Charges ( 12v " + std::string(EffectName(4)) + " )");
  ASSERT_NE(charge, lines.end());
  EXPECT_EQ(*(charge + 1), "");
  EXPECT_EQ(*(charge + 2), "");
  EXPECT_EQ(*(charge + 3), NormalUtility(item) + " Utility");
}

TEST(ItemDisplay, AStoredBonusLevelIsShownAsManual) {
  TItemRecord item = samples::MakeItem("Belt", {{1, 10}});
  item.BonusLevelFixed = 1;
  item.BonusLevel = 27;
  const Lines lines = DescribeSearchItem(item, kCloth);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Bonus Level (Manual) : 27"), lines.end());
}

TEST(ItemDisplay, ShieldsNameTheirSize) {
  TItemRecord shield = samples::MakeItem("Kite", {});
  shield.SlotKind = 14;
  shield.WeaponType = 28;  // a medium shield carried in the left hand
  const Lines lines = DescribeSearchItem(shield, kPlate);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Shield Size : Medium"), lines.end());
}

}  // namespace
}  // namespace qm
