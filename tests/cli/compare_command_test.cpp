// compare on the sample templates: the text and JSON tables are the
// comparison the window shows, and errors come as the other commands give them.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "mainwin/template_comparison.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

class CompareCommand : public ::testing::Test {
 protected:
  void SetUp() override { samples::WriteSamples(folder_.Path().string()); }
  std::string Sample(const std::string& name) const { return folder_.File(name); }
  testing::TempFolder folder_;
};

TEST_F(CompareCommand, JsonListsEveryRowOfTheComparisonWorseFirst) {
  const auto run =
      RunCli({"compare", Sample("albion-armsman.qmc"), Sample("midgard-warrior.qmc"), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["a"]["CharName"], "Sir Aldric");
  EXPECT_EQ(json["b"]["CharName"], "Thorvald");

  const auto samples = samples::SampleTemplates();
  const TemplateComparison expected = CompareTemplates(samples[0].tpl, samples[2].tpl);
  EXPECT_EQ(json["worse"], expected.Worse);
  EXPECT_EQ(json["better"], expected.Better);
  EXPECT_EQ(json["same"], expected.Same);
  const nlohmann::json& rows = json["rows"];
  ASSERT_EQ(rows.size(), expected.Rows.size());
  ASSERT_GT(expected.Worse, 0);
  ASSERT_GT(expected.Better, 0);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ComparisonRow& row = expected.Rows[i];
    SCOPED_TRACE(row.Group + " " + row.Figure);
    EXPECT_EQ(rows[i]["group"], row.Group);
    EXPECT_EQ(rows[i]["figure"], row.Figure);
    EXPECT_EQ(rows[i]["difference"], row.Difference);
    EXPECT_EQ(rows[i]["direction"], std::string(DirectionName(row.Direction)));
    for (const auto& [key, side] : {std::pair{"a", &row.A}, std::pair{"b", &row.B}}) {
      if (!side->Present) {
        EXPECT_TRUE(rows[i][key].is_null());
        continue;
      }
      EXPECT_EQ(rows[i][key]["value"], side->Value);
      EXPECT_EQ(rows[i][key].contains("cap"), side->HasCap);
      if (side->HasCap) {
        EXPECT_EQ(rows[i][key]["cap"], side->Cap);
      }
    }
  }
  // Every totals and caps field is there, and so is each skill row of both.
  int totals = 0, caps = 0, skills = 0;
  for (const auto& row : rows) {
    totals += row["group"] == "Totals";
    caps += row["group"] == "Caps";
    skills += row["group"] == "Skill Bonuses";
  }
  EXPECT_EQ(totals, kStatFieldCount);
  EXPECT_EQ(caps, kStatFieldCount);
  EXPECT_GE(skills, 8);
}

TEST_F(CompareCommand, TextShowsBothTitlesThenTheSectionsInOrder) {
  const auto run = RunCli({"compare", Sample("albion-armsman.qmc"), Sample("old-paladin.qmy")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 200u);
  EXPECT_EQ(lines[0], "A : Sir Aldric (albion-armsman.qmc)");
  EXPECT_EQ(lines[1], "B : Old Paladin (old-paladin.qmy)");
  std::vector<std::string> headings;
  for (const std::string& line : lines)
    if (line == "Worse" || line == "Better" || line == "Unchanged") headings.push_back(line);
  EXPECT_EQ(headings, (std::vector<std::string>{"Worse", "Better", "Unchanged"}));
  // A row: group, figure, both sides with their caps, the difference.
  const auto strength = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("  Main Stats           Strength ");
  });
  ASSERT_NE(strength, lines.end());
  EXPECT_NE(strength->find("105 / 90"), std::string::npos) << *strength;
}

TEST_F(CompareCommand, BadFilesAndBadUsage) {
  const auto missing = RunCli({"compare", Sample("albion-armsman.qmc"), Sample("none.qmc")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(Lines(missing.err).size(), 1u);
  const auto item =
      RunCli({"compare", Sample("sword-of-valiant-dawn.qmx"), Sample("new-character.qmc")});
  EXPECT_EQ(item.exitCode, 1);
  EXPECT_NE(item.err.find("not a template we can read"), std::string::npos);
  EXPECT_EQ(RunCli({"compare", Sample("albion-armsman.qmc")}).exitCode, 2);
  EXPECT_EQ(RunCli({"compare", Sample("albion-armsman.qmc"), Sample("new-character.qmc"), "--csv"})
                .exitCode,
            2);
  EXPECT_NE(RunCli({"--help"}).out.find("quillmark-cli compare A.qmc B.qmc [--json]"),
            std::string::npos);
}

}  // namespace
}  // namespace qm
