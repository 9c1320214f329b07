#include "spellcraft/spellcraft_item.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/template_record.h"
#include "spellcraft/spellcraft_calculator.h"
#include "spellcraft/spellcraft_test_support.h"

namespace qm {
namespace {

using testing::ChoicePosition;
using testing::ContextFor;
using testing::OpenTab;
using testing::SetGem;

// A crafted item as another program might have written it.
TItemRecord CraftedItem(int level, int armour, std::vector<std::pair<int, int>> gems,
                        int fifth = 0) {
  TItemRecord item = EmptyItem();
  item.Crafted = 1;
  item.ItemType = kItemTypePlayerCrafted;
  item.Level = static_cast<std::uint8_t>(level);
  item.Armor = static_cast<std::uint8_t>(armour);
  for (std::size_t k = 0; k < gems.size() && k < 4; ++k) {
    item.BonusCode[k] = static_cast<std::uint8_t>(gems[k].first);
    item.BonusValue[4 + k] = gems[k].second;
  }
  item.EffectKind[1] = static_cast<std::uint8_t>(fifth);
  item.BonusLevelFixed = 1;
  return item;
}

// ---- the encoding

TEST(CraftedItemEncoding, ReturnedAndPreviewVariants) {
  SpellcraftContext context = ContextFor(kHands, 0, 0);
  SpellcraftCalculator calc = OpenTab(context);
  calc.cProc2Select(1);  // Armor Factor + 10
  SetGem(calc, 1, 1, 9);
  SetGem(calc, 2, 134, 2);  // Mauler Staff 3
  SetGem(calc, 4, 15, 4);   // gem 3 stays empty
  SetGem(calc, 3, 22, 1);

  const TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kReturned);
  EXPECT_EQ(item.Name.View(), "Sigil Stitched Cloth Gloves (Armor Factor +10)");
  EXPECT_EQ(item.ItemType, 5);
  EXPECT_EQ(item.Realm, 3);
  EXPECT_EQ(item.Expansion, 1);
  EXPECT_EQ(item.Level, 51);
  EXPECT_EQ(item.Armor, 0);
  EXPECT_EQ(item.Crafted, 1);
  EXPECT_EQ(item.Unique, 0);
  for (auto flag :
       {item.ServerCoop, item.ServerPvP, item.ServerClassic, item.ServerNormal, item.ServerOrigins})
    EXPECT_EQ(flag, 1);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&item);
  for (std::size_t at = 65; at < 115; ++at) EXPECT_EQ(bytes[at], 1) << "byte " << at;
  EXPECT_EQ(std::vector<int>(item.BonusCode, item.BonusCode + 10),
            (std::vector<int>{1, 185, 22, 15, 0, 0, 0, 0, 148, 0}));
  EXPECT_EQ(std::vector<int>(item.BonusValue, item.BonusValue + 10),
            (std::vector<int>{29, 3, 10, 7, 9, 2, 1, 4, 10, 0}));
  EXPECT_EQ(item.BonusLevel, 0);
  EXPECT_EQ(item.BonusLevelFixed, 1);
  EXPECT_EQ(item.EffectKind[1], 12);
  EXPECT_EQ(item.EffectId[1], 0) << "only a universal list stores the position";
  EXPECT_EQ(item.Quality, kNoQuality);

  const TItemRecord preview = calc.BuildCraftedItem(CraftedItemVariant::kPreview);
  for (std::size_t at = 65; at < 115; ++at)
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&preview)[at], 0) << "byte " << at;
  EXPECT_EQ(preview.BonusLevelFixed, 0);
  EXPECT_EQ(preview.EffectKind[1], 12);

  calc.TypeName("Gloves");
  EXPECT_EQ(calc.BuildCraftedItem(CraftedItemVariant::kReturned).BonusLevelFixed, 0);
}

