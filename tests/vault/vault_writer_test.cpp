// Writing the vault text: the exact lines of an entry, the records the text
// cannot carry, and the round trip of randomised records through the loader.
#include <gtest/gtest.h>

#include <random>

#include "core/bonus_catalogue.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "vault/vault.h"
#include "vault/vault_stream_packer.h"
#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"
#include "vault_test_support.h"

namespace qm {
namespace {

TItemRecord HeaderItem(int version) {
  TItemRecord header = EmptyItem();
  header.Name.Assign("Quillmark Classic Vault");
  header.EffectKind[0] = 5;
  header.EffectValue[0] = static_cast<std::uint16_t>(version);
  return header;
}

class VaultWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }
  void TearDown() override { test::ResetVocabulary(); }
};

TEST_F(VaultWriterTest, WritesTheExactText) {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Cloak of Tests");
  item.ItemType = 2;
  item.Realm = 1;
  item.Level = 45;
  item.Expansion = 3;
  item.Quality = 41;  // unset: an empty line
  item.SlotKind = 3;
  item.ServerCoop = item.ServerPvP = item.ServerClassic = item.ServerOrigins = 0;
  item.ClassUsable[0] = item.ClassUsable[46] = 1;
  item.Verified = 1;
  item.Researched = 1;
  item.BonusLevelFixed = 1;
  item.BonusLevel = 7;
  item.Source = 4;
  item.BonusCode[3] = 29;
  item.BonusValue[3] = -5;
  item.BonusCode[7] = 10;
  item.BonusValue[7] = 40;
  item.BonusValue[8] = 99;  // a row without a code is not written
  item.EffectKind[1] = 1;
  item.EffectId[1] = 78;
  item.EffectValue[1] = 25;
  const TItemRecord entries[] = {HeaderItem(3), item};
  const auto text = WriteVaultText(entries);
  ASSERT_TRUE(text.Ok()) << text.Error();
  const std::string classes = "1" + std::string(45, '0') + "1";
  const std::string expected = test::Join({"~v",
                                           "Vault Version:1",
                                           "Vault Date:6/22/2009",
                                           "2",
                                           "3",
                                           "",
                                           "~0",
                                           "Quillmark Classic Vault",
                                           "Normal Drop",
                                           "U",
                                           "51",
                                           "<Unknown>",
                                           "",
                                           "<Not Selected>",
                                           "N/A",
                                           "N/A",
                                           "N/A",
                                           "NCPBO",
                                           std::string(47, '0'),
                                           "U",
                                           "ABLV",
                                           "Unknown",
                                           "=",
                                           "0",
                                           "1",
                                           "Undefined/Other|S:3",
                                           "",
                                           "~1",
                                           "Cloak of Tests",
                                           "Quest Reward",
                                           "H",
                                           "45",
                                           "Trials of Atlantis (ToA)",
                                           "",
                                           "Cloak",
                                           "N/A",
                                           "N/A",
                                           "N/A",
                                           "N",
                                           classes,
                                           "R",
                                           "MB:7",
                                           "User Submitted",
                                           "=",
                                           "2",
                                           "Crush Skill |-5",
                                           "Hit Points|40",
                                           "2",
                                           "Undefined/Other0",
                                           "Lifedrain|N:25"});
  EXPECT_EQ(text.Value(), expected);
}

