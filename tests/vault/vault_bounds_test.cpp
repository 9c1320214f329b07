// Vault files that cannot be trusted: texts far beyond their header count,
// zlib bombs, header counts that are no count, and the places where loading
// says less than the text.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "support/temp_folder.h"
#include "vault/vault.h"
#include "vault/vault_reader.h"
#include "vault/zlib_stream.h"
#include "vault_test_support.h"
#include "zlib_bomb.h"

namespace qm {
namespace {

using test::Bomb;
using test::Lines;
using test::SampleEntry;
using test::VaultText;

class VaultBoundsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }
  void TearDown() override { test::ResetVocabulary(); }
  Vault vault;
};

const std::string kHeader = "~v\r\nVault Version:1\r\nVault Date:6/22/2009\r\n2\r\n7\r\n";

TEST_F(VaultBoundsTest, ABombIsRefusedWithoutHoldingItsText) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> packed;
    std::size_t mostHeld;  // the most text inflating may hold
    const char* message;
  };
  const Case cases[] = {
      // Start-up keeps its plain message: line 1 already shows the file is no vault.
      {"zeros", Bomb("", std::string(1, '\0'), 256u << 20), (64u << 10) + 1,
       "Invalid vault file, please re-download"},
      {"a count of 2, then endless lines", Bomb(kHeader, "\r\n~1\r\nSword\r\n", 256u << 20),
       (64u << 10) + 2 * (16u << 10) + 1,
       "Invalid vault file, please re-download (the text is larger than its header count of 2 "
       "entries allows (96 KiB))"},
      {"no line end after the version", Bomb("~v\r\nVault Version:1\r\n", "x", 64u << 20),
       (64u << 10) + 1,
       "Invalid vault file, please re-download (the header lines take more than 64 KiB)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::size_t held = 0;
    const TextBounder watched = [&](std::string_view textSoFar) {
      held = std::max(held, textSoFar.size());
      return VaultTextBound(textSoFar, {});
    };
    // Only how much text was held matters here; the refusal is checked below.
    static_cast<void>(InflateStreamBuffer(c.packed, watched));
    EXPECT_LE(held, c.mostHeld);
    const VaultLoadStatus status = vault.LoadPacked(c.packed);
    EXPECT_EQ(status.exitCode, 200);
    EXPECT_EQ(status.message, c.message);
    EXPECT_EQ(vault.Count(), 0u);
  }
}

TEST_F(VaultBoundsTest, ATextUpToItsBoundLoadsAndOnePastItIsRefused) {
  VaultLoadOptions options;
  options.maxTextBytes = 70000;  // below the bound of a count of 2
  const std::string text = VaultText("2", {SampleEntry()});
  const std::string padded = text + std::string(70000 - text.size(), '\n');
  EXPECT_TRUE(vault.LoadText(padded, options).Ok());
  const auto packed = DeflateStream(padded).Value();
  EXPECT_TRUE(vault.LoadPacked(packed, options).Ok());
  EXPECT_EQ(vault.Count(), 2u);

  const std::string over = padded + "\n";
  for (const VaultLoadStatus& status :
       {vault.LoadText(over, options), vault.LoadPacked(DeflateStream(over).Value(), options)}) {
    EXPECT_EQ(status.exitCode, 200);
    EXPECT_EQ(status.detail, "the text is larger than 70000 bytes");
  }
}

TEST_F(VaultBoundsTest, ACountThatIsNoCountSaysSoButStartUpKeepsItsText) {
  const std::string rest = "~v\r\nVault Version:1\r\nVault Date:6/22/2009\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {rest + "-3\r\n", "line 4: the entry count -3 is negative"},
      {rest + "0\r\n", "line 4: the entry count is 0"},
      {rest + "five\r\n", "line 4: the entry count \"five\" is not a number"},
      {rest, "line 4: the entry count is missing"},
  };
  for (const auto& [text, detail] : cases) {
    const VaultLoadStatus status = vault.LoadText(text);
    EXPECT_EQ(status.exitCode, 202);
    EXPECT_EQ(status.message, "Invalid vault file, please re-download");
    EXPECT_EQ(status.detail, detail);
    EXPECT_EQ(status.NamingFile("m.qmv"),
              "Invalid vault file, please re-download (\"m.qmv\": " + detail + ")");
  }
  EXPECT_EQ(vault.LoadText("~v\r\nVault Version:2\r\n").NamingFile("m.qmv"),
            "Unknown vault version, please update Quillmark (\"m.qmv\": line 2 is not \"Vault "
            "Version:1\")");
}