TEST(CraftedItemEncoding, EmptyGemsLeaveTheirRowsZero) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SetGem(calc, 2, 10, 3);
  const TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kReturned);
  EXPECT_EQ(std::vector<int>(item.BonusCode, item.BonusCode + 10),
            (std::vector<int>{0, 10, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::vector<int>(item.BonusValue, item.BonusValue + 10),
            (std::vector<int>{0, 28, 0, 0, 0, 3, 0, 0, 0, 0}));
  EXPECT_TRUE(IsSpellcrafted(item));
  EXPECT_FALSE(IsSpellcrafted(EmptyItem()));
}

TEST(CraftedItemEncoding, UniversalListsStoreTheChosenPosition) {
  SpellcraftContext context = ContextFor(kChest, 1, 3);
  context.UniversalRealm = true;
  SpellcraftCalculator calc = OpenTab(context);
  const int hibernianMelee = ChoicePosition(calc, 7, 1);
  ASSERT_GT(hibernianMelee, ChoicePosition(calc, 7));
  calc.cProc2Select(hibernianMelee);
  const TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kReturned);
  EXPECT_EQ(item.EffectKind[1], 7);
  EXPECT_EQ(item.EffectId[1], hibernianMelee);
  EXPECT_EQ(calc.BuildCraftedItem(CraftedItemVariant::kPreview).EffectId[1], 0);

  // Loading it back picks the same one of the equal captions.
  SpellcraftCalculator again(context);
  again.Open(item);
  EXPECT_EQ(again.State().ChoiceIndex, hibernianMelee);
  EXPECT_EQ(again.View().Name.Text, "Decorated Osnadurtha Hauberk (All Melee +3)");
}

// ---- loading

TEST(CraftedItemLoading, RoundTripsADesign) {
  SpellcraftContext context = ContextFor(kRightHand);
  SpellcraftCalculator calc = OpenTab(context);
  calc.cProc2Select(ChoicePosition(calc, 17));
  SetGem(calc, 1, 134, 2);
  SetGem(calc, 2, 30, 1);
  SetGem(calc, 3, 9, 3);
  ASSERT_TRUE(calc.btnReturnClick().has_value());
  const TItemRecord item = *calc.btnReturnClick();

  SpellcraftCalculator loaded(context);
  loaded.Open(item);
  EXPECT_TRUE(loaded.Active());
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(loaded.State().Gems[k].BonusIndex, calc.State().Gems[k].BonusIndex) << k;
    EXPECT_EQ(loaded.State().Gems[k].TierIndex, calc.State().Gems[k].TierIndex) << k;
    EXPECT_EQ(loaded.State().Gems[k].Value, calc.State().Gems[k].Value) << k;
    EXPECT_EQ(loaded.State().Gems[k].Archetype, k < 3 ? 7 : 0) << k;
  }
  EXPECT_EQ(loaded.State().Gems[0].BonusIndex, 134) << "stored as 185, read back as the gem";
  EXPECT_FALSE(loaded.State().Gems[3].Enabled);
  EXPECT_EQ(loaded.State().FifthIndex, 17);
  EXPECT_EQ(loaded.State().SavedFifthIndex, 17);
  EXPECT_EQ(loaded.View().Name.Text, calc.View().Name.Text);
  EXPECT_EQ(loaded.View().Charge.Text, calc.View().Charge.Text);
  EXPECT_FALSE(loaded.View().Armour.Enabled);
  ASSERT_TRUE(loaded.btnReturnClick().has_value());
  const TItemRecord again = *loaded.btnReturnClick();
  EXPECT_EQ(std::memcmp(&item, &again, sizeof item), 0);
}

TEST(CraftedItemLoading, StoredNamesAndAutonaming) {
  SpellcraftContext context = ContextFor(kChest);
  TItemRecord item = CraftedItem(45, 2, {{1, 3}});
  item.Name.Assign("Old Name");
  item.BonusLevelFixed = 0;  // named by hand
  SpellcraftCalculator calc(context);
  calc.Open(item);
  EXPECT_EQ(calc.View().Name.Text, "Old Name");
  EXPECT_FALSE(calc.View().AutoName.Checked);

  item.BonusLevelFixed = 1;  // generated: the design's name wins
  calc.Open(item);
  EXPECT_EQ(calc.View().Name.Text, "Lv45 Studded");

  item.Name.Assign(" ");
  item.BonusLevelFixed = 0;
  calc.Open(item);
  EXPECT_EQ(calc.View().Name.Text, "Lv45 Studded") << "an empty name never survives loading";
}

