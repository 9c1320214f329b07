// Closing the item workbench: return in each mode, cancel, empty slot,
// the previous-item history, auto-return, and what the preview shows.
#include <gtest/gtest.h>

#include <cstring>

#include "spellcraft/spellcraft_gems.h"
#include "workbench/item_search.h"
#include "workbench/item_workbench_fixture.h"

namespace qm {
namespace {

using testing::ItemWorkbenchTest;

bool SameBytes(const TItemRecord& a, const TItemRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(ItemWorkbenchTest, HistoryStartsAllZero) {
  const TItemRecord zero{};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    EXPECT_TRUE(SameBytes(window_.LastReturned(slot), zero)) << slot;
    EXPECT_TRUE(SameBytes(window_.ReturnedBefore(slot), zero)) << slot;
  }
}

TEST_F(ItemWorkbenchTest, ReturningShiftsTheSlotsHistory) {
  Open(RequestFor(kRing1, 5));
  window_.SelectEntry(Row("Mighty Ring"));
  window_.btnReturnClick();
  ASSERT_TRUE(window_.Closed());
  EXPECT_TRUE(window_.Outcome().Ok);
  TakeOutcome(kRing1);
  EXPECT_EQ(window_.LastReturned(kRing1).Name.View(), "Mighty Ring");

  Open(RequestFor(kRing1, 5, tpl_.Slot(kRing1)));
  EXPECT_EQ(SelectedName(), "Mighty Ring");
  window_.LItemsDblClick(Row("Ring of Wisdom"));  // a double click returns as well
  TakeOutcome(kRing1);
  EXPECT_EQ(window_.LastReturned(kRing1).Name.View(), "Ring of Wisdom");
  EXPECT_EQ(window_.ReturnedBefore(kRing1).Name.View(), "Mighty Ring");
  // Other slots keep their own history.
  EXPECT_EQ(window_.LastReturned(kRing2).Name.Size(), 0u);

  // "&Previous Item" brings back the first of the two.
  Open(RequestFor(kRing1, 5, tpl_.Slot(kRing1)));
  window_.btnPrevClick();
  EXPECT_EQ(window_.StartingItem().Name.View(), "Mighty Ring");
  EXPECT_EQ(window_.SearchName(), "Mighty Ring");
  EXPECT_EQ(SelectedName(), "Mighty Ring");
  EXPECT_EQ(tpl_.Slot(kRing1).Name.View(), "Mighty Ring");
  window_.btnCancelClick();
  TakeOutcome(kRing1);
  EXPECT_EQ(tpl_.Slot(kRing1).Name.View(), "Ring of Wisdom");  // what the slot held
}

TEST_F(ItemWorkbenchTest, PreviousItemFallsBackToTheLastReturnedOne) {
  Open(RequestFor(kRing2, 5));
  window_.SelectEntry(Row("Ring of Wisdom"));
  window_.btnReturnClick();
  TakeOutcome(kRing2);
  Open(RequestFor(kRing2, 5));
  window_.btnPrevClick();  // nothing returned before the last one
  EXPECT_EQ(window_.StartingItem().Name.View(), "Ring of Wisdom");
}

TEST_F(ItemWorkbenchTest, PreviousItemOfAFreshSlotIsTheEmptyItem) {
  TItemRecord held = testing::VaultEntry("Helm of Albion", 8, 0);
  Open(RequestFor(kHead, 8, held));
  window_.btnPrevClick();
  EXPECT_TRUE(SameBytes(window_.StartingItem(), EmptyItem()));
  EXPECT_EQ(window_.SearchName(), "");
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  EXPECT_EQ(SelectedName(), "Helm of Albion");  // an empty slot offers the first entry
  window_.btnCancelClick();
  TakeOutcome(kHead);
  EXPECT_TRUE(SameBytes(tpl_.Slot(kHead), held));  // the slot keeps its own item
}

TEST_F(ItemWorkbenchTest, CancelAfterPreviousItemPutsTheSlotsOwnItemBack) {
  // Two returns into the ring slot: "Mighty Ring" first, "Ring of Wisdom" last.
  for (const char* name : {"Mighty Ring", "Ring of Wisdom"}) {
    Open(RequestFor(kRing1, 5, tpl_.Slot(kRing1)));
    window_.SelectEntry(Row(name));
    window_.btnReturnClick();
    TakeOutcome(kRing1);
  }
  // The slot now holds something else again; "&Previous Item" previews the
  // first returned item, and cancelling must leave the slot as it was.
  TItemRecord held = testing::VaultEntry("Band of Nobody", 5, 3);
  Open(RequestFor(kRing1, 5, held));
  window_.btnPrevClick();
  EXPECT_EQ(window_.StartingItem().Name.View(), "Mighty Ring");
  EXPECT_EQ(tpl_.Slot(kRing1).Name.View(), "Mighty Ring");
  window_.btnCancelClick();
  EXPECT_FALSE(window_.Outcome().Ok);
  EXPECT_TRUE(SameBytes(window_.Outcome().Item, held));

  // Closing by the title bar after "&Previous Item" is a cancel as well.
  Open(RequestFor(kRing1, 5, held));
  window_.btnPrevClick();
  window_.FormCloseQuery();
  EXPECT_TRUE(SameBytes(window_.Outcome().Item, held));
  // A cancel leaves the history alone.
  EXPECT_EQ(window_.LastReturned(kRing1).Name.View(), "Ring of Wisdom");
  EXPECT_EQ(window_.ReturnedBefore(kRing1).Name.View(), "Mighty Ring");
}

TEST_F(ItemWorkbenchTest, CancelPutsTheStartingItemBack) {
  TItemRecord held = testing::VaultEntry("My Old Cloak", 3, 3);
  held.Unique = 0;
  Open(RequestFor(kCloak, 3, held));
  window_.LoadEnter();
  window_.SelectEntry(Row("Cloak of the Ages"));
  EXPECT_EQ(tpl_.Slot(kCloak).Name.View(), "Cloak of the Ages");  // previewed
  window_.btnCancelClick();
  EXPECT_FALSE(window_.Outcome().Ok);
  TakeOutcome(kCloak);
  EXPECT_TRUE(SameBytes(tpl_.Slot(kCloak), held));
  EXPECT_EQ(window_.LastReturned(kCloak).Name.Size(), 0u);
}

TEST_F(ItemWorkbenchTest, ClosingTheWindowCountsAsCancel) {
  TItemRecord held = testing::VaultEntry("Helm of Albion", 8, 0);
  Open(RequestFor(kHead, 8, held));
  window_.SelectEntry(0);
  window_.FormCloseQuery();
  EXPECT_FALSE(window_.Outcome().Ok);
  EXPECT_TRUE(SameBytes(window_.Outcome().Item, held));
  // A closed window takes no more commands.
  window_.btnReturnClick();
  EXPECT_FALSE(window_.Outcome().Ok);
}

TEST_F(ItemWorkbenchTest, EmptySlotReturnsTheEmptyItemWithoutHistory) {
  TItemRecord held = testing::VaultEntry("Helm of Albion", 8, 0);
  Open(RequestFor(kHead, 8, held));
  window_.btnEmptyClick();
  EXPECT_TRUE(window_.Outcome().Ok);
  EXPECT_TRUE(SameBytes(window_.Outcome().Item, EmptyItem()));
  EXPECT_EQ(window_.LastReturned(kHead).Name.Size(), 0u);
}

TEST_F(ItemWorkbenchTest, AutoReturnTakesTheRequestedEntryOrCancels) {
  TItemRecord held = testing::VaultEntry("Old Chestpiece", 7, 3);
  WorkbenchRequest request = RequestFor(kChest, 7, held);
  request.AutoReturn = {"Universal Jerkin", true};
  const SlotPreview preview = [this](int slot, const TItemRecord& item) { tpl_.Slot(slot) = item; };
  WorkbenchOutcome outcome = RunWorkbenchHeadless(window_, request, preview);
  EXPECT_TRUE(outcome.Ok);
  EXPECT_EQ(outcome.Item.Name.View(), "Universal Jerkin");
  EXPECT_EQ(window_.LastReturned(kChest).Name.View(), "Universal Jerkin");

  request.AutoReturn = {"Jerkin of Nowhere", true};
  outcome = RunWorkbenchHeadless(window_, request, preview);
  EXPECT_FALSE(outcome.Ok);
  EXPECT_TRUE(SameBytes(outcome.Item, held));

  // A plain opening never closes by itself on its first paint.
  Open(RequestFor(kChest, 7));
  window_.FormPaint();
  EXPECT_FALSE(window_.Closed());
}

TEST_F(ItemWorkbenchTest, AutoReturnNeverOpensTheEditorOrTheDesign) {
  TItemRecord custom = testing::VaultEntry("Custom Vest", 7, 3);
  custom.Unique = 1;
  WorkbenchRequest request = RequestFor(kChest, 7, custom);
  request.AutoReturn = {"Breastplate", true};
  Open(request);
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  window_.FormPaint();
  EXPECT_EQ(window_.Outcome().Item.Name.View(), "Breastplate of Valor");
  window_.FormPaint();  // a second paint changes nothing
  EXPECT_EQ(window_.LastReturned(kChest).Name.View(), "Breastplate of Valor");
  EXPECT_EQ(window_.ReturnedBefore(kChest).Name.Size(), 0u);
}

// A crafted chest: Strength 20 in gem 1 (tier 6) at level 51 plate.
TItemRecord CraftedChest() {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Lv51 Plate");
  item.Crafted = 1;
  item.ItemType = kItemTypePlayerCrafted;
  item.Level = 51;
  item.Armor = 4;
  item.BonusCode[0] = 1;
  item.BonusValue[0] = 20;
  item.BonusValue[4] = 6;
  item.BonusLevelFixed = 1;  // autonaming on
  return item;
}

TEST_F(ItemWorkbenchTest, ACraftedStartingItemOpensOnItsDesign) {
  TItemRecord crafted = CraftedChest();
  crafted.Name.Assign("Breastplate of Valor");  // even a name the vault lists
  Open(RequestFor(kChest, 7, crafted));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kSpellcraft);
  EXPECT_EQ(window_.View().ActiveTab, WorkbenchTab::kSpellcraft);
  EXPECT_TRUE(window_.View().Return.Enabled);
  EXPECT_EQ(window_.Spellcraft().State().Gems[0].BonusIndex, 1);
  ASSERT_FALSE(previews_.empty());
  EXPECT_EQ(previews_.back().Crafted, 1);
  EXPECT_EQ(previews_.back().BonusCode[0], 1);
  EXPECT_EQ(previews_.back().BonusValue[0], 20);

