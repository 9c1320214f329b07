// The vault browser's description of an entry, line by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "vault/vault_description.h"
#include "vault_test_support.h"

namespace qm {
namespace {

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TItemRecord ProcWeapon() {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Blade of Tests");
  item.Level = 50;
  item.SlotKind = 13;
  item.ItemType = 8;
  item.Expansion = 3;
  item.Quality = 30;
  item.Source = 3;
  item.Realm = 0;
  item.Verified = 1;
  item.Researched = 1;
  item.WeaponType = 1;
  item.Speed = 16;
  item.ClassUsable[0] = item.ClassUsable[7] = 1;
  item.ServerCoop = 0;
  item.BonusCode[0] = 1;
  item.BonusValue[0] = 12;
  item.BonusCode[2] = 28;
  item.BonusValue[2] = 3;
  item.EffectKind[0] = 1;
  item.EffectId[0] = 78;
  item.EffectValue[0] = 25;
  item.EffectKind[1] = 4;
  item.EffectId[1] = 1;
  item.Note.Assign("Drops in a test");
  return item;
}

TEST(VaultDescription, AProcWeaponReadsLineByLine) {
  const VaultDescription d = DescribeVaultItem(ProcWeapon(), 4);
  EXPECT_FALSE(d.Mythirian);
  const std::vector<std::string> expected = {
      "Blade of Tests",
      "",
      "Item Level : 50",
      "Item Slot : Right Hand",
      "Item Type : Artifact",
      "Expansion : Trials of Atlantis (ToA)",
      "Quality   : 100%",
      "Source    : In Game",
      "",
      "Realm : Albion",
      "",
      "(Item Verified!)",
      "(Being researched...)",
      "",
      "Weapon Type  : Slash",
      "Weapon Speed : 3.0",
      "Max DPS : 16.2 ",
      "",
      "Stats",
      "",
      "12 Strength",
      "3 Slash Skill",
      "",
      "Procs",
      "",
      "Normal Proc ( 25v Lifedrain )",
      "",
      "Equipped Buff/Aura ( Ablative)",
      "",
      "Classes able to Use",
      "(Alb) Armsman",
      "(Alb) Mercenary",
      "",
      "Server Availability",
      "ToA Servers (Normal)",
      "Classic Servers (Bossiney)",
      "PvP Servers (Mordred)",
      "Origin Server (Assumed)",
      "",
      "23.0 Utility",
      "23.0 ToA Utility",
      "Bonus Level (Auto) : 14",
      "Bonus Count : 2",
      "",
      "Notes : Drops in a test",
  };
  EXPECT_EQ(d.Lines, expected);

  // Only flags of 1 name their class.
  TItemRecord odd = ProcWeapon();
  odd.ClassUsable[7] = 2;
  const auto lines = DescribeVaultItem(odd, 4).Lines;
  EXPECT_TRUE(HasLine(lines, "(Alb) Armsman"));
  EXPECT_FALSE(HasLine(lines, "(Alb) Mercenary"));
}

TEST(VaultDescription, QualityAbsorbAndArmourFactorLines) {
  TItemRecord item = EmptyItem();
  item.Level = 50;
  item.Armor = 2;
  item.Quality = 31;
  auto lines = DescribeVaultItem(item, 0).Lines;
  EXPECT_TRUE(HasLine(lines, "Quality   : N/A%"));
  EXPECT_TRUE(HasLine(lines, "Absorb : 10% (Leather)"));
  EXPECT_TRUE(HasLine(lines, "AF : 100 "));
  for (const int quality : {41, 255}) {
    item.Quality = static_cast<std::uint8_t>(quality);
    lines = DescribeVaultItem(item, 0).Lines;
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.rfind("Quality", 0) == 0; }));
  }
  item.Armor = 1;
  EXPECT_TRUE(HasLine(DescribeVaultItem(item, 3).Lines, "AF : 50 "));
  item.Armor = 6;  // by class: cloth wearers get the level, others twice the level
  lines = DescribeVaultItem(item, 0).Lines;
  EXPECT_TRUE(HasLine(lines, "Absorb : 0% (Cloth)"));
  EXPECT_TRUE(HasLine(lines, "AF : 50 "));
  lines = DescribeVaultItem(item, 1).Lines;
  EXPECT_TRUE(HasLine(lines, "Absorb : 10% (Leather)"));
  EXPECT_TRUE(HasLine(lines, "AF : 100 "));
  item.Armor = 0;
  lines = DescribeVaultItem(item, 4).Lines;
  EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("AF : ", 0) == 0; }));
}

