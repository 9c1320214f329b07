// Loading the vault: header checks and their exit codes, every line rule of an
// entry, the growable lists, and the files that cannot be trusted.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/effect_names.h"
#include "core/item_lists.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"
#include "vault/vault_reader.h"
#include "vault/zlib_stream.h"
#include "vault_test_support.h"

namespace qm {
namespace {

using test::Lines;
using test::SampleEntry;
using test::VaultText;

class VaultLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }
  void TearDown() override { test::ResetVocabulary(); }

  // Loads a vault of the header entry and one edited sample entry.
  TItemRecord LoadOne(const Lines& entry) {
    const VaultLoadStatus status = vault.LoadText(VaultText("2", {entry}));
    EXPECT_TRUE(status.Ok()) << status.message;
    return vault.Count() == 2 ? vault.Entries()[1] : TItemRecord{};
  }
  TItemRecord LoadWith(int line, const std::string& text) {
    Lines entry = SampleEntry();
    entry[static_cast<std::size_t>(line)] = text;
    return LoadOne(entry);
  }

  Vault vault;
};

TEST_F(VaultLoaderTest, HeaderFaultsMapToTheirMessageAndExitCode) {
  struct Case {
    std::string text;
    int exitCode;
    std::string message;
  };
  const std::string rest = "Vault Date:6/22/2009\r\n";
  const Case cases[] = {
      {"", 200, "Invalid vault file, please re-download"},
      {"~V\r\nVault Version:1\r\n" + rest + "5\r\n", 200, "Invalid vault file, please re-download"},
      {" ~v\r\nVault Version:1\r\n" + rest + "5\r\n", 200,
       "Invalid vault file, please re-download"},
      {"~v\r\nVault Version:2\r\n" + rest + "5\r\n", 201,
       "Unknown vault version, please update Quillmark"},
      {"~v\r\nvault version:1\r\n" + rest + "5\r\n", 201,
       "Unknown vault version, please update Quillmark"},
      {"~v\r\nVault Version:1\r\n" + rest + "0\r\n", 202, "Invalid vault file, please re-download"},
      {"~v\r\nVault Version:1\r\n" + rest + "five\r\n", 202,
       "Invalid vault file, please re-download"},
      {"~v\r\nVault Version:1\r\n" + rest + "-3\r\n", 202,
       "Invalid vault file, please re-download"},
      {"~v\r\nVault Version:1\r\n" + rest, 202, "Invalid vault file, please re-download"},
  };
  for (const Case& c : cases) {
    const VaultLoadStatus status = vault.LoadText(c.text);
    EXPECT_EQ(status.exitCode, c.exitCode) << c.text;
    EXPECT_EQ(status.message, c.message) << c.text;
    EXPECT_EQ(vault.Count(), 0u);
  }
}

TEST_F(VaultLoaderTest, MissingFileAndDamagedStreamsAreRefused) {
  EXPECT_EQ(vault.LoadFile("/nonexistent/master.qmv").exitCode, 240);
  EXPECT_EQ(vault.LoadFile("/nonexistent/master.qmv").message,
            "Vault file not found, reinstall Quillmark Classic");

  const std::string text = VaultText("2", {SampleEntry()});
  auto packed = DeflateStream(text).Value();
  ASSERT_TRUE(vault.LoadPacked(packed).Ok());
  EXPECT_EQ(vault.Count(), 2u);

  const std::vector<std::uint8_t> plain(text.begin(), text.end());
  auto cut = packed;
  cut.resize(cut.size() / 2);
  auto trailing = packed;
  trailing.push_back(0);
  for (const auto& bytes : {plain, cut, trailing}) {
    const VaultLoadStatus status = vault.LoadPacked(bytes);
    EXPECT_EQ(status.exitCode, 200);
    EXPECT_EQ(status.message.rfind("Invalid vault file, please re-download (", 0), 0u)
        << status.message;
    EXPECT_EQ(vault.Count(), 0u);
  }
}

