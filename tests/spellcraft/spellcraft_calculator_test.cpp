#include "spellcraft/spellcraft_calculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/template_record.h"
#include "spellcraft/spellcraft_test_support.h"

namespace qm {
namespace {

using testing::ChoicePosition;
using testing::ContextFor;
using testing::OpenTab;
using testing::SetGem;

std::vector<int> GemIndexes(const SpellcraftCalculator& calc) {
  std::vector<int> out;
  for (const auto& gem : calc.State().Gems) out.push_back(gem.BonusIndex);
  return out;
}

// ---- costs, charge and limit

TEST(SpellcraftCharge, WorkedDesigns) {
  struct Gem {
    int index, tier;
  };
  const struct {
    std::vector<Gem> gems;
    std::vector<std::string> costs;
    std::string highGem, charge;
    bool valid;
  } cases[] = {
      // Strength, Constitution, Dexterity, Quickness 29 each.
      {{{1, 9}, {2, 9}, {3, 9}, {4, 9}}, {"16.0", "16.0", "16.0", "16.0"}, "16.0", "40.0", false},
      // Strength 20, Constitution 20, Heat Resist 7, Slash 3.
      {{{1, 6}, {2, 6}, {14, 4}, {28, 2}}, {"11.0", "11.0", "12.0", "10.0"}, "12.0", "28.0", true},
      // Strength 26, Hit Points 44, Cold Resist 9, Thrust 2.
      {{{1, 8}, {10, 5}, {15, 5}, {30, 1}}, {"15.0", "11.0", "16.0", "5.0"}, "16.0", "31.5", true},
      // A charge exactly at the max overcharge still fits.
      {{{1, 9}, {2, 9}, {3, 9}, {4, 6}}, {"16.0", "16.0", "16.0", "11.0"}, "16.0", "37.5", true},
      {{{1, 9}, {2, 9}, {3, 9}, {4, 7}}, {"16.0", "16.0", "16.0", "13.0"}, "16.0", "38.5", false},
      // The high gem is counted twice even when it is the last gem.
      {{{1, 0}, {0, 0}, {0, 0}, {9, 9}}, {"1.0", "0.0", "0.0", "32.0"}, "32.0", "32.5", true},
  };
  for (const auto& c : cases) {
    SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
    for (std::size_t k = 0; k < c.gems.size(); ++k)
      SetGem(calc, static_cast<int>(k) + 1, c.gems[k].index, c.gems[k].tier);
    const SpellcraftView view = calc.View();
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(view.Gems[k].Cost.Text, c.costs[k]) << k;
    EXPECT_EQ(view.HighGem.Text, c.highGem);
    EXPECT_EQ(view.Charge.Text, c.charge);
    EXPECT_EQ(view.Capacity.Text, "32");
    EXPECT_EQ(view.MaxOvercharge.Text, "37.5");
    EXPECT_EQ(calc.State().Valid, c.valid) << c.charge;
    EXPECT_EQ(view.Return.Enabled, c.valid);
    EXPECT_EQ(view.Charge.Colour, c.valid ? kBlue : kRed);
  }
}

TEST(SpellcraftCharge, EmptyAndSingleGemDesigns) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SpellcraftView view = calc.View();
  for (const auto& gem : view.Gems) EXPECT_EQ(gem.Cost.Text, "0.0");
  EXPECT_EQ(view.HighGem.Text, "0.0");
  EXPECT_EQ(view.Charge.Text, "0.0");
  EXPECT_TRUE(view.Return.Enabled);

  SetGem(calc, 1, 10, 0);  // Hit Points 4
  view = calc.View();
  EXPECT_EQ(view.Gems[0].Cost.Text, "1.0");
  EXPECT_EQ(view.HighGem.Text, "1.0");
  EXPECT_EQ(view.Charge.Text, "1.0");
}

TEST(SpellcraftCharge, CapacityByLevelAndArmour) {
  const struct {
    int level, armour;
    std::string capacity, maxOvercharge;
  } cases[] = {
      {51, 4, "32", "37.5"}, {50, 0, "30", "35.5"}, {51, 0, "32", "37.5"},
      {1, 1, "1", "6.5"},    {1, 4, "1", "6.5"},    {1, 0, "0", "5.5"},
  };
  for (const auto& c : cases) {
    SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
    calc.cAbsSelect(c.armour);
    calc.sLevelChange(c.level);
    EXPECT_EQ(calc.View().Capacity.Text, c.capacity) << c.level << "/" << c.armour;
    EXPECT_EQ(calc.View().MaxOvercharge.Text, c.maxOvercharge) << c.level << "/" << c.armour;
  }
  // The same design falls over its limit one level lower.
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SetGem(calc, 1, 1, 9);
  SetGem(calc, 2, 2, 9);
  SetGem(calc, 3, 3, 9);
  SetGem(calc, 4, 4, 6);
  EXPECT_TRUE(calc.State().Valid);
  calc.sLevelChange(50);
  EXPECT_FALSE(calc.State().Valid);
  EXPECT_FALSE(calc.View().Return.Enabled);
}

TEST(SpellcraftCharge, BonusLevelOfTheUncraftedBonuses) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  EXPECT_EQ(calc.View().BonusLevel.Text, "0");
  SetGem(calc, 1, 1, 4);   // Strength 14: nearest(9.33) = 9
  SetGem(calc, 2, 11, 3);  // Crush Resist 5: 8
  EXPECT_EQ(calc.View().BonusLevel.Text, "13");
}