TEST(VaultDescription, ShieldsInstrumentsAndEffectForms) {
  TItemRecord shield = EmptyItem();
  shield.SlotKind = 14;
  shield.WeaponType = 28;
  shield.Level = 10;
  auto lines = DescribeVaultItem(shield, 0).Lines;
  EXPECT_TRUE(HasLine(lines, "Weapon Type  : Medium Shield"));
  EXPECT_TRUE(HasLine(lines, "Max DPS : 4.2 "));
  EXPECT_TRUE(HasLine(lines, "Shield Size : Medium"));
  const std::vector<std::pair<int, std::string>> kinds = {
      {24, "Shield Size : Small"},
      {25, "Shield Size : Medium"},
      {26, "Shield Size : Large"},
      {27, "Shield Size : Maximum Size class can use"}};
  for (const auto& [kind, line] : kinds) {
    TItemRecord item = EmptyItem();
    item.SlotKind = static_cast<std::uint8_t>(kind);
    EXPECT_EQ(ShieldSizeLine(item), line);
  }
  TItemRecord twoHand = EmptyItem();
  twoHand.SlotKind = 15;
  EXPECT_EQ(ShieldSizeLine(twoHand), "");

  TItemRecord lute = EmptyItem();
  lute.SlotKind = 23;
  lute.WeaponType = 19;
  lute.Speed = 47;
  lute.EffectKind[0] = 5;
  lute.EffectId[0] = 23;
  lute.EffectValue[0] = 9;
  lute.EffectKind[1] = 3;
  lute.EffectId[1] = 65;
  lines = DescribeVaultItem(lute, 0).Lines;
  EXPECT_TRUE(HasLine(lines, "Item Slot : Instrument"));
  EXPECT_TRUE(HasLine(lines, "Weapon Type  : Instrument"));
  EXPECT_TRUE(HasLine(lines, "Weapon Speed : Other"));
  EXPECT_TRUE(HasLine(lines, "Selectable Effects ( Celerity )"));
  EXPECT_TRUE(HasLine(lines, "Charges ( Haste )"));
}

TEST(VaultDescription, MythiriansGetTheShortForm) {
  TItemRecord myth = EmptyItem();
  myth.Name.Assign("Mythirian of Tests");
  myth.SlotKind = 17;
  myth.ItemType = 12;
  myth.EffectKind[0] = 6;
  myth.EffectId[0] = 94;  // "Mythical Strength Bonus"
  myth.EffectKind[1] = 6;
  myth.EffectId[1] = 85;
  myth.Note.Assign("Short");
  const VaultDescription d = DescribeVaultItem(myth, 0);
  EXPECT_TRUE(d.Mythirian);
  const std::vector<std::string> tail(d.Lines.end() - 10, d.Lines.end());
  const std::vector<std::string> expected = {"", "Mythirian Information",
                                             "", "Mythical Strength Bonus",
                                             "", "Mythical Crush Resist",
                                             "", "Notes : Short",
                                             "", "Usable by : All Classes (Mythirian)"};
  EXPECT_EQ(tail, expected);
  EXPECT_EQ(d.Lines[10], "(Item Unverified...)");
}

TEST(VaultDescription, EquipTargetTable) {
  test::FakeUser user;
  const std::vector<std::pair<int, int>> direct = {
      {1, kJewel},      {2, kNeck},     {3, kCloak},   {4, kBelt},  {7, kChest},
      {8, kHead},       {9, kArms},     {10, kHands},  {11, kLegs}, {12, kFeet},
      {13, kRightHand}, {15, kTwoHand}, {16, kRanged}, {17, kMyth}, {0, 0},
      {18, 0},          {22, 0},        {29, 0},       {255, 0}};
  for (const auto& [kind, slot] : direct) {
    TItemRecord item = EmptyItem();
    item.SlotKind = static_cast<std::uint8_t>(kind);
    EXPECT_EQ(EquipTargetSlot(item, true, user), slot) << kind;
  }
  EXPECT_TRUE(user.questions.empty());
  TItemRecord selectable = EmptyItem();
  selectable.SlotKind = 14;
  selectable.WeaponType = 26;  // "Selectable/Changeable" counts with the shields
  EXPECT_EQ(EquipTargetSlot(selectable, true, user), kLeftHand);
  EXPECT_TRUE(user.questions.empty());
}

}  // namespace
}  // namespace qm
