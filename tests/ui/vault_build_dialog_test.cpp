// The vault build window as a player uses it: it builds the chosen folder on
// its own thread, shows what it wrote and skipped, and closing it mid-build
// stops the build with nothing written.
#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "ui/progress_panel.h"
#include "ui/support/gui_fixture.h"
#include "ui/vault_build_dialog.h"

using qm::testing::GuiFixture;

namespace {

// A folder of count XML items, and one file that is no item.
std::string WriteItems(const qm::testing::TempFolder& folder, int count) {
  const std::string items = folder.File("items");
  std::filesystem::create_directory(items);
  for (int i = 0; i < count; ++i) {
    const std::string text =
        "<?xml version=\"1.0\"?>\n<SCItem>\n<Location>Cloak</Location>\n"
        "<ItemName>Cape " +
        std::to_string(i) + "</ItemName>\n<TYPE>Cloth</TYPE>\n</SCItem>";
    std::ofstream(items + "/" + std::to_string(i) + ".xml") << text;
  }
  std::ofstream(items + "/zz-notes.xml") << "<?xml?>\n<Oracle/>";
  return items;
}

QString Text(const QWidget& window, const char* name) {
  return window.findChild<QLabel*>(name)->text();
}

}  // namespace

class VaultBuildDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void TheToolsMenuBuildsTheChosenFolderAndListsWhatItSkipped() {
    GuiFixture gui;
    const std::string items = WriteItems(gui.folder, 40);
    QVERIFY(!items.empty());
    const std::string out = gui.folder.File("items.qmv");
    gui.files.openAnswers = {items};
    gui.files.saveAnswers = {out};
    qm::ui::VaultBuildDialog dialog(gui.files, gui.window.get());
    gui.windows.Set("vaultbuild", [&](const qm::SubWindowRequest&) { dialog.Run(); });
    QAction* item = gui.Action("BuildVault1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("&Build Vault from XML Folder..."));
    item->setEnabled(true);  // the fixture's window was built before the registration
    item->trigger();
    QVERIFY(gui.files.openRequests.back().ChooseFolder);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.JobRunning());
    QVERIFY(!dialog.findChild<QPushButton*>("bBuild")->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(!dialog.JobRunning(), 20000);
    QCOMPARE(Text(dialog, "lOutcome"),
             QString::fromStdString("Wrote 40 items to " + out + ". Skipped 1 file."));
    auto* table = dialog.findChild<QTableWidget*>("tSkipped");
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QString::fromStdString(items + "/zz-notes.xml"));
    QVERIFY(!dialog.findChild<QWidget*>(qm::ui::kProgressPanelName)->isVisible());
    QVERIFY(dialog.findChild<QPushButton*>("bBuild")->isEnabled());
    QVERIFY(std::filesystem::exists(out));
  }

  void ClosingMidBuildStopsItWithNothingWritten() {
    qm::testing::TempFolder folder;
    const std::string items = WriteItems(folder, 4000);
    QVERIFY(!items.empty());
    const std::string out = folder.File("items.qmv");
    qm::testing::FakeFileDialogs files;
    files.openAnswers = {items};
    files.saveAnswers = {out};
    qm::ui::VaultBuildDialog dialog(files);
    dialog.Run();
    auto* bar = dialog.findChild<QProgressBar*>(qm::ui::kProgressBarName);
    QTRY_VERIFY(bar->value() > 0 &&
                Text(dialog, qm::ui::kProgressPhaseName).startsWith("Converting items: "));
    dialog.close();
    QVERIFY(!dialog.JobRunning());
    QCOMPARE(Text(dialog, "lOutcome"), QString("Cancelled; nothing was written."));
    QVERIFY(!std::filesystem::exists(out));
  }
};

QTEST_MAIN(VaultBuildDialogTest)
#include "vault_build_dialog_test.moc"