TEST_F(VaultBoundsTest, AFileIsInflatedPieceByPieceAndItsFaultsNamed) {
  testing::TempFolder folder;
  // Lines of letters pack poorly, so the file takes several reads.
  std::string text = VaultText("10", {SampleEntry()});
  std::uint32_t seed = 1;
  while (text.size() < 200000) {
    seed = seed * 1103515245 + 12345;
    text += static_cast<char>('a' + (seed >> 16) % 26);
    if (seed % 97 == 0) text += "\r\n";
  }
  const auto packed = DeflateStream(text).Value();
  ASSERT_GT(packed.size(), 70000u);
  const std::string path = folder.File("master.qmv");
  ASSERT_TRUE(
      WriteFileAtomically(path, {reinterpret_cast<const char*>(packed.data()), packed.size()})
          .Ok());
  auto file = InputFile::Open(path);
  ASSERT_TRUE(file.Ok());
  EXPECT_TRUE(vault.LoadOpened(file.Value()).Ok()) << vault.LoadFile(path).message;
  EXPECT_EQ(vault.Count(), 10u);

  const std::string good(packed.begin(), packed.end());
  const std::pair<std::string, std::string> damaged[] = {
      {good.substr(0, good.size() / 2), "the packed data ends before its stream does"},
      {good + "x", "the packed data has bytes after its stream"},
      {"xy", "the packed data is not a valid zlib stream"},
  };
  for (const auto& [bytes, detail] : damaged) {
    ASSERT_TRUE(WriteFileAtomically(path, bytes).Ok());
    const VaultLoadStatus status = vault.LoadFile(path);
    EXPECT_EQ(status.exitCode, 200);
    EXPECT_EQ(status.detail, detail);
    EXPECT_EQ(status.message.rfind("Invalid vault file, please re-download (", 0), 0u);
  }
  // Start-up has one text for every file it cannot open as a vault file.
  for (const std::string& unusable : {folder.Path().string(), std::string("/dev/zero")}) {
    EXPECT_EQ(vault.LoadFile(unusable).exitCode, 240);
    EXPECT_EQ(vault.LoadFile(unusable).message,
              "Vault file not found, reinstall Quillmark Classic");
  }
}

TEST_F(VaultBoundsTest, EveryPlaceWhereLoadingChangesTheTextIsNamedByItsLine) {
  Lines entry = SampleEntry();
  entry[test::kName] = std::string(60, 'N');
  entry[test::kRealm] = "Q";
  entry[test::kStatus] = "RV";
  entry[test::kBonusLevel] = "MB:123";
  entry[test::kNote] = "~";
  entry[test::kBonus1] = "Strength|123456";
  entry[test::kBonus2] = "All Melee Skills|3";
  entry[test::kEffect1] = "Lifedrain|N:1234567";
  std::vector<std::string> changes;
  ASSERT_TRUE(vault.LoadText(VaultText("3", {entry}), {}, &changes).Ok());
  // Entry 1 starts on line 27; its note of "~" loads as it is written.
  const std::vector<std::string> expected = {
      "line 29: the name \"" + std::string(60, 'N') + "\" loads cut to 51 characters",
      "line 31: the realm letter \"Q\" is none of A, H, M, U and loads as U",
      "line 41: the status \"RV\" is none of R, V, U and loads as U",
      "line 42: the bonus level \"MB:123\" loads as its first two digits, 12",
      "line 46: the bonus value \"123456\" loads as its first five characters, 12345",
      "line 47: the bonus \"All Melee Skills\" names codes 20 and 179; it loads as 20",
      "line 49: the effect value \"1234567\" loads as its first five characters, 12345",
      "line 4: the entry count 3 is above the 2 entries the text holds; 1 load as empty records",
  };
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(vault.Entries()[1].Note.View(), "~");
  EXPECT_EQ(vault.Entries()[1].BonusValue[0], 12345);

  changes.clear();
  ASSERT_TRUE(vault.LoadText(VaultText("2", {SampleEntry()}), {}, &changes).Ok());
  EXPECT_TRUE(changes.empty()) << changes.front();
}

}  // namespace
}  // namespace qm
