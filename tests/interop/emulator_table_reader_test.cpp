// OpenDAoC item table dumps: which rows become items and in what words,
// a second reading of the fixture that the bonuses must match, and the
// dumps that break off, overflow a row or are no item table.
#include <gtest/gtest.h>
#include <sys/mman.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "core/bonus_catalogue.h"
#include "interop/emulator_table_reader.h"
#include "interop/emulator_vocabulary.h"
#include "interop/read_limits.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

std::string Fixture() {
  return testing::InteropFixture("emulator/itemtemplate.sql");
}

using Read = testing::Reading;

Read ReadText(std::string_view text) {
  return testing::ReadWith<ReadEmulatorTable>(text);
}

std::size_t SkippedFor(const ImportTally& tally, std::string_view reason) {
  for (const ReasonCount& r : tally.Skipped()) {
    if (r.Reason == reason) return r.Count;
  }
  return 0;
}

const ForeignItem* ById(const std::vector<ForeignItem>& items, std::string_view id) {
  for (const ForeignItem& item : items) {
    if (item.SourceId == id) return &item;
  }
  return nullptr;
}

TEST(EmulatorTableReader, SniffsTheDumpByItsContent) {
  const std::string text = Fixture();
  EXPECT_TRUE(LooksLikeEmulatorTable(std::string_view(text).substr(0, 4096)));
  EXPECT_FALSE(LooksLikeEmulatorTable("INSERT INTO `spell` VALUES (1);"));
  EXPECT_FALSE(LooksLikeEmulatorTable("<?xml version=\"1.0\"?><SCItem/>"));
}

TEST(EmulatorTableReader, KeepsWornItemsInOurWords) {
  const Read read = ReadText(Fixture());
  ASSERT_TRUE(read.Outcome.Ok()) << read.Outcome.Error();
  const std::vector<ForeignItem>& items = read.Outcome.Value().Items;
  EXPECT_TRUE(read.Outcome.Value().StoppedAt.empty());

  const ForeignItem* band = ById(items, "qm_band_of_the_warden");
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->Name, "Warden's Band (Hib)");
  EXPECT_EQ(band->Realm, 1);
  EXPECT_EQ(band->SlotKind, 5);
  EXPECT_EQ(band->Level, 50);
  EXPECT_EQ(band->Quality, 100);
  EXPECT_EQ(band->BonusLevel, 40);
  EXPECT_EQ(band->Classes, (std::vector<int>{31, 32}));
  EXPECT_EQ(band->Bonuses.back(), (ForeignBonus{"property 250", 0, 8}));

  const ForeignItem* sword = ById(items, "qm_plain_sword");
  ASSERT_NE(sword, nullptr);  // no bonus, but a weapon of level 50
  EXPECT_EQ(sword->Realm, 0);
  EXPECT_EQ(sword->SlotKind, 13);
  EXPECT_EQ(sword->WeaponType, "Slash");
  EXPECT_EQ(sword->SpeedTenths, 37);
  EXPECT_EQ(sword->Classes, (std::vector<int>{0, 5, 10}));

  const ForeignItem* cloak = ById(items, "qm_cloak_of_eleven");
  ASSERT_NE(cloak, nullptr);
  EXPECT_EQ(cloak->Realm, kAllRealms);
  EXPECT_TRUE(cloak->Classes.empty());
  EXPECT_EQ(cloak->Bonuses.size(), 11u);  // Bonus1..10 and the extra bonus, none merged

  struct Expected {
    std::string_view Id;
    int SlotKind;
    std::string_view WeaponType;
  };
  for (const Expected& e :
       {Expected{"qm_wolfheart_ring", 5, ""}, Expected{"qm_tower_shield", 26, ""},
        Expected{"qm_silver_lute", 23, "Instrument"}, Expected{"qm_falling_stone", 22, ""},
        Expected{"qm_plain_bracer", 6, ""}}) {
    const ForeignItem* item = ById(items, e.Id);
    ASSERT_NE(item, nullptr) << e.Id;
    EXPECT_EQ(item->SlotKind, e.SlotKind) << e.Id;
    EXPECT_EQ(item->WeaponType, e.WeaponType) << e.Id;
  }
  EXPECT_EQ(ById(items, "qm_wolfheart_ring")->Name, "Ring of the Wolf's Heart");
  // The duplicate row stays: merging is the conversion's work.
  EXPECT_EQ(
      std::count_if(items.begin(), items.end(),
                    [](const ForeignItem& i) { return i.SourceId == "qm_band_of_the_warden"; }),
      2);
  EXPECT_EQ(items.size(), 9u);
  EXPECT_EQ(SkippedFor(read.Tally, "not wearable"), 1u);
  EXPECT_EQ(SkippedFor(read.Tally, "no bonuses and below level 45"), 1u);
}

