#include "spellcraft/fifth_slot_catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/template_record.h"
#include "spellcraft/fifth_slot_bonus.h"

namespace qm {
namespace {

constexpr int kAlbion = 0;
constexpr int kHibernia = 1;
constexpr int kMidgard = 2;

int CountOf(int realm, int slot, int armour) {
  int n = 0;
  for (const FifthSlotCatalogueEntry& e : FifthSlotCatalogue())
    if (e.Realm == realm && (e.Slots & (1u << slot)) != 0 && e.Armour == armour) ++n;
  return n;
}

TEST(FifthSlotCatalogue, HoldsEveryEntryOnce) {
  EXPECT_EQ(FifthSlotCatalogue().size(), 359u);
  std::array<int, 3> perRealm{};
  for (const FifthSlotCatalogueEntry& e : FifthSlotCatalogue()) {
    ASSERT_LT(e.Realm, 3);
    ++perRealm[e.Realm];
    EXPECT_GT(e.Index, 0);
    EXPECT_LT(e.Index, kFifthSlotBonusCount);
    EXPECT_LE(e.ItemName.size(), 255u);
  }
  EXPECT_EQ(perRealm, (std::array<int, 3>{133, 123, 103}));
}

TEST(FifthSlotCatalogue, ArmourGroupCounts) {
  // Entries per realm, armour slot (Chest .. Feet) and armour class 0% .. 34%.
  const int expected[3][6][5] = {
      {{4, 4, 2, 4, 2},
       {6, 4, 2, 8, 4},
       {6, 4, 4, 4, 2},
       {2, 2, 2, 2, 2},
       {4, 4, 2, 4, 2},
       {2, 6, 4, 6, 4}},
      {{4, 4, 4, 4, 0},
       {6, 4, 4, 6, 0},
       {4, 2, 6, 4, 0},
       {2, 2, 4, 4, 0},
       {4, 4, 4, 4, 0},
       {4, 4, 6, 4, 0}},
      {{2, 2, 2, 4, 0},
       {6, 2, 4, 7, 0},
       {4, 2, 4, 4, 0},
       {2, 2, 2, 4, 0},
       {4, 2, 2, 4, 0},
       {4, 4, 6, 4, 0}},
  };
  for (int realm = 0; realm < 3; ++realm)
    for (int slot = kChest; slot <= kFeet; ++slot)
      for (int armour = 0; armour < 5; ++armour)
        EXPECT_EQ(CountOf(realm, slot, armour), expected[realm][slot - kChest][armour])
            << "realm " << realm << " slot " << slot << " armour " << armour;
}

TEST(FifthSlotCatalogue, WeaponGroupCounts) {
  const int expected[3][4] = {{3, 13, 3, 6}, {3, 13, 3, 6}, {3, 13, 3, 4}};
  for (int realm = 0; realm < 3; ++realm)
    for (int slot = kRightHand; slot <= kRanged; ++slot)
      EXPECT_EQ(CountOf(realm, slot, -1), expected[realm][slot - kRightHand])
          << "realm " << realm << " slot " << slot;
}

FifthSlotQuery Query(int slot, int armour, int realm) {
  FifthSlotQuery q;
  q.Slot = slot;
  q.ArmourIndex = armour;
  q.Realm = realm;
  return q;
}

std::vector<int> Indexes(const std::vector<TFifthSlotChoice>& choices) {
  std::vector<int> out;
  for (const auto& c : choices) out.push_back(c.Index);
  return out;
}

TEST(SetupCProc2, FirstEntryAndDisplayTexts) {
  const auto choices = SetupCProc2(Query(kChest, 4, kAlbion));
  ASSERT_EQ(choices.size(), 3u);
  EXPECT_EQ(choices[0], (TFifthSlotChoice{"No Extra Bonus", 0, {}}));
  EXPECT_EQ(choices[1].Text, "All Melee + 3");
  EXPECT_EQ(choices[1].ItemName, "Sigil Gilded Plate Breastplate (All Melee +3)");
  EXPECT_EQ(choices[2].Text, "Melee Damage + 2%");
  for (const auto& c : choices) {
    if (c.Index > 0) {
      EXPECT_EQ(c.Text, FifthSlotCaption(c.Index));
    }
  }
}

TEST(SetupCProc2, CloakHasOnlyItsNotice) {
  FifthSlotQuery q = Query(kCloak, 5, kAlbion);
  q.UniversalRealm = true;
  const auto choices = SetupCProc2(q);
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].Text, "Fifth slot unavailable on Cloaks");
  EXPECT_EQ(choices[0].Index, 0);
  EXPECT_FALSE(choices[0].HasItemName());
}

TEST(SetupCProc2, ClassConditions) {
  FifthSlotQuery friar = Query(kChest, 1, kAlbion);
  friar.ClassIndex = 3;
  auto choices = SetupCProc2(friar);
  ASSERT_EQ(choices.size(), 5u);
  EXPECT_EQ(choices.back().ItemName, "Dragonsworn Bound Leather Friar Robes (Healing +5%)");
  friar.ClassIndex = 5;  // an Infiltrator
  EXPECT_EQ(SetupCProc2(friar).size(), 4u);

  FifthSlotQuery valkyrie = Query(kHead, 3, kMidgard);
  valkyrie.ClassIndex = 44;
  choices = SetupCProc2(valkyrie);
  ASSERT_EQ(choices.size(), 8u);
  EXPECT_EQ(choices.back().ItemName, "Rune Bound Winged Helm (Healing +5%)");
  valkyrie.ClassIndex = 43;
  EXPECT_EQ(SetupCProc2(valkyrie).size(), 7u);
}