TEST(CraftedItemLoading, ForeignValuesAreBroughtIntoRange) {
  SpellcraftContext context = ContextFor(kChest, 0, 2);
  SpellcraftCalculator calc(context);

  calc.Open(CraftedItem(0, 4, {{1, 99}, {11, -3}, {150, 2}, {190, 1}}));
  EXPECT_EQ(calc.State().Level, 1);
  EXPECT_EQ(calc.State().ArmourIndex, 2) << "lowered to the class's best armour";
  EXPECT_EQ(calc.State().Gems[0].TierIndex, 9);
  EXPECT_EQ(calc.State().Gems[0].Value, 29);
  EXPECT_EQ(calc.State().Gems[1].TierIndex, 0);
  EXPECT_EQ(calc.State().Gems[2].BonusIndex, 0) << "no gem gives code 150";
  EXPECT_EQ(calc.State().Gems[3].BonusIndex, 0);
  EXPECT_EQ(calc.View().Capacity.Text, "1");

  calc.Open(CraftedItem(200, 1, {{20, 5}}, 45));
  EXPECT_EQ(calc.State().Level, 51);
  EXPECT_EQ(calc.State().Gems[0].TierIndex, 0) << "the all-skill ladder has one rung";
  EXPECT_EQ(calc.State().FifthIndex, 0);
  EXPECT_EQ(calc.State().ChoiceIndex, 0);

  // A fifth-slot index the current list does not offer falls back to none.
  calc.Open(CraftedItem(51, 1, {{1, 0}}, 17));
  EXPECT_EQ(calc.State().FifthIndex, 0);
  EXPECT_EQ(calc.View().Name.Text, "Lv51 Leather");

  // Two gems with one bonus: gems are placed in slot order and a later
  // duplicate moves on, pushing the next one along.
  calc.Open(CraftedItem(51, 2, {{5, 1}, {5, 2}, {6, 3}}));
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 5);
  EXPECT_EQ(calc.State().Gems[1].BonusIndex, 6);
  EXPECT_EQ(calc.State().Gems[2].BonusIndex, 7);
  EXPECT_EQ(calc.State().Gems[2].TierIndex, 3);

  SpellcraftCalculator weapon(ContextFor(kTwoHand));
  weapon.Open(CraftedItem(51, 9, {{30, 1}}));
  EXPECT_EQ(weapon.State().ArmourIndex, 5);
  EXPECT_FALSE(weapon.View().Armour.Enabled);
  EXPECT_EQ(weapon.View().Name.Text, "Lv51 Weapon");
}

// ---- clearing and undoing

TEST(SpellcraftClear, SlotDefaults) {
  const struct {
    int slot, defaultLevel, maxArmor;
    int level, armour;
    bool armourEnabled, fifthEnabled;
    std::string firstChoice;
  } cases[] = {
      {kCloak, 51, 4, 1, 5, false, false, "Fifth slot unavailable on Cloaks"},
      {kChest, 51, 3, 51, 3, true, true, "No Extra Bonus"},
      {kFeet, 30, 1, 30, 1, true, false, "No Extra Bonus"},
      {kLeftHand, 51, 0, 51, 5, false, true, "No Extra Bonus"},
      {kRanged, 20, 4, 20, 5, false, false, "No Extra Bonus"},
  };
  for (const auto& c : cases) {
    SpellcraftContext context = ContextFor(c.slot, 0, c.maxArmor);
    context.DefaultCraftedLevel = c.defaultLevel;
    SpellcraftCalculator calc(context);
    calc.Open(EmptyItem());
    const SpellcraftView view = calc.View();
    EXPECT_EQ(calc.State().Level, c.level) << c.slot;
    EXPECT_EQ(calc.State().ArmourIndex, c.armour) << c.slot;
    EXPECT_EQ(view.Armour.Enabled, c.armourEnabled) << c.slot;
    EXPECT_EQ(view.Fifth.Enabled, c.fifthEnabled) << c.slot;
    EXPECT_EQ(view.Fifth.Entries.front(), c.firstChoice) << c.slot;
    EXPECT_FALSE(calc.Active());
    for (const auto& gem : view.Gems) {
      EXPECT_EQ(gem.Archetype.Selection, 7);
      EXPECT_EQ(gem.Bonus.Selection, 0);
      EXPECT_FALSE(gem.Value.Enabled);
    }
  }
  SpellcraftCalculator cloak(ContextFor(kCloak));
  cloak.Open(EmptyItem());
  cloak.cAbsSelect(2);  // locked
  EXPECT_EQ(cloak.State().ArmourIndex, 5);
  EXPECT_EQ(cloak.State().Choices.size(), 1u);
}

