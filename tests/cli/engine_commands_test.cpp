// totals and utility, run as a script would run them, on templates written
// for the purpose; the expected figures are worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "core/template_file.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using samples::MakeItem;
using testing::Lines;
using testing::RunCli;

class EngineCommands : public ::testing::Test {
 protected:
  std::string Save(TTemplateRecord tpl, const std::string& name) {
    const std::string path = folder_.File(name);
    EXPECT_TRUE(WriteTemplateFile(path, tpl, 0).Ok());
    return path;
  }
  nlohmann::ordered_json Totals(const std::string& path) {
    const auto run = RunCli({"totals", path, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return nlohmann::ordered_json::parse(run.out);
  }
  testing::TempFolder folder_;
};

TTemplateRecord Character(int classIndex, int realmRank) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Tester");
  tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
  tpl.RealmRank = static_cast<std::uint8_t>(realmRank);
  return tpl;
}

TEST_F(EngineCommands, TotalsJsonOfAnArmsman) {
  TTemplateRecord tpl = Character(0, 5);  // Armsman: no acuity, eight skill rows
  tpl.WeaponConfig = 2;
  tpl.Slot(kChest) = MakeItem("chest", {{1, 80}, {134, 10}, {28, 3}, {20, 2}, {59, 50}});
  tpl.Slot(kLegs) = MakeItem("legs", {{22, 10}, {11, 30}, {190, 5}});
  tpl.Slot(kTwoHand) = MakeItem("polearm", {{32, 4}});
  tpl.Slot(kRightHand) = MakeItem("not counted", {{1, 50}, {32, 9}});
  tpl.Slot(kMyth) = MakeItem("myth", {{2, 10}});
  const nlohmann::ordered_json json = Totals(Save(tpl, "armsman.qmc"));

  ASSERT_EQ(json["totals"].size(), 81u);
  ASSERT_EQ(json["caps"].size(), 81u);
  EXPECT_EQ(json["totals"].begin().key(), "Strength");  // key order is the record's
  EXPECT_EQ(json["totals"]["Strength"], 80);
  EXPECT_EQ(json["totals"]["StrengthCapInc"], 10);
  EXPECT_EQ(json["totals"]["Crush"], 30);
  EXPECT_EQ(json["totals"]["Focus"], 10);  // the later "All Lines" replaces
  EXPECT_EQ(json["totals"]["Constitution"], 10);
  EXPECT_EQ(json["totals"]["AllMelee"], 2);
  EXPECT_EQ(json["totals"]["SkillCap"], 0);
  EXPECT_EQ(json["caps"]["Strength"], 75);
  EXPECT_EQ(json["caps"]["Constitution"], 85);  // raised by the Myth row
  EXPECT_EQ(json["caps"]["Fatigue"], 20);
  EXPECT_EQ(json["caps"]["SkillCap"], 15);

  const nlohmann::ordered_json& effective = json["effective"];
  EXPECT_EQ(effective["Strength"], 85);
  EXPECT_EQ(effective["Constitution"], 85);
  EXPECT_EQ(effective["HitPoints"], 200);
  EXPECT_EQ(effective["PowerPool"], 25);
  EXPECT_FALSE(effective.contains("Acuity"));

  // Shield, Parry, Two Hand, Polearms, Slash+, Crush, Thrust+, Crossbows;
  // realm rank 5 adds 4 to each.
  const std::vector<std::pair<int, int>> skills = {{23, 4}, {24, 4}, {31, 6}, {32, 10},
                                                   {28, 9}, {29, 6}, {30, 6}, {36, 4}};
  ASSERT_EQ(json["skills"].size(), skills.size());
  for (std::size_t i = 0; i < skills.size(); ++i) {
    EXPECT_EQ(json["skills"][i]["code"], skills[i].first) << i;
    EXPECT_EQ(json["skills"][i]["value"], skills[i].second) << i;
    EXPECT_EQ(json["skills"][i]["cap"], 15) << i;
  }
  EXPECT_EQ(json["skills"][3]["label"], "Polearms");
}

TEST_F(EngineCommands, AcuityAndDisplayOnlyRows) {
  TTemplateRecord paladin = Character(10, 1);  // Piety acuity, "Chants+" row
  paladin.Slot(kHead) = MakeItem("head", {{5, 20}, {142, 5}, {143, 4}, {138, 30}});
  const nlohmann::ordered_json json = Totals(Save(paladin, "paladin.qmc"));
  EXPECT_EQ(json["effective"]["Acuity"], 75 + 26);
  ASSERT_EQ(json["skills"].size(), 7u);
  EXPECT_EQ(json["skills"][6]["code"], 250);
  EXPECT_EQ(json["skills"][6]["label"], "Chants+");
  EXPECT_EQ(json["skills"][6]["value"], 0);
  EXPECT_EQ(json["skills"][6]["cap"], 0);

  const nlohmann::ordered_json shade = Totals(Save(Character(27, 1), "nightshade.qmc"));
  ASSERT_EQ(shade["skills"].size(), 7u);
  EXPECT_EQ(shade["skills"][6]["code"], 255);
  EXPECT_EQ(shade["skills"][6]["label"], "Nightshade Magic");
  EXPECT_FALSE(shade["effective"].contains("Acuity"));

  // The plain listing names the acuity stat and marks what is over its cap.
  paladin.Slot(kFeet) = MakeItem("feet", {{5, 70}});
  const auto run = RunCli({"totals", Save(paladin, "over.qmc")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  bool acuityLine = false;
  for (const std::string& line : Lines(run.out)) {
    if (line.find("Acuity (Piety)") == std::string::npos) continue;
    acuityLine = true;
    EXPECT_NE(line.find("95 / 101"), std::string::npos) << line;
    EXPECT_EQ(line.find("over cap"), std::string::npos) << line;
  }
  EXPECT_TRUE(acuityLine);
  EXPECT_NE(run.out.find("over cap"), std::string::npos);  // Piety 90 against 75
}

TEST_F(EngineCommands, UtilityColumnInEveryMode) {
  TTemplateRecord tpl = Character(0, 1);
  tpl.Slot(kJewel) = MakeItem("jewel", {{1, 15}, {11, 5}});    // 20.0, level 14, 2 bonuses
  tpl.Slot(kRanged) = MakeItem("bow", {{10, 40}, {146, 20}});  // 10.0 / 15.0, level 11
  const std::string path = Save(tpl, "utility.qmc");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"20.0", "Total Utility : 30.0"},
      {"20.0", "Total ToA : 35.0"},
      {"14", "Average Bonus LV : 12.5"},
      {"2", "Total Bonus Count : 4"},
  };
  for (int mode = 0; mode < 4; ++mode) {
    const auto run = RunCli({"utility", path, "--mode", std::to_string(mode)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 20u) << mode;
    EXPECT_EQ(lines[0], expected[mode].first) << mode;
    EXPECT_EQ(lines[19], expected[mode].second) << mode;
  }
}

TEST_F(EngineCommands, FarOutOfRangeBonusLevelInUtilityAndReport) {
  TTemplateRecord tpl = Character(0, 1);
  tpl.Slot(kChest) = MakeItem("deep", {{134, INT32_MIN}, {1, 271}});
  const std::string path = Save(tpl, "deep.qmc");
  const auto utility = RunCli({"utility", path, "--mode", "2"});
  ASSERT_EQ(utility.exitCode, 0) << utility.err;
  const std::vector<std::string> lines = Lines(utility.out);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[kChest - 1], "-4294966934");
  EXPECT_EQ(lines[19], "Average Bonus LV : -4294966934.0");

  const auto report = RunCli({"report", path, "--utility-mode", "2"});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  const std::vector<std::string> reportLines = Lines(report.out);
  EXPECT_NE(std::find(reportLines.begin(), reportLines.end(), "Average Bonus LV  : -4294966934.0"),
            reportLines.end());
}

TEST_F(EngineCommands, BadUsageAndUnreadableFiles) {
  const std::string path = Save(Character(0, 1), "plain.qmc");
  EXPECT_EQ(RunCli({"totals"}).exitCode, 2);
  EXPECT_EQ(RunCli({"totals", path, "--frobnicate"}).exitCode, 2);
  EXPECT_EQ(RunCli({"utility", path}).exitCode, 2);
  EXPECT_EQ(RunCli({"utility", path, "--mode", "4"}).exitCode, 2);
  EXPECT_EQ(RunCli({"utility", path, "--mode", "x"}).exitCode, 2);

  const auto missing = RunCli({"totals", folder_.File("missing.qmc")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(Lines(missing.err).size(), 1u);
  EXPECT_EQ(RunCli({"utility", folder_.File("missing.qmc"), "--mode", "0"}).exitCode, 1);
  EXPECT_EQ(RunCli({"totals", folder_.File("item.qmx")}).exitCode, 1);
}

}  // namespace
}  // namespace qm
