// The vault query: each of its tests, the placeholder line, and the hand
// rules with shield sizes.
#include <gtest/gtest.h>

#include <functional>

#include "core/item_lists.h"
#include "vault/vault_query.h"
#include "vault_test_support.h"

namespace qm {
namespace {

TItemRecord Named(const std::string& name) {
  TItemRecord item = EmptyItem();
  item.Name.Assign(name);
  return item;
}

class VaultQueryTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }

  // Does one entry pass the criteria as edited?
  bool Passes(const TItemRecord& entry, const std::function<void(TVaultFilter&)>& edit,
              VaultQueryContext context = {}) {
    TVaultFilter filter;
    edit(filter);
    return EntryMatches(entry, filter, context);
  }

  TVaultFilter filter;
  VaultQueryContext context;
};

TEST_F(VaultQueryTest, CriteriaStartAtTheirInitialValues) {
  const TVaultFilter f;
  EXPECT_EQ(f.RealmFilter, 3);
  EXPECT_EQ(f.stat1amt, "0");
  EXPECT_FALSE(f.HideQs);
  EXPECT_EQ(ServerFilterChoices().size(), 9u);
  EXPECT_EQ(ClassFilterChoices().back(), "(Int) No Classes Checked");
  EXPECT_EQ(ClassFilterChoices().size(), 49u);
  EXPECT_EQ(StatFilterChoices().at(29), "Crush Skill ");
  EXPECT_EQ(WeaponFilterChoices().at(27), "Small Shields");
  EXPECT_EQ(WeaponFilterChoices().at(26), "Selectable/Changeable");
  EXPECT_EQ(ITypeFilterChoices().at(13), "Mythirian");
  EXPECT_EQ(SlotFilterChoices().at(14), "Left Hand");
}

TEST_F(VaultQueryTest, PlaceholderForTinyVaultsAndNoMatches) {
  Vault vault;
  vault.Assign({Named("Header")});
  VaultQueryResult result = RunVaultQuery(vault, filter, context);
  EXPECT_EQ(result.Names, std::vector<std::string>{"No items found"});
  EXPECT_EQ(result.Indices, std::vector<int>{0});

  std::vector<TItemRecord> entries(500, Named("Plain"));
  vault.Assign(entries);
  filter.NameFilter = "nothing like it";
  test::FakeShell shell;
  context.Shell = &shell;
  result = RunVaultQuery(vault, filter, context);
  EXPECT_EQ(result.Size(), 1u);
  EXPECT_EQ(result.Indices.front(), 0);
  EXPECT_EQ(shell.busyCalls, 2);
  EXPECT_FALSE(shell.busy);

  // The header entry is searched like any other.
  filter.NameFilter.clear();
  result = RunVaultQuery(vault, filter, context);
  ASSERT_EQ(result.Size(), 500u);
  EXPECT_EQ(result.Indices.front(), 0);
  EXPECT_EQ(result.Indices.back(), 499);
}

TEST_F(VaultQueryTest, ItemTypeClassAndVerified) {
  TItemRecord item = Named("Thing");
  item.ItemType = 4;
  item.ClassUsable[12] = 1;
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ITypeFilter = 5; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.ITypeFilter = 4; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 13; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 12; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 49; }));  // past the list: no test
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 48; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.cVerified = true; }));
  item.Verified = 1;
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.cVerified = true; }));
  item.ClassUsable[12] = 0;
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 48; }));
  // A class line digit other than 1 loads as that flag: the class filter
  // counts it as usable, "(Int) No Classes Checked" looks for flags of 1 only.
  item.ClassUsable[30] = 2;
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 31; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ClassFilter = 48; }));
}

TEST_F(VaultQueryTest, ServerPositions) {
  TItemRecord none = Named("None");
  none.ServerNormal = none.ServerCoop = none.ServerPvP = none.ServerClassic = none.ServerOrigins =
      0;
  TItemRecord coop = none;
  coop.ServerCoop = 1;
  TItemRecord all = Named("All");
  const auto at = [&](const TItemRecord& e, int p) {
    return Passes(e, [p](TVaultFilter& f) { f.FilterServer = p; });
  };
  EXPECT_TRUE(at(none, 1));
  EXPECT_FALSE(at(all, 1));
  EXPECT_FALSE(at(coop, 1));
  EXPECT_TRUE(at(coop, 3));
  EXPECT_FALSE(at(coop, 2));
  for (int p = 2; p <= 6; ++p) EXPECT_TRUE(at(all, p)) << p;
  for (int p : {7, 8}) {
    EXPECT_FALSE(at(all, p));
    EXPECT_FALSE(at(none, p));
  }
  for (int p : {0, -1, 9}) EXPECT_TRUE(at(none, p)) << p;
}