TEST_F(VaultWriterTest, RefusesWhatTheTextCannotCarryNamingEntryAndField) {
  struct Case {
    const char* expected;
    void (*edit)(TItemRecord&);
  };
  const Case cases[] = {
      {"Name:", [](TItemRecord& i) { i.Name.Assign("Tilde~Sword"); }},
      {"Note:", [](TItemRecord& i) { i.Note.Assign("two\r\nlines"); }},
      {"Note:", [](TItemRecord& i) { i.Note.Assign("cut\nhere"); }},
      {"Note: a note of just", [](TItemRecord& i) { i.Note.Assign("="); }},
      {"BonusValue row 2: 100000",
       [](TItemRecord& i) {
         i.BonusCode[1] = 1;
         i.BonusValue[1] = 100000;
       }},
      {"BonusValue row 1: -10000",
       [](TItemRecord& i) {
         i.BonusCode[0] = 1;
         i.BonusValue[0] = -10000;
       }},
      {"BonusLevel: 100",
       [](TItemRecord& i) {
         i.BonusLevelFixed = 1;
         i.BonusLevel = 100;
       }},
      {"BonusCode row 1: code 179", [](TItemRecord& i) { i.BonusCode[0] = 179; }},
      {"BonusCode row 1: code 250 has no name", [](TItemRecord& i) { i.BonusCode[0] = 250; }},
      {"Effect 1: kind 7", [](TItemRecord& i) { i.EffectKind[0] = 7; }},
      {"Effect 2: effect number 9999",
       [](TItemRecord& i) {
         i.EffectKind[1] = 1;
         i.EffectId[1] = 9999;
       }},
      {"ItemType: position 18", [](TItemRecord& i) { i.ItemType = 18; }},
      {"Source: position 200", [](TItemRecord& i) { i.Source = 200; }},
      {"Realm: 4", [](TItemRecord& i) { i.Realm = 4; }},
  };
  for (const Case& c : cases) {
    TItemRecord item = EmptyItem();
    item.Name.Assign("Bad");
    c.edit(item);
    const TItemRecord entries[] = {HeaderItem(1), EmptyItem(), item};
    const auto text = WriteVaultText(entries);
    ASSERT_FALSE(text.Ok()) << c.expected;
    EXPECT_EQ(text.Error().rfind("entry 2 ", 0), 0u) << text.Error();
    EXPECT_NE(text.Error().find(c.expected), std::string::npos) << text.Error();
  }
  // Edge values that fit are written.
  TItemRecord fits = EmptyItem();
  fits.BonusCode[0] = 1;
  fits.BonusValue[0] = 99999;
  fits.BonusCode[1] = 2;
  fits.BonusValue[1] = -9999;
  fits.BonusLevelFixed = 1;
  fits.BonusLevel = 99;
  const TItemRecord entries[] = {HeaderItem(1), fits};
  EXPECT_TRUE(WriteVaultText(entries).Ok());
}

TEST_F(VaultWriterTest, TheVersionNeedsAnEffectKindInTheHeaderEntry) {
  TItemRecord header = HeaderItem(4);
  header.EffectKind[0] = 0;
  const TItemRecord entries[] = {header};
  EXPECT_FALSE(WriteVaultText(entries).Ok());
  EXPECT_FALSE(WriteVaultText({}).Ok());
}

TEST_F(VaultWriterTest, PacksAtLevelOneAndLoadsBack) {
  const TItemRecord entries[] = {HeaderItem(12), EmptyItem()};
  const auto packed = PackVault(entries);
  ASSERT_TRUE(packed.Ok());
  ASSERT_GE(packed.Value().size(), 2u);
  EXPECT_EQ(packed.Value()[0], 0x78);
  EXPECT_EQ(packed.Value()[1], 0x01);  // the fastest-level flag
  Vault vault;
  ASSERT_TRUE(vault.LoadPacked(packed.Value()).Ok());
  EXPECT_EQ(vault.Count(), 2u);
  EXPECT_EQ(vault.Version(), 12);
}

