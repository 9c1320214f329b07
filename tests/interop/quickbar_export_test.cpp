// The quickbar export on a character file the way the game writes one: only
// the named keys change, the backup is the file as it was, a restore puts it
// back; the shipped recipes give each realm's gem ladders; and every file
// or template the export cannot take is refused with nothing written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/class_table.h"
#include "core/file_io.h"
#include "interop/game_process.h"
#include "interop/quickbar_export.h"
#include "reader_fixture.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::InteropFixture;

constexpr std::time_t kNoon = 1'700'000'000;

struct Gem {
  int code, tier;
};

// A crafted item with up to four gems: codes in rows 1..4, tiers in 5..8.
TItemRecord CraftedItem(std::initializer_list<Gem> gems) {
  TItemRecord item{};
  item.Crafted = 1;
  int row = 0;
  for (const Gem& gem : gems) {
    item.BonusCode[row] = static_cast<std::uint8_t>(gem.code);
    item.BonusValue[row] = 1;
    item.BonusValue[row + 4] = gem.tier;
    ++row;
  }
  return item;
}

int FirstClassOf(int realm) {
  for (int c = 0; c < kClassTableSize; ++c)
    if (RealmOfClass(c) == realm) return c;
  return -1;
}

TTemplateRecord ArmsmanTemplate() {
  TTemplateRecord tpl{};
  tpl.ClassIndex = static_cast<std::uint8_t>(FirstClassOf(0));
  tpl.Slot(kChest) = CraftedItem({{1, 9}, {2, 9}, {10, 9}, {29, 5}});
  tpl.Slot(kLegs) = CraftedItem({{1, 9}, {3, 9}, {10, 9}, {18, 7}});
  tpl.Slot(kHead) = CraftedItem({{1, 9}});
  tpl.Slot(kHead).Crafted = 0;  // a dropped helm's bonuses are no gems
  return tpl;
}

