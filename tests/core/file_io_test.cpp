// The checked reader and the crash-safe writer every file goes through.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/file_contents.h"
#include "core/file_io.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  return bytes.Ok() ? std::string(bytes.Value().begin(), bytes.Value().end()) : "<" + bytes.Error();
}

// Files a write left behind besides the ones named.
std::vector<std::string> Leftovers(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".qm-tmp-") != std::string::npos) names.push_back(name);
  }
  return names;
}

TEST(FileReads, OnlyRegularFilesAreOpenedAndEveryMessageNamesThePath) {
  testing::TempFolder folder;
  const std::string fifo = folder.File("pipe.qmc");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {fifo, "\"" + fifo + "\": not a regular file"},
      {"/dev/zero", "\"/dev/zero\": not a regular file"},
      {folder.Path().string(), "\"" + folder.Path().string() + "\": Is a directory"},
      {folder.File("missing"), "\"" + folder.File("missing") + "\": No such file or directory"},
  };
  for (const Case& c : cases) {
    // A FIFO without a writer must neither block the open nor the read.
    EXPECT_EQ(ReadFileBytes(c.path).Error(), c.message);
    EXPECT_EQ(ReadFilePrefix(c.path, 10).Error(), c.message);
    EXPECT_EQ(ReadFileContents(c.path, 10).Error(), c.message);
  }
}

TEST(FileReads, AWholeReadStopsAtItsBoundAndAPrefixReadAtItsRecord) {
  testing::TempFolder folder;
  const std::string path = folder.File("data");
  ASSERT_TRUE(WriteFileAtomically(path, std::string(100, 'x')).Ok());
  EXPECT_TRUE(ReadFileBytes(path, 100).Ok());
  EXPECT_EQ(ReadFileBytes(path, 99).Error(), "\"" + path + "\": the file is larger than 99 bytes");
  EXPECT_EQ(ReadFilePrefix(path, 10).Value().size(), 10u);
  EXPECT_EQ(ReadFilePrefix(path, 1000).Value().size(), 100u);
  EXPECT_EQ(SizeText(16u << 20), "16 MiB");
  EXPECT_EQ(SizeText(std::size_t{1} << 30), "1 GiB");
}

TEST(FileReads, WholeContentsComeBackByteForByteAtEverySizeAndStopAtTheirBound) {
  testing::TempFolder folder;
  const std::string path = folder.File("data");
  // Empty, small (on the heap) and large (mapped) files.
  for (const std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{3} << 20}) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 131 % 251);
    ASSERT_TRUE(WriteFileAtomically(path, bytes).Ok());
    const auto read = ReadFileContents(path, size);
    ASSERT_TRUE(read.Ok()) << read.Error();
    EXPECT_TRUE(read.Value().View() == bytes) << size;
    if (size > 0) {
      EXPECT_EQ(ReadFileContents(path, size - 1).Error(),
                "\"" + path + "\": the file is larger than " + SizeText(size - 1));
    }
  }
}

TEST(FileReads, AMessageIsNamedByItsFileOnce) {
  EXPECT_EQ(NamingFile("a.qmx", "Read beyond end of file"), "\"a.qmx\": Read beyond end of file");
  EXPECT_EQ(NamingFile("a.qmx", "\"a.qmx\": No such file or directory"),
            "\"a.qmx\": No such file or directory");
}

TEST(FileWrites, ALinkIsWrittenThroughToItsTargetInTheTargetsFolder) {
  testing::TempFolder folder;
  fs::create_directory(folder.Path() / "real");
  const std::string target = folder.File("real/hero.qmc");
  ASSERT_TRUE(WriteFileAtomically(target, "old").Ok());
  ::chmod(target.c_str(), 0640);
  fs::create_symlink("real/hero.qmc", folder.Path() / "link.qmc");
  fs::create_symlink(folder.File("link.qmc"), folder.Path() / "chain.qmc");

  ASSERT_TRUE(WriteFileAtomically(folder.File("chain.qmc"), "new").Ok());
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "chain.qmc"));
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.qmc"));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A link to a file not made yet makes the file where the link points.
  fs::create_symlink("real/later.qmc", folder.Path() / "dangling.qmc");
  ASSERT_TRUE(WriteFileAtomically(folder.File("dangling.qmc"), "made").Ok());
  EXPECT_EQ(Contents(folder.File("real/later.qmc")), "made");
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "dangling.qmc"));

  fs::create_symlink("loop.qmc", folder.Path() / "loop.qmc");
  EXPECT_FALSE(WriteFileAtomically(folder.File("loop.qmc"), "x").Ok());
  EXPECT_TRUE(Leftovers(folder.Path()).empty());
  EXPECT_TRUE(Leftovers(folder.Path() / "real").empty());
}

TEST(FileWrites, ATargetThatIsNoRegularFileOrIsTheInputIsLeftAlone) {
  testing::TempFolder folder;
  const std::string fifo = folder.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(WriteFileAtomically(fifo, "x").error, "\"" + fifo + "\": not a regular file");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(WriteFileAtomically(folder.Path().string(), "x").error,
            "\"" + folder.Path().string() + "\": Is a directory");

  const std::string input = folder.File("self.txt");
  ASSERT_TRUE(WriteFileAtomically(input, "mine").Ok());
  fs::create_symlink(input, folder.Path() / "alias.txt");
  for (const std::string& out : {input, folder.File("alias.txt")}) {
    const Status refused = WriteFileAtomically(out, "zlib", {folder.File("other"), input});
    EXPECT_NE(refused.error.find("is the input file \"" + input + "\" itself"), std::string::npos)
        << refused.error;
  }
  EXPECT_EQ(Contents(input), "mine");
  EXPECT_TRUE(WriteFileAtomically(folder.File("copy.txt"), "zlib", {input}).Ok());
  EXPECT_TRUE(Leftovers(folder.Path()).empty());
}

}  // namespace
}  // namespace qm
