// The vault browser model: searching through the shared criteria, the item
// description, equipping into the template, web searches and amount boxes.
#include <gtest/gtest.h>

#include <functional>

#include "core/item_lists.h"
#include "support/view_counter.h"
#include "vault/url_encode.h"
#include "vault/vault_browser.h"
#include "vault/vault_description.h"
#include "vault_test_support.h"

namespace qm {
namespace {

constexpr int kMidgardWarrior = 46;
constexpr int kAlbCabalist = 1;
constexpr int kAlbInfiltrator = 5;

TItemRecord Item(const std::string& name, int slotKind, int weaponType = 0) {
  TItemRecord item = EmptyItem();
  item.Name.Assign(name);
  item.SlotKind = static_cast<std::uint8_t>(slotKind);
  item.WeaponType = static_cast<std::uint8_t>(weaponType);
  for (auto& flag : item.ClassUsable) flag = 1;
  return item;
}

class VaultBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ResetVocabulary();
    tpl = EmptyTemplate();
    tpl.ClassIndex = kMidgardWarrior;
    tpl.CharLevel = 50;
    host.ClassChanged();
    vault.Assign({Item("Header", 0), Item("Ring of Tests", 5), Item("Bracer", 6),
                  Item("Shield of Tests", 14, 28), Item("Left Axe", 14, 4), Item("Unfinished ?", 7),
                  Item("Greataxe", 18, 4)});
  }

  int Row(const std::string& name) const {
    const auto& names = browser.View().Items.Entries;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
  }

  TTemplateRecord tpl{};
  TemplateBrowserHost host{tpl};
  Vault vault;
  TVaultFilter criteria;
  test::FakeUser user;
  test::FakeShell shell;
  Tbrowser browser{vault, criteria, host, user, shell};
};

TEST_F(VaultBrowserTest, ShowClearsFiltersAndSearchesWithUnfinishedNamesHidden) {
  criteria.armorfilter = 4;  // left as the workbench's last search set it
  browser.ChangeItemTypeFilter(3);
  browser.ChangeVerifiedOnly(true);
  browser.Show();
  const BrowserFilters& f = browser.Filters();
  EXPECT_EQ(f.ItemType.Selection, 0);
  EXPECT_EQ(f.Realm.Selection, 3);
  EXPECT_TRUE(f.Realm.Enabled);
  EXPECT_FALSE(f.Verified.Checked);
  EXPECT_EQ(f.Proc.Entries.front(), "<No Proc Filter>");
  EXPECT_EQ(f.Proc.Entries.size(), ProcFilterChoices().size());
  // Every filter choice carries the list the window shows.
  EXPECT_EQ(f.ItemSlot.Entries, Tbrowser::SlotChoices());
  EXPECT_EQ(f.Realm.Text(), "Universal (Unfiltered)");
  EXPECT_EQ(f.Class.Entries.size(), 48u);
  EXPECT_EQ(f.Stats[2].Entries, Tbrowser::StatChoices());
  EXPECT_EQ(criteria.armorfilter, 4);
  EXPECT_FALSE(criteria.HideQs);  // on only while the search runs
  criteria.armorfilter = 0;
  browser.BrowserSearch();
  EXPECT_EQ(Row("Unfinished ?"), -1);
  EXPECT_EQ(browser.View().Items.Entries.size(), 6u);
  EXPECT_EQ(browser.View().ListingCaption.Text, "Item &Listing : ( 6 ) ");
  EXPECT_EQ(shell.busyCalls % 2, 0);
  EXPECT_FALSE(shell.busy);
}

// The bundled sample says what it is, so nobody plans on its items by mistake.
TEST_F(VaultBrowserTest, OnlyTheBundledSampleVaultIsCalledASample) {
  const struct {
    VaultOwner owner;
    bool noticeShown;
  } cases[] = {
      {VaultOwner::Bundled, true}, {VaultOwner::User, false}, {VaultOwner::Unstated, false}};
  for (const auto& c : cases) {
    vault.SetOwner(c.owner);
    browser.Show();
    EXPECT_EQ(browser.View().VaultOrigin.Visible, c.noticeShown) << static_cast<int>(c.owner);
    EXPECT_EQ(browser.View().VaultOrigin.Text,
              "Sample items for trying the program; import your own with Tools > Import Item "
              "Database...");
  }
}

