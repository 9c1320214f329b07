// The vault build window's model: the dialogs its build command asks, what a
// running build shows, and what each way a build ends leaves on screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "vault/vault_build_model.h"
#include "vault_test_support.h"

namespace qm {
namespace {

using Outcome = JobOutcome<XmlVaultBuildReport>;

class VaultBuildModelTest : public ::testing::Test {
 protected:
  // Answers both dialogs and starts a build.
  void Start() {
    files_.openAnswers = {"/home/player/items/"};
    files_.saveAnswers = {"/home/player/items.qmv"};
    ASSERT_TRUE(model_.BuildClick());
  }

  testing::FakeFileDialogs files_;
  TfrmVaultBuild model_{files_};
};

TEST_F(VaultBuildModelTest, BuildAsksForTheFolderThenTheFileAndShowsTheRunningBuild) {
  EXPECT_EQ(model_.View().lOutcome.Text, kVaultBuildHint);
  EXPECT_FALSE(model_.View().lSource.Visible);
  // A cancelled dialog starts nothing.
  EXPECT_FALSE(model_.BuildClick());
  files_.openAnswers = {"/home/player/items"};
  EXPECT_FALSE(model_.BuildClick());
  EXPECT_FALSE(model_.Running());
  ASSERT_EQ(files_.saveRequests.size(), 1u);

  Start();
  const FileDialogRequest& folder = files_.openRequests.back();
  EXPECT_EQ(folder.Title, kVaultBuildFolderTitle);
  EXPECT_TRUE(folder.ChooseFolder);
  EXPECT_EQ(folder.InitialFolder, "/home/player/items");  // the folder chosen before
  const FileDialogRequest& save = files_.saveRequests.back();
  EXPECT_EQ(save.Title, kVaultBuildSaveTitle);
  EXPECT_EQ(save.Filter, kVaultBuildFilter);
  EXPECT_EQ(save.DefaultExtension, "qmv");
  EXPECT_EQ(save.InitialFolder, "/home/player");
  EXPECT_EQ(save.FileName, "items.qmv");
  EXPECT_TRUE(save.PromptOverwrite);

  EXPECT_EQ(model_.Request().Sources, std::vector<std::string>{"/home/player/items/"});
  EXPECT_EQ(model_.Request().OutPath, "/home/player/items.qmv");
  EXPECT_TRUE(model_.Request().SkipBadFiles);
  const VaultBuildView& view = model_.View();
  EXPECT_TRUE(view.Busy.Busy);
  EXPECT_EQ(view.Busy.Disables, std::vector<std::string>{"bBuild"});
  EXPECT_FALSE(view.bBuild.Enabled);
  EXPECT_EQ(view.Progress, (ProgressState{0, 0, "Listing files", true, true}));
  EXPECT_EQ(view.lTarget.Text, "Vault file: /home/player/items.qmv");
  EXPECT_TRUE(view.lSource.Visible);
  EXPECT_TRUE(view.lOutcome.Text.empty());
  // No second build while one runs.
  EXPECT_FALSE(model_.BuildClick());

  model_.JobProgressed({35, 100, "Converting items"});
  EXPECT_EQ(model_.View().Progress,
            (ProgressState{35, 100, "Converting items: 35 of 100", true, true}));
}

TEST_F(VaultBuildModelTest, CancelStopsTheJobsTokenAndLaterReportsChangeNothing) {
  Start();
  const CancelToken token = model_.Token();
  const auto revision = model_.Revision();
  model_.CancelClick();
  EXPECT_TRUE(token.Cancelled());
  EXPECT_GT(model_.Revision(), revision);
  EXPECT_EQ(model_.View().Progress, (ProgressState{0, 0, "Cancelling...", true, false}));
  model_.JobProgressed({50, 100, "Converting items"});
  EXPECT_EQ(model_.View().Progress.Phase, "Cancelling...");

  model_.JobEnded(Outcome::Cancelled());
  EXPECT_EQ(model_.View().lOutcome.Text, kVaultBuildCancelled);
  EXPECT_FALSE(model_.View().Progress.Visible);
  EXPECT_FALSE(model_.Running());
  EXPECT_TRUE(model_.View().bBuild.Enabled);
  // The next build gets a fresh token.
  Start();
  EXPECT_FALSE(model_.Token().Cancelled());
}

TEST_F(VaultBuildModelTest, EachEndingSaysWhatWasWritten) {
  XmlVaultBuildReport skipped;
  skipped.EntryCount = 3;
  skipped.Skipped = {{"/items/b.xml", "not an XML item (Loki Template Import)"}};
  XmlVaultBuildReport one;
  one.EntryCount = 2;
  struct Case {
    Outcome outcome;
    std::string text;
    Colour colour;
    std::size_t rows;
  };
  const Case cases[] = {
      {Outcome::Finished(skipped), "Wrote 2 items to /home/player/items.qmv. Skipped 1 file.",
       kBlack, 1},
      {Outcome::Finished(one), "Wrote 1 item to /home/player/items.qmv.", kBlack, 0},
      {Outcome::Failed("\"/items\": Permission denied"),
       "Nothing was written: \"/items\": Permission denied", kRed, 0},
  };
  for (const Case& c : cases) {
    Start();
    model_.JobEnded(c.outcome);
    const VaultBuildView& view = model_.View();
    EXPECT_EQ(view.lOutcome.Text, c.text);
    EXPECT_EQ(view.lOutcome.Colour, c.colour) << c.text;
    EXPECT_EQ(view.tSkipped.Rows.size(), c.rows) << c.text;
    EXPECT_FALSE(view.Busy.Busy);
    EXPECT_FALSE(view.Progress.Visible);
  }
  Start();
  model_.JobEnded(Outcome::Finished(skipped));
  const TableState& table = model_.View().tSkipped;
  EXPECT_EQ(table.Captions, (std::vector<std::string>{"File", "Reason"}));
  EXPECT_EQ(table.Rows[0][0].Text, "/items/b.xml");
  EXPECT_EQ(table.Rows[0][1].Text, "not an XML item (Loki Template Import)");
}

// The model's request, run as the window runs it, writes the vault it names.
TEST_F(VaultBuildModelTest, ItsRequestBuildsTheVaultFromTheChosenFolder) {
  test::ResetVocabulary();
  testing::TempFolder folder;
  const std::string items = folder.File("items");
  std::filesystem::create_directory(items);
  ASSERT_TRUE(WriteFileAtomically(items + "/cape.xml",
                                  "<?xml version=\"1.0\"?>\n<SCItem>\n<Location>Cloak</Location>\n"
                                  "<ItemName>Cape</ItemName>\n</SCItem>")
                  .Ok());
  ASSERT_TRUE(WriteFileAtomically(items + "/notes.xml", "<?xml?>\n<Oracle/>").Ok());
  files_.openAnswers = {items};
  files_.saveAnswers = {folder.File("items.qmv")};
  ASSERT_TRUE(model_.BuildClick());
  model_.JobEnded(BuildXmlVault(model_.Request(), {}, model_.Token()));
  EXPECT_EQ(model_.View().lOutcome.Text,
            "Wrote 1 item to " + folder.File("items.qmv") + ". Skipped 1 file.");
  EXPECT_TRUE(std::filesystem::exists(folder.File("items.qmv")));
  test::ResetVocabulary();
}

}  // namespace
}  // namespace qm