TEST_F(VaultLoaderTest, LoadsEveryFieldOfAnEntry) {
  ASSERT_TRUE(vault.LoadText(VaultText("2", {SampleEntry()})).Ok());
  ASSERT_EQ(vault.Count(), 2u);
  EXPECT_EQ(vault.Version(), 7);
  const TItemRecord& e = vault.Entries()[1];
  EXPECT_EQ(e.Name.View(), "Sword of Tests");
  EXPECT_EQ(e.ItemType, 0);
  EXPECT_EQ(e.Realm, 0);
  EXPECT_EQ(e.Level, 50);
  EXPECT_EQ(e.Expansion, 1);
  EXPECT_EQ(e.Quality, 30);
  EXPECT_EQ(e.SlotKind, 13);
  EXPECT_EQ(e.Armor, 0);
  EXPECT_EQ(e.WeaponType, 1);
  EXPECT_EQ(e.Speed, 16);
  EXPECT_EQ(e.ServerNormal + e.ServerCoop + e.ServerPvP + e.ServerClassic + e.ServerOrigins, 5);
  for (const auto flag : e.ClassUsable) EXPECT_EQ(flag, 1);
  EXPECT_EQ(e.Verified, 1);
  EXPECT_EQ(e.Researched, 0);
  EXPECT_EQ(e.BonusLevelFixed, 0);
  EXPECT_EQ(e.Source, 3);
  EXPECT_EQ(e.Note.View(), "A note");
  EXPECT_EQ(e.BonusCode[0], 1);
  EXPECT_EQ(e.BonusValue[0], 12);
  EXPECT_EQ(e.BonusCode[1], 28);
  EXPECT_EQ(e.BonusValue[1], 3);
  EXPECT_EQ(e.BonusCode[2], 0);
  EXPECT_EQ(e.EffectKind[0], 1);
  EXPECT_EQ(e.EffectId[0], 78);  // "Lifedrain"
  EXPECT_EQ(e.EffectValue[0], 25);
  EXPECT_EQ(e.EffectKind[1], 0);
  EXPECT_EQ(e.Crafted, 0);
  EXPECT_EQ(e.Unique, 0);
  // The header entry carries the version label and number.
  EXPECT_EQ(vault.Entries()[0].Name.View(), "Test Vault");
  EXPECT_EQ(vault.Entries()[0].EffectKind[0], 5);
}

TEST_F(VaultLoaderTest, AnyLineEndReadsTheSame) {
  ASSERT_TRUE(vault.LoadText(VaultText("2", {SampleEntry()})).Ok());
  const TItemRecord crlf = vault.Entries()[1];
  for (const std::string_view end : {"\n", "\r"}) {
    Vault other;
    ASSERT_TRUE(other.LoadText(VaultText("2", {SampleEntry()}, end)).Ok());
    EXPECT_EQ(std::memcmp(&other.Entries()[1], &crlf, sizeof crlf), 0);
  }
}

TEST_F(VaultLoaderTest, TextFieldsAreCutAndTheEmptyNoteIsAnEqualsSign) {
  EXPECT_EQ(LoadWith(test::kName, std::string(60, 'n')).Name.View(), std::string(51, 'n'));
  EXPECT_EQ(LoadWith(test::kNote, std::string(120, 'x')).Note.View(), std::string(94, 'x'));
  EXPECT_EQ(LoadWith(test::kNote, "=").Note.Size(), 0u);
  EXPECT_EQ(LoadWith(test::kNote, "==").Note.View(), "==");
}

TEST_F(VaultLoaderTest, FixedListsIgnoreCaseAndStore255ForUnknownTexts) {
  EXPECT_EQ(LoadWith(test::kQuality, "").Quality, 255);
  EXPECT_EQ(LoadWith(test::kQuality, "n/a").Quality, 31);
  EXPECT_EQ(LoadWith(test::kSlot, "cHeSt").SlotKind, 7);
  EXPECT_EQ(LoadWith(test::kSlot, "Chest ").SlotKind, 255);
  EXPECT_EQ(LoadWith(test::kArmor, "Plate").Armor, 255);
  EXPECT_EQ(LoadWith(test::kSpeed, "6.1").Speed, 255);
  EXPECT_EQ(LoadWith(test::kRealm, "h").Realm, 3);  // exact letters only
  EXPECT_EQ(LoadWith(test::kRealm, "M").Realm, 2);
}

TEST_F(VaultLoaderTest, NumberFieldsKeepOnlyTheCharactersTheyRead) {
  Lines entry = SampleEntry();
  entry[test::kBonus1] = "Strength|123456";
  entry[test::kBonus2] = "Dexterity|-12";
  TItemRecord e = LoadOne(entry);
  EXPECT_EQ(e.BonusValue[0], 12345);
  EXPECT_EQ(e.BonusValue[1], -12);

  e = LoadWith(test::kBonusLevel, "MB:123");
  EXPECT_EQ(e.BonusLevelFixed, 1);
  EXPECT_EQ(e.BonusLevel, 12);
  EXPECT_EQ(LoadWith(test::kBonusLevel, "MB:5").BonusLevel, 5);
  e = LoadWith(test::kBonusLevel, "something else");
  EXPECT_EQ(e.BonusLevelFixed, 0);
  EXPECT_EQ(e.BonusLevel, 0);
  EXPECT_EQ(LoadWith(test::kClasses, std::string(46, '0') + "1" + "junk").ClassUsable[46], 1);
}

