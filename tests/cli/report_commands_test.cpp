// report, breakdown, summary and salvage, run as a script would run them.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

class ReportCommands : public ::testing::Test {
 protected:
  void SetUp() override { samples::WriteSamples(folder_.Path().string()); }
  std::string File(const std::string& name) const { return folder_.File(name); }
  testing::TempFolder folder_;
};

TEST_F(ReportCommands, SalvagePrintsRawAndTrinketValues) {
  auto run = RunCli({"salvage", "0", "0", "0", "0", "0", "0", "0", "0", "0", "32000"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"Raw : P: 81p G: 648g S: 0s C: 0c",
                                                      "Trinket : P: 160p G: 963g S: 20s C: 0c"}));
  run = RunCli({"salvage", "32000", "32000", "32000", "32000", "32000", "32000", "32000", "32000",
                "32000", "32000"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(Lines(run.out).at(1), "Trinket : P: 442p G: 729g S: 60s C: 0c");
  EXPECT_EQ(RunCli({"salvage", "1", "2"}).exitCode, 2);
  EXPECT_EQ(RunCli({"salvage", "x", "0", "0", "0", "0", "0", "0", "0", "0", "0"}).exitCode, 1);
}

TEST_F(ReportCommands, ReportPrintsTheDocumentAndSavesItsBytes) {
  const auto run = RunCli({"report", File("albion-armsman.qmc")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[2], "Character Name : Sir Aldric");

  const std::string text = File("report.txt");
  ASSERT_EQ(RunCli({"report", File("albion-armsman.qmc"), "--out", text}).exitCode, 0);
  auto bytes = ReadFileBytes(text);
  ASSERT_TRUE(bytes.Ok());
  const std::string saved(bytes.Value().begin(), bytes.Value().end());
  EXPECT_NE(saved.find("Character Name : Sir Aldric\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("\n\n"), std::string::npos);  // every line ends in CR LF

  const std::string html = File("report.html");
  ASSERT_EQ(RunCli({"report", File("albion-armsman.qmc"), "--html", "--out", html}).exitCode, 0);
  bytes = ReadFileBytes(html);
  ASSERT_TRUE(bytes.Ok());
  const std::string page(bytes.Value().begin(), bytes.Value().end());
  EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>", 0), 0u);

  EXPECT_EQ(RunCli({"report", File("albion-armsman.qmc"), "--content", "nonsense"}).exitCode, 2);
  EXPECT_EQ(RunCli({"report", File("missing.qmc")}).exitCode, 1);
}

TEST_F(ReportCommands, PanelsStartWithTheirCaption) {
  auto run = RunCli({"breakdown", File("albion-armsman.qmc"), "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  auto lines = Lines(run.out);
  EXPECT_EQ(lines.at(0), "Stat: Strength");
  EXPECT_EQ(lines.at(1), "Items that add to Strength");

  run = RunCli({"summary", File("albion-armsman.qmc"), "15"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  lines = Lines(run.out);
  EXPECT_EQ(lines.at(0), "Item: Sword of Valiant Dawn");

  run = RunCli({"summary", File("albion-armsman.qmc"), "18"});
  EXPECT_EQ(Lines(run.out).at(0), "Item: No item");
  EXPECT_EQ(RunCli({"summary", File("albion-armsman.qmc"), "20"}).exitCode, 2);
}

}  // namespace
}  // namespace qm