TEST_F(VaultQueryTest, ArmourWeaponNameExpansionAndUnfinishedNames) {
  TItemRecord item = Named("Broadsword of Fire");
  item.Armor = 2;
  item.WeaponType = 3;
  item.Expansion = 3;
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.armorfilter = 2; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.armorfilter = 3; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.weaponfilter = 3; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.weaponfilter = 4; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.NameFilter = "sword"; }));
  EXPECT_TRUE(Passes(Named("SWORD"), [](TVaultFilter& f) { f.NameFilter = "sword"; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.NameFilter = "axe"; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ExpansionFilter = 4; }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) { f.ExpansionFilter = 3; }));
  // Expansions are told apart by text: a later entry of the same text matches too.
  const auto twin = ExpansionList().Append("TRIALS OF ATLANTIS (TOA)");
  item.Expansion = static_cast<std::uint8_t>(twin);
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.ExpansionFilter = 4; }));
  const auto hide = [](TVaultFilter& f) { f.HideQs = true; };
  EXPECT_FALSE(Passes(Named("Sword?"), hide));
  EXPECT_FALSE(Passes(Named(" Sword"), hide));
  EXPECT_TRUE(Passes(Named("Sword "), hide));
}

TEST_F(VaultQueryTest, EffectFilter) {
  TItemRecord second = Named("Second");
  second.EffectKind[1] = 1;
  second.EffectId[1] = 1;  // "Ablative"
  EXPECT_TRUE(Passes(second, [](TVaultFilter& f) { f.ProcFilter = 2; }));
  EXPECT_FALSE(Passes(second, [](TVaultFilter& f) { f.ProcFilter = 3; }));
  // Kinds are not consulted for a named effect: an effect number left behind matches.
  TItemRecord stale = Named("Stale");
  stale.EffectId[0] = 1;
  EXPECT_TRUE(Passes(stale, [](TVaultFilter& f) { f.ProcFilter = 2; }));
  // "Undefined/Other": some effect of a kind whose number is 0.
  const auto other = [](TVaultFilter& f) { f.ProcFilter = 1; };
  EXPECT_FALSE(Passes(Named("Plain"), other));
  EXPECT_TRUE(Passes(Named("Plain"), [](TVaultFilter& f) { f.ProcFilter = -1; }));
  EXPECT_FALSE(Passes(second, other));
  TItemRecord undefined = Named("Undefined");
  undefined.EffectKind[0] = 3;
  EXPECT_TRUE(Passes(undefined, other));
  second.EffectKind[0] = 0;
  second.EffectKind[1] = 2;
  second.EffectId[1] = 0;
  EXPECT_TRUE(Passes(second, other));
}

TEST_F(VaultQueryTest, StatFilters) {
  TItemRecord item = Named("Strong");
  item.BonusCode[0] = 1;
  item.BonusValue[0] = 10;
  item.BonusCode[3] = 1;
  item.BonusValue[3] = 6;
  item.BonusCode[4] = 2;
  item.BonusValue[4] = 65536 + 4;  // only the low 16 bits count
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) { f.SFilter1 = 1; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) {
    f.SFilter2 = 1;
    f.stat2amt = "15";
  }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) {
    f.SFilter3 = 1;
    f.stat3amt = "16";
  }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) {
    f.SFilter3 = 1;
    f.stat3amt = "17";
  }));
  EXPECT_FALSE(Passes(Named("Weak"), [](TVaultFilter& f) { f.SFilter1 = 1; }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) {
    f.SFilter1 = 2;
    f.stat1amt = "4";
  }));
  EXPECT_FALSE(Passes(item, [](TVaultFilter& f) {
    f.SFilter1 = 2;
    f.stat1amt = "5";
  }));
  EXPECT_TRUE(Passes(item, [](TVaultFilter& f) {
    f.SFilter1 = 1;
    f.stat1amt = "not a number";  // read as 0
  }));
}