TEST_F(VaultLoaderTest, ServerLettersAndStatusLine) {
  struct Case {
    std::string line;
    int normal, coop, pvp, classic, origins;
  };
  for (const Case& c : {Case{"X", 0, 0, 0, 0, 0}, Case{"NO", 1, 0, 0, 0, 1},
                        Case{"PBC", 0, 1, 1, 1, 0}, Case{"", 0, 0, 0, 0, 0}}) {
    const TItemRecord e = LoadWith(test::kServers, c.line);
    EXPECT_EQ(e.ServerNormal, c.normal) << c.line;
    EXPECT_EQ(e.ServerCoop, c.coop) << c.line;
    EXPECT_EQ(e.ServerPvP, c.pvp) << c.line;
    EXPECT_EQ(e.ServerClassic, c.classic) << c.line;
    EXPECT_EQ(e.ServerOrigins, c.origins) << c.line;
  }
  TItemRecord e = LoadWith(test::kStatus, "R");
  EXPECT_EQ(e.Researched, 1);
  EXPECT_EQ(e.Verified, 0);
  e = LoadWith(test::kStatus, "U");
  EXPECT_EQ(e.Researched + e.Verified, 0);
  e = LoadWith(test::kStatus, "v");
  EXPECT_EQ(e.Verified, 0);
}

// A vault that fails to load takes its texts back: the vault loaded after
// it (start-up's fallback) numbers its own as a fresh start would.
TEST_F(VaultLoaderTest, AVaultThatFailsToLoadLeavesTheListsAsTheyWere) {
  Lines first = SampleEntry(1);
  first[test::kItemType] = "Festival Token";
  first[test::kEffect1] = "Moonburn|C:3";
  Lines broken = SampleEntry(2);
  broken[test::kClasses] = "1";  // a class line must hold 47 digits
  ASSERT_FALSE(vault.LoadText(VaultText("3", {first, broken})).Ok());
  EXPECT_EQ(ItemTypeList().Size(), 18u);
  EXPECT_EQ(EffectNameCount(), kCompiledEffectNames);
}

TEST_F(VaultLoaderTest, UnknownTextsGrowTheirListsAndTheCriteriaLists) {
  Lines first = SampleEntry(1);
  Lines second = SampleEntry(2);
  first[test::kItemType] = "Festival Token";
  second[test::kItemType] = "FESTIVAL TOKEN";
  first[test::kSource] = "";
  second[test::kSource] = "Guild Archive";
  second[test::kEffect1] = "Moonburn|C:3";
  first[test::kWeapon] =
      "Harpoon \xC9p\xC9"
      "e \x8A";
  second[test::kWeapon] =
      "HARPOON \xE9p\xE9"
      "e \x9A";  // Latin letters fold too
  first[test::kExpansion] = "Future Isles";
  ASSERT_TRUE(vault.LoadText(VaultText("3", {first, second})).Ok());
  const TItemRecord& a = vault.Entries()[1];
  const TItemRecord& b = vault.Entries()[2];
  EXPECT_EQ(a.ItemType, 18);
  EXPECT_EQ(b.ItemType, 18);
  EXPECT_EQ(ItemTypeList().Size(), 19u);
  const auto types = ITypeFilterChoices();
  ASSERT_EQ(types.size(), 20u);
  EXPECT_EQ(types.back(), "Festival Token");
  EXPECT_EQ(a.Source, 10);  // an empty source reads as "XML Import" and is not appended
  EXPECT_EQ(b.Source, 11);
  EXPECT_EQ(SourceList().At(11), "Guild Archive");
  EXPECT_EQ(b.EffectKind[0], 3);
  EXPECT_EQ(b.EffectId[0], kCompiledEffectNames);
  EXPECT_EQ(ProcFilterChoices().back(), "Moonburn");
  EXPECT_EQ(ProcFilterChoices().size(), kCompiledEffectNames + 2);
  EXPECT_EQ(a.WeaponType, 31);
  EXPECT_EQ(b.WeaponType, 31);
  EXPECT_EQ(WeaponTypeList().Size(), 32u);
  EXPECT_EQ(WeaponFilterChoices().at(31),
            "Harpoon \xC9p\xC9"
            "e \x8A");  // position = list index
  EXPECT_EQ(a.Expansion, 22);
  EXPECT_EQ(ExpansionFilterChoices().at(23), "Future Isles");
}

