// optimize: the optimizer's answer printed, its template written, and the
// refusals of bad usage and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include "cli/cli_runner.h"
#include "cli/optimize_options.h"
#include "core/decimal_text.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

// The vault the build packs beside quillmark-cli.
std::string BundledVault() {
  return (std::filesystem::path(QM_CLI_PATH).parent_path() / "master.qmv").string();
}

struct OptimizeFixture {
  testing::TempFolder folder;
  std::string armsman;
  OptimizeFixture() {
    samples::WriteSamples(folder.Path().string());
    armsman = folder.File("albion-armsman.qmc");
  }
  // The chest crafted, ring 1 from the vault, every other slot kept: small
  // enough to be proven within the time limit, so every run gives one answer.
  std::vector<std::string> Small(std::vector<std::string> more) const {
    std::vector<std::string> args = {
        "optimize",     armsman, "--vault", BundledVault(),  "--craft",      "9",
        "--from-vault", "5",     "--lock",  "1-4,6-8,10-19", "--time-limit", "3"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
};

TEST(OptimizeCli, PrintsTheAnswerAndWritesTheTemplateItScored) {
  OptimizeFixture f;
  const std::string out = f.folder.File("proposed.qmc");
  const auto run = RunCli(
      f.Small({"--weight", "Strength=1", "--weight", "Constitution=2", "--out", out, "--json"}));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto json = nlohmann::json::parse(run.out);
  std::vector<std::string> keys;
  const auto ordered = nlohmann::ordered_json::parse(run.out);
  for (const auto& [key, value] : ordered.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"objective", "bound", "gap", "optimal", "seconds",
                                            "template", "crafted", "unmet"}));
  EXPECT_TRUE(json["optimal"].get<bool>());
  EXPECT_NEAR(json["bound"].get<double>(), json["objective"].get<double>(), 1e-6);
  ASSERT_EQ(json["crafted"].size(), 1u);
  const auto& chest = json["crafted"][0];
  EXPECT_EQ(chest["slot"], 9);
  const std::regex gem("[A-Z][A-Za-z :]* [0-9]+");
  for (const auto& g : chest["gems"]) EXPECT_TRUE(std::regex_match(g.get<std::string>(), gem)) << g;
  EXPECT_LE(std::stod(chest["imbue"].get<std::string>()),
            std::stod(chest["capacity"].get<std::string>()));

