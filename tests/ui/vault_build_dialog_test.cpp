// The vault build window as a player uses it: it builds the chosen folder on
// its own thread, shows what it wrote and skipped, and closing it mid-build
// stops the build with nothing written.
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
#include "ui/vault_build_dialog.h"

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
  void BuildsTheChosenFolderAndListsWhatItSkipped() {
    qm::testing::TempFolder folder;
    const std::string items = WriteItems(folder, 40);
    QVERIFY(!items.empty());
    const std::string out = folder.File("items.qmv");
    qm::testing::FakeFileDialogs files;
    files.openAnswers = {items};
    files.saveAnswers = {out};
    qm::ui::VaultBuildDialog dialog(files);
    dialog.Run();
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
