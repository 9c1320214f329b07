// The import window as a player uses it: opened from the Tools menu, it lists
// the sources, imports them on its own thread into the player's vault and
// shows the report; closing it mid-import leaves the vault as it was.
#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"
#include "ui/item_import_dialog.h"
#include "ui/support/gui_fixture.h"
#include "ui/support/window_views.h"

using qm::testing::GuiFixture;

namespace {

// A chat log of count delves of different rings.
std::string WriteChatLog(const qm::testing::TempFolder& folder, int count) {
  const std::string path = folder.File("chat.log");
  std::ofstream log(path);
  log << "*** Chat Log Opened: Thu Dec 10 10:00:00 2026\n";
  for (int i = 0; i < count; ++i) {
    log << "[10:00:01] <Begin Info: Ring " << i << ">\n[10:00:01] Magical Bonuses:\n"
        << "[10:00:01] - Strength: " << 1 + i % 20
        << " pts\n[10:00:01] - Dexterity: " << 1 + i / 20 % 20 << " pts\n[10:00:01] <End Info>\n";
  }
  return path;
}

}  // namespace

class ItemImportDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void TheToolsMenuOpensItAndAnImportShowsItsReport() {
    GuiFixture gui;
    const std::string log = WriteChatLog(gui.folder, 30);
    const std::string vault = gui.folder.File("data/master.qmv");
    qm::ui::ItemImportDialog dialog(gui.files, gui.user, vault, gui.window.get());
    gui.windows.Set("import", [&](const qm::SubWindowRequest&) { dialog.Run(); });
    QAction* item = gui.Action("ImportItems1");
    QVERIFY(item);
    item->setEnabled(true);  // the fixture's window was built before the registration
    item->trigger();
    QVERIFY(dialog.isVisible());

    gui.files.openAnswers = {log};
    QTest::mouseClick(dialog.findChild<QPushButton*>("bAddFiles"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("bImport"), Qt::LeftButton);
    QVERIFY(dialog.JobRunning());
    QVERIFY(!dialog.findChild<QPushButton*>("bAddFiles")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.JobRunning(), 20000);
    QVERIFY(std::filesystem::exists(vault));
    const auto mismatches = qm::testing::ViewMismatches(dialog, dialog.Model().View());
    QVERIFY2(mismatches.empty(), qm::testing::Describe(mismatches).c_str());
    auto* report = dialog.findChild<QTableWidget*>("tReport");
    QCOMPARE(report->item(0, 1)->text(), QString("30"));
  }

  void ClosingMidImportLeavesTheVaultAsItWas() {
    qm::testing::TempFolder folder;
    const std::string log = WriteChatLog(folder, 60000);
    const std::string vault = folder.File("master.qmv");
    qm::testing::FakeFileDialogs files;
    qm::testing::FakeUserPort user;
    qm::ui::ItemImportDialog dialog(files, user, vault);
    dialog.Model().AddSources({log});
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("bImport"), Qt::LeftButton);
    QVERIFY(dialog.JobRunning());
    dialog.close();
    QVERIFY(!dialog.JobRunning());
    QCOMPARE(dialog.Model().View().lOutcome.Text, std::string(qm::kItemImportCancelled));
    QVERIFY(!std::filesystem::exists(vault));
  }
};

QTEST_MAIN(ItemImportDialogTest)
#include "item_import_dialog_test.moc"