TEST(EmulatorTableReader, PropertyIdsBecomeOurBonusCodes) {
  struct Case {
    int Property;
    std::string_view OurName;
  };
  for (const Case& c :
       {Case{2, "Dexterity"}, Case{3, "Constitution"}, Case{5, "Intelligence"},
        Case{11, "Body Resist"}, Case{19, "Thrust Resist"}, Case{34, "Ice Magic"},
        Case{125, "Focus:Wind"}, Case{164, "All Melee Skills"}, Case{191, "Spell Speed"},
        Case{202, "Dexterity Cap"}, Case{209, "Acuity Cap"}}) {
    EXPECT_EQ(BonusName(EmulatorPropertyOf(c.Property).Code), c.OurName) << c.Property;
  }
  EXPECT_EQ(EmulatorPropertyOf(233).Code, 0);
}

// The fixture read a second way: each row's quoted texts, NULLs and numbers
// by a regular expression, the bonus columns picked by their names.
TEST(EmulatorTableReader, BonusesMatchASecondReadingOfTheDump) {
  const std::string text = Fixture();
  const std::regex columnList(R"(REPLACE INTO `itemtemplate` \(([^)]*)\) VALUES)");
  std::smatch header;
  ASSERT_TRUE(std::regex_search(text, header, columnList));
  std::vector<std::string> columns;
  const std::string list = header[1];
  const std::regex name("`([^`]+)`");
  for (auto it = std::sregex_iterator(list.begin(), list.end(), name); it != std::sregex_iterator();
       ++it) {
    columns.push_back((*it)[1]);
  }
  const auto at = [&](std::string_view column) {
    return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), column) -
                                    columns.begin());
  };
  std::map<std::string, std::vector<ForeignBonus>> expected;
  const std::regex value(R"('(?:[^'\\]|\\.|'')*'|NULL|-?\d+)");
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("\t('", 0) != 0) continue;
    std::vector<std::string> values;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), value);
         it != std::sregex_iterator(); ++it) {
      values.push_back(it->str());
    }
    if (values.size() != columns.size()) continue;  // the row without a column list
    std::vector<ForeignBonus> bonuses;
    for (int slot = 1; slot <= 11; ++slot) {
      const std::string suffix = slot <= 10 ? "Bonus" + std::to_string(slot) : "ExtraBonus";
      const int type = std::stoi(values[at(suffix + "Type")]);
      if (type == 0) continue;
      const EmulatorProperty property = EmulatorPropertyOf(type);
      bonuses.push_back({property.Name, property.Code, std::stoi(values[at(suffix)])});
    }
    const std::string id = values[at("Id_nb")];
    expected[id.substr(1, id.size() - 2)] = bonuses;
  }
  const Read read = ReadText(text);
  ASSERT_TRUE(read.Outcome.Ok());
  std::size_t compared = 0;
  for (const ForeignItem& item : read.Outcome.Value().Items) {
    const auto it = expected.find(item.SourceId);
    if (it == expected.end()) continue;
    EXPECT_EQ(item.Bonuses, it->second) << item.SourceId;
    ++compared;
  }
  EXPECT_EQ(compared, 8u);
}