TEST(SetupCProc2, ShieldConditionsOnTheLeftHand) {
  FifthSlotQuery noShield = Query(kLeftHand, 5, kAlbion);
  EXPECT_EQ(Indexes(SetupCProc2(noShield)), (std::vector<int>{0, 1, 3, 17}));
  const auto plain = SetupCProc2(noShield);
  EXPECT_FALSE(plain[1].HasItemName());
  EXPECT_EQ(plain[3].ItemName, "Elemental Weapon (Armor Factor +10, Damage vs All +3%)");

  FifthSlotQuery champion = noShield;
  champion.ChampionLevel3 = true;  // counts as any shield, not as a large one
  EXPECT_EQ(Indexes(SetupCProc2(champion)),
            (std::vector<int>{0, 1, 3, 5, 18, 20, 22, 26, 14, 13, 11, 17}));

  FifthSlotQuery large = noShield;
  large.ShieldSize = 17;
  EXPECT_EQ(SetupCProc2(large).size(), 14u);

  FifthSlotQuery medium = Query(kLeftHand, 5, kHibernia);
  medium.ShieldSize = 16;
  EXPECT_EQ(Indexes(SetupCProc2(medium)),
            (std::vector<int>{0, 1, 3, 4, 5, 18, 20, 21, 22, 26, 14, 13, 11, 17}));
  FifthSlotQuery small = medium;
  small.ShieldSize = 15;
  EXPECT_EQ(Indexes(SetupCProc2(small)), (std::vector<int>{0, 1, 3, 5, 20, 22, 14, 13, 17}));

  FifthSlotQuery midMedium = Query(kLeftHand, 5, kMidgard);
  midMedium.ShieldSize = 16;  // Midgard's protector shields need a large shield
  EXPECT_EQ(Indexes(SetupCProc2(midMedium)),
            (std::vector<int>{0, 1, 3, 4, 5, 18, 20, 21, 22, 14, 13, 17}));
}

TEST(SetupCProc2, RangedNeedsInstrumentOrBow) {
  FifthSlotQuery q = Query(kRanged, 5, kAlbion);
  EXPECT_EQ(Indexes(SetupCProc2(q)), (std::vector<int>{0, 1, 3, 17}));
  q.UsesBow = true;
  EXPECT_EQ(Indexes(SetupCProc2(q)), (std::vector<int>{0, 1, 3, 17, 31}));
  q.UsesBow = false;
  q.PlaysInstrument = true;
  EXPECT_EQ(Indexes(SetupCProc2(q)), (std::vector<int>{0, 1, 3, 28, 5, 17}));
  FifthSlotQuery hib = Query(kRanged, 5, kHibernia);
  hib.PlaysInstrument = true;
  EXPECT_EQ(SetupCProc2(hib)[4].ItemName, "Adban Trireach Harp (Healing +5%)");
}

TEST(SetupCProc2, UniversalRealmListsEveryRealmButNotHeads) {
  FifthSlotQuery q = Query(kChest, 3, kHibernia);
  q.UniversalRealm = true;
  const auto choices = SetupCProc2(q);
  ASSERT_EQ(choices.size(), 13u);
  int allMelee = 0;
  for (const auto& c : choices)
    if (c.Text == "All Melee + 3") ++allMelee;
  EXPECT_EQ(allMelee, 3);
  // Albion first, then Hibernia, then Midgard.
  EXPECT_EQ(choices[1].ItemName, "Sigil Enchanted Mail Hauberk (All Melee +3)");
  EXPECT_EQ(choices[5].ItemName, "Spell Marked Osnadurtha Hauberk (All Casting +3)");
  EXPECT_EQ(choices[9].ItemName, "Rune Bound Starkakedja Hauberk (All Melee +3)");

  FifthSlotQuery head = Query(kHead, 0, kMidgard);
  head.UniversalRealm = true;
  EXPECT_EQ(SetupCProc2(head).size(), 7u);  // Midgard's own six

  FifthSlotQuery weapons = Query(kTwoHand, 5, kAlbion);
  weapons.UniversalRealm = true;
  EXPECT_EQ(Indexes(SetupCProc2(weapons)), (std::vector<int>{0, 1, 3, 17, 1, 3, 17, 1, 3, 17}));
}

TEST(SetupCProc2, NothingBeyondTheListedGroups) {
  EXPECT_EQ(SetupCProc2(Query(kChest, 4, kHibernia)).size(), 1u);  // no Hibernian plate
  EXPECT_EQ(SetupCProc2(Query(kChest, 5, kAlbion)).size(), 1u);    // non-armour chest
  EXPECT_EQ(SetupCProc2(Query(kJewel, 0, kAlbion)).size(), 1u);
  EXPECT_EQ(SetupCProc2(Query(kMyth, 5, kMidgard)).size(), 1u);
  EXPECT_EQ(SetupCProc2(Query(kRightHand, 0, kAlbion)).size(), 4u);  // armour plays no part
  EXPECT_EQ(SetupCProc2(Query(-3, 0, kAlbion)).size(), 1u);
  EXPECT_EQ(SetupCProc2(Query(kChest, 0, 3)).size(), 1u);  // no realm
}

}  // namespace
}  // namespace qm