// A random record the writer accepts.
TItemRecord RandomItem(std::mt19937& rng) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  auto text = [&](int maxLength) {
    static constexpr std::string_view kChars = "abcXYZ 019|:=()'-\xE9\xFC!?.,";
    std::string s(static_cast<std::size_t>(pick(0, maxLength)), ' ');
    for (char& c : s) c = kChars[static_cast<std::size_t>(pick(0, kChars.size() - 1))];
    return s;
  };
  TItemRecord item{};
  for (auto* b = reinterpret_cast<std::uint8_t*>(&item);
       b < reinterpret_cast<std::uint8_t*>(&item + 1); ++b) {
    *b = static_cast<std::uint8_t>(pick(0, 255));  // garbage the loader must not show
  }
  item.Name.Assign(text(51));
  std::string note = text(94);
  if (note == "=") note.clear();
  item.Note.Assign(note);
  item.ItemType = static_cast<std::uint8_t>(pick(0, 17));
  item.Realm = static_cast<std::uint8_t>(pick(0, 3));
  item.Expansion = static_cast<std::uint8_t>(pick(0, 21));
  item.WeaponType = static_cast<std::uint8_t>(pick(0, 30));
  item.Source = static_cast<std::uint8_t>(pick(0, 10));
  for (auto& flag : item.ClassUsable) flag = static_cast<std::uint8_t>(pick(0, 1));
  item.ServerNormal = static_cast<std::uint8_t>(pick(0, 1));
  item.ServerCoop = static_cast<std::uint8_t>(pick(0, 1));
  item.ServerPvP = static_cast<std::uint8_t>(pick(0, 1));
  item.ServerClassic = static_cast<std::uint8_t>(pick(0, 1));
  item.ServerOrigins = static_cast<std::uint8_t>(pick(0, 1));
  item.Verified = static_cast<std::uint8_t>(pick(0, 1));
  item.Researched = static_cast<std::uint8_t>(pick(0, 1));
  item.BonusLevelFixed = static_cast<std::uint8_t>(pick(0, 1));
  item.BonusLevel = static_cast<std::uint8_t>(pick(0, 99));
  for (int row = 0; row < kBonusRows; ++row) {
    int code = pick(0, 3) == 0 ? 0 : pick(1, kMaxBonusCode);
    if (code == 179 || code == 180) code -= 159;  // the twins of 20 and 21 read back as those
    item.BonusCode[row] = static_cast<std::uint8_t>(code);
    item.BonusValue[row] = pick(-9999, 99999);
  }
  for (int k = 0; k < kEffectRows; ++k) {
    item.EffectKind[k] = static_cast<std::uint8_t>(pick(0, 6));
    item.EffectId[k] =
        static_cast<std::uint16_t>(pick(0, static_cast<int>(kCompiledEffectNames) - 1));
    item.EffectValue[k] = static_cast<std::uint16_t>(pick(0, 65535));
  }
  return item;
}

// What the loader gives back for a written record: every carried field, the
// bonus rows closed up, an empty effect of no kind, and the fields the text
// does not carry at their load values.
TItemRecord Expected(const TItemRecord& written) {
  TItemRecord e = EmptyItem();
  e.Name = written.Name;
  e.Name.Assign(written.Name.View());
  e.Note.Assign(written.Note.View());
  e.ItemType = written.ItemType;
  e.Realm = written.Realm;
  e.Expansion = written.Expansion;
  e.Level = written.Level;
  e.Quality = written.Quality < 32 ? written.Quality : 255;
  e.SlotKind = written.SlotKind < 30 ? written.SlotKind : 255;
  e.Armor = written.Armor < 7 ? written.Armor : 255;
  e.WeaponType = written.WeaponType;
  e.Speed = written.Speed < 48 ? written.Speed : 255;
  e.Source = written.Source;
  e.ServerNormal = written.ServerNormal;
  e.ServerCoop = written.ServerCoop;
  e.ServerPvP = written.ServerPvP;
  e.ServerClassic = written.ServerClassic;
  e.ServerOrigins = written.ServerOrigins;
  for (int c = 0; c < kClassCount; ++c) e.ClassUsable[c] = written.ClassUsable[c] != 0;
  e.Researched = written.Researched != 0;
  e.Verified = !e.Researched && written.Verified != 0;
  e.BonusLevelFixed = written.BonusLevelFixed == 1;
  e.BonusLevel = e.BonusLevelFixed ? written.BonusLevel : 0;
  int n = 0;
  for (int row = 0; row < kBonusRows; ++row) {
    if (written.BonusCode[row] == 0) continue;
    e.BonusCode[n] = written.BonusCode[row];
    e.BonusValue[n] = written.BonusValue[row];
    ++n;
  }
  for (int k = 0; k < kEffectRows; ++k) {
    const bool listed = k == 0 ? (written.EffectKind[0] != 0 || written.EffectKind[1] != 0)
                               : written.EffectKind[1] != 0;
    if (!listed || written.EffectKind[k] == 0) continue;
    e.EffectKind[k] = written.EffectKind[k];
    e.EffectId[k] = written.EffectId[k];
    e.EffectValue[k] = written.EffectValue[k];
  }
  return e;
}

