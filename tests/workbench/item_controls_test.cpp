// The Load Item tab's controls: minimum boxes, bonus filters, web searches,
// the commands that feed the editor, item files, default button and focus.
#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"
#include "vault/vault_browser.h"
#include "workbench/item_search.h"
#include "workbench/item_workbench_fixture.h"

namespace qm {
namespace {

using testing::ItemWorkbenchTest;

// Types keys into a minimum box the way the window does: insert at the
// caret, then let the model normalise.
std::string TypeInto(TfrmItems& window, int box, const std::string& keys) {
  AmountBoxEdit state{window.View().StatAmounts[static_cast<std::size_t>(box)].Text, 1};
  for (char key : keys) {
    if (!TfrmItems::InlineStatPress(key)) continue;
    std::string text = state.Text;
    if (key == kBackspaceKey) {
      if (state.Caret > 0) text.erase(static_cast<std::size_t>(state.Caret - 1), 1);
      state = window.statamtChange(box, text, std::max(state.Caret - 1, 0));
    } else {
      text.insert(static_cast<std::size_t>(state.Caret), 1, key);
      state = window.statamtChange(box, text, state.Caret + 1);
    }
  }
  return state.Text;
}

TEST_F(ItemWorkbenchTest, MinimumBoxesTakeDigitsUpToTwoHundred) {
  Open(RequestFor(kChest, 7));
  EXPECT_EQ(TypeInto(window_, 0, "5"), "5");
  window_.stat1amtDblClick(0);
  EXPECT_EQ(window_.View().StatAmounts[0].Text, "0");
  EXPECT_EQ(TypeInto(window_, 1, "250"), "200");
  EXPECT_EQ(TypeInto(window_, 2, "1x2"), "12");  // the letter never gets in
  window_.stat1amtDblClick(2);
  EXPECT_EQ(TypeInto(window_, 2, "\b"), "0");
  const ItemsWindowView view = window_.View();
  EXPECT_EQ(view.StatAmounts[1].Text, "200");
  EXPECT_EQ(view.StatAmounts[2].Text, "0");
}

TEST_F(ItemWorkbenchTest, ChoosingAnotherBonusResetsItsMinimum) {
  Open(RequestFor(kChest, 7));
  window_.FilterChange(SearchFilter::kStat1, 1);
  window_.statamtChange(0, "15", 2);
  window_.FilterChange(SearchFilter::kStat1, 1);  // the same bonus keeps it
  EXPECT_EQ(window_.View().StatAmounts[0].Text, "15");
  window_.FilterChange(SearchFilter::kStat2, 2);
  EXPECT_EQ(window_.View().StatAmounts[0].Text, "15");  // other rows leave it alone
  window_.FilterChange(SearchFilter::kStat1, 2);
  EXPECT_EQ(window_.View().StatAmounts[0].Text, "0");
}

TEST_F(ItemWorkbenchTest, StatFiltersNarrowTheSearch) {
  Open(RequestFor(kRing1, 5));
  ASSERT_GE(Row("Mighty Ring"), 0);
  ASSERT_GE(Row("Ring of Wisdom"), 0);
  window_.FilterChange(SearchFilter::kStat1, 1);  // Strength
  window_.statamtChange(0, "8", 1);
  window_.DirectoryChange();
  EXPECT_EQ(window_.View().Items.Entries, std::vector<std::string>{"Mighty Ring"});
  window_.statamtChange(0, "11", 2);
  window_.DirectoryChange();
  EXPECT_EQ(window_.View().Items.Entries, std::vector<std::string>{"No items found"});
  // A new search selects nothing by itself; the shown item stays until the
  // user picks a line.
  EXPECT_EQ(window_.View().Items.Selection, -1);
  EXPECT_EQ(window_.SelectedItem().Name.View(), "Mighty Ring");
  window_.SelectEntry(0);
  EXPECT_FALSE(window_.View().Return.Enabled);
  EXPECT_EQ(window_.SelectedItem().Name.View(), " ");
}

TEST_F(ItemWorkbenchTest, ArmourAndWeaponFiltersFollowTheSlot) {
  Open(RequestFor(kRing1, 5));
  window_.FilterChange(SearchFilter::kArmour, 3);
  window_.FilterChange(SearchFilter::kWeapon, 3);
  EXPECT_EQ(window_.View().Armour.Selection, 0);
  EXPECT_EQ(window_.View().Weapon.Selection, 0);
  window_.btnCancelClick();

  Open(RequestFor(kRightHand, 13));
  window_.FilterChange(SearchFilter::kWeapon, 3);
  window_.FilterChange(SearchFilter::kArmour, 3);
  window_.DirectoryChange();
  EXPECT_EQ(criteria_.weaponfilter, 3);
  EXPECT_EQ(criteria_.armorfilter, 0);
}

TEST_F(ItemWorkbenchTest, WebSearchesSendTheSelectedName) {
  Open(RequestFor(kRightHand, 13));
  window_.SelectEntry(Row("Sword of Light (Epic)"));
  window_.nAllakhazam();
  window_.nGoogle();
  ASSERT_EQ(shell_.opened.size(), 2u);
  EXPECT_EQ(shell_.opened[0], std::string(kItemDatabaseSearch) + "?terms=Sword+of+Light&a=Search");
  EXPECT_EQ(shell_.opened[1], std::string(kWebSearch) + "?hl=en&q=Sword+of+Light+%28Epic%29");

  // Nothing to look up: no selection, or the "No items found" line.
  window_.btnCancelClick();
  Open(RequestFor(kLegs, 11));
  window_.nAllakhazam();
  window_.nGoogle();
  EXPECT_EQ(shell_.opened.size(), 2u);
}

TEST_F(ItemWorkbenchTest, CopyingStatsNeedsASelectedEntry) {
  Open(RequestFor(kChest, 7));
  window_.RoGClick();  // clears the selection
  window_.btnCopyStatsClick();
  EXPECT_EQ(user_.messages,
            std::vector<std::string>{"An item must be selected to use this feature"});
  EXPECT_EQ(window_.Editor().View().Name.Text, "Custom Item");

  window_.LoadEnter();
  window_.SelectEntry(Row("Universal Jerkin"));
  window_.btnCopyStatsClick();
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  EXPECT_EQ(window_.View().ActiveTab, WorkbenchTab::kInline);
  EXPECT_EQ(window_.Editor().View().Name.Text, "Universal Jerkin");
  window_.btnReturnClick();
  const TItemRecord& item = window_.Outcome().Item;
  EXPECT_EQ(item.Note.View(), "Stats based upon Universal Jerkin");
  EXPECT_EQ(item.BonusCode[0], 2);
  EXPECT_EQ(item.BonusValue[0], 9);
  EXPECT_EQ(item.Unique, 1);
}

TEST_F(ItemWorkbenchTest, ALevelThirtyCharacterEditsAVaultChest) {
  tpl_.CharLevel = 30;
  Open(RequestFor(kChest, 7));
  window_.SelectEntry(Row("Breastplate of Valor"));
  window_.btnCopyStatsClick();
  window_.btnReturnClick();
  const TItemRecord& item = window_.Outcome().Item;
  EXPECT_EQ(item.Level, 30);
  EXPECT_EQ(item.Armor, 6);
  EXPECT_EQ(item.ItemType, kItemTypeUnique);
  EXPECT_EQ(item.Unique, 1);
  EXPECT_EQ(item.SlotKind, 7);
  EXPECT_EQ(item.Realm, 3);  // the vault item was Albion's
  EXPECT_EQ(window_.LastReturned(kChest).Level, 30);
}

TEST_F(ItemWorkbenchTest, ImportedItemsLoadIntoTheEditorAndExportsLeaveTheWindowAsItWas) {
  testing::TempFolder folder;
  WorkbenchRequest request = RequestFor(kCloak, 3);
  request.Settings.StartFolder = folder.Path().string();
  Open(request);
  window_.RoGClick();
  window_.Editor().CustomItemNameChange("Cape: of *Stars*");
  window_.Editor().aChange(0, 1);
  window_.Editor().SelectBonus(0, 2);
  window_.Editor().InlineStatChange(0, "11", 2);
  files_.saveAnswers.push_back(folder.File("cape"));
  window_.btnExportClick();
  ASSERT_EQ(files_.saveRequests.size(), 1u);
  EXPECT_EQ(files_.saveRequests[0].FileName, "Cape- of -Stars-");
  EXPECT_EQ(files_.saveRequests[0].InitialFolder, folder.Path().string());
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);