TEST_F(VaultBrowserTest, SearchCopiesTheFiltersIntoTheCriteria) {
  browser.ChangeItemTypeFilter(2);
  browser.ChangeSlotFilter(15);
  browser.ChangeStatFilter(0, 1);
  browser.ChangeStatFilter(1, 2);
  browser.ChangeStatFilter(2, 3);
  browser.ChangeAmount(0, "5", 1);
  browser.ChangeAmount(1, "6", 1);
  browser.ChangeAmount(2, "7", 1);
  browser.ChangeExpansionFilter(4);
  browser.ChangeServerFilter(3);  // before the realm: a server by hand frees the realm
  browser.ChangeRealmFilter(2);
  browser.ChangeClassFilter(47);
  browser.ChangeProcFilter(9);
  browser.ChangeVerifiedOnly(true);
  browser.SetNameFilter(std::string(60, 'k'));
  browser.BrowserSearch();
  EXPECT_EQ(criteria.ITypeFilter, 2);
  EXPECT_EQ(criteria.SlotFilter, 24);  // "Small Shield" searches the small-shield kind
  EXPECT_EQ(criteria.SFilter1, 1);
  EXPECT_EQ(criteria.SFilter3, 3);
  EXPECT_EQ(criteria.stat2amt, "6");
  EXPECT_EQ(criteria.ExpansionFilter, 4);
  EXPECT_EQ(criteria.RealmFilter, 2);
  EXPECT_EQ(criteria.ClassFilter, 47);
  EXPECT_EQ(criteria.FilterServer, 3);
  EXPECT_EQ(criteria.ProcFilter, 9);
  EXPECT_TRUE(criteria.cVerified);
  EXPECT_EQ(criteria.NameFilter, std::string(50, 'k'));
  EXPECT_EQ(browser.View().Items.Entries, std::vector<std::string>{"No items found"});
}

// The user's choices in the filter controls, in one row.
std::vector<int> Choices(const BrowserFilters& f) {
  return {f.ItemSlot.Selection, f.ItemType.Selection, f.Realm.Selection,      f.Expansion.Selection,
          f.Server.Selection,   f.Class.Selection,    f.Stats[0].Selection,   f.Stats[1].Selection,
          f.Stats[2].Selection, f.Proc.Selection,     int{f.Verified.Checked}};
}

TEST_F(VaultBrowserTest, EachFilterCommandSetsItsOwnControlAndAnnouncesOnce) {
  struct Case {
    const char* command;
    std::function<void(Tbrowser&)> run;
    std::size_t field;  // in Choices()
    int value;
  };
  const Case cases[] = {
      {"ChangeSlotFilter", [](Tbrowser& b) { b.ChangeSlotFilter(7); }, 0, 7},
      {"ChangeItemTypeFilter", [](Tbrowser& b) { b.ChangeItemTypeFilter(5); }, 1, 5},
      {"ChangeRealmFilter", [](Tbrowser& b) { b.ChangeRealmFilter(1); }, 2, 1},
      {"ChangeExpansionFilter", [](Tbrowser& b) { b.ChangeExpansionFilter(9); }, 3, 9},
      {"ChangeClassFilter", [](Tbrowser& b) { b.ChangeClassFilter(12); }, 5, 12},
      {"ChangeStatFilter 0", [](Tbrowser& b) { b.ChangeStatFilter(0, 4); }, 6, 4},
      {"ChangeStatFilter 1", [](Tbrowser& b) { b.ChangeStatFilter(1, 6); }, 7, 6},
      {"ChangeStatFilter 2", [](Tbrowser& b) { b.ChangeStatFilter(2, 8); }, 8, 8},
      {"ChangeProcFilter", [](Tbrowser& b) { b.ChangeProcFilter(2); }, 9, 2},
      {"ChangeVerifiedOnly", [](Tbrowser& b) { b.ChangeVerifiedOnly(true); }, 10, 1},
  };
  for (const Case& c : cases) {
    browser.Show();
    std::vector<int> expected = Choices(browser.Filters());
    expected[c.field] = c.value;
    EXPECT_EQ(testing::AnnouncementsOf(browser, [&] { c.run(browser); }), 1) << c.command;
    EXPECT_EQ(Choices(browser.Filters()), expected) << c.command;
  }
  // A stat filter that does not exist changes nothing.
  EXPECT_EQ(testing::AnnouncementsOf(browser, [&] { browser.ChangeStatFilter(3, 1); }), 0);
}