  // The file holds the record printed, and its totals give the objective.
  const auto shown = RunCli({"show", out, "--json"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(nlohmann::json::parse(shown.out), json["template"]);
  const auto totals = nlohmann::json::parse(RunCli({"totals", out, "--json"}).out);
  auto capped = [&](const char* figure) {
    return std::min(totals["totals"][figure].get<int>(), totals["effective"][figure].get<int>());
  };
  EXPECT_DOUBLE_EQ(json["objective"].get<double>(),
                   capped("Strength") + 2 * capped("Constitution"));

  // The lines say the same.
  const auto text =
      RunCli(f.Small({"--weight", "Strength=1", "--weight", "Constitution=2", "--out", out}));
  ASSERT_EQ(text.exitCode, 0) << text.err;
  const auto lines = Lines(text.out);
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Objective: " + FormatDecimals(json["objective"].get<double>(), 2));
  EXPECT_EQ(lines[3], "Proven optimal");
  EXPECT_TRUE(lines[5].starts_with("Slot 9 (Chest): ")) << lines[5];
  EXPECT_EQ(lines.back(), "Written " + out);
}

TEST(OptimizeCli, RefusesBadUsageNamingWhatIsWrong) {
  OptimizeFixture f;
  const struct {
    std::vector<std::string> more;
    std::string reason;
  } cases[] = {
      {{"--weight", "Strength=x"},
       "--weight needs FIGURE=W with a number W from 0 up, got Strength=x"},
      {{"--weight", "Strength=-1"},
       "--weight needs FIGURE=W with a number W from 0 up, got Strength=-1"},
      {{"--weight", "Luck=1"}, "--weight names an unknown figure: Luck"},
      {{"--min", "HitPoints=2.5"},
       "--min needs FIGURE=N with a whole number N from 0 up, got HitPoints=2.5"},
      {{"--order", "Strength,Luck"}, "--order names an unknown figure: Luck"},
      {{"--empty", "0-3"}, "--empty needs slots 1-19 such as 1,2,5-8, got 0-3"},
      {{"--empty", "14-12"}, "--empty needs slots 1-19 such as 1,2,5-8, got 14-12"},
      {{"--empty", "1,"}, "--empty needs slots 1-19 such as 1,2,5-8, got 1,"},
      {{"--empty", "9"}, "slot 9 is named by both --craft and --empty"},
      {{"--time-limit", "0"}, "--time-limit needs seconds above 0, got 0"},
      {{"--level", "52"}, "--level needs a number 1-51, got 52"},
      {{"--quality", "93"}, "--quality needs a number 94-100, got 93"},
      {{"--overcharge", "1", "--min-success", "50"},
       "--overcharge and --min-success exclude each other"},
      {{"--skill", "900"}, "--skill goes with --min-success"},
      {{"--verified-only", "--owned", "names.txt"},
       "--verified-only and --owned exclude each other"},
      {{"--out", "x.txt"}, "--out needs a .qmc path"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(f.Small(c.more));
    EXPECT_EQ(run.exitCode, 2) << c.reason;
    EXPECT_EQ(Lines(run.err).front(), "quillmark-cli: " + c.reason);
  }
}

TEST(OptimizeCli, ReadsSlotListsAndOwnedNames) {
  EXPECT_EQ(cli::ParseSlotList("--lock", "1,2,5-8,19").Value(),
            (std::vector<int>{1, 2, 5, 6, 7, 8, 19}));
  EXPECT_EQ(cli::ParseOwnedNames("\xEF\xBB\xBF Ring of Tides \r\n\n\t\r\nCloak \xC3\xA9\n"),
            (std::set<std::string>{"Ring of Tides", "Cloak \xE9"}));
}

// Restores an environment variable the test changes.
struct ScopedEnvironment {
  std::string name;
  std::optional<std::string> saved;
  ScopedEnvironment(std::string n, const std::string& value) : name(std::move(n)) {
    if (const char* old = std::getenv(name.c_str())) saved = old;
    setenv(name.c_str(), value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (saved)
      setenv(name.c_str(), saved->c_str(), 1);
    else
      unsetenv(name.c_str());
  }
};

// A minimum no template reaches is named with the most its figure reaches,
// and the answer is the best template without it.
TEST(OptimizeCli, NamesAMinimumItCannotMeet) {
  OptimizeFixture f;
  const auto json = RunCli(f.Small({"--min", "HitPoints=100000", "--json"}));
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const auto unmet = nlohmann::json::parse(json.out)["unmet"];
  ASSERT_EQ(unmet.size(), 1u);
  EXPECT_EQ(unmet[0]["figure"], "HitPoints");
  EXPECT_EQ(unmet[0]["minimum"], 100000);
  const int best = unmet[0]["best"].get<int>();
  EXPECT_LT(best, 100000);
  const auto text = RunCli(f.Small({"--min", "HitPoints=100000"}));
  EXPECT_NE(text.out.find("HitPoints at least 100000 cannot be met: at best " +
                          std::to_string(best) + "."),
            std::string::npos)
      << text.out;
}

TEST(OptimizeCli, RefusesInputItCannotUse) {
  OptimizeFixture f;
  const std::string missing = f.folder.File("none.qmc");
  const std::string names = f.folder.File("owned.txt");
  std::ofstream(names) << "\n  Nobody's Ring  \r\n";
  // The player's own vault is the default, and a damaged one is named.
  std::filesystem::create_directories(f.folder.Path() / "data" / "Quillmark");
  const std::string own = f.folder.File("data/Quillmark/master.qmv");
  std::ofstream(own) << "not a vault";
  const ScopedEnvironment data("XDG_DATA_HOME", f.folder.File("data"));

  auto withoutVault = f.Small({});
  withoutVault.erase(withoutVault.begin() + 2, withoutVault.begin() + 4);
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"optimize", missing}, "\"" + missing + "\": No such file or directory"},
      {withoutVault, "Invalid vault file, please re-download (\"" + own},
      {{"optimize", f.armsman, "--vault", BundledVault(), "--from-vault", "5", "--lock", "1-4,6-19",
        "--owned", names},
       "nothing to optimize: the vault \"" + BundledVault() +
           "\" offers no entries to choose from and no slot is spellcrafted"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_TRUE(Lines(run.err).front().starts_with("quillmark-cli: " + c.message))
        << Lines(run.err).front();
  }
}

}  // namespace
}  // namespace qm