// ---- duplicate resolution

TEST(SpellcraftDuplicates, ASecondGemMovesToTheNextFreeBonus) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  calc.SCArchChange(1, 1);  // "0. Attributes"
  calc.SCFakeChange(1, 1);  // Strength
  calc.SCArchChange(2, 1);
  calc.SCFakeChange(2, 1);  // Strength again
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{1, 2, 0, 0}));
  // The gem left the entry the user chose, so its selector shows the full listing.
  SpellcraftView view = calc.View();
  EXPECT_EQ(view.Gems[1].Archetype.Selection, 7);
  EXPECT_EQ(view.Gems[1].Bonus.Text(), "Constitution");
  EXPECT_EQ(view.Gems[0].Archetype.Selection, 1);

  calc.SCArchChange(3, 1);
  calc.SCFakeChange(3, 1);  // Strength a third time: Constitution is taken as well
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{1, 2, 3, 0}));
  EXPECT_EQ(calc.State().Gems[2].TierIndex, 0);
  EXPECT_EQ(calc.State().Gems[2].Value, 2);
}

TEST(SpellcraftDuplicates, MovingUpOntoATakenBonusEmptiesTheGem) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SetGem(calc, 1, 1);
  SetGem(calc, 2, 3);       // Dexterity
  calc.SCFakeChange(2, 1);  // up onto Strength
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{1, 0, 0, 0}));
  EXPECT_EQ(calc.State().Remembered[1], 0);
  EXPECT_FALSE(calc.View().Gems[1].Value.Enabled);

  // With every other gem filled the step lands on the empty entry itself.
  SpellcraftCalculator full = OpenTab(ContextFor(kChest));
  SetGem(full, 1, 1);
  SetGem(full, 2, 3);
  SetGem(full, 3, 50);
  SetGem(full, 4, 60);
  full.SCFakeChange(2, 1);
  EXPECT_EQ(GemIndexes(full), (std::vector<int>{1, 0, 50, 60}));
}

TEST(SpellcraftDuplicates, StepsDownPastSeveralTakenBonuses) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SetGem(calc, 1, 4);
  SetGem(calc, 2, 3);
  SetGem(calc, 3, 10);
  calc.SCFakeChange(3, 4);  // down from 10 onto 4, then 3 is taken too
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{4, 3, 2, 0}));
  SetGem(calc, 4, 138);
  calc.SCFakeChange(4, 137);
  EXPECT_EQ(calc.State().Gems[3].BonusIndex, 137);
  SetGem(calc, 1, 137);  // up from 4 onto 137, 138 is free
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{138, 3, 2, 137}));
  SetGem(calc, 2, 138);  // up from 3 past the end of the list
  EXPECT_EQ(GemIndexes(calc), (std::vector<int>{138, 0, 2, 137}));
}

TEST(SpellcraftDuplicates, AnEmptiedGemGivenItsOldBonusStillAvoidsDuplicates) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SetGem(calc, 2, 2);       // Constitution remembered by gem 2
  calc.SCFakeChange(2, 0);  // emptied
  SetGem(calc, 3, 2);       // gem 3 takes Constitution
  SetGem(calc, 2, 2);       // gem 2 asks for it again
  const auto gems = GemIndexes(calc);
  EXPECT_EQ(gems[2], 2);
  EXPECT_NE(gems[1], 2);
  EXPECT_EQ(gems[1], 3);
}