TEST_F(VaultLoaderTest, BonusAndEffectLines) {
  Lines entry = SampleEntry();
  entry[test::kBonusCount] = "3";
  entry.insert(entry.begin() + test::kBonus2 + 1,
               "Crush Skill|4");  // the name has a trailing blank
  entry[test::kEffectCount + 1] = "2";
  entry[test::kEffect1 + 1] = "Ablative|N:12345|M:";  // later tags win
  entry.push_back("Stun|R:65535");
  const TItemRecord e = LoadOne(entry);
  EXPECT_EQ(e.BonusCode[2], 255);
  EXPECT_EQ(e.BonusValue[2], 4);
  EXPECT_EQ(e.EffectKind[0], 6);
  EXPECT_EQ(e.EffectId[0], 1);
  EXPECT_EQ(e.EffectValue[0], 12345);
  EXPECT_EQ(e.EffectKind[1], 2);
  EXPECT_EQ(e.EffectValue[1], 65535);
}

TEST_F(VaultLoaderTest, ATaglessFirstEffectStaysEmpty) {
  Lines entry = SampleEntry();
  entry[test::kEffectCount] = "2";
  entry[test::kEffect1] = "Undefined/Other0";
  entry.push_back("Ablative|E:12");
  const TItemRecord e = LoadOne(entry);
  EXPECT_EQ(e.EffectKind[0], 0);
  EXPECT_EQ(e.EffectId[0], 0);
  EXPECT_EQ(e.EffectValue[0], 0);
  EXPECT_EQ(e.EffectKind[1], 4);
  EXPECT_EQ(e.EffectId[1], 1);
  EXPECT_EQ(e.EffectValue[1], 12);
  EXPECT_EQ(EffectNameCount(), kCompiledEffectNames);
}

TEST_F(VaultLoaderTest, EntriesStartAtAnyTildeAndTakeIndicesInOrder) {
  Lines first = SampleEntry(40);
  first[1] = "junk ~ here";
  first.insert(first.begin(), "a stray line between entries");
  Lines second = SampleEntry(3);
  second[test::kName] = "Second";
  ASSERT_TRUE(vault.LoadText(VaultText("3", {first, second})).Ok());
  EXPECT_EQ(vault.Entries()[1].Name.View(), "Sword of Tests");
  EXPECT_EQ(vault.Entries()[2].Name.View(), "Second");
}

TEST_F(VaultLoaderTest, TheLastLineOfAnEntryIsTestedForTildeAgain) {
  Lines first = SampleEntry();
  first[test::kEffect1] = "Odd~Name|N:5";
  Lines second = SampleEntry();
  second.erase(second.begin(), second.begin() + 2);  // no empty line, no "~" line
  second[0] = "Follows at once";
  ASSERT_TRUE(vault.LoadText(VaultText("3", {first, second})).Ok());
  EXPECT_EQ(vault.Entries()[1].EffectId[0], kCompiledEffectNames);
  EXPECT_EQ(vault.Entries()[2].Name.View(), "Follows at once");
}

TEST_F(VaultLoaderTest, MissingEntriesStayAllZero) {
  ASSERT_TRUE(vault.LoadText(VaultText("4", {SampleEntry()})).Ok());
  ASSERT_EQ(vault.Count(), 4u);
  const TItemRecord zero{};
  for (std::size_t i = 2; i < 4; ++i) {
    EXPECT_EQ(std::memcmp(&vault.Entries()[i], &zero, sizeof zero), 0);
    EXPECT_EQ(vault.Entries()[i].Name.Size(), 0u);
    EXPECT_EQ(vault.Entries()[i].Realm, 0);
  }
}

