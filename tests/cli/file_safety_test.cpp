// No command loses a file by writing: not the input, not a device, not a
// link, not a file left half-written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::RunCli;
namespace fs = std::filesystem;

class FileSafety : public ::testing::Test {
 protected:
  void SetUp() override { samples::WriteSamples(folder_.Path().string()); }
  std::string File(const std::string& name) const { return folder_.File(name); }
  std::string Contents(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes.Ok() ? std::string(bytes.Value().begin(), bytes.Value().end()) : "";
  }
  bool NoTemporaryFiles() {
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Path())) {
      if (entry.path().filename().string().find(".qm-tmp-") != std::string::npos) return false;
    }
    return true;
  }
  testing::TempFolder folder_;
};

TEST_F(FileSafety, ConvertNeverWritesOverItsInputOrUnderAnotherFormatsName) {
  const std::string old = File("old-hib-mauler.qmy");
  const std::string before = Contents(old);
  for (const std::string& out :
       {old, File("x.qmx"), File("x.QMI"), File("x.qmv"), File("other.qmy")}) {
    const auto run = RunCli({"convert", old, out});
    EXPECT_EQ(run.exitCode, 1) << out;
    EXPECT_NE(run.err.find("names another kind of file"), std::string::npos) << run.err;
  }
  EXPECT_EQ(Contents(old), before);

  // The same template under a second name is still its input.
  const std::string tpl = File("albion-armsman.qmc");
  fs::create_symlink(tpl, File("alias.qmc"));
  const auto run = RunCli({"convert", tpl, File("alias.qmc")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_symlink(File("alias.qmc")));
  EXPECT_EQ(RunCli({"convert", tpl, ""}).exitCode, 2);
}

TEST_F(FileSafety, AnOutputLinkIsWrittenThroughAndAnOddOutputRefused) {
  fs::create_directory(File("real"));
  fs::create_symlink("real/out.qmc", File("link.qmc"));
  auto run = RunCli({"convert", File("old-hib-mauler.qmy"), File("link.qmc")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(File("link.qmc")));
  EXPECT_EQ(fs::file_size(File("real/out.qmc")), 5296u);

  const std::string fifo = File("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(File("pipe.qmx").c_str(), 0600), 0);  // import adds the extension
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"report", File("albion-armsman.qmc"), "--out", fifo},
        {"convert", File("albion-armsman.qmc"), fifo},
        {"import", File("old-unique-ring.qmi"), "--out", File("pipe")}}) {
    run = testing::RunCliProcess(args);  // a FIFO opened for writing could block
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_fifo(File("pipe.qmx")));
  run = RunCli({"report", File("albion-armsman.qmc"), "--out", File("albion-armsman.qmc")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(fs::file_size(File("albion-armsman.qmc")), 5296u);
  EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(FileSafety, AWritePastTheFileSizeLimitFailsAndCleansUp) {
  const std::string previous = File("previous.qmc");
  ASSERT_TRUE(WriteFileAtomically(previous, "keep me").Ok());
  // Both shells' units leave the limit far below the 5296 bytes of a template.
  const auto run =
      testing::RunCliAfter("ulimit -f 4", {"convert", File("old-hib-mauler.qmy"), previous});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  EXPECT_EQ(Contents(previous), "keep me");
  EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(FileSafety, ImportNamesItsFileOnceAndNeedsAnOutputName) {
  const std::string missing = File("gone.qmx");
  auto run = RunCli({"import", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "quillmark-cli: \"" + missing + "\": No such file or directory\n");
  run = RunCli({"import", File("old-unique-ring.qmi"), "--out", ""});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_FALSE(fs::exists(".qmx"));
  const std::string fifo = File("pipe.qmx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"import", fifo},
                                               {"show", fifo},
                                               {"convert", File("pipe.qmc"), File("o.qmc")}}) {
    if (args[0] == "convert") {
      ASSERT_EQ(::mkfifo(args[1].c_str(), 0600), 0);
    }
    run = testing::RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_EQ(run.err, "quillmark-cli: \"" + args[1] + "\": not a regular file\n");
  }
}

}  // namespace
}  // namespace qm
