// show and convert, run as a script would run them.
#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "core/template_file.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::RunCli;

class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override { samples::WriteSamples(folder_.Path().string()); }
  std::string File(const std::string& name) const { return folder_.File(name); }
  testing::TempFolder folder_;
};

// Every field of the item, compared with what the JSON says.
void ExpectItemJson(const nlohmann::json& json, const TItemRecord& item, const std::string& where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(json["Name"], std::string(item.Name.View()));
  EXPECT_EQ(json["Note"], std::string(item.Note.View()));
  const std::pair<const char*, int> scalars[] = {{"ItemType", item.ItemType},
                                                 {"Realm", item.Realm},
                                                 {"Expansion", item.Expansion},
                                                 {"Level", item.Level},
                                                 {"SlotKind", item.SlotKind},
                                                 {"Armor", item.Armor},
                                                 {"WeaponType", item.WeaponType},
                                                 {"Crafted", item.Crafted},
                                                 {"Unique", item.Unique},
                                                 {"ServerCoop", item.ServerCoop},
                                                 {"ServerPvP", item.ServerPvP},
                                                 {"ServerClassic", item.ServerClassic},
                                                 {"ServerNormal", item.ServerNormal},
                                                 {"Verified", item.Verified},
                                                 {"Researched", item.Researched},
                                                 {"Reserved", item.Reserved},
                                                 {"ServerOrigins", item.ServerOrigins},
                                                 {"BonusLevel", item.BonusLevel},
                                                 {"BonusLevelFixed", item.BonusLevelFixed},
                                                 {"Quality", item.Quality},
                                                 {"Speed", item.Speed},
                                                 {"Source", item.Source}};
  for (const auto& [name, value] : scalars) EXPECT_EQ(json[name], value) << name;
  for (int c = 0; c < kClassCount; ++c) EXPECT_EQ(json["ClassUsable"][c], item.ClassUsable[c]);
  for (int r = 0; r < kBonusRows; ++r) {
    EXPECT_EQ(json["BonusCode"][r], item.BonusCode[r]);
    EXPECT_EQ(json["BonusValue"][r], item.BonusValue[r]);
  }
  for (int k = 0; k < kEffectRows; ++k) {
    EXPECT_EQ(json["EffectKind"][k], item.EffectKind[k]);
    EXPECT_EQ(json["EffectId"][k], item.EffectId[k]);
    EXPECT_EQ(json["EffectValue"][k], item.EffectValue[k]);
  }
}