TEST_F(VaultLoaderTest, UntrustworthyTextsAreRefusedNamingTheLine) {
  // The header is five lines and the header entry 20, so the sample entry's
  // line k is line 27 + k of the text.
  auto edited = [](int line, const std::string& text) {
    Lines entry = SampleEntry();
    entry[static_cast<std::size_t>(line)] = text;
    return entry;
  };
  struct Case {
    std::string text;
    std::string expected;
  };
  Lines cut = SampleEntry();
  cut.resize(test::kBonus1);
  const Case cases[] = {
      {VaultText("2", {edited(test::kLevel, "fifty")}), "line 32: the level is not a whole number"},
      {VaultText("2", {edited(test::kLevel, "256")}), "line 32: the level is out of range"},
      {VaultText("2", {edited(test::kClasses, "0101")}), "line 40: the class line is shorter"},
      {VaultText("2", {edited(test::kClasses, std::string(46, '1') + "x")}), "line 40: the class"},
      {VaultText("2", {edited(test::kBonusCount, "11")}), "line 45: the bonus count is out"},
      {VaultText("2", {edited(test::kBonusCount, "")}), "line 45: the bonus count is not"},
      {VaultText("2", {edited(test::kBonus1, "Strength 12")}), "line 46: a bonus line has no"},
      {VaultText("2", {edited(test::kBonus1, "Strength|")}), "line 46: a bonus value is not"},
      {VaultText("2", {edited(test::kEffectCount, "3")}), "line 48: the effect count is out"},
      {VaultText("2", {edited(test::kEffect1, "Lifedrain|N:")}), "line 49: an effect value"},
      {VaultText("2", {edited(test::kEffect1, "Lifedrain|N:70000")}), "line 49: an effect value"},
      {VaultText("2", {edited(test::kBonusLevel, "MB:x1")}), "line 42: the bonus level"},
      {VaultText("2", {SampleEntry(), SampleEntry()}), "line 51: the text holds more entries"},
      {VaultText("3", {cut}), "the text ends inside an entry"},
  };
  for (const Case& c : cases) {
    const VaultLoadStatus status = vault.LoadText(c.text);
    EXPECT_EQ(status.exitCode, 200) << c.expected;
    EXPECT_NE(status.message.find(c.expected), std::string::npos) << status.message;
    EXPECT_EQ(vault.Count(), 0u);
  }
}

TEST_F(VaultLoaderTest, AHugeHeaderCountIsRefusedBeforeAllocating) {
  VaultLoadOptions options;
  options.maxEntries = 10;
  EXPECT_TRUE(vault.LoadText(VaultText("10", {SampleEntry()}), options).Ok());
  const VaultLoadStatus status = vault.LoadText(VaultText("11", {SampleEntry()}), options);
  EXPECT_EQ(status.exitCode, 202);
  EXPECT_NE(status.message.find("line 4"), std::string::npos);
}

TEST_F(VaultLoaderTest, ReadingOutsideTheVaultGivesTheEmptyItemAndAMessage) {
  ASSERT_TRUE(vault.LoadText(VaultText("2", {SampleEntry()})).Ok());
  test::FakeUser user;
  EXPECT_EQ(vault.Read(1, user).Name.View(), "Sword of Tests");
  EXPECT_TRUE(user.messages.empty());
  for (const long long index : {2LL, -1LL, 1LL << 40}) {
    const TItemRecord item = vault.Read(index, user);
    EXPECT_EQ(item.Name.View(), " ");
    EXPECT_EQ(item.Realm, 3);
    EXPECT_EQ(item.Quality, 41);
  }
  EXPECT_EQ(user.messages, std::vector<std::string>(3, "Read past end of vault."));
}

TEST_F(VaultLoaderTest, ProcessVaultLoadsFromAFile) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "qm_vault_loader_test.qmv").string();
  const auto packed = DeflateStream(VaultText("2", {SampleEntry()})).Value();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(packed.data()),
             static_cast<std::streamsize>(packed.size()));
  test::FakeShell shell;
  ASSERT_TRUE(LoadVault(path, &shell).Ok());
  EXPECT_EQ(shell.busyCalls, 2);
  EXPECT_FALSE(shell.busy);
  EXPECT_EQ(VaultCount(), 2u);
  test::FakeUser user;
  EXPECT_EQ(ReadVaultItem(1, user).Level, 50);
  EXPECT_EQ(TheVault().Path(), path);  // the About box names the file in use
  std::filesystem::remove(path);
  EXPECT_FALSE(LoadVault(path).Ok());
  EXPECT_EQ(TheVault().Path(), "");
  TheVault().Assign({});
}

TEST_F(VaultLoaderTest, EntriesWithoutAHeaderParseInOrder) {
  Lines second = SampleEntry(0);
  second[test::kName] = "Second";
  const std::string text = test::Join(SampleEntry(0)) + test::Join(second);
  const auto entries = ParseVaultEntries(text);
  ASSERT_TRUE(entries.Ok()) << entries.Error();
  ASSERT_EQ(entries.Value().size(), 2u);
  EXPECT_EQ(entries.Value()[1].Name.View(), "Second");
  Lines broken = SampleEntry(0);
  broken[test::kLevel] = "x";
  const auto refused = ParseVaultEntries(test::Join(broken));
  ASSERT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Error(), "line 6: the level is not a whole number");
}

}  // namespace
}  // namespace qm
