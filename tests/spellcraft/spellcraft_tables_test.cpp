#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_limits.h"

namespace qm {
namespace {

TEST(GemBonusList, NamesAreUniqueAndKeepTheirBlanks) {
  std::set<std::string_view> names;
  for (int i = 0; i < kGemBonusCount; ++i) names.insert(GemBonusName(i));
  EXPECT_EQ(names.size(), 139u);
  EXPECT_EQ(GemBonusName(0), "<Empty>");
  EXPECT_EQ(GemBonusName(21), "All Casting ");
  EXPECT_EQ(GemBonusName(28), "Slash ");
  EXPECT_EQ(GemBonusName(29), "Crush ");
  EXPECT_EQ(GemBonusName(88), "Vampiiric Embrace");
  EXPECT_EQ(GemBonusName(133), "Focus:Witchcraft");
  EXPECT_EQ(GemBonusName(134), "Mauler Staff");
  EXPECT_EQ(GemBonusName(138), "Aura Manipulation");
  EXPECT_EQ(GemBonusName(139), "");
  EXPECT_EQ(GemBonusName(-1), "");
}

TEST(GemBonusList, StoredCodesRoundTrip) {
  for (int index = 1; index < kGemBonusCount; ++index)
    EXPECT_EQ(GemIndexOfCode(GemCodeOfIndex(index)), index) << index;
  EXPECT_EQ(GemCodeOfIndex(133), 133);
  EXPECT_EQ(GemCodeOfIndex(134), 185);
  EXPECT_EQ(GemCodeOfIndex(138), 189);
  EXPECT_EQ(GemCodeOfIndex(0), 0);
  EXPECT_EQ(GemCodeOfIndex(139), 0);
  // Codes no gem gives read back as an empty gem, never as an unrelated one.
  for (int code : {0, 134, 150, 184, 190, 198, 255}) EXPECT_EQ(GemIndexOfCode(code), 0) << code;
}

TEST(GemArchetypes, ViewsOfferTheirRunsInListOrder) {
  const struct {
    int archetype;
    std::string_view caption;
    int entries;  // "<Empty>" included
    int first;
    int last;
  } cases[] = {
      {1, "0. Attributes", 11, 1, 10},         {2, "1. Resistances", 10, 11, 19},
      {3, "2. Common Skills", 14, 20, 138},    {4, "3. Albion Skills", 38, 28, 64},
      {5, "4. Hibernian Skills", 39, 65, 102}, {6, "5. Midgard Skills", 32, 103, 133},
      {7, "6. Full Listing", 139, 1, 138},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GemArchetypeName(c.archetype), c.caption);
    EXPECT_EQ(GemArchetypeEntryCount(c.archetype), c.entries) << c.caption;
    EXPECT_EQ(GemArchetypeEntryText(c.archetype, 0), "<Empty>");
    EXPECT_EQ(GemIndexOfArchetypeEntry(c.archetype, 1), c.first) << c.caption;
    EXPECT_EQ(GemIndexOfArchetypeEntry(c.archetype, c.entries - 1), c.last) << c.caption;
    EXPECT_EQ(GemIndexOfArchetypeEntry(c.archetype, c.entries), 0) << "beyond the list";
  }
  // The common skills jump from the all-skill and melee lines to the Mauler lines.
  EXPECT_EQ(GemIndexOfArchetypeEntry(3, 8), 27);
  EXPECT_EQ(GemIndexOfArchetypeEntry(3, 9), 134);
  EXPECT_EQ(GemArchetypeEntryOf(3, 136), 11);
  EXPECT_EQ(GemArchetypeEntryOf(1, 11), -1);
  EXPECT_EQ(GemArchetypeEntryOf(7, 0), 0);
}

TEST(GemArchetypes, SelectOffersOnlyItsPrompt) {
  EXPECT_EQ(GemArchetypeName(0), "<Select>");
  EXPECT_EQ(GemArchetypeEntryCount(0), 1);
  EXPECT_EQ(GemArchetypeEntryText(0, 0), "<Choose an Archtype>");
  EXPECT_EQ(GemIndexOfArchetypeEntry(0, 0), 0);
  EXPECT_EQ(GemArchetypeEntryCount(8), 0);
  EXPECT_EQ(GemArchetypeEntryText(8, 0), "");
}

TEST(GemCategories, EveryIndexHasItsLadder) {
  const struct {
    std::vector<int> indexes;
    GemCategory category;
    std::vector<int> ladder;
  } cases[] = {
      {{1, 5, 8}, GemCategory::kStat, {2, 5, 8, 11, 14, 17, 20, 23, 26, 29}},
      {{9}, GemCategory::kPower, {1, 2, 3, 5, 7, 9, 11, 13, 15, 17}},
      {{10}, GemCategory::kHitPoints, {4, 12, 20, 28, 36, 44, 52, 60, 68, 76}},
      {{11, 19}, GemCategory::kResist, {1, 2, 3, 5, 7, 9, 11, 13, 15, 17}},
      {{20, 21}, GemCategory::kAllSkill, {1}},
      {{22, 54, 64, 92, 102, 126, 133},
       GemCategory::kFocus,
       {5, 10, 15, 20, 25, 30, 35, 40, 45, 50}},
      {{23, 53, 65, 91, 103, 125, 134, 138}, GemCategory::kSkill, {1, 2, 3, 4, 5, 6, 7, 8}},
      {{0, 139, -1}, GemCategory::kEmpty, {}},
  };
  for (const auto& c : cases) {
    for (int index : c.indexes) {
      EXPECT_EQ(GemCategoryOf(index), c.category) << index;
      const auto ladder = GemValueLadder(index);
      EXPECT_EQ(std::vector<int>(ladder.begin(), ladder.end()), c.ladder) << index;
    }
  }
  int categorised = 0;
  for (int index = 1; index < kGemBonusCount; ++index)
    if (GemCategoryOf(index) != GemCategory::kEmpty) ++categorised;
  EXPECT_EQ(categorised, 138);
}

TEST(GemImbueCost, FollowsTheCategoryFormulas) {
  const std::vector<double> statCosts = {1, 2, 4, 6, 8, 9, 11, 13, 15, 16};
  const auto statLadder = GemValueLadder(1);
  for (std::size_t t = 0; t < statLadder.size(); ++t)
    EXPECT_EQ(GemImbueCost(3, statLadder[t]), statCosts[t]) << statLadder[t];
  EXPECT_EQ(GemImbueCost(9, 1), 1);  // power at its lowest value costs the value
  EXPECT_EQ(GemImbueCost(9, 17), 32);
  EXPECT_EQ(GemImbueCost(15, 7), 12);  // resist
  EXPECT_EQ(GemImbueCost(10, 4), 1);   // hit points: v / 4
  EXPECT_EQ(GemImbueCost(10, 44), 11);
  EXPECT_EQ(GemImbueCost(20, 1), 1);  // all-skill and focus always cost 1
  EXPECT_EQ(GemImbueCost(22, 50), 1);
  EXPECT_EQ(GemImbueCost(130, 5), 1);
  EXPECT_EQ(GemImbueCost(30, 1), 1);  // skill
  EXPECT_EQ(GemImbueCost(30, 3), 10);
  EXPECT_EQ(GemImbueCost(134, 8), 35);
  EXPECT_EQ(GemImbueCost(0, 29), 0);
}

TEST(ImbueCapacity, TableAndClothAllowance) {
  const std::vector<int> expected = {1,  2,  2,  3,  4,  4,  5,  5,  6,  7,  7,  8,  9,
                                     9,  10, 10, 11, 12, 12, 13, 13, 14, 15, 15, 16, 16,
                                     17, 18, 18, 19, 20, 20, 21, 21, 22, 23, 23, 24, 24,
                                     25, 26, 26, 27, 27, 28, 29, 29, 30, 31, 31, 32};
  for (int level = 1; level <= 51; ++level)
    EXPECT_EQ(ImbueCapacityOfLevel(level), expected[static_cast<std::size_t>(level - 1)]);
  EXPECT_EQ(ImbueCapacity(50, kClothArmour), 30);
  EXPECT_EQ(MaxOvercharge(50, kClothArmour), 35.5);
  EXPECT_EQ(ImbueCapacity(51, kClothArmour), 32);
  EXPECT_EQ(MaxOvercharge(51, kClothArmour), 37.5);
  for (int armour = 1; armour <= 5; ++armour) {
    EXPECT_EQ(ImbueCapacity(1, armour), 1);
    EXPECT_EQ(MaxOvercharge(1, armour), 6.5);
  }
  // Levels a foreign item might carry never read outside the table.
  EXPECT_EQ(ImbueCapacityOfLevel(0), 1);
  EXPECT_EQ(ImbueCapacityOfLevel(-5), 1);
  EXPECT_EQ(ImbueCapacityOfLevel(52), 32);
  EXPECT_EQ(ImbueCapacityOfLevel(255), 32);
}

TEST(ArmourEntries, SixClasses) {
  const std::vector<std::string_view> expected = {"0%", "10%", "19%", "27%", "34%", "Non-Armor"};
  for (int i = 0; i < kArmourEntryCount; ++i)
    EXPECT_EQ(ArmourEntryText(i), expected[static_cast<std::size_t>(i)]);
  EXPECT_EQ(ArmourEntryText(6), "");
}

TEST(FifthSlotBonusTable, RowsAndLegendaryPairs) {
  int withBonus = 0;
  for (int i = 0; i < kFifthSlotBonusCount; ++i) {
    EXPECT_FALSE(FifthSlotCaption(i).empty()) << i;
    if (FifthSlotBonusOf(i).Code != 0) ++withBonus;
  }
  EXPECT_EQ(withBonus, 31);
  EXPECT_EQ(FifthSlotCaption(0), "No Extra Bonuses");
  EXPECT_EQ(FifthSlotBonusOf(0), FifthSlotBonus{});
  EXPECT_EQ(FifthSlotCaption(12), "Armor Factor + 10");
  EXPECT_EQ(FifthSlotBonusOf(12), (FifthSlotBonus{148, 10, 0, 0}));
  EXPECT_EQ(FifthSlotCaption(15), "Power Pool +5%");
  EXPECT_EQ(FifthSlotBonusOf(11), (FifthSlotBonus{23, 3, 0, 0}));
  EXPECT_EQ(FifthSlotBonusOf(25), (FifthSlotBonus{10, 40, 0, 0}));
  EXPECT_EQ(FifthSlotCaption(29), "To Hit (PvE) + 3%");
  // The legendary weapon gives melee damage 3, one more than row 26.
  EXPECT_EQ(FifthSlotBonusOf(17), (FifthSlotBonus{148, 10, 150, 3}));
  EXPECT_EQ(FifthSlotBonusOf(26), (FifthSlotBonus{150, 2, 0, 0}));
  EXPECT_EQ(FifthSlotBonusOf(31), (FifthSlotBonus{148, 10, 195, 2}));
  EXPECT_EQ(FifthSlotCaption(31), "Legendary Bow");
  EXPECT_TRUE(IsLegendaryFifthSlot(17));
  EXPECT_TRUE(IsLegendaryFifthSlot(31));
  EXPECT_FALSE(IsLegendaryFifthSlot(26));
  EXPECT_EQ(FifthSlotCaption(32), "");
  EXPECT_EQ(FifthSlotBonusOf(200), FifthSlotBonus{});
}

}  // namespace
}  // namespace qm
