#include "core/bonus_level.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "tools/samples.h"

namespace qm {
namespace {

using samples::MakeItem;

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  struct Case {
    std::int64_t numerator, denominator, expected;
  };
  const Case cases[] = {
      {1, 2, 0},
      {3, 2, 2},
      {5, 2, 2},
      {7, 2, 4},
      {-1, 2, 0},
      {-3, 2, -2},
      {-5, 2, -2},
      {-7, 2, -4},
      {249, 100, 2},
      {251, 100, 3},
      {-251, 100, -3},
      {-249, 100, -2},
      {7, 1, 7},
      {37, 4, 9},
      {27, 4, 7},
      {-27, 4, -7},
      {-37, 4, -9},
      {8, 3, 3},
      {-8, 3, -3},
      {-4, 3, -1},
      {20000000001, 2, 10000000000},
      {-4294967296 * 11 - 1, 2, -23622320128},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.numerator, c.denominator), c.expected)
        << c.numerator << " / " << c.denominator;
  }
}

struct LevelCase {
  const char* what;
  std::initializer_list<samples::Bonus> rows;
  std::int64_t level;
};

TEST(BonusLevelTest, CostsOfSingleRows) {
  // One row: total = cost + cost (the largest counts twice), halved = cost
  // when the cost is whole, rounded half to even otherwise.
  const LevelCase cases[] = {
      {"Dexterity 3: nearest(2)", {{3, 3}}, 2},
      {"Dexterity 9: nearest(6)", {{3, 9}}, 6},
      {"Dexterity 4: nearest(2.67)", {{3, 4}}, 3},
      {"Acuity 15 prices like a stat", {{142, 15}}, 10},
      {"Hit Points 40: nearest(9.25)", {{10, 40}}, 9},
      {"Hit Points 41: nearest(9.5) goes to 10", {{10, 41}}, 10},
      {"Hit Points 45: nearest(10.5) goes to 10", {{10, 45}}, 10},
      {"Hit Points Cap 40 prices like hit points", {{146, 40}}, 9},
      {"Slash Skill 1 costs 1", {{28, 1}}, 1},
      {"Slash Skill 3 costs 10", {{28, 3}}, 10},
      {"Slash Skill 0 still costs 1", {{28, 0}}, 1},
      {"Focus costs 1 whatever the value", {{102, 50}}, 1},
      {"Crush Resist 1 costs nothing", {{11, 1}}, 0},
      {"Crush Resist 5 costs 8", {{11, 5}}, 8},
      {"Power Points prices like a resist", {{9, 6}}, 10},
      {"Essence prices like a resist", {{198, 3}}, 4},
      {"Armor Factor costs its value", {{148, 12}}, 12},
      {"Archery/Spell Pierce Vs. costs its value", {{197, 7}}, 7},
      {"Strength Cap costs twice its value", {{134, 5}}, 10},
      {"Fatigue Cap costs twice its value", {{190, 3}}, 6},
      {"Spell Pierce costs nothing", {{155, 10}}, 0},
      {"Realm Point Bonus costs nothing", {{163, 10}}, 0},
      {"Spell Cost Reduce costs nothing", {{173, 10}}, 0},
      {"a code above the catalogue costs nothing", {{199, 10}}, 0},
      {"Reduced XP Loss 5: 2.5 + 2.5 = 5, halved 2.5, to even 2", {{169, 5}}, 2},
      {"Reduced XP Loss 7: 3.5 + 3.5 = 7, halved 3.5, to even 4", {{169, 7}}, 4},
      {"To Hit 1: (1 + 1) * 2.5 = 5", {{171, 1}}, 5},
      {"To Hit 2: 7.5 + 7.5 = 15, halved 7.5, to even 8", {{171, 2}}, 8},
  };
  for (const LevelCase& c : cases) {
    EXPECT_EQ(BonusLevelValue(MakeItem("x", c.rows)), c.level) << c.what;
  }
}

