#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace qm::testing {
namespace {

// Scripts and the package check read the version; it is the CMake project's.
TEST(CliVersion, PrintsTheProjectVersionAlone) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "quillmark-cli " QM_PROJECT_VERSION "\n");
  EXPECT_EQ(run.err, "");
  // The help lists it with the commands.
  EXPECT_NE(RunCli({"--help"}).out.find("quillmark-cli --version\n"), std::string::npos);
}

TEST(CliVersion, TakesNoArguments) {
  const CliRun run = RunCli({"--version", "extra"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace qm::testing