  window_.btnReturnClick();
  ASSERT_TRUE(window_.Outcome().Ok);
  EXPECT_EQ(window_.Outcome().Item.Crafted, 1);
  EXPECT_EQ(window_.Outcome().Item.ClassUsable[0], 1);  // the returned variant
  EXPECT_EQ(window_.LastReturned(kChest).Crafted, 1);
}

TEST_F(ItemWorkbenchTest, TheSpellcraftSkillComesFromTheRequestAndGoesBackOnClosing) {
  WorkbenchRequest request = RequestFor(kChest, 7, CraftedChest());
  request.Settings.CraftSkill = 640;
  Open(request);
  EXPECT_EQ(window_.Spellcraft().View().Skill.Value, 640);
  window_.Spellcraft().eSkillChange(910);
  window_.btnCancelClick();
  EXPECT_EQ(window_.Outcome().CraftSkill, 910);

  // The next opening starts from what the settings hold, not from the last edit.
  request.Settings.CraftSkill = 300;
  Open(request);
  EXPECT_EQ(window_.Spellcraft().State().CraftSkill, 300);
  window_.btnReturnClick();
  EXPECT_EQ(window_.Outcome().CraftSkill, 300);

  // A slot without the tab has no skill to hand back.
  Open(RequestFor(kRing1, 5));
  window_.btnEmptyClick();
  EXPECT_FALSE(window_.Outcome().CraftSkill.has_value());
}

TEST_F(ItemWorkbenchTest, OtherItemsOpenWithAClearedDesign) {
  Open(RequestFor(kChest, 7));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  EXPECT_TRUE(window_.View().SpellcraftTab.Visible);
  EXPECT_TRUE(window_.Spellcraft().State().AutoNaming);
  EXPECT_EQ(window_.Spellcraft().State().Level, 51);
  for (const TItemRecord& item : previews_) EXPECT_EQ(item.Crafted, 0);

  // Rings are not crafted: no design tab at all.
  window_.btnCancelClick();
  Open(RequestFor(kRing1, 5));
  EXPECT_FALSE(window_.View().SpellcraftTab.Visible);
  window_.ActivateTab(WorkbenchTab::kSpellcraft);
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
}

TEST_F(ItemWorkbenchTest, ADesignOverItsLimitIsNeverPreviewedNorReturned) {
  Open(RequestFor(kChest, 7));
  window_.ActivateTab(WorkbenchTab::kSpellcraft);
  SpellcraftCalculator& craft = window_.Spellcraft();
  craft.cAbsSelect(4);  // plate
  // Three attribute gems of 29: charge 32, within 37.5.
  for (int gem = 1; gem <= 3; ++gem) {
    craft.SCArchChange(gem, 1);
    craft.SCFakeChange(gem, gem);
    craft.csChange(gem, 9);
  }
  ASSERT_TRUE(craft.State().Valid);
  ASSERT_FALSE(previews_.empty());
  const TItemRecord lastValid = tpl_.Slot(kChest);
  EXPECT_EQ(lastValid.BonusValue[2], 29);

  const std::size_t before = previews_.size();
  craft.SCArchChange(4, 1);
  craft.SCFakeChange(4, 4);
  craft.csChange(4, 9);  // charge 40: over the limit
  ASSERT_FALSE(craft.State().Valid);
  EXPECT_FALSE(window_.View().Return.Enabled);
  window_.DisplayInMain();
  // Whatever reached the slot since was still within the limit.
  for (std::size_t i = before; i < previews_.size(); ++i) {
    EXPECT_NE(previews_[i].BonusValue[3], 29) << i;
  }
  EXPECT_NE(tpl_.Slot(kChest).BonusValue[3], 29);
  window_.btnReturnClick();
  EXPECT_FALSE(window_.Closed());

  // Leaving the tab previews the list entry; coming back previews nothing
  // while the design stays invalid.
  window_.LoadEnter();
  EXPECT_EQ(tpl_.Slot(kChest).Crafted, 0);
  const std::size_t onLoad = previews_.size();
  window_.ActivateTab(WorkbenchTab::kSpellcraft);
  EXPECT_EQ(previews_.size(), onLoad);
  craft.csChange(4, 0);  // back within the limit
  ASSERT_TRUE(craft.State().Valid);
  EXPECT_EQ(tpl_.Slot(kChest).Crafted, 1);
  window_.btnReturnClick();
  EXPECT_TRUE(window_.Outcome().Ok);
  EXPECT_EQ(window_.Outcome().Item.BonusValue[3], 2);
}

TEST_F(ItemWorkbenchTest, EachTabPreviewsWhatItWouldReturn) {
  Open(RequestFor(kChest, 7));
  window_.SelectEntry(Row("Universal Jerkin"));
  EXPECT_EQ(tpl_.Slot(kChest).Name.View(), "Universal Jerkin");

  window_.ActivateTab(WorkbenchTab::kInline);
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  EXPECT_EQ(tpl_.Slot(kChest).ItemType, kItemTypeUnique);
  window_.Editor().CustomItemNameChange("Typed Vest");
  EXPECT_EQ(tpl_.Slot(kChest).Name.View(), "Typed Vest");

  window_.ActivateTab(WorkbenchTab::kSpellcraft);
  EXPECT_EQ(tpl_.Slot(kChest).Crafted, 1);

  window_.ActivateTab(WorkbenchTab::kLoad);
  EXPECT_EQ(tpl_.Slot(kChest).Name.View(), "Universal Jerkin");
  window_.btnReturnClick();
  EXPECT_EQ(window_.Outcome().Item.Name.View(), "Universal Jerkin");
}

TEST_F(ItemWorkbenchTest, TheEditorReturnsWhatItBuilds) {
  Open(RequestFor(kChest, 7));
  window_.RoGClick();
  EXPECT_EQ(window_.View().Items.Selection, -1);
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  window_.btnReturnClick();
  const TItemRecord& item = window_.Outcome().Item;
  EXPECT_EQ(item.Name.View(), "Custom Item");
  EXPECT_EQ(item.ItemType, kItemTypeUnique);
  EXPECT_EQ(item.Note.View(), "Manually Entered (RoG) Item");
  for (int k = 0; k < kBonusRows; ++k) EXPECT_EQ(item.BonusCode[k], 0);
  EXPECT_EQ(item.Armor, 6);
  EXPECT_EQ(item.Level, 51);
}

}  // namespace
}  // namespace qm