TEST(BonusLevelTest, LargestCostCountsTwiceAndTotalIsHalved) {
  // Costs 10 and 8: 10 + 8 + 10 = 28, halved 14.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{1, 15}, {11, 5}})), 14);
  // Same rows in the other order: the largest is found wherever it sits.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{11, 5}, {1, 15}})), 14);
  // Two equal largest costs: 10 + 10 + 10 = 30, halved 15.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{1, 15}, {2, 15}})), 15);
  // Fractions are kept until the final halving: Reduced XP Loss 5 twice and
  // To Hit 1 cost 2.5, 2.5 and 5: 10 + 5 = 15, halved 7.5, to even 8.
  // Rounding the halves early would give 2 + 2 + 5 + 5 = 14 -> 7.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{169, 5}, {169, 5}, {171, 1}})), 8);
  EXPECT_EQ(BonusLevelValue(EmptyItem()), 0);
}

TEST(BonusLevelTest, NonPositiveTotalsAreNotHalved) {
  // Strength -15 costs -10; the largest of the ten costs is an empty row's
  // 0, so the total -10 stays as it is.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{1, -15}})), -10);
  // Every row negative: the largest is the least negative, counted twice.
  TItemRecord item = EmptyItem();
  for (int row = 0; row < kBonusRows; ++row) {
    item.BonusCode[row] = 148;  // Armor Factor costs its value
    item.BonusValue[row] = -1 - row;
  }
  EXPECT_EQ(BonusLevelValue(item), -55 - 1);
  // Absurd values are summed exactly: eleven times -2^31.
  for (int row = 0; row < kBonusRows; ++row) item.BonusValue[row] = INT_MIN;
  EXPECT_EQ(BonusLevelValue(item), -23622320128);
}

TEST(BonusLevelTest, TotalsFarOutsideThe32BitRangeAreExact) {
  // Strength Cap at -2^31 costs -4294967296; Strength 271 costs
  // nearest(180.67) = 181 and is the largest, counted twice.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{134, INT_MIN}, {1, 271}})), -4294966934);
  // The two fractional costs keep their halves at any size: ten rows of
  // To Hit at -2^31 cost -5368709117.5 each, eleven times that is
  // -59055800292.5, to even -59055800292.
  TItemRecord toHit = EmptyItem();
  for (int row = 0; row < kBonusRows; ++row) {
    toHit.BonusCode[row] = 171;
    toHit.BonusValue[row] = INT_MIN;
  }
  EXPECT_EQ(BonusLevelValue(toHit), -59055800292);
  // -2147483647 / 2 = -1073741823.5, to even -1073741824.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{169, INT_MIN + 1}})), -1073741824);
  // The rules that subtract or add before multiplying do not wrap either.
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{28, INT_MIN}, {11, INT_MIN}})), 1);
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{10, INT_MIN}, {10, INT_MIN}})), -1073741826);
  EXPECT_EQ(BonusLevelValue(MakeItem("x", {{28, INT_MAX}})), 50);
}

TEST(BonusLevelTest, OverridesAndTheStoredLevel) {
  const TItemRecord rich = MakeItem("x", {{1, 75}, {2, 75}, {3, 75}});  // far above 50
  EXPECT_EQ(BonusLevelValue(rich), 50);

  TItemRecord mythirian = MakeItem("x", {});
  mythirian.ItemType = kItemTypeMythirian;
  EXPECT_EQ(BonusLevelValue(mythirian), 50);
  mythirian.Unique = 1;  // the Mythirian override comes after the unique one
  EXPECT_EQ(BonusLevelValue(mythirian), 50);

  TItemRecord crafted = rich;
  crafted.Crafted = 1;
  EXPECT_EQ(BonusLevelValue(crafted), 0);
  TItemRecord unique = rich;
  unique.Unique = 1;
  EXPECT_EQ(BonusLevelValue(unique), 0);
  TItemRecord typedUnique = rich;
  typedUnique.ItemType = kItemTypeUnique;
  EXPECT_EQ(BonusLevelValue(typedUnique), 0);
  TItemRecord typedCrafted = rich;
  typedCrafted.ItemType = kItemTypePlayerCrafted;
  EXPECT_EQ(BonusLevelValue(typedCrafted), 0);

  TItemRecord fixed = crafted;
  fixed.BonusLevelFixed = 1;
  fixed.BonusLevel = 60;  // neither the overrides nor the cap of 50 apply
  EXPECT_EQ(BonusLevelValue(fixed), 60);
  fixed.BonusLevelFixed = 2;  // only 1 means "set by hand"
  EXPECT_EQ(BonusLevelValue(fixed), 0);
}

}  // namespace
}  // namespace qm