TEST_F(CliFiles, ShowJsonReproducesEveryGeneratedField) {
  for (const auto& sample : samples::SampleTemplates()) {
    const auto run = RunCli({"show", File(sample.fileName), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const TTemplateRecord& tpl = sample.tpl;
    EXPECT_EQ(json["CharName"], std::string(tpl.CharName.View()));
    const std::pair<const char*, int> scalars[] = {
        {"CharLevel", tpl.CharLevel},       {"RealmRank", tpl.RealmRank},
        {"ClassIndex", tpl.ClassIndex},     {"ServerType", tpl.ServerType},
        {"RaceIndex", tpl.RaceIndex},       {"VaultMark", tpl.VaultMark},
        {"WeaponConfig", tpl.WeaponConfig}, {"ChampionFlag", tpl.ChampionFlag},
        {"Reserved", tpl.Reserved},         {"EffectIdsGlobal", tpl.EffectIdsGlobal}};
    for (const auto& [name, value] : scalars) EXPECT_EQ(json[name], value) << name;
    ASSERT_EQ(json["Slots"].size(), 19u);
    for (int slot = 1; slot <= kSlotCount; ++slot)
      ExpectItemJson(json["Slots"][slot - 1], tpl.Slot(slot),
                     sample.fileName + " slot " + std::to_string(slot));
  }
}

TEST_F(CliFiles, ShowListsCharacterAndBonusesByName) {
  const auto run = RunCli({"show", File("albion-armsman.qmc")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* expected :
       {"Character   : Sir Aldric", "Class       : (Alb) Armsman (0)", "Race        : Briton (2)",
        "Realm rank  : RR5", "15 R. Hand  : Sword of Valiant Dawn", "Bonus 1: Slash Skill 3",
        "Effect 1: Normal Proc: Lifedrain (25)", " 9 Chest    : Crafted Plate Hauberk  [crafted]",
        "Fifth slot: Hit Points 40", "Gem 1: Strength 22 (tier 0)"})
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
}

TEST_F(CliFiles, ShowReadsItemsAndOldItems) {
  auto run = RunCli({"show", File("sword-of-valiant-dawn.qmx"), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ExpectItemJson(nlohmann::json::parse(run.out), samples::SampleTemplates()[0].tpl.Slot(kRightHand),
                 "qmx");

  run = RunCli({"show", File("old-unique-ring.qmi")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("Name        : Old Unique Ring"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Source      : Imported QMI/QMX"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Note        : Imported QMI"), std::string::npos) << run.out;
}

TEST_F(CliFiles, CodesPastTheTablesHaveNoName) {
  TItemRecord item = samples::MakeItem("Odd Relic", {{250, 5}, {1, 3}});
  item.EffectKind[0] = 9;
  item.EffectId[0] = 60000;
  item.ItemType = 200;
  item.Armor = 77;
  const auto bytes = samples::ItemBytes(item);
  const std::string path = File("odd.qmx");
  ASSERT_TRUE(
      WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}).Ok());
  const auto run = RunCli({"show", path});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("Bonus 1: <unknown bonus 250> 5"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Bonus 2: Strength 3"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Effect 1: #9: <unknown effect 60000> (0)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Type        : #200"), std::string::npos) << run.out;
  EXPECT_EQ(RunCli({"show", path, "--json"}).exitCode, 0);
}

TEST_F(CliFiles, ConvertTurnsAnOldTemplateIntoATemplate) {
  const std::string out = File("converted.qmc");
  auto run = RunCli({"convert", File("old-hib-mauler.qmy"), out});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  auto tpl = ReadTemplateFile(out);
  ASSERT_TRUE(tpl.Ok());
  EXPECT_EQ(tpl.Value().ClassIndex, 25);  // "(Hib) Mauler "
  EXPECT_EQ(tpl.Value().EffectIdsGlobal, 1);
  EXPECT_EQ(tpl.Value().Slot(kTwoHand).Source, 9);
  EXPECT_EQ(tpl.Value().Slot(kMyth).Name.View(), " ");

  // A .qmc converts to itself, byte for byte but for the save marks.
  const std::string again = File("again.qmc");
  run = RunCli({"convert", File("albion-armsman.qmc"), again});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  auto a = ReadFileBytes(File("albion-armsman.qmc"));
  auto b = ReadFileBytes(again);
  ASSERT_TRUE(a.Ok() && b.Ok());
  EXPECT_EQ(a.Value(), b.Value());
}

TEST_F(CliFiles, BadInputGivesOneLineAndExitOne) {
  const std::string shortFile = File("short.qmc");
  ASSERT_TRUE(WriteFileAtomically(shortFile, std::string(100, 'x')).Ok());
  const std::string previous = File("previous.qmc");
  ASSERT_TRUE(WriteFileAtomically(previous, "keep me").Ok());

  const std::vector<std::vector<std::string>> cases = {
      {"show", shortFile},
      {"show", File("missing.qmc")},
      {"show", folder_.Path().string() + "/"},
      {"show", File("notes.txt")},
      {"convert", shortFile, previous},
      {"convert", File("albion-armsman.qmc"), File("no/such/dir/out.qmc")},
      {"convert", File("albion-armsman.qmc"), folder_.Path().string()},
  };
  for (const auto& args : cases) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1) << args[1];
    EXPECT_EQ(testing::Lines(run.err).size(), 1u) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  auto kept = ReadFileBytes(previous);
  ASSERT_TRUE(kept.Ok());
  EXPECT_EQ(std::string(kept.Value().begin(), kept.Value().end()), "keep me");
}

TEST_F(CliFiles, BadUsageGivesExitTwo) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"show"},
                                               {"show", "a", "b"},
                                               {"show", "a.qmc", "--frob"},
                                               {"convert", "a.qmc"},
                                               {"no-such-command"}}) {
    EXPECT_EQ(RunCli(args).exitCode, 2) << args[0];
  }
}

}  // namespace
}  // namespace qm