TEST_F(VaultQueryTest, RealmAndBonusLevelLimit) {
  TItemRecord alb = Named("Alb");
  alb.Realm = 0;
  TItemRecord all = Named("All");
  EXPECT_TRUE(Passes(alb, [](TVaultFilter& f) { f.RealmFilter = 0; }));
  EXPECT_FALSE(Passes(alb, [](TVaultFilter& f) { f.RealmFilter = 1; }));
  EXPECT_TRUE(Passes(all, [](TVaultFilter& f) { f.RealmFilter = 1; }));
  EXPECT_FALSE(Passes(alb, [](TVaultFilter& f) { f.RealmFilter = 4; }));
  EXPECT_TRUE(Passes(all, [](TVaultFilter& f) { f.RealmFilter = 4; }));

  context.BonusLevelLimit = true;
  context.CharacterLevel = 30;
  const auto fixedAt = [](int level) {
    TItemRecord item = Named("Fixed");
    item.BonusLevelFixed = 1;
    item.BonusLevel = static_cast<std::uint8_t>(level);
    return item;
  };
  const auto none = [](TVaultFilter&) {};
  EXPECT_FALSE(Passes(fixedAt(35), none, context));
  EXPECT_TRUE(Passes(fixedAt(30), none, context));
  EXPECT_TRUE(Passes(fixedAt(51), none, context));
  EXPECT_TRUE(Passes(fixedAt(60), none, context));
  TItemRecord myth = Named("Myth");
  myth.ItemType = 12;  // bonus level 50
  EXPECT_FALSE(Passes(myth, none, context));
  context.BonusLevelLimit = false;
  EXPECT_TRUE(Passes(fixedAt(35), none, context));
}

TEST_F(VaultQueryTest, SlotRulesWithHandsAndShields) {
  const auto hand = [](int slotKind, int weaponType) {
    TItemRecord item = Named("Hand");
    item.SlotKind = static_cast<std::uint8_t>(slotKind);
    item.WeaponType = static_cast<std::uint8_t>(weaponType);
    return item;
  };
  const auto slot = [](int s) { return [s](TVaultFilter& f) { f.SlotFilter = s; }; };
  EXPECT_TRUE(Passes(hand(7, 0), slot(7)));
  EXPECT_FALSE(Passes(hand(8, 0), slot(7)));
  EXPECT_TRUE(Passes(hand(20, 0), slot(20)));
  EXPECT_TRUE(Passes(hand(20, 0), slot(51)));
  EXPECT_TRUE(Passes(hand(20, 0), slot(-1)));
  EXPECT_TRUE(Passes(hand(13, 1), slot(13)));
  EXPECT_TRUE(Passes(hand(14, 3), slot(13)));
  EXPECT_TRUE(Passes(hand(14, 26), slot(13)));
  EXPECT_FALSE(Passes(hand(14, 27), slot(13)));
  EXPECT_FALSE(Passes(hand(18, 3), slot(13)));

  // Medium shield, no left-hand weapon.
  context.ShieldSize = 16;
  context.LeftHandWeapon = false;
  for (int w : {27, 28}) EXPECT_TRUE(Passes(hand(14, w), slot(14), context)) << w;
  for (int w : {29, 30, 0, 3, 26}) EXPECT_FALSE(Passes(hand(14, w), slot(14), context)) << w;
  EXPECT_FALSE(Passes(hand(13, 27), slot(14), context));
  // Left-hand weapon, no shield.
  context.ShieldSize = 0;
  context.LeftHandWeapon = true;
  EXPECT_TRUE(Passes(hand(14, 3), slot(14), context));
  EXPECT_FALSE(Passes(hand(14, 27), slot(14), context));
  context.ShieldSize = 15;
  EXPECT_TRUE(Passes(hand(14, 27), slot(14), context));
  EXPECT_FALSE(Passes(hand(14, 28), slot(14), context));
  context.ShieldSize = 17;
  EXPECT_TRUE(Passes(hand(14, 30), slot(14), context));
}

}  // namespace
}  // namespace qm
