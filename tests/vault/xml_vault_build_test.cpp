// Building a vault file from XML item files as a job: what it writes, what it
// skips or refuses, the progress it reports and how it stops when cancelled.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "support/temp_folder.h"
#include "vault/vault.h"
#include "vault/vault_writer.h"
#include "vault/xml_import.h"
#include "vault/xml_vault_build.h"
#include "vault/zlib_stream.h"
#include "vault_test_support.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

std::string ItemXml(const std::string& name) {
  return "<?xml version=\"1.0\"?>\n<SCItem>\n<Location>Cloak</Location>\n<ItemName>" + name +
         "</ItemName>\n<TYPE>Cloth</TYPE>\n</SCItem>";
}
constexpr const char* kNoLocationXml = "<?xml?>\n<SCItem>\n<TYPE>Cloth</TYPE>\n</SCItem>";
constexpr const char* kTemplateXml = "<?xml?>\n<Oracle/>";

class XmlVaultBuildTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }
  void TearDown() override { test::ResetVocabulary(); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = folder_.File(name);
    fs::create_directories(fs::path(path).parent_path());
    EXPECT_TRUE(WriteFileAtomically(path, text).Ok());
    return path;
  }
  XmlVaultBuildRequest Request(std::vector<std::string> sources) {
    XmlVaultBuildRequest request;
    request.Sources = std::move(sources);
    request.OutPath = folder_.File("out.qmv");
    return request;
  }

  testing::TempFolder folder_;
};

TEST_F(XmlVaultBuildTest, AFolderBuildsTheVaultPackVaultWouldWriteReportingEachPhase) {
  Write("items/b.xml", ItemXml("Second"));
  Write("items/a.XML", ItemXml("First"));
  Write("items/notes.txt", "not an item file");
  const std::string single = Write("third.xml", ItemXml("Third"));
  std::vector<std::string> phases;
  const auto built = BuildXmlVault(
      Request({folder_.File("items"), single}),
      [&](std::uint64_t done, std::uint64_t total, std::string_view phase) {
        EXPECT_LE(done, total == 0 ? done : total) << phase;
        if (phases.empty() || phases.back() != phase) phases.emplace_back(phase);
      },
      CancelToken());
  ASSERT_TRUE(built.IsFinished()) << built.Message();
  EXPECT_EQ(built.Value().EntryCount, 4u);
  EXPECT_TRUE(built.Value().Skipped.empty());
  EXPECT_EQ(phases,
            (std::vector<std::string>{std::string(kListingPhase), std::string(kConvertingPhase),
                                      std::string(kPackingPhase), std::string(kSavingPhase)}));

  const auto written = ReadFileBytes(folder_.File("out.qmv"));
  ASSERT_TRUE(written.Ok());
  EXPECT_EQ(written.Value().size(), built.Value().PackedBytes);
  Vault vault;
  ASSERT_TRUE(vault.LoadPacked(written.Value()).Ok());
  ASSERT_EQ(vault.Count(), 4u);
  EXPECT_EQ(vault.Entries()[1].Name.View(), "First");
  EXPECT_EQ(vault.Entries()[3].Name.View(), "Third");
  // The job packs piece by piece, yet writes the bytes of a one-piece packing.
  const auto packed = PackVault(vault.Entries());
  ASSERT_TRUE(packed.Ok());
  EXPECT_EQ(written.Value(), packed.Value());
}

TEST_F(XmlVaultBuildTest, SkippingLeavesOutBadFilesNamingWhy) {
  Write("items/a.xml", ItemXml("Kept"));
  const std::string early = Write("items/b.xml", kNoLocationXml);
  const std::string loki = Write("items/c.xml", kTemplateXml);
  const std::string gone = folder_.File("gone.xml");
  XmlVaultBuildRequest request = Request({folder_.File("items"), gone});
  request.SkipBadFiles = true;
  std::vector<std::string> notices;
  request.Notice = [&](std::string_view text) { notices.emplace_back(text); };
  const auto built = BuildXmlVault(request, {}, CancelToken());
  ASSERT_TRUE(built.IsFinished()) << built.Message();
  EXPECT_EQ(built.Value().EntryCount, 2u);
  EXPECT_EQ(built.Value().Skipped,
            (std::vector<SkippedFile>{{early, kLocationMissingMessage},
                                      {loki, "not an XML item (Loki Template Import)"},
                                      {gone, FileMessage(gone, "No such file or directory")}}));
  EXPECT_TRUE(notices.empty());  // a skipped file carries its notice as its reason

  // Nothing left to write is a failure, not an empty vault.
  request.Sources = {loki};
  const auto empty = BuildXmlVault(request, {}, CancelToken());
  EXPECT_EQ(empty.End(), JobEnd::kFailed);
  EXPECT_EQ(empty.Message(), "none of the 1 files is an XML item that converts; nothing written");
}

