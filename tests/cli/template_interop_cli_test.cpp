// import-template and export-template, and the other planners' templates
// read by the commands that read a template.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

std::string Fixture(const char* relative) {
  const char* root = std::getenv("QM_TESTDATA");
  return std::string(root != nullptr ? root : "tests/data") + "/../interop/data/" + relative;
}

TEST(TemplateInteropCli, ImportPrintsTheLossesOnStandardErrorAndInItsJson) {
  testing::TempFolder folder;
  const std::string znk = Fixture("zenkcraft/every_slot.znk");
  const std::string out = folder.File("fiadh.qmc");
  const auto run = RunCli({"import-template", znk, "--out", out, "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["format"], "Zenkcraft template");
  EXPECT_EQ(json["written"], out);
  std::vector<std::string> expected;
  for (const auto& line : json["warnings"])
    expected.push_back(znk + ": " + line.get<std::string>());
  EXPECT_FALSE(expected.empty());
  EXPECT_EQ(Lines(run.err), expected);
  // The .qmc written holds the record the import showed.
  const auto shown = RunCli({"show", out, "--json"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(nlohmann::json::parse(shown.out), json["template"]);
  // Every command that reads a template reads the foreign file itself.
  const auto direct = RunCli({"totals", znk, "--json"});
  ASSERT_EQ(direct.exitCode, 0) << direct.err;
  EXPECT_EQ(direct.out, RunCli({"totals", out, "--json"}).out);
}

TEST(TemplateInteropCli, ExportWritesZenkcraftThatReadsBack) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());
  const std::string znk = folder.File("armsman.znk");
  const auto run = RunCli({"export-template", folder.File("albion-armsman.qmc"), "--format",
                           "zenkcraft", "--out", znk});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto back = RunCli({"import-template", znk, "--json"});
  ASSERT_EQ(back.exitCode, 0) << back.err;
  EXPECT_EQ(nlohmann::json::parse(back.out)["template"]["CharName"], "Sir Aldric");
}

TEST(TemplateInteropCli, RefusesBadUsageAndFilesItCannotRead) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());
  const std::string qmc = folder.File("albion-armsman.qmc");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string firstLine;
  } cases[] = {
      {{"export-template", qmc, "--out", "x.znk"}, 2, "quillmark-cli: missing --format"},
      {{"export-template", qmc, "--format", "loki", "--out", "x.mmr"},
       2,
       "quillmark-cli: --format needs zenkcraft, got loki"},
      {{"import-template", qmc, "--out", "x.txt"}, 2, "quillmark-cli: --out needs a .qmc path"},
      {{"import-template", Fixture("kort/drop_bow.xml")},
       1,
       "quillmark-cli: \"" + Fixture("kort/drop_bow.xml") +
           "\": not a template we can read (.qmc, .qmy, Zenkcraft, Loki or Kort's template)"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0];
    EXPECT_EQ(Lines(run.err).front(), c.firstLine);
  }
}

}  // namespace
}  // namespace qm