RecipeTable LiveRecipes() {
  const char* root = std::getenv("QM_TESTDATA");
  auto table = ReadRecipeTable(std::string(root != nullptr ? root : "tests/data") +
                               "/../../data/quickbar/live.txt");
  EXPECT_TRUE(table.Ok()) << table.Error();
  return table.Ok() ? table.Value() : RecipeTable{};
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class QuickbarExport : public ::testing::Test {
 protected:
  void SetUp() override { Write(ini_, InteropFixture("game_ini/character.ini")); }
  Result<QuickbarPlan> Plan(const QuickbarPlacement& at = {1, 1, 2}, bool realmSwitch = false) {
    auto ini = ReadGameIni(ini_);
    EXPECT_TRUE(ini.Ok());
    return PlanQuickbar(CraftedPieces(ArmsmanTemplate()), 0, recipes_, ini.Value(), at,
                        realmSwitch);
  }
  testing::TempFolder folder_;
  std::string ini_ = folder_.File("Aldric-41.ini");
  RecipeTable recipes_ = LiveRecipes();
};

TEST_F(QuickbarExport, WritesOnlyTheNamedKeysAfterABackupThatRestoresTheFile) {
  const std::string original = Read(ini_);
  auto plan = Plan();
  ASSERT_TRUE(plan.Ok()) << plan.Error();
  auto ini = ReadGameIni(ini_);
  auto backup = WriteQuickbar(ini_, ini.Value(), plan.Value(), kNoon);
  ASSERT_TRUE(backup.Ok()) << backup.Error();
  EXPECT_EQ(Read(ini_), InteropFixture("game_ini/character-exported.ini"));
  EXPECT_EQ(Read(backup.Value()), original);
  EXPECT_EQ(QuickbarBackups(ini_), std::vector<std::string>{backup.Value()});

  auto kept = RestoreQuickbar(ini_, backup.Value(), kNoon);
  ASSERT_TRUE(kept.Ok()) << kept.Error();
  EXPECT_EQ(Read(ini_), original);
  EXPECT_EQ(Read(kept.Value()), InteropFixture("game_ini/character-exported.ini"));
  // Two copies of one second: the later one is listed first.
  EXPECT_EQ(kept.Value(), backup.Value() + "-2");
  EXPECT_EQ(QuickbarBackups(ini_).front(), kept.Value());
}

TEST_F(QuickbarExport, PreviewNamesEachGemOnceWithItsCountAndTheButtonItReplaces) {
  auto plan = Plan();
  ASSERT_TRUE(plan.Ok());
  const auto& buttons = plan.Value().Buttons;
  ASSERT_EQ(buttons.size(), 6u);
  EXPECT_EQ(buttons[0].Caption, "Perfect fiery essence jewel");
  EXPECT_EQ(buttons[0].Count, 2);
  EXPECT_EQ(buttons[0].Replaces, "45,1301005,,2385");
  EXPECT_EQ(buttons[1].Replaces, std::nullopt);
  EXPECT_EQ(buttons[4].Replaces, "8,3,Sprint,1012");
}

TEST_F(QuickbarExport, RealmSwitchComesFirstForACrafterOfSeveralRealms) {
  auto ini = ReadGameIni(ini_);
  EXPECT_TRUE(CraftsForSeveralRealms(ini.Value()));
  EXPECT_EQ(RealmSwitchMacros(ini.Value()), (std::array<int, 3>{0, -1, 3}));
  auto plan = Plan({2, 3, 1}, true);
  ASSERT_TRUE(plan.Ok());
  EXPECT_EQ(plan.Value().Section, "Quickbar2");
  EXPECT_EQ(plan.Value().Buttons[0].Key, "Hotkey_20");
  EXPECT_EQ(plan.Value().Buttons[0].Value, "52,0,,2385");
  EXPECT_EQ(plan.Value().Buttons[1].Value, "45,1300009,,2385");
}

TEST_F(QuickbarExport, AChangedFileIsNotOverwritten) {
  auto ini = ReadGameIni(ini_);
  auto plan = Plan();
  Write(ini_, "[Quickbar]\nHotkey_0=1\n");
  auto written = WriteQuickbar(ini_, ini.Value(), plan.Value(), kNoon);
  EXPECT_FALSE(written.Ok());
  EXPECT_EQ(Read(ini_), "[Quickbar]\nHotkey_0=1\n");
  EXPECT_TRUE(QuickbarBackups(ini_).empty());
}

TEST_F(QuickbarExport, RefusesWhatItCannotTakeWithOneLine) {
  EXPECT_NE(Plan({1, 10, 8}).Error().find("run past the bar's last slot"), std::string::npos);
  auto ini = ReadGameIni(ini_);
  EXPECT_EQ(PlanQuickbar({}, 0, recipes_, ini.Value(), {}, false).Error(),
            "the template has no spellcrafted pieces with gems");

  const std::string other = folder_.File("other.ini");
  const struct {
    const char* name;
    std::string bytes;
    std::string reason;
  } files[] = {
      {"no quickbar", "[Main]\r\nName=x\r\n", "no [Quickbar] section"},
      {"not text", std::string("[Quickbar]\0\0", 12), "not a text file"},
      {"huge", std::string(kMaxGameIniBytes + 1, ';'), "larger than 1 MiB"},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    Write(other, file.bytes);
    Status refusal = CheckIniWritable(other);
    if (refusal.Ok()) {
      auto read = ReadGameIni(other);
      refusal = read.Ok() ? CheckCharacterFile(read.Value()) : Status::Failure(read.Error());
    }
    EXPECT_NE(refusal.error.find(file.reason), std::string::npos) << refusal.error;
  }
  EXPECT_FALSE(CheckIniWritable(folder_.File("missing.ini")).Ok());
  if (::geteuid() != 0) {  // the superuser writes any file
    ::chmod(ini_.c_str(), 0444);
    EXPECT_NE(CheckIniWritable(ini_).error.find("read-only"), std::string::npos);
  }
}

// Each realm's gem ladders, written out from the recipe numbers the game's
// own buttons carry: a gem's first recipe and the nine tiers above it.
TEST(QuickbarRecipes, ShippedTableGivesEachRealmsGemLadders) {
  const RecipeTable recipes = LiveRecipes();
  const struct {
    int realm, code, firstRecipe;
  } ladders[] = {
      {0, 1, 1300000},  {1, 1, 1300000},  {2, 1, 1300000},   // strength, every realm
      {0, 10, 1308800}, {1, 10, 1308000}, {2, 10, 1308200},  // hits
      {0, 9, 1309000},  {1, 9, 1308200},  {2, 9, 1308400},   // power
      {0, 18, 1302800}, {0, 27, 1304400},                    // body resist, critical strike
      {0, 20, 1312600}, {1, 20, 1312800},                    // all melee skills
      {0, 29, 1304800}, {1, 73, 1309600}, {2, 114, 1309600}, {2, 111, 1307600},
  };
  testing::TempFolder folder;
  Write(folder.File("c.ini"), "[Quickbar]\n");
  auto ini = ReadGameIni(folder.File("c.ini"));
  for (const auto& ladder : ladders) {
    SCOPED_TRACE(std::to_string(ladder.realm) + " " + std::to_string(ladder.code));
    std::vector<CraftedPieceGems> pieces;
    for (int tier = 0; tier < 10; ++tier) pieces.push_back({kChest, {{ladder.code, tier}}});
    auto plan = PlanQuickbar(pieces, ladder.realm, recipes, ini.Value(), {}, false);
    ASSERT_TRUE(plan.Ok()) << plan.Error();
    ASSERT_EQ(plan.Value().Buttons.size(), 10u);
    for (int tier = 0; tier < 10; ++tier)
      EXPECT_EQ(plan.Value().Buttons[static_cast<std::size_t>(tier)].Value,
                "45," + std::to_string(ladder.firstRecipe + tier) + ",,-1");
  }
}

TEST(QuickbarRecipes, ATableThatDoesNotReadIsRefusedByLine) {
  const struct {
    const char* text;
    const char* reason;
  } tables[] = {
      {"# nothing\n", "no gem recipes in the table"},
      {"alb 1 130000 confirmed a\nelf 2 130020 single b\n", "line 2: the realm must be"},
      {"alb 0 130000 confirmed a\n", "line 1: the gem's code"},
      {"alb 1 1300x0 confirmed a\n", "line 1: the recipe"},
      {"alb 1 130000 maybe a\n", "line 1: the status"},
      {"alb 1 130000 single\n", "line 1: the gem's name is missing"},
      {"alb 1 130000 single a\r\nalb 1 130020 single b\r\n", "line 2: the gem is listed twice"},
  };
  for (const auto& table : tables) {
    SCOPED_TRACE(table.text);
    const auto parsed = ParseRecipeTable(table.text);
    ASSERT_FALSE(parsed.Ok());
    EXPECT_EQ(parsed.Error().rfind(table.reason, 0), 0u) << parsed.Error();
  }
  const auto mixed = ParseRecipeTable("all 10 1 single x\nmid 10 2 disputed y\n");
  ASSERT_TRUE(mixed.Ok());
  EXPECT_EQ(mixed.Value().Find(10, 2)->Recipe, 2);
  EXPECT_EQ(mixed.Value().Find(10, 0)->Recipe, 1);
  EXPECT_EQ(mixed.Value().Find(11, 0), nullptr);
}

TEST(GameProcess, FindsTheClientByItsCommandUnderWine) {
  testing::TempFolder proc;
  const auto process = [&](const char* pid, std::string_view command) {
    std::filesystem::create_directory(proc.Path() / pid);
    Write((proc.Path() / pid / "cmdline").string(), command);
  };
  process("self", std::string_view("game.dll\0", 9));  // not a process number
  process("12", std::string_view("/usr/bin/bash\0-l\0", 17));
  EXPECT_EQ(FindRunningGame(proc.Path().string()), std::nullopt);
  process("4711", std::string_view("C:\\Program Files\\Mythic\\Camelot\\GAME.DLL\0", 41));
  EXPECT_EQ(FindRunningGame(proc.Path().string()), "4711 game.dll");
}

}  // namespace
}  // namespace qm