TEST(SpellcraftDuplicates, NoTwoGemsEverShareABonus) {
  // A scripted walk over many selections in every gem slot.
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  unsigned seed = 12345;
  for (int step = 0; step < 600; ++step) {
    seed = seed * 1103515245u + 12345u;
    const int gem = static_cast<int>((seed >> 16) % 4) + 1;
    const int index = static_cast<int>((seed >> 8) % 12);  // a crowded corner of the list
    calc.SCArchChange(gem, 7);
    calc.SCFakeChange(gem, index);
    const auto gems = GemIndexes(calc);
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = a + 1; b < 4; ++b) {
        if (gems[a] != 0) {
          ASSERT_NE(gems[a], gems[b]) << "step " << step;
        }
      }
  }
}

// ---- selectors

TEST(SpellcraftSelectors, ArchetypesValuesAndIgnoredInput) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  calc.SCArchChange(1, 0);
  SpellcraftView view = calc.View();
  EXPECT_EQ(view.Gems[0].Bonus.Entries, (std::vector<std::string>{"<Choose an Archtype>"}));
  EXPECT_FALSE(view.Gems[0].Value.Enabled);

  calc.SCArchChange(1, 2);  // "1. Resistances"
  view = calc.View();
  ASSERT_EQ(view.Gems[0].Bonus.Entries.size(), 10u);
  EXPECT_EQ(view.Gems[0].Bonus.Entries[0], "<Empty>");
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 0);
  calc.SCFakeChange(1, 3);  // Thrust Resist
  view = calc.View();
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 13);
  EXPECT_EQ(view.Gems[0].Value.Entries,
            (std::vector<std::string>{"1", "2", "3", "5", "7", "9", "11", "13", "15", "17"}));
  EXPECT_EQ(view.Gems[0].Value.Selection, 0);
  EXPECT_TRUE(view.Gems[0].Value.Enabled);
  EXPECT_EQ(view.Gems[0].Archetype.Text(), "1. Resistances");
  EXPECT_EQ(view.Gems[0].Archetype.Entries.size(), 8u);

  calc.csChange(1, 10);  // past the ladder
  calc.SCFakeChange(1, 10);
  calc.SCArchChange(1, 8);
  calc.SCFakeChange(5, 1);
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 13);
  EXPECT_EQ(calc.State().Gems[0].TierIndex, 0);
  EXPECT_EQ(calc.State().Gems[0].Archetype, 2);

  calc.SCArchChange(1, 3);  // a new archetype empties the gem
  EXPECT_EQ(calc.State().Gems[0].BonusIndex, 0);
  EXPECT_EQ(calc.State().Gems[0].TierIndex, kNoTier);
}

TEST(SpellcraftSelectors, LevelEntriesAndTheFifthSelector) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  EXPECT_EQ(calc.View().Level.Selection, 50);
  EXPECT_TRUE(calc.View().Fifth.Enabled);
  calc.sLevelChange(45);
  EXPECT_EQ(calc.View().Level.Selection, 44);
  EXPECT_EQ(calc.View().Level.Text(), "45");
  EXPECT_EQ(calc.View().Level.Entries.size(), 51u);
  EXPECT_EQ(calc.View().Armour.Entries.back(), "Non-Armor");
  EXPECT_FALSE(calc.View().Fifth.Enabled);
  calc.cProc2Select(1);  // disabled: ignored
  EXPECT_EQ(calc.State().ChoiceIndex, 0);
  calc.sLevelChange(0);
  EXPECT_EQ(calc.State().Level, 1);
  calc.sLevelChange(99);
  EXPECT_EQ(calc.State().Level, 51);
}

// ---- fifth slot

TEST(SpellcraftFifthSlot, LegendaryWeaponNeedsThreeGems) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kRightHand));
  calc.cProc2Select(ChoicePosition(calc, 17));
  EXPECT_EQ(calc.State().FifthIndex, 17);
  SetGem(calc, 1, 1, 0);
  SetGem(calc, 2, 2, 0);
  EXPECT_EQ(calc.SetFifth(), FifthSlotBonus{});
  TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kPreview);
  EXPECT_EQ(item.BonusCode[8], 0);
  SetGem(calc, 3, 3, 0);
  EXPECT_EQ(calc.SetFifth(), (FifthSlotBonus{148, 10, 150, 3}));
  item = calc.BuildCraftedItem(CraftedItemVariant::kPreview);
  EXPECT_EQ(item.BonusCode[8], 148);
  EXPECT_EQ(item.BonusValue[8], 10);
  EXPECT_EQ(item.BonusCode[9], 150);
  EXPECT_EQ(item.BonusValue[9], 3);
}

