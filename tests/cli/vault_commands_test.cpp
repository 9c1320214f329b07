// vault pack, unpack, info, build and search, run as a script would run them.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "core/file_io.h"
#include "support/temp_folder.h"
#include "vault/vault_test_support.h"
#include "vault/zlib_bomb.h"
#include "vault/zlib_stream.h"

namespace qm {
namespace {

using testing::RunCli;
namespace fs = std::filesystem;

class VaultCommands : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return folder_.File(name); }
  std::string Write(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(WriteFileAtomically(File(name), bytes).Ok());
    return File(name);
  }
  std::string Packed(const std::string& name, const std::string& text) {
    const auto packed = DeflateStream(text).Value();
    return Write(name, std::string(packed.begin(), packed.end()));
  }
  std::string Contents(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes.Ok() ? std::string(bytes.Value().begin(), bytes.Value().end()) : "";
  }
  testing::TempFolder folder_;
};

TEST_F(VaultCommands, PackKeepsTheTextsBytesAndNamesEveryLineLoadingChanges) {
  test::Lines entry = test::SampleEntry();
  entry[test::kBonus1] = "Strength|123456";
  entry[test::kNote] = "~";  // loads as it is written; the text is packed as it is
  entry[test::kBonusLevel] = "MB:123";
  const std::string text = test::VaultText("2", {entry}, "\n");
  const std::string source = Write("vault.txt", text);

  auto run = RunCli({"vault", "pack", source, File("out.qmv")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(testing::Lines(run.err),
            (std::vector<std::string>{
                "warning: \"" + source +
                    "\": line 42: the bonus level \"MB:123\" loads as its first two digits, 12",
                "warning: \"" + source +
                    "\": line 46: the bonus value \"123456\" loads as its first five characters, "
                    "12345"}));
  run = RunCli({"vault", "unpack", File("out.qmv")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, text);
  const auto packed = DeflateStream(text, 1).Value();
  EXPECT_EQ(Contents(File("out.qmv")), std::string(packed.begin(), packed.end()));

  run = RunCli({"vault", "pack", source, File("strict.qmv"), "--strict"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(testing::Lines(run.err).size(), 1u) << run.err;
  EXPECT_NE(run.err.find("line 42: the bonus level"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("2 changes in all; nothing written"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(File("strict.qmv")));

  // A text that does not load is refused with the loader's line.
  entry[test::kLevel] = "fifty";
  const std::string broken = Write("broken.txt", test::VaultText("2", {entry}));
  run = RunCli({"vault", "pack", broken, File("broken.qmv")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "quillmark-cli: Invalid vault file, please re-download (\"" + broken +
                         "\": line 32: the level is not a whole number)\n");
  EXPECT_FALSE(fs::exists(File("broken.qmv")));
}

TEST_F(VaultCommands, EveryVaultMessageNamesTheFileAndSaysWhy) {
  const std::string tiny = Write("tiny.qmv", "x\x9c");
  const std::string negative = Packed("negative.qmv", "~v\r\nVault Version:1\r\nd\r\n-3\r\n");
  const std::string bomb =
      Packed("bomb.qmv", test::VaultText("2", {test::SampleEntry()}) + std::string(200000, '\n'));
  const std::string fifo = File("pipe.qmv");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string invalid = "quillmark-cli: Invalid vault file, please re-download (\"";
  const std::pair<std::string, std::string> cases[] = {
      {tiny, invalid + tiny + "\": the packed data ends before its stream does)"},
      {negative, invalid + negative + "\": line 4: the entry count -3 is negative)"},
      {bomb, invalid + bomb +
                 "\": the text is larger than its header count of 2 entries allows (96 KiB))"},
      {folder_.Path().string(),
       "quillmark-cli: \"" + folder_.Path().string() + "\": Is a directory"},
      {File("none.qmv"), "quillmark-cli: \"" + File("none.qmv") + "\": No such file or directory"},
      {fifo, "quillmark-cli: \"" + fifo + "\": not a regular file"},
      {"/dev/zero", "quillmark-cli: \"/dev/zero\": not a regular file"},
  };
  for (const auto& [path, message] : cases) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"vault", "info", path},
                                                 {"vault", "unpack", path},
                                                 {"vault", "search", path},
                                                 {"vault", "describe", path, "1"}}) {
      // Reading a FIFO or a device could block; only a separate process can time out.
      const bool mayBlock = path == fifo || path == "/dev/zero";
      const auto run = mayBlock ? testing::RunCliProcess(args) : RunCli(args);
      EXPECT_EQ(run.exitCode, 1) << args[1] << " " << path;
      EXPECT_EQ(run.err, message + "\n") << args[1];
      EXPECT_TRUE(run.out.empty()) << args[1];
    }
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"vault", "pack", "/dev/zero", File("o.qmv")},
        {"vault", "pack", fifo, File("o.qmv")},
        {"vault", "build", File("o.qmv"), "/dev/zero"}}) {
    const auto run = testing::RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 1) << args[2];
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(File("o.qmv")));
}

TEST_F(VaultCommands, ABombIsRefusedInLittleMemory) {
  const std::string header = "~v\r\nVault Version:1\r\nVault Date:6/22/2009\r\n2\r\n7\r\n";
  const auto packed = test::Bomb(header, "\n", 256u << 20);
  const std::string bomb = Write("bomb.qmv", std::string(packed.begin(), packed.end()));
  // A process of its own: getrusage reports a child's peak memory apart from the suite's.
  const auto run = testing::RunCliProcess({"vault", "info", bomb});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("larger than its header count of 2 entries"), std::string::npos);
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss, 128 * 1024) << "kB";  // the text alone would take 256 MB
}

TEST_F(VaultCommands, FoldersWithoutItemsAndOutputsThatAreInputsAreRefused) {
  fs::create_directory(File("empty"));
  Write("empty/readme.md", "no items here");
  auto run = RunCli({"vault", "pack", File("empty"), File("out.qmv")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("holds no item files"), std::string::npos) << run.err;
  run = RunCli({"vault", "build", File("out.qmv"), File("empty")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("readme.md\": not an item source we can read"), std::string::npos)
      << run.err;
  Write("empty/none.txt", "\r\n");
  run = RunCli({"vault", "pack", File("empty"), File("out.qmv")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("holds no items"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(File("out.qmv")));

  const std::string text = test::VaultText("2", {test::SampleEntry()});
  const std::string self = Write("self.txt", text);
  run = RunCli({"vault", "pack", self, self});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
  EXPECT_EQ(Contents(self), text);

  // A missing item file is named once.
  run = RunCli({"vault", "build", File("out.qmv"), File("gone.xml")});
  EXPECT_EQ(run.err, "quillmark-cli: \"" + File("gone.xml") + "\": No such file or directory\n");
}

TEST_F(VaultCommands, AmountsAreNumbersLikeEveryOtherOption) {
  const std::string vault = Packed("m.qmv", test::VaultText("2", {test::SampleEntry()}));
  EXPECT_EQ(RunCli({"vault", "search", vault, "--stat1amt", "abc"}).exitCode, 2);
  EXPECT_EQ(RunCli({"vault", "search", vault, "--stat3amt", "1x"}).exitCode, 2);
  const auto run = RunCli({"vault", "search", vault, "--SFilter1", "1", "--stat1amt", "10"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "1\tSword of Tests\n");
}

}  // namespace
}  // namespace qm