TEST_F(VaultBrowserTest, SlotChoicesMapToTheKindsTheyName) {
  const auto choices = Tbrowser::SlotChoices();
  ASSERT_EQ(choices.size(), 25u);
  const auto kinds = SlotKindList();
  for (int p = 1; p <= 12; ++p) EXPECT_EQ(choices[p], kinds[Tbrowser::SlotFilterOf(p)]);
  EXPECT_EQ(Tbrowser::SlotFilterOf(13), 13);
  EXPECT_EQ(Tbrowser::SlotFilterOf(14), 14);
  for (int p : {15, 16, 17, 20, 21, 22, 24}) {
    EXPECT_EQ(choices[p], kinds[Tbrowser::SlotFilterOf(p)]) << p;
  }
  EXPECT_EQ(kinds[Tbrowser::SlotFilterOf(18)], "Two Hand");
  EXPECT_EQ(kinds[Tbrowser::SlotFilterOf(19)], "Ranged");
  EXPECT_EQ(kinds[Tbrowser::SlotFilterOf(23)], "Mythirians");
  EXPECT_EQ(Tbrowser::SlotFilterOf(-1), -1);
  EXPECT_EQ(Tbrowser::ItemTypeChoices().back(), "Ruleset Unique Drop");
  EXPECT_EQ(Tbrowser::ExpansionChoices().size(), 23u);
  EXPECT_EQ(Tbrowser::ClassChoices().size(), 48u);
}

TEST_F(VaultBrowserTest, MatchCurrentClassAndServer) {
  browser.ChangeStatFilter(0, 5);
  browser.ChangeAmount(0, "12", 2);
  tpl.ServerType = kPvP;
  browser.MatchCurrentClassServer();
  EXPECT_EQ(browser.Filters().Realm.Selection, 3);
  EXPECT_FALSE(browser.Filters().Realm.Enabled);
  EXPECT_EQ(browser.Filters().Class.Selection, kMidgardWarrior + 1);
  EXPECT_EQ(browser.Filters().Server.Selection, -1);  // past the four server choices
  EXPECT_EQ(criteria.FilterServer, -1);
  EXPECT_EQ(browser.Filters().Stats[0].Selection, 5);  // stat choices stay
  EXPECT_EQ(browser.Filters().Amounts[0].Text, "12");

  tpl.ServerType = kNormal;
  browser.MatchCurrentClassServer();
  EXPECT_EQ(browser.Filters().Realm.Selection, 2);
  EXPECT_EQ(browser.Filters().Server.Selection, 2);
  tpl.ServerType = kCoop;
  browser.MatchCurrentClassServer();
  EXPECT_EQ(browser.Filters().Realm.Selection, 3);
  EXPECT_EQ(browser.Filters().Server.Selection, 3);

  browser.ChangeServerFilter(1);
  EXPECT_EQ(browser.Filters().Realm.Selection, 3);
  EXPECT_TRUE(browser.Filters().Realm.Enabled);
}

TEST_F(VaultBrowserTest, ThePlaceholderLineDescribesNothingAndKeepsTheEquipButton) {
  browser.SetNameFilter("no such item");
  browser.BrowserSearch();
  browser.SelectLine(0);
  EXPECT_EQ(browser.View().Description.Lines, NoItemsFoundLines());
  EXPECT_EQ(browser.View().Description.Lines.size(), 9u);
  EXPECT_FALSE(browser.View().Equip.Enabled);
  browser.SetNameFilter("");
  browser.BrowserSearch();
  browser.SelectLine(Row("Bracer"));
  EXPECT_TRUE(browser.View().Equip.Enabled);
  browser.SetNameFilter("no such item");
  browser.BrowserSearch();
  browser.SelectLine(0);
  EXPECT_TRUE(browser.View().Equip.Enabled);
  EXPECT_EQ(browser.BrowserItem().Name.View(), " ");
}

