// quickbar and shopping on a template with two crafted pieces: the dry run
// lists the keys and writes nothing, the server kind's table is found beside
// the program, and the shopping list's JSON carries pieces and totals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "core/template_record.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

constexpr char kCharacter[] = "[Quickbar]\r\nHotkey_0=44,13,,2385\r\nHotkey_1=8,3,Sprint,1\r\n";

TItemRecord Crafted(std::initializer_list<std::pair<int, int>> gems) {
  TItemRecord item{};
  item.Crafted = 1;
  int row = 0;
  for (const auto& [code, tier] : gems) {
    item.BonusCode[row] = static_cast<std::uint8_t>(code);
    item.BonusValue[row + 4] = tier;
    ++row;
  }
  return item;
}

class QuickbarCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    TTemplateRecord tpl{};  // class 0, an Albion armsman
    tpl.Slot(kChest) = Crafted({{1, 9}, {10, 9}});
    tpl.Slot(kArms) = Crafted({{1, 9}, {18, 4}});
    const auto bytes = samples::TemplateBytes(tpl);
    std::ofstream(qmc_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::ofstream(ini_, std::ios::binary) << kCharacter;
  }
  std::string Shipped() const {
    const char* root = std::getenv("QM_TESTDATA");
    return std::string(root != nullptr ? root : "tests/data") + "/../../data/quickbar/live.txt";
  }
  testing::TempFolder folder_;
  std::string qmc_ = folder_.File("crafter.qmc");
  std::string ini_ = folder_.File("Aldric-41.ini");
};

TEST_F(QuickbarCommand, DryRunListsTheKeysAndWritesNothing) {
  const auto run =
      RunCli({"quickbar", qmc_, "--ini", ini_, "--slot", "2", "--recipes", Shipped(), "--dry-run"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                "[Quickbar]",
                                "Hotkey_1=45,1300009,,2385\tPerfect fiery essence jewel x2\t"
                                "replaces 8,3,Sprint,1",
                                "Hotkey_2=45,1308809,,2385\tPerfect blood essence jewel\tfree",
                                "Hotkey_3=45,1302804,,2385\tImperfect dusty shielding jewel\tfree",
                            }));
  std::ifstream in(ini_, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kCharacter);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 2);
}

TEST_F(QuickbarCommand, BadPlacesAndFilesAreRefused) {
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string reason;
  } runs[] = {
      {{"--page", "11"}, 2, "--page needs a number 1-10, got 11"},
      {{"--page", "10", "--slot", "9"}, 1, "run past the bar's last slot"},
      {{"--server-kind", "live", "--recipes", "x"}, 2, "exclude each other"},
  };
  for (const auto& r : runs) {
    std::vector<std::string> args{"quickbar", qmc_, "--ini", ini_, "--dry-run"};
    args.insert(args.end(), r.args.begin(), r.args.end());
    if (r.exitCode == 1) args.insert(args.end(), {"--recipes", Shipped()});
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, r.exitCode) << run.err;
    EXPECT_NE(run.err.find(r.reason), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCli({"quickbar", qmc_, "--dry-run"}).exitCode, 2);
}

TEST_F(QuickbarCommand, TheServerKindsTableShipsBesideTheProgram) {
  const auto eden = testing::RunCliProcess(
      {"quickbar", qmc_, "--ini", ini_, "--server-kind", "eden", "--dry-run"});
  ASSERT_EQ(eden.exitCode, 0) << eden.err;
  EXPECT_EQ(Lines(eden.out)[2],
            "Hotkey_1=45,1309209,,2385\tPerfect blood essence jewel\t"
            "replaces 8,3,Sprint,1");
  const auto none = testing::RunCliProcess(
      {"quickbar", qmc_, "--ini", ini_, "--server-kind", "nosuch", "--dry-run"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("(shipped: eden, live)"), std::string::npos) << none.err;
}

TEST_F(QuickbarCommand, ShoppingJsonListsPiecesThenTotalsAsACrafterBuys) {
  const auto run = RunCli({"shopping", qmc_, "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  ASSERT_EQ(json["pieces"].size(), 2u);
  EXPECT_EQ(json["pieces"][0]["slotName"], "Chest");
  EXPECT_EQ(json["pieces"][1]["gems"][1]["name"], "Imperfect dusty shielding jewel");
  EXPECT_EQ(json["pieces"][1]["gems"][1]["materials"],
            "1 Pal, 21 Ground Draconic Scales, 5 Undead Ash and Holy Water");
  EXPECT_EQ(json["totals"]["gems"],
            nlohmann::json::parse(R"([{"name":"Pal","count":1},{"name":"Ra","count":3}])"));
  EXPECT_EQ(json["totals"]["dusts"][0],
            nlohmann::json::parse(R"({"name":"Essence of Life","count":111})"));
}

}  // namespace
}  // namespace qm
