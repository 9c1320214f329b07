// Opening the item workbench, searching the vault, and the choice of the
// tab and entry the window opens on.
#include <gtest/gtest.h>

#include <cstring>

#include "vault/vault_description.h"
#include "workbench/item_search.h"
#include "workbench/item_workbench_fixture.h"

namespace qm {
namespace {

using testing::ItemWorkbenchTest;

TEST_F(ItemWorkbenchTest, CoopAndPvPServersSearchEveryRealmExceptForTheHelm) {
  struct Case {
    int server;
    int slot;
    int slotFilter;
    int realm;
    bool hibernianListed;
  };
  const Case cases[] = {
      {kCoop, kChest, 7, 3, true},    {kCoop, kHead, 8, 0, false},
      {kPvP, kChest, 7, 3, true},     {kPvP, kHead, 8, 0, false},
      {kNormal, kChest, 7, 0, false}, {kClassic, kChest, 7, 0, false},
      {kOrigins, kHead, 8, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.server) + "/" + std::to_string(c.slot));
    tpl_.ServerType = static_cast<std::uint8_t>(c.server);
    Open(RequestFor(c.slot, c.slotFilter));
    EXPECT_EQ(criteria_.RealmFilter, c.realm);
    EXPECT_EQ(window_.SearchRealm(), c.realm);
    const bool listed = Row(c.slot == kHead ? "Helm of Hibernia" : "Hibernian Vest") >= 0;
    EXPECT_EQ(listed, c.hibernianListed);
    window_.btnCancelClick();
  }
}

TEST_F(ItemWorkbenchTest, TheSearchWritesTheSharedCriteria) {
  criteria_.HideQs = true;
  criteria_.NameFilter = "left by the vault browser";
  criteria_.ExpansionFilter = 4;
  criteria_.FilterServer = 3;
  WorkbenchRequest request = RequestFor(kChest, 7);
  request.Settings.VerifiedOnly = true;
  tpl_.ClassIndex = 20;  // a Hibernian champion
  request.Character = WorkbenchCharacter::Of(tpl_);
  Open(request);
  window_.FilterChange(SearchFilter::kItemType, 3);
  window_.FilterChange(SearchFilter::kStat2, 12);
  window_.statamtChange(1, "15", 2);
  window_.FilterChange(SearchFilter::kArmour, 2);
  window_.FilterChange(SearchFilter::kProc, 4);
  window_.DirectoryChange();

  EXPECT_EQ(criteria_.FilterServer, 0);
  EXPECT_EQ(criteria_.RealmFilter, 1);
  EXPECT_EQ(criteria_.ITypeFilter, 3);
  EXPECT_EQ(criteria_.SFilter1, 0);
  EXPECT_EQ(criteria_.SFilter2, 12);
  EXPECT_EQ(criteria_.stat2amt, "15");
  EXPECT_EQ(criteria_.armorfilter, 2);
  EXPECT_EQ(criteria_.weaponfilter, 0);
  EXPECT_EQ(criteria_.SlotFilter, 7);
  EXPECT_EQ(criteria_.ExpansionFilter, 0);
  EXPECT_EQ(criteria_.NameFilter, "");
  EXPECT_EQ(criteria_.ClassFilter, 21);
  EXPECT_EQ(criteria_.ProcFilter, 4);
  EXPECT_TRUE(criteria_.cVerified);
  EXPECT_TRUE(criteria_.HideQs);  // not the workbench's to change
}

TEST_F(ItemWorkbenchTest, TheListingShowsWhatMatchedAndItsCount) {
  Open(RequestFor(kCloak, 3));
  const ItemsWindowView view = window_.View();
  EXPECT_EQ(view.Items.Entries,
            (std::vector<std::string>{"cloak of shadows", "Cloak of the Ages"}));  // not Midgard
  EXPECT_EQ(view.Indices, (std::vector<int>{1, 2}));
  EXPECT_EQ(view.ListingCaption.Text, "Item &Listing : ( 2 ) ");
}

TEST_F(ItemWorkbenchTest, TheBonusLevelLimitFollowsTheCharacterLevel) {
  std::vector<TItemRecord> entries(vault_.Entries().begin(), vault_.Entries().end());
  TItemRecord heavy = testing::VaultEntry("Heavy Ring", 5, 3, {});
  heavy.BonusLevelFixed = 1;
  heavy.BonusLevel = 35;
  entries.push_back(heavy);
  vault_.Assign(entries);

  tpl_.CharLevel = 30;
  Open(RequestFor(kRing1, 5));
  EXPECT_LT(Row("Heavy Ring"), 0);
  window_.btnCancelClick();
  tpl_.CharLevel = 40;
  Open(RequestFor(kRing1, 5));
  EXPECT_GE(Row("Heavy Ring"), 0);
}

TEST_F(ItemWorkbenchTest, AStartingNameSelectsTheFirstEntryBeginningWithItIgnoringCase) {
  TItemRecord starting = EmptyItem();
  starting.Name.Assign("Cloak of");
  Open(RequestFor(kCloak, 3, starting));
  EXPECT_EQ(SelectedName(), "cloak of shadows");
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  EXPECT_EQ(window_.View().ActiveTab, WorkbenchTab::kLoad);
  EXPECT_EQ(window_.SelectedItem().Name.View(), "cloak of shadows");
  // The found entry is previewed at once.
  ASSERT_FALSE(previews_.empty());
  EXPECT_EQ(tpl_.Slot(kCloak).Name.View(), "cloak of shadows");
}

TEST_F(ItemWorkbenchTest, AnEmptySlotOpensOnTheFirstEntry) {
  Open(RequestFor(kRing1, 5));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  EXPECT_EQ(SelectedName(), "Mighty Ring");
  EXPECT_TRUE(window_.View().Return.Enabled);
  EXPECT_EQ(tpl_.Slot(kRing1).Name.View(), "Mighty Ring");
}

TEST_F(ItemWorkbenchTest, NothingFoundExplainsAndDisablesReturn) {
  Open(RequestFor(kLegs, 11));
  const ItemsWindowView view = window_.View();
  EXPECT_EQ(view.Items.Entries, std::vector<std::string>{"No items found"});
  EXPECT_EQ(view.Items.Selection, 0);
  EXPECT_EQ(view.ItemMemo.Lines, NoItemsFoundLines());
  ASSERT_EQ(view.ItemMemo.Lines.size(), 9u);
  EXPECT_EQ(view.ItemMemo.Lines[0],
            "No items were found with those parameters. Please refine your search and try "
            "again.");
  EXPECT_EQ(view.ItemMemo.Lines[8], "Etc, etc, etc...");
  EXPECT_FALSE(view.Return.Enabled);
  window_.btnReturnClick();
  EXPECT_FALSE(window_.Closed());
}

TEST_F(ItemWorkbenchTest, AHandMadeItemOpensInTheEditor) {
  TItemRecord custom = EmptyItem();
  custom.Name.Assign("My Own Ring");
  custom.Unique = 1;
  custom.ItemType = 3;
  custom.BonusCode[0] = 3;
  custom.BonusValue[0] = 11;
  Open(RequestFor(kRing1, 5, custom));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  EXPECT_EQ(window_.View().ActiveTab, WorkbenchTab::kInline);
  EXPECT_TRUE(window_.View().Return.Enabled);
  EXPECT_EQ(window_.Editor().View().Name.Text, "My Own Ring");
  EXPECT_EQ(tpl_.Slot(kRing1).BonusCode[0], 3);
  EXPECT_EQ(tpl_.Slot(kRing1).BonusValue[0], 11);
}

TEST_F(ItemWorkbenchTest, ANamedItemTheVaultLacksOpensInTheEditorExceptOnTheMyth) {
  TItemRecord lost = testing::VaultEntry("Ring of Forgotten Days", 5, 3, {{4, 7}});
  Open(RequestFor(kRing2, 5, lost));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kInline);
  EXPECT_EQ(window_.Editor().View().Name.Text, "Ring of Forgotten Days");
  window_.btnCancelClick();

