// The quickbar export's model: it writes only after a yes and never while
// the game runs, puts a backup back the same way, tells in its status line
// why it cannot export, and copies the shopping list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mainwin/quickbar_export_window.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

struct FakeClipboard : ClipboardPort {
  std::string text;
  void CopyText(std::string_view copied) override { text = copied; }
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class QuickbarExportWindow : public ::testing::Test {
 protected:
  // The model reads the shipped tables when it is made.
  bool ShipTables() {
    fs::create_directories(program_ / "quickbar");
    fs::create_directories(proc_);
    const char* root = std::getenv("QM_TESTDATA");
    fs::copy_file(fs::path(root != nullptr ? root : "tests/data") / ".." / ".." / "data" /
                      "quickbar" / "live.txt",
                  program_ / "quickbar" / "live.txt");
    return true;
  }
  void SetUp() override {
    std::ofstream(ini_, std::ios::binary) << kCharacter;
    tpl_.Slot(kChest).Crafted = 1;
    tpl_.Slot(kChest).BonusCode[0] = 1;   // strength
    tpl_.Slot(kChest).BonusValue[4] = 9;  // perfect
  }
  void GameRuns(bool runs) {
    if (runs) {
      fs::create_directories(proc_ / "99");
      std::ofstream(proc_ / "99" / "cmdline") << std::string_view("game.dll\0", 9);
    } else {
      fs::remove_all(proc_ / "99");
    }
  }
  static constexpr char kCharacter[] = "[Quickbar]\nHotkey_0=1,2,,3\n";
  testing::TempFolder folder_;
  fs::path program_ = folder_.Path() / "program";
  fs::path proc_ = folder_.Path() / "proc";
  std::string ini_ = folder_.File("Aldric-41.ini");
  bool shipped_ = ShipTables();
  testing::FakeUserPort user_;
  testing::FakeFileDialogs files_;
  FakeClipboard clipboard_;
  TfrmQuickbarExport model_{{user_, files_, clipboard_},
                            {program_.string(), "", proc_.string(), [] { return 0; }}};
  TTemplateRecord tpl_{};
};

TEST_F(QuickbarExportWindow, WritesAfterYesOnlyWhileTheGameIsClosedAndRestores) {
  model_.FormShow(tpl_);
  model_.IniFileChange(ini_);
  ASSERT_TRUE(model_.View().Export.Enabled) << model_.View().Status.Text;
  GameRuns(true);
  EXPECT_FALSE(model_.ExportClick());
  EXPECT_TRUE(user_.questions.empty());
  ASSERT_EQ(user_.messages.size(), 1u);
  EXPECT_EQ(user_.messages[0].rfind("Close the game first", 0), 0u);
  GameRuns(false);
  user_.yesNoAnswers = {true};
  EXPECT_TRUE(model_.ExportClick());
  EXPECT_EQ(FileText(ini_), "[Quickbar]\nHotkey_0=45,1300009,,-1\n");
  const auto backups = QuickbarBackups(ini_);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(model_.View().Restore.Enabled);

  files_.openAnswers = {backups[0]};
  user_.yesNoAnswers = {true};
  EXPECT_TRUE(model_.RestoreClick());
  EXPECT_EQ(files_.openRequests.back().InitialFolder, folder_.Path().string());
  EXPECT_EQ(FileText(ini_), kCharacter);
}

TEST_F(QuickbarExportWindow, StatusLineSaysWhyItCannotExport) {
  model_.FormShow({});
  EXPECT_EQ(model_.View().Status.Text, "The template has no spellcrafted pieces with gems.");
  EXPECT_FALSE(model_.View().CopyShopping.Enabled);
  model_.FormShow(tpl_);
  std::ofstream(ini_, std::ios::binary) << "[Main]\n";
  model_.IniFileChange(ini_);
  EXPECT_EQ(model_.View().Status.Text,
            "Aldric-41.ini is not a character's settings file of the game: it has no "
            "[Quickbar] section.");
  EXPECT_EQ(model_.View().Status.Colour, kRed);
  EXPECT_FALSE(model_.View().Export.Enabled);
  model_.CopyShoppingClick();
  EXPECT_EQ(clipboard_.text.rfind("Chest:\n  Perfect fiery essence jewel: 1 Ra,", 0), 0u);
}

}  // namespace
}  // namespace qm