TEST(SpellcraftFifthSlot, OrdinaryBonusesNeedFourGemsUnlessForced) {
  SpellcraftContext context = ContextFor(kHands);
  context.MaxArmor = 0;
  SpellcraftCalculator calc = OpenTab(context);
  calc.cProc2Select(ChoicePosition(calc, 12));  // Armor Factor + 10
  for (int k = 1; k <= 3; ++k) SetGem(calc, k, k);
  EXPECT_EQ(calc.GemCount(), 3);
  EXPECT_EQ(calc.SetFifth(), FifthSlotBonus{});
  SetGem(calc, 4, 4);
  EXPECT_EQ(calc.SetFifth(), (FifthSlotBonus{148, 10, 0, 0}));
  const TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kPreview);
  EXPECT_EQ(item.BonusCode[9], 0);
  EXPECT_EQ(item.BonusValue[9], 0);

  context.ForceFifthSlot = true;
  SpellcraftCalculator forced = OpenTab(context);
  forced.cProc2Select(ChoicePosition(forced, 12));
  EXPECT_EQ(forced.GemCount(), 4);
  EXPECT_EQ(forced.SetFifth(), (FifthSlotBonus{148, 10, 0, 0}));
}

TEST(SpellcraftFifthSlot, LegendaryLocksTheFourthGemOfAWeaponOnly) {
  SpellcraftContext context = ContextFor(kLeftHand);
  context.ShieldSize = 17;
  SpellcraftCalculator calc = OpenTab(context);
  SetGem(calc, 4, 30, 2);
  calc.cProc2Select(ChoicePosition(calc, 17));
  const TSpellcraftGem& gem4 = calc.State().Gems[3];
  EXPECT_EQ(gem4.BonusIndex, 0);
  EXPECT_EQ(gem4.TierIndex, kNoTier);
  EXPECT_FALSE(gem4.Enabled);
  SpellcraftView view = calc.View();
  EXPECT_EQ(view.Gems[3].Archetype.Selection, 0);
  EXPECT_FALSE(view.Gems[3].Archetype.Enabled);
  EXPECT_FALSE(view.Gems[3].Bonus.Enabled);
  EXPECT_FALSE(view.Gems[3].Value.Enabled);
  calc.SCArchChange(4, 7);  // a locked gem takes nothing
  calc.SCFakeChange(4, 30);
  EXPECT_EQ(calc.State().Gems[3].BonusIndex, 0);

  calc.cProc2Select(ChoicePosition(calc, 1));  // another bonus releases it
  EXPECT_TRUE(calc.State().Gems[3].Enabled);
  EXPECT_TRUE(calc.View().Gems[3].Bonus.Enabled);

  // The bow's legendary bonus locks the ranged weapon's fourth gem too.
  SpellcraftContext ranged = ContextFor(kRanged);
  ranged.UsesBow = true;
  SpellcraftCalculator bow = OpenTab(ranged);
  bow.cProc2Select(ChoicePosition(bow, 31));
  EXPECT_FALSE(bow.State().Gems[3].Enabled);
}

TEST(SpellcraftFifthSlot, LoweringTheLevelDropsTheBonusAndReleasesTheGem) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kRightHand));
  calc.cProc2Select(ChoicePosition(calc, 17));
  for (int k = 1; k <= 3; ++k) SetGem(calc, k, k);
  // Albion's right-hand entry spells its name without the blank.
  EXPECT_EQ(calc.AutoNameText(), "Elemental Weapon (Armor Factor+10, Damage vs All +3%)");
  calc.sLevelChange(50);
  EXPECT_EQ(calc.State().ChoiceIndex, 0);
  EXPECT_EQ(calc.State().FifthIndex, 0);
  EXPECT_EQ(calc.View().Fifth.Selection, 0);
  EXPECT_FALSE(calc.View().Fifth.Enabled);
  EXPECT_EQ(calc.SetFifth(), FifthSlotBonus{});
  EXPECT_EQ(calc.BuildCraftedItem(CraftedItemVariant::kPreview).BonusCode[8], 0);
  EXPECT_EQ(calc.View().Name.Text, "Lv50 Weapon");
  EXPECT_TRUE(calc.State().Gems[3].Enabled);
  EXPECT_EQ(calc.State().SavedFifthIndex, 0);
}

// ---- names