  window_.LoadEnter();
  files_.openAnswers.push_back(folder.File("cape.qmx"));
  user_.answers.push_back(Answer::Ok);  // a RoG has no slot kind: load it anyway
  window_.btnImportQMXClick();
  EXPECT_EQ(user_.questions.size(), 1u);
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  EXPECT_EQ(window_.Editor().View().Name.Text, "Cape: of *Stars*");
  EXPECT_EQ(tpl_.Slot(kCloak).BonusValue[0], 11);
  window_.btnReturnClick();
  EXPECT_EQ(window_.Outcome().Item.Name.View(), "Cape: of *Stars*");
}

TEST_F(ItemWorkbenchTest, SearchIsTheDefaultButtonOverTheFilters) {
  Open(RequestFor(kChest, 7));
  EXPECT_EQ(window_.View().Default, DefaultButton::kReturn);
  window_.ItemLoadHolderMouseEnter();
  EXPECT_EQ(window_.View().Default, DefaultButton::kSearch);
  window_.ItemLoadHolderMouseLeave();
  EXPECT_EQ(window_.View().Default, DefaultButton::kReturn);

  window_.MouseHover("stat2amt");
  EXPECT_EQ(window_.View().FocusedControl, "stat2amt");
  EXPECT_EQ(window_.View().Default, DefaultButton::kSearch);
  window_.MouseHover("btnCopyStats");
  EXPECT_EQ(window_.View().Default, DefaultButton::kSearch);
  window_.MouseHover("btnReturn");
  EXPECT_EQ(window_.View().FocusedControl, "btnReturn");
  EXPECT_EQ(window_.View().Default, DefaultButton::kReturn);
}

}  // namespace
}  // namespace qm
