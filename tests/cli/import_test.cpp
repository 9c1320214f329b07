// import, run as a script would run it.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::Lines;
using testing::RunCli;

constexpr const char* kXmlItem =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<SCItem>\n"
    "\t<ItemName>Band of the Tide</ItemName>\n"
    "\t<Realm>All</Realm>\n"
    "\t<Location>Ring</Location>\n"
    "\t<Level> 50 </Level>\n"
    "\t<SLOT Number=\"0\">\n"
    "\t\t<Effect>Strength</Effect>\n"
    "\t\t<Amount>12</Amount>\n"
    "\t\t<Type>Stat</Type>\n"
    "\t</SLOT>\n"
    "</SCItem>";

TEST(ImportCommand, ImportsItemFilesAsTheWorkbenchDoes) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());

  auto run = RunCli({"import", folder.File("sword-of-valiant-dawn.qmx")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(Lines(run.out).at(0), "Name        : Sword of Valiant Dawn");

  const std::string xml = folder.File("band.xml");
  ASSERT_TRUE(WriteFileAtomically(xml, kXmlItem).Ok());
  const std::string out = folder.File("band.qmx");
  run = RunCli({"import", xml, "--slot-filter", "5", "--out", out});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("Name        : Band of the Tide"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Bonus 1: Strength 12"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Level       : 50"), std::string::npos) << run.out;
  EXPECT_EQ(std::filesystem::file_size(out), sizeof(TItemRecord));

  // A slot that does not fit is a warning, not a question.
  run = RunCli({"import", xml, "--slot-filter", "7"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("warning"), std::string::npos) << run.err;
}

TEST(ImportCommand, RefusesWhatTheWorkbenchRefuses) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());
  // The extension test is case-sensitive.
  std::filesystem::copy_file(folder.File("sword-of-valiant-dawn.qmx"), folder.File("ITEM.QMX"));
  auto run = RunCli({"import", folder.File("ITEM.QMX")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Invalid import file"), std::string::npos) << run.err;

  ASSERT_TRUE(WriteFileAtomically(folder.File("short.qmx"), std::string(100, 'x')).Ok());
  run = RunCli({"import", folder.File("short.qmx")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(Lines(run.err).size(), 1u);

  EXPECT_EQ(RunCli({"import"}).exitCode, 2);
}

}  // namespace
}  // namespace qm