  // An opening that found nothing leaves no trace on the next one.
  Open(RequestFor(kLegs, 11));
  ASSERT_FALSE(window_.View().Return.Enabled);
  window_.btnCancelClick();

  TItemRecord myth = testing::VaultEntry("Old Mythirian", 17, 3, {{4, 7}});
  Open(RequestFor(kMyth, 17, myth));
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);
  EXPECT_FALSE(window_.View().InlineTab.Visible);
  EXPECT_TRUE(window_.View().Return.Enabled);
  // Nothing listed was chosen, so the slot's own item is what returns.
  window_.btnReturnClick();
  EXPECT_EQ(window_.Outcome().Item.Name.View(), "Old Mythirian");
}

TEST_F(ItemWorkbenchTest, TheMythSlotLocksMostFilters) {
  Open(RequestFor(kMyth, 17));
  ItemsWindowView view = window_.View();
  EXPECT_FALSE(view.ItemType.Enabled);
  EXPECT_FALSE(view.Stats[0].Enabled);
  EXPECT_FALSE(view.Stats[2].Enabled);
  EXPECT_FALSE(view.StatAmounts[2].Enabled);
  EXPECT_FALSE(view.CopyStats.Enabled);
  EXPECT_FALSE(view.InlineTab.Visible);
  EXPECT_FALSE(view.SpellcraftTab.Visible);
  EXPECT_FALSE(view.Armour.Enabled);
  EXPECT_FALSE(view.Weapon.Enabled);
  window_.FilterChange(SearchFilter::kStat1, 5);
  window_.FilterChange(SearchFilter::kItemType, 2);
  view = window_.View();
  EXPECT_EQ(view.Stats[0].Selection, 0);
  EXPECT_EQ(view.ItemType.Selection, 0);
  window_.btnCopyStatsClick();
  EXPECT_TRUE(user_.messages.empty());
  EXPECT_EQ(window_.Mode(), WorkbenchMode::kLoad);

  // Closing offers both tabs again for the next opening.
  window_.btnCancelClick();
  EXPECT_TRUE(window_.View().InlineTab.Visible);
  EXPECT_TRUE(window_.View().SpellcraftTab.Visible);
}

TEST_F(ItemWorkbenchTest, EveryOpeningResetsTheFilters) {
  Open(RequestFor(kChest, 7));
  window_.FilterChange(SearchFilter::kStat1, 2);
  window_.statamtChange(0, "40", 2);
  window_.FilterChange(SearchFilter::kArmour, 3);
  window_.btnCancelClick();
  Open(RequestFor(kChest, 7));
  const ItemsWindowView view = window_.View();
  EXPECT_EQ(view.Stats[0].Selection, 0);
  EXPECT_EQ(view.StatAmounts[0].Text, "0");
  EXPECT_EQ(view.Armour.Selection, 0);
  EXPECT_EQ(view.Proc.Entries.front(), "<Proc Filter>");
  EXPECT_EQ(view.Stats[0].Entries.front(), "<Unfiltered>");
  EXPECT_EQ(view.ItemType.Entries.front(), "<Item Type Filter>");
  EXPECT_TRUE(view.Armour.Enabled);
  EXPECT_FALSE(view.Weapon.Enabled);
}

}  // namespace
}  // namespace qm