TEST(SpellcraftClear, EverythingAndGemsOnly) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest, 0, 4));
  calc.cProc2Select(2);  // Melee Damage + 2%
  SetGem(calc, 1, 5, 4);
  SetGem(calc, 2, 6, 4);
  calc.btnGemClearClick();
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 0);
  EXPECT_EQ(calc.State().Gems[1].BonusIndex, 0);
  EXPECT_EQ(calc.State().Remembered, (std::array<int, 4>{}));
  EXPECT_EQ(calc.State().FifthIndex, 26) << "the fifth-slot bonus survives";
  EXPECT_EQ(calc.State().ChoiceIndex, 2);
  EXPECT_EQ(calc.View().Charge.Text, "0.0");

  calc.TypeName("Kept?");
  calc.cAbsSelect(1);
  calc.sLevelChange(33);
  calc.btnClearClick();
  EXPECT_EQ(calc.State().Level, 51);
  EXPECT_EQ(calc.State().ArmourIndex, 4);
  EXPECT_EQ(calc.State().FifthIndex, 0);
  EXPECT_TRUE(calc.State().AutoNaming);
  EXPECT_EQ(calc.View().Name.Text, "Lv51 Plate");
}

TEST(SpellcraftUndo, ReturnsToTheOpenedItem) {
  SpellcraftContext context = ContextFor(kArms, 2, 3);
  TItemRecord opened = CraftedItem(48, 1, {{2, 4}, {112, 3}});
  SpellcraftCalculator calc(context);
  calc.Open(opened);
  SetGem(calc, 1, 9, 9);
  calc.sLevelChange(20);
  calc.btnUndoClick();
  EXPECT_EQ(calc.State().Level, 48);
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 2);
  EXPECT_EQ(calc.State().Gems[0].TierIndex, 4);
  EXPECT_EQ(calc.State().Gems[1].BonusIndex, 112);

  TItemRecord plain = EmptyItem();
  plain.Name.Assign("Vault Sleeves");
  plain.EffectId[1] = 3;
  SpellcraftContext lowLevel = context;
  lowLevel.DefaultCraftedLevel = 30;
  SpellcraftCalculator fresh(lowLevel);
  fresh.Open(plain);
  SetGem(fresh, 1, 1, 1);
  fresh.sLevelChange(44);
  fresh.btnUndoClick();
  EXPECT_EQ(fresh.State().Level, 30);
  EXPECT_EQ(fresh.State().Gems[0].BonusIndex, 0);
  EXPECT_EQ(fresh.View().Name.Text, "Lv30 Chain");
}

TEST(SpellcraftContextOf, ReadsTheClassTable) {
  const SpellcraftContext friar = SpellcraftContextOf(kChest, 3, 45, false, true, false);
  EXPECT_EQ(friar.Realm, 0);
  EXPECT_EQ(friar.MaxArmor, 1);
  EXPECT_EQ(friar.ShieldSize, 15);
  EXPECT_EQ(friar.DefaultCraftedLevel, 51);
  EXPECT_TRUE(friar.ForceFifthSlot);
  const SpellcraftContext ranger = SpellcraftContextOf(kRanged, 28, 38, true, false, true);
  EXPECT_EQ(ranger.Realm, 1);
  EXPECT_TRUE(ranger.UsesBow);
  EXPECT_EQ(ranger.DefaultCraftedLevel, 38);
  EXPECT_TRUE(ranger.ChampionLevel3);
  EXPECT_TRUE(ranger.UniversalRealm);
  EXPECT_EQ(DefaultCraftedLevel(39), 51);
}

}  // namespace
}  // namespace qm