TEST_F(VaultWriterTest, RandomRecordsRoundTripThroughTheLoader) {
  std::mt19937 rng(20090622);
  std::vector<TItemRecord> entries{HeaderItem(9)};
  for (int i = 0; i < 400; ++i) entries.push_back(RandomItem(rng));
  const auto packed = PackVault(entries);
  ASSERT_TRUE(packed.Ok()) << packed.Error();
  Vault vault;
  ASSERT_TRUE(vault.LoadPacked(packed.Value()).Ok());
  ASSERT_EQ(vault.Count(), entries.size());
  EXPECT_EQ(ItemTypeList().Size(), 18u);  // nothing was appended
  EXPECT_EQ(EffectNameCount(), kCompiledEffectNames);
  for (std::size_t i = 1; i < entries.size(); ++i) {
    const TItemRecord expected = Expected(entries[i]);
    const TItemRecord& loaded = vault.Entries()[i];
    ASSERT_EQ(std::memcmp(&loaded, &expected, sizeof expected), 0)
        << "entry " << i << " " << entries[i].Name.Str();
  }
  // Writing the loaded vault again gives the text of what was loaded.
  std::vector<TItemRecord> expected{entries.front()};
  for (std::size_t i = 1; i < entries.size(); ++i) expected.push_back(Expected(entries[i]));
  const auto again = WriteVaultText(vault.Entries());
  ASSERT_TRUE(again.Ok());
  EXPECT_TRUE(again.Value() == WriteVaultText(expected).Value());
}

// The packer that packs entries as an import keeps them: its file holds the
// same text as packing the whole at once, whether it spans no entry, one
// batch or pieces past a megabyte, and loads with its checksum.
TEST_F(VaultWriterTest, PackingEntriesAsTheyComeGivesTheTextOfTheWhole) {
  std::mt19937 rng(1234);
  for (const int count : {0, 400, 3000}) {
    std::vector<TItemRecord> entries{HeaderItem(2)};
    VaultStreamPacker packer;
    for (int i = 0; i < count; ++i) {
      entries.push_back(RandomItem(rng));
      packer.Add(entries.back());
    }
    const auto packed = packer.Finish(entries.front());
    ASSERT_TRUE(packed.Ok()) << packed.Error();
    const auto text = InflateStream(packed.Value());
    ASSERT_TRUE(text.Ok()) << text.Error();
    EXPECT_TRUE(text.Value() == WriteVaultText(entries).Value()) << count;
    Vault vault;
    ASSERT_TRUE(vault.LoadPacked(packed.Value()).Ok()) << count;
    EXPECT_EQ(vault.Count(), entries.size());
  }
}

TEST_F(VaultWriterTest, AppendedListTextsAreWrittenAndReadBack) {
  test::FakeUser user;
  const auto added = ItemTypeList().Append("Festival Token");
  TItemRecord item = EmptyItem();
  item.ItemType = static_cast<std::uint8_t>(added);
  const TItemRecord entries[] = {HeaderItem(1), item};
  const auto text = WriteVaultText(entries);
  ASSERT_TRUE(text.Ok());
  test::ResetVocabulary();
  Vault vault;
  ASSERT_TRUE(vault.LoadText(text.Value()).Ok());
  EXPECT_EQ(vault.Read(1, user).ItemType, added);
}

}  // namespace
}  // namespace qm
