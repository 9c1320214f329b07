// spellcraft and gem, run as a script would run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "core/item_record.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

nlohmann::ordered_json Design(const std::vector<std::string>& options) {
  std::vector<std::string> args = {"spellcraft"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back("--json");
  const auto run = RunCli(args);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return nlohmann::ordered_json::parse(run.out);
}

TEST(SpellcraftCommand, ReportsTheTabsTexts) {
  const auto json =
      Design({"--gem", "1:1:8", "--gem", "2:10:5", "--gem", "3:15:5", "--gem", "4:30:1"});
  ASSERT_EQ(json["gems"].size(), 4u);
  EXPECT_EQ(json["gems"][0]["index"], 1);
  EXPECT_EQ(json["gems"][0]["tier"], 8);
  EXPECT_EQ(json["gems"][0]["value"], 26);
  EXPECT_EQ(json["gems"][0]["cost"], "15.0");
  EXPECT_EQ(json["gems"][2]["cost"], "16.0");
  EXPECT_EQ(json["highGem"], "16.0");
  EXPECT_EQ(json["charge"], "31.5");
  EXPECT_EQ(json["capacity"], "32");
  EXPECT_EQ(json["maxOvercharge"], "37.5");
  EXPECT_EQ(json["valid"], true);
  EXPECT_EQ(json["name"], "Lv51 Plate");
  EXPECT_EQ(json["choices"][0]["text"], "No Extra Bonus");
  EXPECT_TRUE(json["choices"][0]["itemName"].is_null());
  EXPECT_EQ(json["item"]["Crafted"], 1);
  EXPECT_EQ(json["item"]["BonusValue"][4], 8);
}

TEST(SpellcraftCommand, EmptyGemsAndAnOverchargedDesign) {
  auto json = Design({});
  EXPECT_TRUE(json["gems"][0]["tier"].is_null());
  EXPECT_EQ(json["charge"], "0.0");
  json = Design({"--gem", "1:1:9", "--gem", "2:2:9", "--gem", "3:3:9", "--gem", "4:4:9"});
  EXPECT_EQ(json["charge"], "40.0");
  EXPECT_EQ(json["valid"], false);
}

TEST(SpellcraftCommand, FifthSlotChoicesAndTheLegendaryLock) {
  const auto json = Design({"--slot", "16", "--class", "Armsman", "--fifth", "13", "--gem", "1:1:0",
                            "--gem", "2:2:0", "--gem", "3:3:0"});
  EXPECT_EQ(json["choices"].size(), 14u);
  EXPECT_EQ(json["choices"][13]["index"], 17);
  EXPECT_EQ(json["item"]["BonusCode"][8], 148);
  EXPECT_EQ(json["item"]["BonusValue"][9], 3);
  const auto locked = RunCli(
      {"spellcraft", "--slot", "16", "--class", "Armsman", "--fifth", "13", "--gem", "4:1:0"});
  EXPECT_EQ(locked.exitCode, 1);
}

TEST(SpellcraftCommand, WritesTheReturnedItem) {
  testing::TempFolder folder;
  const std::string path = folder.File("chest.qmx");
  auto run = RunCli({"spellcraft", "--gem", "1:134:3", "--out", path});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_EQ(bytes.size(), sizeof(TItemRecord));
  TItemRecord item;
  std::memcpy(&item, bytes.data(), sizeof item);
  EXPECT_EQ(item.BonusCode[0], 185);
  EXPECT_EQ(item.BonusValue[4], 3);
  run = RunCli({"spellcraft", "--gem", "1:1:9", "--gem", "2:2:9", "--gem", "3:3:9", "--gem",
                "4:4:9", "--out", folder.File("over.qmx")});
  EXPECT_EQ(run.exitCode, 1);
}

TEST(SpellcraftCommand, OverchargeSuccessBySkillAndQuality) {
  // Level 51 plate at 37.5 points: five over its capacity of 32.
  const std::vector<std::string> fiveOver = {"--gem", "1:1:9", "--gem", "2:2:9",
                                             "--gem", "3:3:8", "--gem", "4:11:4"};
  std::vector<std::string> args = {"spellcraft"};
  args.insert(args.end(), fiveOver.begin(), fiveOver.end());
  args.insert(args.end(), {"--quality", "99"});
  auto run = RunCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  const auto valid = std::find(lines.begin(), lines.end(), "Valid : yes");
  ASSERT_NE(valid, lines.end());
  EXPECT_EQ(*(valid + 1), "Overcharge success : 82%");

  auto json = Design(fiveOver);  // skill 1000 and quality 100 when not given
  EXPECT_EQ(json["charge"], "37.5");
  EXPECT_EQ(json["overchargeSuccess"], 90);
  std::vector<std::string> options = fiveOver;
  options.insert(options.end(), {"--skill", "500", "--quality", "99"});
  EXPECT_EQ(Design(options)["overchargeSuccess"], 15);
  EXPECT_EQ(Design({"--gem", "1:1:9"})["overchargeSuccess"], 100);

  for (const char* bad : {"0", "1201", "many"})
    EXPECT_EQ(RunCli({"spellcraft", "--skill", bad}).exitCode, 2) << bad;
  for (const char* bad : {"93", "101"})
    EXPECT_EQ(RunCli({"spellcraft", "--quality", bad}).exitCode, 2) << bad;
  EXPECT_EQ(RunCli({"spellcraft", "--skill", "1", "--quality", "94"}).exitCode, 0);
}

TEST(SpellcraftCommand, BadInputAndBadUsage) {
  EXPECT_EQ(RunCli({"spellcraft", "--slot", "Jewel"}).exitCode, 1);
  EXPECT_EQ(RunCli({"spellcraft", "--gem", "1:1:10"}).exitCode, 1);
  EXPECT_EQ(RunCli({"spellcraft", "--level", "50", "--fifth", "1"}).exitCode, 1);
  EXPECT_EQ(RunCli({"spellcraft", "--gem", "5:1:0"}).exitCode, 2);
  EXPECT_EQ(RunCli({"spellcraft", "--level", "52"}).exitCode, 2);
  EXPECT_EQ(RunCli({"spellcraft", "extra"}).exitCode, 2);
}

TEST(GemCommand, NameThenMaterials) {
  auto run = RunCli({"gem", "22", "4", "0"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Lines(run.out),
            (std::vector<std::string>{"Imperfect brilliant focus sigil",
                                      "1 Pal , 21 Ground Draconic Scales | 5 Draconic Fire, Mystic "
                                      "Energy & Treant Blood"}));
  run = RunCli({"gem", "125", "5", "Hibernia"});
  EXPECT_EQ(run.out, "Polished \n1 Mon ,  | \n");
  EXPECT_EQ(RunCli({"gem", "1", "9"}).exitCode, 2);
  EXPECT_EQ(RunCli({"gem", "256", "0", "0"}).exitCode, 2);
}

}  // namespace
}  // namespace qm
