// The import window's model: its source list, the import it starts, and
// what a finished, failed or cancelled import shows.
#include "interop/item_import_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

struct ImportWindow {
  testing::TempFolder temp;
  testing::FakeFileDialogs files;
  testing::FakeUserPort user;
  TfrmItemImport model{files, user, temp.File("master.qmv"), "2026-12-10"};

  std::string Write(const std::string& name, std::string_view text) {
    std::ofstream(temp.File(name), std::ios::binary) << text;
    return temp.File(name);
  }
};

constexpr std::string_view kDelve =
    "*** Chat Log Opened: Thu Dec 10 10:00:00 2026\n"
    "<Begin Info: Ring of Tests>\nMagical Bonuses:\n- Strength: 10 pts\n<End Info>\n";

TEST(ItemImportWindow, ListsWhatEachSourceIsAndRemovesTheChosenOne) {
  ImportWindow w;
  const std::string log = w.Write("chat.log", kDelve);
  const std::string note = w.Write("note.txt", "groceries");
  w.files.openAnswers = {log};
  w.model.AddFilesClick();
  w.model.AddSources({note, log});  // a source listed already is not listed twice
  const TableState& sources = w.model.View().tSources;
  ASSERT_EQ(sources.Rows.size(), 2u);
  EXPECT_EQ(sources.Rows[0][1].Text, "Chat log delves");
  EXPECT_EQ(sources.Rows[1][1].Text, "not an item source we can read");
  EXPECT_EQ(sources.Rows[1][1].Colour, kMaroon);
  EXPECT_FALSE(w.model.View().bRemove.Enabled);
  w.model.SelectSource(1);
  w.model.RemoveClick();
  EXPECT_EQ(w.model.View().tSources.Rows.size(), 1u);
  EXPECT_TRUE(w.model.View().bImport.Enabled);
}

TEST(ItemImportWindow, AFinishedImportShowsItsReportWhichSavesAsText) {
  ImportWindow w;
  w.model.AddSources({w.Write("chat.log", kDelve)});
  ASSERT_TRUE(w.model.ImportClick());
  EXPECT_TRUE(w.model.View().Busy.Busy);
  EXPECT_EQ(w.model.Request().OutPath, w.temp.File("master.qmv"));
  EXPECT_TRUE(w.model.Request().KeepBackup);
  w.model.JobEnded(ImportItemSources(w.model.Request(), {}, w.model.Token()));
  EXPECT_FALSE(w.model.View().Busy.Busy);
  EXPECT_EQ(w.model.View().lOutcome.Text,
            "Imported 1 item into your vault " + w.temp.File("master.qmv") +
                " (\"Chat log delves, imported 2026-12-10\"); it is used from the next start.");
  const auto& rows = w.model.View().tReport.Rows;
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0][1].Text, "1");

  w.files.saveAnswers = {w.temp.File("report.txt")};
  w.model.SaveReportClick();
  const auto saved = ReadFileBytes(w.temp.File("report.txt"));
  ASSERT_TRUE(saved.Ok());
  EXPECT_EQ(std::string(saved.Value().begin(), saved.Value().end()), w.model.ReportText());
}

TEST(ItemImportWindow, CancelStopsTheImportAndChangesNothing) {
  ImportWindow w;
  w.model.AddSources({w.Write("chat.log", kDelve)});
  ASSERT_TRUE(w.model.ImportClick());
  w.model.CancelClick();
  EXPECT_FALSE(w.model.View().Progress.CancelEnabled);
  w.model.JobEnded(ImportItemSources(w.model.Request(), {}, w.model.Token()));
  EXPECT_EQ(w.model.View().lOutcome.Text, kItemImportCancelled);
  EXPECT_FALSE(fs::exists(w.temp.File("master.qmv")));
  EXPECT_FALSE(w.model.View().bSaveReport.Enabled);
}

}  // namespace
}  // namespace qm
