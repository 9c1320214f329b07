#include "spellcraft/overcharge_chance.h"

#include <gtest/gtest.h>

#include "core/item_record.h"

namespace qm {
namespace {

struct Figure {
  double charge;
  int capacity;
  int quality;
  int skill;
  int percent;
};

TEST(OverchargeSuccess, TheCommunityFigures) {
  // Level 51 plate holds 32 points.
  const Figure figures[] = {
      {37.5, 32, 99, 1000, 82}, {37.5, 32, 100, 1000, 90}, {37.5, 32, 94, 1000, 64},
      {36.0, 32, 98, 1000, 94}, {35.0, 32, 100, 500, 73},  {37.5, 32, 99, 500, 15},
  };
  for (const Figure& f : figures)
    EXPECT_EQ(OverchargeSuccess(f.charge, f.capacity, f.skill, f.quality), f.percent)
        << f.charge << " over " << f.capacity << ", quality " << f.quality << ", skill " << f.skill;
}

TEST(OverchargeSuccess, PointsOverAreFloored) {
  EXPECT_EQ(OverchargePoints(37.5, 32), 5);
  EXPECT_EQ(OverchargePoints(32.5, 32), 0);
  EXPECT_EQ(OverchargePoints(32.0, 32), 0);
  EXPECT_EQ(OverchargePoints(31.5, 32), -1);
  EXPECT_EQ(OverchargePoints(0.0, 32), -32);
  EXPECT_EQ(OverchargePoints(38.0, 32), 6);
}

TEST(OverchargeSuccess, WithinCapacityAlwaysSucceedsAndSixOverNever) {
  // At capacity and half a point over nothing is overcharged, whatever the
  // crafter and the item.
  EXPECT_EQ(OverchargeSuccess(32.0, 32, 1, 94), 100);
  EXPECT_EQ(OverchargeSuccess(32.5, 32, 1, 94), 100);
  EXPECT_EQ(OverchargeSuccess(0.0, 1, 1, 94), 100);
  // One whole point over takes the first penalty.
  EXPECT_EQ(OverchargeSuccess(33.0, 32, 1000, 100), 100);  // 34 + 26 - 10 + 100 = 150
  EXPECT_EQ(OverchargeSuccess(33.0, 32, 1000, 94), 100);   // 34 + 0 - 10 + 100 = 124
  // Six points over cannot be imbued, even by the best crafter on the best item.
  EXPECT_EQ(OverchargeSuccess(38.0, 32, 1200, 100), 0);
  EXPECT_EQ(OverchargeSuccess(45.0, 32, 1200, 100), 0);
}

TEST(OverchargeSuccess, SkillAndQualityEdges) {
  // Skill past 1000 counts as 1000.
  EXPECT_EQ(OverchargeSuccess(37.5, 32, 1200, 99), 82);
  // Skill 1 at five over: 34 + 26 - 70 + 0.1 + trunc(-34.965) is below zero.
  EXPECT_EQ(OverchargeSuccess(37.5, 32, 1, 100), 0);
  // Skill 1 at one over: 34 + 26 - 10 + 0.1 + trunc(-4.995) = 46.1.
  EXPECT_EQ(OverchargeSuccess(33.0, 32, 1, 100), 46);
  // Skill 995 leaves a half point: 34 + 10 - 50 + 99.5 + trunc(-0.125) = 93.5.
  EXPECT_EQ(OverchargeSuccess(36.0, 32, 995, 98), 93);
  // Quality 94 and 95 bring nothing; 100 brings the most.
  EXPECT_EQ(OverchargeSuccess(36.5, 32, 1000, 94), 84);  // four over: 34 - 50 + 100
  EXPECT_EQ(OverchargeSuccess(36.5, 32, 1000, 95), 84);
  EXPECT_EQ(OverchargeSuccess(36.5, 32, 1000, 100), 100);  // 110, held to 100
  // Out-of-range inputs are brought into range, not read past the tables.
  EXPECT_EQ(OverchargeSuccess(37.5, 32, 5000, 120), 90);
  EXPECT_EQ(OverchargeSuccess(37.5, 32, -3, 50), 0);
}

TEST(OverchargeSuccess, TextAndItemQuality) {
  EXPECT_EQ(OverchargeSuccessText(82), "Overcharge success : 82%");
  EXPECT_EQ(OverchargeSuccessText(0), "Overcharge success : 0%");
  TItemRecord item = EmptyItem();
  EXPECT_EQ(CraftQualityOf(item), 100);  // no quality set
  item.Quality = 29;
  EXPECT_EQ(CraftQualityOf(item), 99);
  item.Quality = 24;
  EXPECT_EQ(CraftQualityOf(item), 94);
  item.Quality = 23;  // 93: below what the chance knows
  EXPECT_EQ(CraftQualityOf(item), 100);
  item.Quality = 31;  // "N/A"
  EXPECT_EQ(CraftQualityOf(item), 100);
}

}  // namespace
}  // namespace qm