TEST_F(VaultBrowserTest, TheHeaderEntryIsNeverEquipped) {
  // The header entry shares index 0 with the placeholder line; even with a
  // slot kind and the equip button still enabled from an earlier item, neither
  // a click nor a double click on it puts it into the template.
  TItemRecord header = Item("Header", 2);
  vault.Assign({header, Item("Bracer", 6)});
  browser.Show();
  user.answers = {Answer::Ok};
  browser.SelectLine(Row("Bracer"));
  ASSERT_TRUE(browser.View().Equip.Enabled);
  browser.SelectLine(Row("Header"));
  EXPECT_EQ(browser.View().Description.Lines, NoItemsFoundLines());
  EXPECT_TRUE(browser.View().Equip.Enabled);
  browser.EquipSelected();
  browser.DoubleClickLine(Row("Header"));
  EXPECT_EQ(tpl.Slot(kNeck).Name.View(), " ");
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(VaultBrowserTest, AMythirianKeepsTheEquipButtonAsItWas) {
  TItemRecord myth = Item("Mythirian of Tests", 17);
  myth.EffectKind[0] = 6;
  for (auto& flag : myth.ClassUsable) flag = 0;  // would refuse equipping if it were asked
  TItemRecord foreign = Item("Foreign Bracer", 6);
  for (auto& flag : foreign.ClassUsable) flag = 0;
  vault.Assign({Item("Header", 0), Item("Bracer", 6), myth, foreign});
  browser.Show();
  browser.SelectLine(Row("Bracer"));
  browser.SelectLine(Row("Mythirian of Tests"));
  EXPECT_TRUE(browser.View().Equip.Enabled);
  EXPECT_EQ(browser.View().Description.Lines.back(), "Usable by : All Classes (Mythirian)");
  browser.SelectLine(Row("Foreign Bracer"));
  EXPECT_FALSE(browser.View().Equip.Enabled);
  browser.SelectLine(Row("Mythirian of Tests"));
  EXPECT_FALSE(browser.View().Equip.Enabled);
  // A double click equips only when the button is enabled.
  browser.DoubleClickLine(Row("Foreign Bracer"));
  EXPECT_TRUE(user.questions.empty());
}

TEST_F(VaultBrowserTest, AmountBoxesFeedTheStatMinimums) {
  EXPECT_EQ(browser.ChangeAmount(0, "0150", 2).Text, "150");
  EXPECT_EQ(browser.ChangeAmount(1, "999", 3).Text, "200");
  EXPECT_EQ(browser.ChangeAmount(2, "", 0).Text, "0");
  browser.ChangeStatFilter(0, 1);
  browser.BrowserSearch();
  EXPECT_EQ(criteria.stat1amt, "150");
  EXPECT_EQ(criteria.stat2amt, "200");
  EXPECT_EQ(criteria.stat3amt, "0");
  browser.ResetAmount(0);
  EXPECT_EQ(browser.Filters().Amounts[0].Text, "0");
}

TEST_F(VaultBrowserTest, EquipTargetsAndQuestions) {
  browser.Show();
  user.answers = {Answer::Ok, Answer::Cancel, Answer::Abort};
  for (int expected : {int{kRing1}, int{kRing2}, 0}) {
    tpl = EmptyTemplate();
    tpl.ClassIndex = kMidgardWarrior;
    browser.SelectLine(Row("Ring of Tests"));
    browser.EquipSelected();
    if (expected != 0) {
      EXPECT_EQ(tpl.Slot(expected).Name.View(), "Ring of Tests");
    } else {
      EXPECT_EQ(tpl.Slot(kRing1).Name.View(), " ");
      EXPECT_EQ(tpl.Slot(kRing2).Name.View(), " ");
    }
  }
  ASSERT_EQ(user.questions.size(), 3u);
  EXPECT_EQ(user.questions[0],
            "Would you like to equip this in the left or right ring slot?|Which Slot?|&Left|&Right|"
            "&Cancel|");

  user.answers = {Answer::Cancel};
  browser.DoubleClickLine(Row("Bracer"));
  EXPECT_EQ(tpl.Slot(kWrist2).Name.View(), "Bracer");
  EXPECT_NE(user.questions.back().find("wrist slot?"), std::string::npos);

  // A shield goes to the left hand without a question; a left-hand weapon of a
  // class that wields none there goes to the right hand.
  const std::size_t asked = user.questions.size();
  browser.SelectLine(Row("Shield of Tests"));
  browser.EquipSelected();
  EXPECT_EQ(tpl.Slot(kLeftHand).Name.View(), "Shield of Tests");
  browser.SelectLine(Row("Left Axe"));
  browser.EquipSelected();
  EXPECT_EQ(tpl.Slot(kRightHand).Name.View(), "Left Axe");
  EXPECT_EQ(user.questions.size(), asked);
  // A slot kind without a template slot is described but never equipped.
  browser.SelectLine(Row("Greataxe"));
  EXPECT_EQ(browser.View().Description.Lines.front(), "Greataxe");
  browser.EquipSelected();
  for (int s = 1; s <= kSlotCount; ++s) EXPECT_NE(tpl.Slot(s).Name.View(), "Greataxe");
}

TEST_F(VaultBrowserTest, LeftHandWeaponsAskWhenTheClassWieldsOne) {
  tpl.ClassIndex = kAlbInfiltrator;
  host.ClassChanged();
  browser.Show();
  user.answers = {Answer::Ok};
  browser.SelectLine(Row("Left Axe"));
  browser.EquipSelected();
  EXPECT_EQ(tpl.Slot(kLeftHand).Name.View(), "Left Axe");
  ASSERT_EQ(user.questions.size(), 1u);
  EXPECT_NE(user.questions[0].find("left or right weapon slot?"), std::string::npos);
}

TEST_F(VaultBrowserTest, CanEquipChecksClassServerAndBonusLevel) {
  TItemRecord item = Item("Check", 7);
  tpl.ClassIndex = kAlbCabalist;
  tpl.ServerType = kClassic;
  tpl.CharLevel = 30;
  EXPECT_TRUE(CanEquipFromVault(item, tpl));
  item.ClassUsable[kAlbCabalist] = 0;
  EXPECT_FALSE(CanEquipFromVault(item, tpl));
  item.ClassUsable[kAlbCabalist] = 1;
  item.ServerClassic = 0;
  EXPECT_FALSE(CanEquipFromVault(item, tpl));
  tpl.ServerType = kOrigins;
  EXPECT_TRUE(CanEquipFromVault(item, tpl));
  item.BonusLevelFixed = 1;
  item.BonusLevel = 31;
  EXPECT_FALSE(CanEquipFromVault(item, tpl));
  item.BonusLevel = 51;
  EXPECT_TRUE(CanEquipFromVault(item, tpl));
  tpl.ClassIndex = 200;  // no class: no flag to read
  EXPECT_FALSE(CanEquipFromVault(item, tpl));
}

TEST_F(VaultBrowserTest, WebSearchesForTheSelectedName) {
  vault.Assign({Item("Header", 0), Item("Sword of Light (Epic)", 13), Item("A & B (x) (y)", 13)});
  browser.SearchWeb();  // nothing selected: nothing opens
  EXPECT_TRUE(shell.opened.empty());
  browser.Show();
  browser.SelectLine(Row("Sword of Light (Epic)"));
  browser.SearchItemDatabase();
  browser.SearchWeb();
  browser.SelectLine(Row("A & B (x) (y)"));
  browser.SearchItemDatabase();
  ASSERT_EQ(shell.opened.size(), 3u);
  EXPECT_EQ(shell.opened[0], std::string(kItemDatabaseSearch) + "?terms=Sword+of+Light&a=Search");
  EXPECT_EQ(shell.opened[1], std::string(kWebSearch) + "?hl=en&q=Sword+of+Light+%28Epic%29");
  EXPECT_EQ(shell.opened[2], std::string(kItemDatabaseSearch) + "?terms=A+%26+B&a=Search");
  EXPECT_EQ(ItemDatabaseTerms("Bow(Long) x (y)"), "Bow");
  EXPECT_EQ(ItemDatabaseTerms("Plain"), "Plain");
}

TEST(UrlEncodeTest, KeepsSafeCharactersAndEncodesTheRest) {
  EXPECT_EQ(UrlEncode("Sword of Light (Epic)", true), "Sword+of+Light+%28Epic%29");
  EXPECT_EQ(UrlEncode("Sword of Light", false), "Sword%20of%20Light");
  EXPECT_EQ(UrlEncode("\xE9", true), "%E9");
  EXPECT_EQ(UrlEncode("a-b.c_d~e/f", true), "a-b.c_d%7Ee%2Ff");
  EXPECT_EQ(UrlEncode("", true), "");
}

TEST_F(VaultBrowserTest, EachCommandAnnouncesOnceAndEquippingLeavesTheBrowserAsItWas) {
  using testing::AnnouncementsOf;
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.Show(); }), 1) << "clears, then searches";
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.MatchCurrentClassServer(); }), 1);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.ChangeServerFilter(2); }), 1);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.ChangeAmount(0, "12", 2); }), 1);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.ClearFilters(); }), 1);
  const int ring = Row("Ring of Tests");
  ASSERT_GE(ring, 0);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.SelectLine(ring); }), 1);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.SelectLine(99); }), 0);
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.SearchWeb(); }), 0);
  // The main window announces the equip; the browser's own view stays.
  user.answers = {Answer::Ok};  // the first ring slot
  EXPECT_EQ(AnnouncementsOf(browser, [&] { browser.EquipSelected(); }), 0);
  EXPECT_EQ(tpl.Slot(kRing1).Name.View(), "Ring of Tests");
}

}  // namespace
}  // namespace qm