// Refusing bad files names the first that cannot be read before any that does
// not convert, and tells the conversion's notice only when it names the file.
TEST_F(XmlVaultBuildTest, RefusingNamesTheFirstUnreadableFileElseTheFirstThatDoesNotConvert) {
  const std::string early = Write("early.xml", kNoLocationXml);
  const std::string good = Write("good.xml", ItemXml("Good"));
  const std::string gone = folder_.File("gone.xml");
  struct Case {
    std::vector<std::string> sources;
    std::string failure;
    std::size_t notices;
  };
  const Case cases[] = {
      {{early, good, gone}, FileMessage(gone, "No such file or directory"), 0},
      {{good, early}, "early.xml: the XML item could not be converted", 1},
      {{folder_.File("none")}, FileMessage(folder_.File("none"), "No such file or directory"), 0},
  };
  for (const Case& c : cases) {
    XmlVaultBuildRequest request = Request(c.sources);
    std::vector<std::string> notices;
    request.Notice = [&](std::string_view text) { notices.emplace_back(text); };
    const auto built = BuildXmlVault(request, {}, CancelToken());
    EXPECT_EQ(built.End(), JobEnd::kFailed);
    EXPECT_EQ(built.Message(), c.failure);
    EXPECT_EQ(notices.size(), c.notices) << c.failure;
  }
  fs::create_directory(folder_.File("empty"));
  const auto empty = BuildXmlVault(Request({good, folder_.File("empty")}), {}, CancelToken());
  EXPECT_EQ(empty.Message(),
            FileMessage(folder_.File("empty"), "holds no XML item files (*.xml); nothing written"));
  EXPECT_FALSE(fs::exists(folder_.File("out.qmv")));
}

// A cancel in any phase before the save stops the build and leaves the
// previous vault file as it was.
TEST_F(XmlVaultBuildTest, ACancelInAnyPhaseWritesNothing) {
  for (int i = 0; i < 3; ++i) Write("items/" + std::to_string(i) + ".xml", ItemXml("Item"));
  const std::string previous = Write("out.qmv", "previous vault");
  for (const std::string_view phase : {kListingPhase, kConvertingPhase, kPackingPhase}) {
    CancelToken cancel;
    std::string lastPhase;
    const auto built = BuildXmlVault(
        Request({folder_.File("items")}),
        [&](std::uint64_t, std::uint64_t, std::string_view now) {
          lastPhase = now;
          if (now == phase) cancel.Cancel();
        },
        cancel);
    EXPECT_EQ(built.End(), JobEnd::kCancelled) << phase;
    EXPECT_EQ(lastPhase, phase) << "the build went on after the cancel";
    const auto bytes = ReadFileBytes(previous);
    ASSERT_TRUE(bytes.Ok());
    EXPECT_EQ(std::string(bytes.Value().begin(), bytes.Value().end()), "previous vault") << phase;
  }
}

TEST(DeflatePiecewise, PacksTheBytesOfOnePieceAndStopsWhenAsked) {
  std::string text;
  for (int i = 0; text.size() < (3u << 20); ++i)
    text += "line " + std::to_string(i * 7919) + "\r\n";
  std::vector<std::size_t> steps;
  const auto piecewise = DeflateStream(text, kVaultPackLevel, [&](std::size_t packed) {
    steps.push_back(packed);
    return true;
  });
  ASSERT_TRUE(piecewise.Ok());
  EXPECT_EQ(piecewise.Value(), DeflateStream(text).Value());
  EXPECT_GE(steps.size(), 3u);

  const auto stopped = DeflateStream(text, kVaultPackLevel, [](std::size_t) { return false; });
  ASSERT_FALSE(stopped.Ok());
  EXPECT_EQ(stopped.Error(), kPackingStopped);
}

}  // namespace
}  // namespace qm
