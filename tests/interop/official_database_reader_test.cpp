// The official item database reader: what it keeps and how it maps every
// field, the bonus rows against the file read on its own, the metadata's
// names, and the files it refuses or reads only in part.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "interop/official_database_reader.h"
#include "interop/read_limits.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

std::string Fixture(const std::string& name) {
  return testing::InteropFixture("official/" + name);
}

struct Reading {
  ImportTally tally;
  CancelToken cancel;
  ReadContext context{tally, {}, cancel};
};

const ForeignItem* ById(const ReadOutcome& outcome, const std::string& id) {
  for (const ForeignItem& item : outcome.Items) {
    if (item.SourceId == id) return &item;
  }
  return nullptr;
}

std::vector<int> Codes(const ForeignItem& item) {
  std::vector<int> codes;
  for (const ForeignBonus& bonus : item.Bonuses) codes.push_back(bonus.Code);
  return codes;
}

TEST(OfficialDatabaseReader, EveryBonusRowOfEveryKeptItemComesThroughInOrder) {
  const std::string text = Fixture("items.json");
  Reading reading;
  const auto read = ReadOfficialDatabase(text, {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  // The second, plain reading: each row is "type T id I" with its value, and
  // a mythical stat-and-cap or resist-and-cap row stands for two bonuses.
  const nlohmann::json source = nlohmann::json::parse(text);
  std::size_t checked = 0;
  for (const nlohmann::json& item : source["items"]) {
    const ForeignItem* kept = ById(read.Value(), std::to_string(item["id"].get<int>()));
    if (kept == nullptr) continue;
    std::vector<std::pair<std::string, int>> expected;
    for (const nlohmann::json& row : item["bonuses"]) {
      const int type = row["type"].get<int>();
      std::string name = "type " + std::to_string(type);
      if (row.contains("id")) name += " id " + std::to_string(row["id"].get<int>());
      expected.emplace_back(name, row["value"].get<int>());
      if (type == 68 || type == 75) expected.emplace_back(name + " (cap)", row["value"].get<int>());
    }
    std::vector<std::pair<std::string, int>> readBack;
    for (const ForeignBonus& bonus : kept->Bonuses) readBack.emplace_back(bonus.Name, bonus.Value);
    EXPECT_EQ(readBack, expected) << kept->Name;
    ++checked;
  }
  EXPECT_EQ(checked, 7u);
}

TEST(OfficialDatabaseReader, MapsBonusRowsToOurCodesKeepingDuplicatesAndUnknowns) {
  Reading reading;
  const auto read = ReadOfficialDatabase(Fixture("items.json"), {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  struct Case {
    std::string id;
    std::vector<int> codes;
  };
  const Case cases[] = {
      // Intelligence, all focus, hits, heat, casting speed, intelligence cap,
      // power pool, two rows we have no code for, Illusions, an id only the
      // metadata names, and the repeated Intelligence.
      {"40211", {6, 22, 10, 14, 152, 139, 145, 0, 0, 0, 0, 6}},
      // Mythical strength and its cap, body resist and its (codeless) cap,
      // constitution cap, essence resist.
      {"51007", {1, 134, 18, 0, 135, 198}},
      {"33019", {65, 150, 20}},
      {"12880", {132, 198}},
  };
  for (const Case& c : cases) {
    const ForeignItem* item = ById(read.Value(), c.id);
    ASSERT_NE(item, nullptr) << c.id;
    EXPECT_EQ(Codes(*item), c.codes) << item->Name;
  }
}

TEST(OfficialDatabaseReader, MapsRealmSlotArmourWeaponAndClasses) {
  Reading reading;
  const auto read = ReadOfficialDatabase(Fixture("items.json"), {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  struct Case {
    std::string id;
    int realm, slotKind, armor;
    std::string weaponType;
    int level, quality, bonusLevel, speedTenths;
    std::vector<int> classes;
  };
  const Case cases[] = {
      {"40211", 0, 3, 0, "", 50, 0, 40, 0, {15, 14, 1}},  // Cloak; Wizard, Theurgist, Cabalist
      {"51007", 3, 17, 0, "", 45, 0, 0, 0, {}},           // Mythirians, every realm and class
      {"33019", 1, 14, 0, "Blades", 47, 99, 38, 28, {19, 27}},      // left hand; Blademaster,
                                                                    // Nightshade
      {"33020", 2, 20, 0, "Two Handed", 50, 100, 0, 52, {32, 46}},  // speed given in milliseconds
      {"33021", 2, 26, 0, "Large Shield", 50, 100, 0, 0, {}},
      {"12880", 2, 7, 4, "", 50, 100, 0, 0, {37, 42}},  // Chest, chain; Runemaster, Spiritmaster
      {"12881", 1, 23, 0, "Instrument", 40, 0, 0, 0, {18}},
  };
  ASSERT_EQ(read.Value().Items.size(), std::size(cases));
  for (const Case& c : cases) {
    const ForeignItem* item = ById(read.Value(), c.id);
    ASSERT_NE(item, nullptr) << c.id;
    EXPECT_EQ(item->Realm, c.realm) << item->Name;
    EXPECT_EQ(item->SlotKind, c.slotKind) << item->Name;
    EXPECT_EQ(item->Armor, c.armor) << item->Name;
    EXPECT_EQ(item->WeaponType, c.weaponType) << item->Name;
    EXPECT_EQ(item->Level, c.level) << item->Name;
    EXPECT_EQ(item->Quality, c.quality) << item->Name;
    EXPECT_EQ(item->BonusLevel, c.bonusLevel) << item->Name;
    EXPECT_EQ(item->SpeedTenths, c.speedTenths) << item->Name;
    EXPECT_EQ(item->Classes, c.classes) << item->Name;
  }
}

TEST(OfficialDatabaseReader, NamesWhatItLeavesOutInTheTally) {
  Reading reading;
  const auto read = ReadOfficialDatabase(Fixture("items.json"), {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  const std::vector<ReasonCount> expected = {
      {"not wearable", 1, {"Potion of Greater Healing"}},
      {"no name", 1, {"#90002"}},
  };
  EXPECT_EQ(reading.tally.Skipped(), expected);
}

TEST(OfficialDatabaseReader, TheMetadataNamesBonusesAndMapsIdsByOurNames) {
  Reading reading;
  const auto read =
      ReadOfficialDatabase(Fixture("items.json"), Fixture("metadata.json"), reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  const ForeignItem* cloak = ById(read.Value(), "40211");
  ASSERT_NE(cloak, nullptr);
  const std::vector<ForeignBonus> tail(cloak->Bonuses.begin() + 5, cloak->Bonuses.end());
  const std::vector<ForeignBonus> expected = {
      {"Toa Overcap: Intelligence", 139, 5},
      {"type 34", 145, 4},  // the metadata file leaves the type out
      {"Mythical Power Regen", 0, 2},
      {"Crafting Speed: Spellcrafting", 0, 5},
      {"Skills: Illusions", 0, 3},
      {"Armor Factor", 148, 6},  // unknown to the built-in copy, ours by name
      {"Stats: Intelligence", 6, 15},
  };
  EXPECT_EQ(tail, expected);
}

TEST(OfficialDatabaseReader, RefusesWhatIsNoItemDatabase) {
  std::string deep = "{\"items\": [";
  for (int i = 0; i < kMaxJsonDepth; ++i) deep += "[";
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"*** Chat Log Opened", "not an item database (not JSON, or no items array)"},
      {R"({"objects": [{"name": "Cloak"}]})", "not an item database (no items array)"},
      {R"({"items": {"name": "Cloak"}})", "not an item database (no items array)"},
      {deep, "nested deeper than 64 levels"},
  };
  for (const auto& c : cases) {
    Reading reading;
    const auto read = ReadOfficialDatabase(c.text, {}, reading.context);
    ASSERT_FALSE(read.Ok()) << c.text;
    EXPECT_EQ(read.Error(), c.error);
  }
  Reading reading;
  const auto metadata = ReadOfficialDatabase(Fixture("items.json"), "[1, 2]", reading.context);
  ASSERT_FALSE(metadata.Ok());
  EXPECT_EQ(metadata.Error(), "not item database metadata (no bonus_types)");
}

TEST(OfficialDatabaseReader, RefusesASourcePastOneGibibyteBeforeReadingIt) {
  // The view is never read past its first bytes: the size alone refuses it.
  const std::string start = "{\"items\": []}";
  Reading reading;
  const auto read = ReadOfficialDatabase(std::string_view(start.data(), kMaxSourceBytes + 1), {},
                                         reading.context);
  ASSERT_FALSE(read.Ok());
  EXPECT_EQ(read.Error(), "larger than 1 GiB");
}

TEST(OfficialDatabaseReader, AFileThatBreaksOffGivesTheItemsBeforeTheBreak) {
  const std::string text = Fixture("items.json");
  const std::size_t cut = text.find("\"Jarl's Greatsword\"");
  Reading reading;
  const auto read = ReadOfficialDatabase(text.substr(0, cut), {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 3u);
  EXPECT_EQ(read.Value().Items.back().Name, "Glacier Edge");
  EXPECT_EQ(read.Value().StoppedAt, "stopped at line 60: the file breaks off");

  const std::string overflow =
      "{\"items\": [{\"id\": 1, \"name\": \"Ring\", \"category\": 5, \"slot\": 15},\n"
      "{\"id\": 2, \"name\": \"Band\", \"category\": 5, \"value\": 1e400}]}";
  Reading overflowReading;
  const auto overflowRead = ReadOfficialDatabase(overflow, {}, overflowReading.context);
  ASSERT_TRUE(overflowRead.Ok()) << overflowRead.Error();
  ASSERT_EQ(overflowRead.Value().Items.size(), 1u);
  EXPECT_EQ(overflowRead.Value().StoppedAt, "stopped at line 2: a number is too large");
}

TEST(OfficialDatabaseReader, ReadsWindows1252NamesAsUtf8) {
  const std::string text =
      "{\"items\": [{\"id\": 1, \"name\": \"Ceinture d'\xC9lite\", \"category\": 5, \"slot\": "
      "12}]}";
  Reading reading;
  const auto read = ReadOfficialDatabase(text, {}, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 1u);
  EXPECT_EQ(read.Value().Items[0].Name, "Ceinture d'\xC3\x89lite");
  EXPECT_EQ(read.Value().Items[0].SlotKind, 4);  // Belt

  // UTF-8 that breaks off inside a character stays UTF-8.
  const std::string cut =
      "{\"items\": [{\"id\": 1, \"name\": \"Ceinture d'\xC3\x89lite\", \"category\": 5},\n"
      "{\"id\": 2, \"name\": \"\xC3";
  Reading cutReading;
  const auto cutRead = ReadOfficialDatabase(cut, {}, cutReading.context);
  ASSERT_TRUE(cutRead.Ok()) << cutRead.Error();
  ASSERT_EQ(cutRead.Value().Items.size(), 1u);
  EXPECT_EQ(cutRead.Value().Items[0].Name, "Ceinture d'\xC3\x89lite");
  EXPECT_EQ(cutRead.Value().StoppedAt, "stopped at line 2: the file breaks off");
}

std::string ManyRings(int count) {
  std::string text = "{\"items\": [";
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ",";
    text += "{\"id\": " + std::to_string(i) +
            ", \"name\": \"Ring\", \"category\": 5, \"slot\": 15, \"bonuses\": []}";
  }
  return text + "]}";
}

TEST(OfficialDatabaseReader, ReportsProgressInBytesAndStopsWhenCancelled) {
  const std::string text = ManyRings(1000);
  Reading reading;
  std::vector<std::uint64_t> done;
  reading.context.Progress = [&](std::uint64_t at, std::uint64_t total, std::string_view) {
    EXPECT_EQ(total, text.size());
    done.push_back(at);
  };
  const auto read = ReadOfficialDatabase(text, {}, reading.context);
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value().Items.size(), 1000u);
  ASSERT_GE(done.size(), 3u);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_GT(done.front(), 0u);
  EXPECT_EQ(done.back(), text.size());

  Reading cancelled;
  cancelled.context.Progress = [&](std::uint64_t, std::uint64_t, std::string_view) {
    cancelled.cancel.Cancel();
  };
  const auto stopped = ReadOfficialDatabase(text, {}, cancelled.context);
  ASSERT_TRUE(stopped.Ok());
  EXPECT_LT(stopped.Value().Items.size(), 1000u);
}

TEST(OfficialDatabaseReader, LooksAtTheContentNotTheName) {
  const struct {
    std::string head;
    bool database;
  } cases[] = {
      {Fixture("items.json").substr(0, 4096), true},
      {"\xEF\xBB\xBF  {\"items\": [", true},
      {"[{\"items\": []}]", false},
      {"{\"bonus_types\": {}}", false},
      {"*** Chat Log Opened: Thu Dec 10 03:41:02 2026", false},
  };
  for (const auto& c : cases) EXPECT_EQ(LooksLikeOfficialDatabase(c.head), c.database) << c.head;
}

}  // namespace
}  // namespace qm