TEST(SpellcraftNames, GeneratedFromLevelArmourSlotAndFifthSlot) {
  const struct {
    int slot, realm, level, armour;
    std::string name;
  } cases[] = {
      {kChest, 0, 45, 2, "Lv45 Studded"},
      {kChest, 1, 45, 2, "Lv45 Reinforced"},
      {kChest, 1, 51, 3, "Lv51 Scale"},
      {kChest, 2, 51, 3, "Lv51 Chain"},
      {kChest, 0, 51, 3, "Lv51 Chain"},
      {kHead, 0, 30, 0, "Lv30 Cloth"},
      {kArms, 2, 51, 1, "Lv51 Leather"},
      {kFeet, 0, 51, 4, "Lv51 Plate"},
      {kCloak, 0, 1, 5, "Lv1 Tailored Cloak"},
      {kRightHand, 0, 51, 5, "Lv51 Weapon"},
      {kLeftHand, 0, 51, 5, "Lv51 Weapon/Shield"},
      {kTwoHand, 0, 40, 5, "Lv40 Weapon"},
      {kRanged, 1, 51, 5, "Lv51 Weapon"},
  };
  for (const auto& c : cases) {
    SpellcraftCalculator calc = OpenTab(ContextFor(c.slot, c.realm));
    calc.cAbsSelect(c.armour);
    calc.sLevelChange(c.level);
    EXPECT_EQ(calc.View().Name.Text, c.name);
    EXPECT_EQ(calc.State().Name, c.name);
  }
}

TEST(SpellcraftNames, FifthSlotCaptionOrItemName) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kLeftHand));
  calc.cProc2Select(ChoicePosition(calc, 1));  // no item name
  EXPECT_EQ(calc.View().Name.Text, "Lv51 Weapon/Shield : ( Strength Cap + 5 )");
  calc.cProc2Select(ChoicePosition(calc, 17));
  EXPECT_EQ(calc.View().Name.Text, "Elemental Weapon (Armor Factor +10, Damage vs All +3%)");

  SpellcraftCalculator chest = OpenTab(ContextFor(kChest));
  chest.cProc2Select(1);
  EXPECT_EQ(chest.View().Name.Text, "Sigil Gilded Plate Breastplate (All Melee +3)");
  chest.cAbsSelect(3);  // a new armour class returns to "No Extra Bonus"
  EXPECT_EQ(chest.View().Name.Text, "Lv51 Chain");
}

TEST(SpellcraftNames, TypedNamesSurviveUntilAutonamingReturns) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  calc.TypeName("My Chest");
  EXPECT_FALSE(calc.View().AutoName.Checked);
  SetGem(calc, 1, 1, 3);
  calc.sLevelChange(40);
  calc.cAbsSelect(2);
  calc.btnGemClearClick();
  EXPECT_EQ(calc.View().Name.Text, "My Chest");
  EXPECT_EQ(calc.State().Name, "My Chest");
  EXPECT_EQ(calc.BuildCraftedItem(CraftedItemVariant::kReturned).Name.View(), "My Chest");

  calc.AutoNameClick(true);
  EXPECT_EQ(calc.View().Name.Text, "Lv40 Studded");
  calc.AutoNameClick(false);  // unticking keeps the text it shows
  EXPECT_EQ(calc.View().Name.Text, "Lv40 Studded");
  calc.sLevelChange(41);
  EXPECT_EQ(calc.View().Name.Text, "Lv40 Studded");
}

TEST(SpellcraftNames, LongNamesAreCutInTheItemOnly) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  const std::string longName(70, 'x');
  calc.TypeName(longName);
  EXPECT_EQ(calc.View().Name.Text, longName);
  EXPECT_EQ(calc.State().Name, std::string(51, 'x'));
  EXPECT_EQ(calc.BuildCraftedItem(CraftedItemVariant::kReturned).Name.Size(), 51u);
}

// ---- preview

TEST(SpellcraftPreview, FollowsValidDesignsWhileTheTabIsActive) {
  SpellcraftCalculator calc(ContextFor(kChest));
  std::vector<TItemRecord> shown;
  calc.SetPreviewSink([&shown](const TItemRecord& item) { shown.push_back(item); });
  calc.Open(EmptyItem());
  EXPECT_TRUE(shown.empty()) << "a cleared tab on another page previews nothing";
  calc.SCEnter();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().Crafted, 1);
  EXPECT_EQ(shown.back().ClassUsable[0], 0);

  SetGem(calc, 1, 1, 9);
  SetGem(calc, 2, 2, 9);
  SetGem(calc, 3, 3, 9);
  SetGem(calc, 4, 4, 6);
  EXPECT_EQ(shown.back().BonusValue[3], 20);
  const std::size_t before = shown.size();
  calc.csChange(4, 9);  // over the limit: the slot keeps the last valid design
  EXPECT_EQ(shown.size(), before);
  EXPECT_FALSE(calc.View().Return.Enabled);
  EXPECT_FALSE(calc.btnReturnClick().has_value());
  calc.csChange(4, 6);
  EXPECT_GT(shown.size(), before);

  calc.SCExit();
  const std::size_t left = shown.size();
  calc.csChange(4, 5);
  EXPECT_EQ(shown.size(), left);
}

}  // namespace
}  // namespace qm
