#include "core/legacy_item.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "tools/samples.h"

namespace qm {
namespace {

TEST(LegacyItem, ClassFlagsFollowTheLegacyOrderOfEachRealm) {
  // Each legacy position set alone must land on exactly one class (three for the Mauler).
  for (int realm = 0; realm < 3; ++realm) {
    for (int position = 0; position < 15; ++position) {
      TLegacyItemRecord legacy = EmptyLegacyItem();
      legacy.ClassFlags[realm][position] = 1;
      const TItemRecord item = ConvertLegacyItem(legacy);
      int set = 0;
      for (std::uint8_t flag : item.ClassUsable) set += flag;
      const bool mauler = realm == 2 && position == 14;
      EXPECT_EQ(set, mauler ? 3 : 1) << "realm " << realm << " position " << position;
      if (mauler) {
        EXPECT_EQ(item.ClassUsable[6] + item.ClassUsable[25] + item.ClassUsable[36], 3);
      } else {
        EXPECT_EQ(item.ClassUsable[LegacyClassIndex(realm, position)], 1);
      }
    }
  }
  EXPECT_EQ(LegacyClassIndex(0, 1), 10);   // Paladin
  EXPECT_EQ(LegacyClassIndex(1, 0), 24);   // Hero
  EXPECT_EQ(LegacyClassIndex(2, 13), 37);  // Runemaster
  EXPECT_EQ(LegacyClassIndex(2, 14), -1);  // the Mauler depends on the file
  EXPECT_EQ(LegacyClassIndex(3, 0), -1);
}

TEST(LegacyItem, ServerFlagsComeFromTheExpansion) {
  struct Case {
    std::uint8_t expansion;
    std::array<int, 5> normalClassicCoopPvpOrigins;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, 0}}, {12, {0, 0, 0, 0, 0}}, {1, {1, 1, 1, 1, 1}},  {5, {1, 1, 1, 1, 1}},
      {9, {1, 1, 1, 1, 1}}, {10, {1, 1, 1, 1, 1}}, {2, {1, 1, 1, 1, 0}},  {8, {1, 1, 1, 1, 0}},
      {3, {1, 0, 1, 1, 0}}, {11, {1, 1, 0, 1, 1}}, {13, {1, 1, 1, 1, 1}}, {200, {1, 1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    TLegacyItemRecord legacy = EmptyLegacyItem();
    legacy.Expansion = c.expansion;
    const TItemRecord item = ConvertLegacyItem(legacy);
    const std::array<int, 5> got{item.ServerNormal, item.ServerClassic, item.ServerCoop,
                                 item.ServerPvP, item.ServerOrigins};
    EXPECT_EQ(got, c.normalClassicCoopPvpOrigins) << "expansion " << int(c.expansion);
  }
}

TEST(LegacyItem, ConversionCopiesFieldsAndSetsTheImportMarks) {
  TLegacyItemRecord legacy = samples::MakeLegacyItem("Old Gloves", 2, {{1, 15}, {12, 5}});
  legacy.Armor = 3;
  legacy.Level = 45;
  legacy.ItemType = 3;
  legacy.Realm = 1;
  legacy.SlotKind = 10;
  legacy.EffectKind[0] = 2;
  legacy.EffectKind[1] = 4;
  const TItemRecord item = ConvertLegacyItem(legacy);
  EXPECT_EQ(item.Name.View(), "Old Gloves");
  EXPECT_EQ(item.Armor, 3);
  EXPECT_EQ(item.Level, 45);
  EXPECT_EQ(item.ItemType, 3);
  EXPECT_EQ(item.Unique, 1);
  EXPECT_EQ(item.Realm, 1);
  EXPECT_EQ(item.Expansion, 2);
  EXPECT_EQ(item.SlotKind, 10);
  EXPECT_EQ(item.WeaponType, 0);
  EXPECT_EQ(item.Source, 9);
  EXPECT_EQ(item.Quality, 41);
  EXPECT_EQ(item.Note.View(), "Imported QMI");
  EXPECT_EQ(item.EffectKind[0], 2);
  EXPECT_EQ(item.EffectKind[1], 4);
  EXPECT_EQ(item.EffectId[0], 0);
  EXPECT_EQ(item.EffectValue[1], 0);
  EXPECT_EQ(item.BonusCode[1], 12);
  EXPECT_EQ(item.BonusValue[1], 5);
  // A unique item's bonus level is overridden to 0; the same bonuses on a drop are rated.
  EXPECT_EQ(item.BonusLevel, 0);
  legacy.ItemType = 0;
  const TItemRecord drop = ConvertLegacyItem(legacy);
  EXPECT_EQ(drop.Unique, 0);
  EXPECT_EQ(drop.BonusLevel, 14);  // costs 10 and 8, plus the largest again: 28, halved
  EXPECT_EQ(drop.BonusLevelFixed, 0);
}

TEST(LegacyItem, StoredBonusLevelKeepsTheLowBitsOfANegativeLevel) {
  TLegacyItemRecord legacy = samples::MakeLegacyItem("Odd", 2, {{1, -15}});
  legacy.ItemType = 0;
  EXPECT_EQ(ConvertLegacyItem(legacy).BonusLevel, 246);  // -10
  // A level below the 32-bit range (-4294966934 here) stores the low bits of
  // the lowest 32-bit value, not its own (which would be 106).
  legacy = samples::MakeLegacyItem("Odd", 2, {{134, INT32_MIN}, {1, 271}});
  legacy.ItemType = 0;
  EXPECT_EQ(ConvertLegacyItem(legacy).BonusLevel, 0);
  // Just inside the range the level's own low bits are kept: -2147483647.
  legacy = samples::MakeLegacyItem("Odd", 2, {{148, INT32_MIN + 1}});
  legacy.ItemType = 0;
  EXPECT_EQ(ConvertLegacyItem(legacy).BonusLevel, 1);
}

TEST(LegacyItem, CraftedItemsAllowEveryClass) {
  TLegacyItemRecord legacy = EmptyLegacyItem();
  legacy.Crafted = 1;
  legacy.ClassFlags[0][0] = 0;
  const TItemRecord item = ConvertLegacyItem(legacy);
  for (std::uint8_t flag : item.ClassUsable) EXPECT_EQ(flag, 1);
  EXPECT_EQ(item.Crafted, 1);
}

TEST(LegacyItem, EmptyLegacyItemMatchesItsDefinition) {
  const TLegacyItemRecord legacy = EmptyLegacyItem();
  EXPECT_EQ(legacy.Name.View(), " ");
  EXPECT_EQ(legacy.Level, 51);
  EXPECT_EQ(legacy.Realm, 3);
  EXPECT_EQ(legacy.Crafted, 0);
  EXPECT_EQ(legacy.Expansion, 0);
}

}  // namespace
}  // namespace qm
