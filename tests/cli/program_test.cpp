// The built quillmark-cli against the commands run in-process, and runs that
// follow one another in one process.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "support/temp_folder.h"
#include "tools/samples.h"
#include "vault/vault_test_support.h"
#include "vault/zlib_stream.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

TEST(CliProgram, ThePrintsAndExitCodesOfTheProgramAreTheLibrarys) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());
  const std::string tpl = folder.File("albion-armsman.qmc");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                               {},
                                               {"frobnicate", "x"},
                                               {"vault"},
                                               {"show", tpl},
                                               {"utility", tpl, "--mode", "3"},
                                               {"show", folder.File("missing.qmc")},
                                               {"totals", tpl, "--frobnicate"}}) {
    const std::string what = args.empty() ? "(nothing)" : args[0];
    const auto program = testing::RunCliProcess(args);
    const auto library = RunCli(args);
    EXPECT_EQ(program.exitCode, library.exitCode) << what;
    EXPECT_EQ(program.out, library.out) << what;
    EXPECT_EQ(program.err, library.err) << what;
  }
  const auto help = RunCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.err.empty());
  EXPECT_EQ(RunCli({}).err, help.out);
  EXPECT_EQ(RunCli({}).exitCode, 2);
  EXPECT_EQ(RunCli({"frobnicate", "x"}).err,
            "quillmark-cli: unknown command 'frobnicate' (try --help)\n");
}

// Every command listed by --help is reached by its own name and answers a
// stray option, followed by more words than any command takes, with the
// option it does not know and its own usage line.
TEST(CliProgram, HelpListsEveryCommandOnceAndEachIsReachable) {
  std::vector<std::string> usages = Lines(RunCli({"help"}).out);
  ASSERT_GE(usages.size(), 2u);
  EXPECT_EQ(usages[0], "Quillmark Classic command-line tool");
  EXPECT_EQ(usages[1], "usage:");
  usages.erase(usages.begin(), usages.begin() + 2);
  // The version line closes the list; it is no command.
  ASSERT_FALSE(usages.empty());
  EXPECT_EQ(usages.back(), "  quillmark-cli --version");
  usages.pop_back();
  // compare, quickbar, shopping, the template exchange and optimize included
  EXPECT_EQ(usages.size(), 23u);
  EXPECT_TRUE(std::is_sorted(usages.begin(), usages.end()));
  EXPECT_EQ(std::adjacent_find(usages.begin(), usages.end()), usages.end());
  const std::string lead = "  quillmark-cli ";
  for (const std::string& usage : usages) {
    ASSERT_EQ(usage.compare(0, lead.size(), lead), 0) << usage;
    std::vector<std::string> words;
    for (std::size_t at = lead.size(); at < usage.size();) {
      const std::size_t end = std::min(usage.find(' ', at), usage.size());
      const std::string word = usage.substr(at, end - at);
      if (word.empty() || word[0] < 'a' || word[0] > 'z') break;  // FILE, [--json], ...
      words.push_back(word);
      at = end + 1;
    }
    words.push_back("--no-such-option");
    words.insert(words.end(), 11, "0");
    const auto run = RunCli(words);
    EXPECT_EQ(run.exitCode, 2) << usage;
    EXPECT_EQ(run.err, "quillmark-cli: unknown option --no-such-option\nusage: quillmark-cli " +
                           usage.substr(lead.size()) + "\n");
    EXPECT_TRUE(run.out.empty()) << usage;
  }
}

// Bad usage names the mistake on the first line of standard error, before the
// usage line, whatever kind of mistake and whichever command made it.
TEST(CliProgram, BadUsageSaysWhatWasWrongFirst) {
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  const Case cases[] = {
      {{"show", "--jsn", "x.qmc"}, "unknown option --jsn"},
      {{"totals", "x.qmc", "--json=1"}, "--json takes no value"},
      {{"utility", "x.qmc", "--mode"}, "--mode needs a value"},
      {{"utility", "x.qmc", "--mode", "x"}, "--mode needs a number 0-3, got x"},
      {{"utility", "x.qmc"}, "missing --mode"},
      {{"breakdown", "x.qmc", "300"}, "CODE needs a number 0-255, got 300"},
      {{"gem", "1", "0", "Atlantis"}, "REALM needs a realm 0-2 or its name, got Atlantis"},
      {{"vault", "search", "x.qmv", "--SlotFilter", "-2"},
       "--SlotFilter needs a number from -1 to 65535, got -2"},
      {{"report", "x.qmc", "--content", "everything"},
       "--content needs all, materials, names or stats, got everything"},
      {{"spellcraft", "--slot", "Jewel1"}, "--slot needs a slot 1-19 or its name, got Jewel1"},
      {{"summary", "x.qmc"}, "missing SLOT"},
      {{"compare"}, "missing A.qmc"},
      {{"vault", "build", "out.qmv"}, "missing SOURCE"},
      {{"salvage", "1", "2"}, "missing A3"},
      {{"show", "a.qmc", "b.qmc"}, "too many arguments: b.qmc"},
      {{"vault", "info", "a.qmv", "b"}, "too many arguments: b"},
      {{"spellcraft", "chest"}, "too many arguments: chest"},
      {{"convert", "a.qmc", ""}, "OUT.qmc is empty"},
  };
  for (const Case& c : cases) {
    const auto run = RunCli(c.args);
    const std::vector<std::string> lines = Lines(run.err);
    const std::string what = c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_EQ(run.exitCode, 2) << what;
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[0], "quillmark-cli: " + c.reason) << what;
    EXPECT_EQ(lines[1].rfind("usage: quillmark-cli " + c.args[0], 0), 0u) << lines[1];
    EXPECT_TRUE(run.out.empty()) << what;
  }
}

// Loading a vault appends its unknown texts to the process-wide lists; a run
// that follows must still number its own vault's texts from the compiled lists.
TEST(CliProgram, AVaultLoadedByAnEarlierRunDoesNotRenumberTheNext) {
  testing::TempFolder folder;
  const auto packed = [&](const std::string& name, const std::string& itemType,
                          const std::string& itemName) {
    test::Lines entry = test::SampleEntry();
    entry[test::kItemType] = itemType;
    entry[test::kName] = itemName;
    const auto bytes = DeflateStream(test::VaultText("2", {entry})).Value();
    EXPECT_TRUE(
        WriteFileAtomically(folder.File(name), std::string(bytes.begin(), bytes.end())).Ok());
    return folder.File(name);
  };
  const std::string zeppelins = packed("a.qmv", "Zeppelin", "Cloud Chaser");
  const std::string airships = packed("b.qmv", "Airship", "Sky Ship");
  // The first text past the compiled item types is position 19 of the filter.
  const std::vector<std::string> search{"vault", "search", airships, "--ITypeFilter", "19"};
  const auto fresh = testing::RunCliProcess(search);
  ASSERT_EQ(fresh.exitCode, 0) << fresh.err;
  EXPECT_EQ(fresh.out, "1\tSky Ship\n");

  EXPECT_EQ(RunCli({"vault", "search", zeppelins, "--ITypeFilter", "19"}).out, "1\tCloud Chaser\n");
  const auto after = RunCli(search);
  EXPECT_EQ(after.exitCode, 0) << after.err;
  EXPECT_EQ(after.out, fresh.out);
  EXPECT_EQ(RunCli({"vault", "describe", airships, "1"}).out,
            testing::RunCliProcess({"vault", "describe", airships, "1"}).out);
}

}  // namespace
}  // namespace qm
