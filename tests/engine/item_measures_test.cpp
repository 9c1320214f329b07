#include "engine/item_measures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/samples.h"

namespace qm {
namespace {

using samples::Bonus;
using samples::MakeItem;

struct MeasureCase {
  const char* what;
  std::initializer_list<Bonus> rows;
  const char* normal;
  const char* toa;
  const char* level;
};

TEST(ItemMeasuresTest, RatingsAndBonusLevelOfKnownItems) {
  const MeasureCase cases[] = {
      {"Strength 15, Crush Resist 5", {{1, 15}, {11, 5}}, "20.0", "20.0", "14"},
      {"Hit Points 40", {{10, 40}}, "10.0", "10.0", "9"},
      {"Slash Skill 1", {{28, 1}}, "5.0", "5.0", "1"},
      {"All Melee 2 costs 5, All Archery 1 costs 1: 11 halved to even 6",
       {{179, 2}, {182, 1}},
       "15.0",
       "15.0",
       "6"},
      {"Acuity counts like a stat", {{142, 3}}, "2.0", "2.0", "2"},
      {"ToA bonuses only count for ToA",
       {{134, 5}, {146, 40}, {148, 10}, {145, 3}, {184, 2}, {174, 1}},
       "0.0",
       "31.0",
       "26"},
      {"codes that neither rating counts",
       {{9, 5},
        {22, 5},
        {59, 5},
        {147, 5},
        {155, 5},
        {162, 5},
        {169, 5},
        {173, 5},
        {190, 5},
        {198, 5}},
       "0.0",
       "0.0",
       "25"},
      {"a thirds value prints rounded", {{1, 1}}, "0.7", "0.7", "1"},
      {"a negative stat", {{1, -1}}, "-0.7", "-0.7", "-1"},
      {"Hit Points 41: 10.25 prints with its even digit", {{10, 41}}, "10.2", "10.2", "10"},
      {"Hit Points 43: 10.75", {{10, 43}}, "10.8", "10.8", "10"},
  };
  for (const MeasureCase& c : cases) {
    const TItemRecord item = MakeItem("x", c.rows);
    EXPECT_EQ(NormalUtility(item), c.normal) << c.what;
    EXPECT_EQ(ToAUtility(item), c.toa) << c.what;
    EXPECT_EQ(ComputeBonusLevel(item), c.level) << c.what;
  }
  TItemRecord mythirian = MakeItem("x", {{1, 3}});
  mythirian.ItemType = kItemTypeMythirian;
  EXPECT_EQ(ComputeBonusLevel(mythirian), "50");
  TItemRecord crafted = MakeItem("x", {{1, 15}});
  crafted.Crafted = 1;
  EXPECT_EQ(ComputeBonusLevel(crafted), "0");
  EXPECT_EQ(NormalUtility(crafted), "10.0");  // the ratings do not care
}

TEST(ItemMeasuresTest, FarOutOfRangeRowsShowTheirExactLevel) {
  // Strength Cap -2^31 costs -4294967296, Strength 271 costs 181 twice.
  const TItemRecord item = MakeItem("x", {{134, INT32_MIN}, {1, 271}});
  EXPECT_EQ(ComputeBonusLevel(item), "-4294966934");
  TItemRecord toHit = EmptyItem();
  for (int row = 0; row < kBonusRows; ++row) {
    toHit.BonusCode[row] = 171;
    toHit.BonusValue[row] = INT32_MIN;
  }
  EXPECT_EQ(ComputeBonusLevel(toHit), "-59055800292");
}

TEST(ItemMeasuresTest, RatingsThatRoundToZeroFromBelowShowZero) {
  // -2 + 1.333... + 0.666... leaves -1.1e-16 in the sum.
  const TItemRecord item = MakeItem("x", {{1, -3}, {3, 2}, {2, 1}});
  ASSERT_LT(NormalUtilityValue(item), 0.0);
  EXPECT_EQ(NormalUtility(item), "0.0");
  EXPECT_EQ(ToAUtility(item), "0.0");
  const TItemRecord withToA = MakeItem("x", {{1, -3}, {3, 2}, {2, 1}, {134, -1}, {134, 1}});
  EXPECT_EQ(ToAUtility(withToA), "0.0");
}

TEST(ItemMeasuresTest, BonusCountLooksAtValuesOnly) {
  TItemRecord crafted = MakeItem(
      "x", {{1, 5}, {2, 3}, {0, 0}, {4, 1}, {3, 9}, {3, 9}, {3, 9}, {3, 9}, {10, 12}, {0, 0}});
  crafted.Crafted = 1;
  // Rows 1, 2 and 4 hold gems, row 9 the fifth slot; rows 5 to 8 are not bonuses.
  EXPECT_EQ(BonusCount(crafted), "4");
  crafted.BonusValue[9] = 1;
  EXPECT_EQ(BonusCountValue(crafted), 5);

  TItemRecord normal = crafted;
  normal.Crafted = 0;
  normal.BonusCode[9] = 0;  // an empty code with a value still counts
  EXPECT_EQ(BonusCountValue(normal), 9);
  normal.BonusValue[0] = -5;
  normal.BonusValue[1] = 0;
  EXPECT_EQ(BonusCountValue(normal), 7);
  EXPECT_EQ(BonusCount(EmptyItem()), "0");
}

TTemplateRecord TemplateWith(std::initializer_list<std::pair<int, TItemRecord>> items) {
  TTemplateRecord tpl = EmptyTemplate();
  for (const auto& [slot, item] : items) tpl.Slot(slot) = item;
  return tpl;
}

TEST(ShowUtilityTest, EmptyTemplateInEveryMode) {
  const TTemplateRecord tpl = EmptyTemplate();
  const char* totals[] = {"Total Utility : 0.0", "Total ToA : 0.0", "Average Bonus LV : 0.0",
                          "Total Bonus Count : 0"};
  const char* slots[] = {"0.0", "0.0", "0", "0"};
  for (int mode = 0; mode < kUtilityModeCount; ++mode) {
    const UtilityColumn column = ShowUtility(tpl, mode);
    EXPECT_EQ(column.TotalText, totals[mode]);
    for (const std::string& text : column.SlotTexts) EXPECT_EQ(text, slots[mode]) << mode;
  }
  EXPECT_EQ(ShowUtility(tpl, 4).TotalText, "Total Utility : 0.0");
  EXPECT_EQ(ShowUtility(tpl, -1).TotalText, "Total Utility : 0.0");
}

TEST(ShowUtilityTest, TotalsAddTheShownNumbers) {
  // Three items of Strength 1 rate 0.667 each and show "0.7": the total is
  // the sum of what the column shows, 2.1, not the rounded real sum 2.0.
  const TItemRecord small = MakeItem("x", {{1, 1}});
  const TTemplateRecord tpl = TemplateWith({{kJewel, small}, {kRightHand, small}, {kMyth, small}});
  const UtilityColumn normal = ShowUtility(tpl, kUtilityNormal);
  EXPECT_EQ(normal.SlotTexts[kJewel - 1], "0.7");
  EXPECT_EQ(normal.SlotTexts[kNeck - 1], "0.0");
  // The weapon configuration (4: none) plays no part, nor does the Myth rule.
  EXPECT_EQ(normal.SlotTexts[kRightHand - 1], "0.7");
  EXPECT_EQ(normal.SlotTexts[kMyth - 1], "0.7");
  EXPECT_EQ(normal.TotalText, "Total Utility : 2.1");

  const TItemRecord toa = MakeItem("x", {{1, 15}, {134, 3}, {10, 1}});  // 10 + 3 + 0.25
  const TItemRecord negative = MakeItem("x", {{11, -30}});
  const TTemplateRecord mixed = TemplateWith({{kChest, toa}, {kHead, toa}, {kLegs, negative}});
  const UtilityColumn toaColumn = ShowUtility(mixed, kUtilityToA);
  EXPECT_EQ(toaColumn.SlotTexts[kChest - 1], "13.2");
  EXPECT_EQ(toaColumn.SlotTexts[kLegs - 1], "-60.0");
  EXPECT_EQ(toaColumn.TotalText, "Total ToA : -33.6");
  EXPECT_EQ(ShowUtility(mixed, kUtilityNormal).TotalText, "Total Utility : -39.6");
}

TEST(ShowUtilityTest, AverageBonusLevelCountsSlotsWithALevel) {
  const TItemRecord fourteen = MakeItem("x", {{1, 15}, {11, 5}});
  EXPECT_EQ(ShowUtility(TemplateWith({{kCloak, fourteen}}), kUtilityBonusLevel).TotalText,
            "Average Bonus LV : 14.0");

  const TItemRecord nine = MakeItem("x", {{10, 40}});
  const UtilityColumn two =
      ShowUtility(TemplateWith({{kCloak, fourteen}, {kFeet, nine}}), kUtilityBonusLevel);
  EXPECT_EQ(two.SlotTexts[kCloak - 1], "14");
  EXPECT_EQ(two.SlotTexts[kFeet - 1], "9");
  EXPECT_EQ(two.TotalText, "Average Bonus LV : 11.5");

  // A negative level is a level: it is averaged in.
  const TItemRecord minus = MakeItem("x", {{1, -15}});
  EXPECT_EQ(
      ShowUtility(TemplateWith({{kCloak, fourteen}, {kBelt, minus}}), kUtilityBonusLevel).TotalText,
      "Average Bonus LV : 2.0");

  // 10 + 10 + 10 + 11 = 41 over 4 is 10.25, printed with its even digit.
  const TItemRecord ten = MakeItem("x", {{1, 15}});
  const TItemRecord eleven = MakeItem("x", {{1, 16}});
  EXPECT_EQ(ShowUtility(TemplateWith({{kJewel, ten}, {kNeck, ten}, {kBelt, ten}, {kRing1, eleven}}),
                        kUtilityBonusLevel)
                .TotalText,
            "Average Bonus LV : 10.2");
}

TEST(ShowUtilityTest, AverageBonusLevelOfFarOutOfRangeRows) {
  const TItemRecord deep = MakeItem("x", {{134, INT32_MIN}, {1, 271}});
  const UtilityColumn one = ShowUtility(TemplateWith({{kChest, deep}}), kUtilityBonusLevel);
  EXPECT_EQ(one.SlotTexts[kChest - 1], "-4294966934");
  EXPECT_EQ(one.TotalText, "Average Bonus LV : -4294966934.0");
  const TItemRecord fourteen = MakeItem("x", {{1, 15}, {11, 5}});
  const TItemRecord alsoDeep = MakeItem("x", {{134, INT32_MIN}, {1, 274}});  // 183 twice
  EXPECT_EQ(ShowUtility(TemplateWith({{kChest, deep}, {kHead, fourteen}, {kLegs, alsoDeep}}),
                        kUtilityBonusLevel)
                .TotalText,
            "Average Bonus LV : -2863311283.3");  // -8589933850 / 3
}

TEST(ShowUtilityTest, SlotsThatRoundToZeroFromBelowShowZero) {
  const TItemRecord nearlyZero = MakeItem("x", {{1, -3}, {3, 2}, {2, 1}});
  const TTemplateRecord tpl = TemplateWith({{kJewel, nearlyZero}});
  EXPECT_EQ(ShowUtility(tpl, kUtilityNormal).SlotTexts[kJewel - 1], "0.0");
  EXPECT_EQ(ShowUtility(tpl, kUtilityToA).SlotTexts[kJewel - 1], "0.0");
  EXPECT_EQ(ShowUtility(tpl, kUtilityNormal).TotalText, "Total Utility : 0.0");
}

TEST(ShowUtilityTest, BonusCountTotal) {
  const TItemRecord three = MakeItem("x", {{1, 1}, {2, 2}, {3, 3}});
  const TItemRecord two = MakeItem("x", {{1, 1}, {2, -2}, {3, 3}});
  const UtilityColumn column =
      ShowUtility(TemplateWith({{kArms, three}, {kRanged, two}}), kUtilityBonusCount);
  EXPECT_EQ(column.SlotTexts[kArms - 1], "3");
  EXPECT_EQ(column.SlotTexts[kRanged - 1], "2");
  EXPECT_EQ(column.TotalText, "Total Bonus Count : 5");
}

}  // namespace
}  // namespace qm