TEST(EmulatorTableReader, ADumpThatBreaksOffKeepsItsCompleteRows) {
  const std::string text = Fixture();
  const std::size_t cut = text.find("'qm_tower_shield'") + 20;
  const Read read = ReadText(std::string_view(text).substr(0, cut));
  ASSERT_TRUE(read.Outcome.Ok());
  EXPECT_EQ(read.Outcome.Value().Items.size(),
            5u);  // the rows before the shield, arrows and boots left out
  EXPECT_EQ(read.Outcome.Value().StoppedAt, "stopped at line 20: the row breaks off");
}

TEST(EmulatorTableReader, AnOversizedRowIsPassedOverAndTheNextRead) {
  const std::string head =
      "INSERT INTO itemtemplate (Id_nb, Name, Object_Type, Item_Type, Bonus1, Bonus1Type) VALUES ";
  const std::string text = head + "('big', '" + std::string(kMaxSqlRowBytes, 'x') +
                           "', 41, 24, 1, 1),\n('small', 'Small Jewel', 41, 24, 3, 1);";
  const Read read = ReadText(text);
  ASSERT_TRUE(read.Outcome.Ok());
  ASSERT_EQ(read.Outcome.Value().Items.size(), 1u);
  EXPECT_EQ(read.Outcome.Value().Items[0].Name, "Small Jewel");
  EXPECT_EQ(SkippedFor(read.Tally, "row larger than 1 MiB"), 1u);
}

TEST(EmulatorTableReader, Windows1252NamesReadAsUtf8) {
  const Read read = ReadText(
      "INSERT INTO itemtemplate (Id_nb, Name, Object_Type, Item_Type, Bonus1, Bonus1Type) VALUES "
      "('e', 'Ep\xE9"
      "e', 41, 24, 1, 1);");
  ASSERT_TRUE(read.Outcome.Ok());
  ASSERT_EQ(read.Outcome.Value().Items.size(), 1u);
  EXPECT_EQ(read.Outcome.Value().Items[0].Name,
            "Ep\xC3\xA9"
            "e");
}

TEST(EmulatorTableReader, ReportsProgressToTheEndAndStopsWhenCancelled) {
  const std::string text = Fixture();
  ImportTally tally;
  std::uint64_t lastDone = 0;
  ReadContext context{
      tally, [&](std::uint64_t done, std::uint64_t, std::string_view) { lastDone = done; }, {}};
  ASSERT_TRUE(ReadEmulatorTable(text, context).Ok());
  EXPECT_EQ(lastDone, text.size());

  context.Cancel.Cancel();
  const auto cancelled = ReadEmulatorTable(text, context);
  ASSERT_TRUE(cancelled.Ok());
  EXPECT_TRUE(cancelled.Value().Items.empty());
}

TEST(EmulatorTableReader, RefusesWhatIsNoItemTable) {
  struct Case {
    std::string Text;
    std::string Error;
  };
  for (const Case& c :
       {Case{"INSERT INTO spell VALUES (1, 'x');", "not an item table dump (no itemtemplate rows)"},
        Case{"hello", "not an item table dump (no itemtemplate rows)"}}) {
    const Read read = ReadText(c.Text);
    ASSERT_FALSE(read.Outcome.Ok());
    EXPECT_EQ(read.Outcome.Error(), c.Error);
  }
}

TEST(EmulatorTableReader, RefusesASourcePastOneGibibyte) {
  // Untouched pages of an anonymous mapping cost no memory.
  const std::size_t size = kMaxSourceBytes + 1;
  void* pages = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  const Read read = ReadText(std::string_view(static_cast<const char*>(pages), size));
  munmap(pages, size);
  ASSERT_FALSE(read.Outcome.Ok());
  EXPECT_EQ(read.Outcome.Error(), "larger than 1 GiB");
}

}  // namespace
}  // namespace qm
