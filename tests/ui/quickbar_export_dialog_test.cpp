// The quickbar export as the report window's File menu opens it: picking the
// character's file fills the preview with the keys and the buttons they
// replace, and Export writes only after the player says yes.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "ui/quickbar_export_dialog.h"
#include "ui/report_dialog.h"
#include "ui/support/gui_fixture.h"

using qm::testing::GuiFixture;

namespace {

constexpr char kCharacter[] = "[Quickbar]\r\nHotkey_0=44,13,,2385\r\n";

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class QuickbarExportDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void PreviewShowsTheKeysAndExportWaitsForYes() {
    GuiFixture gui;
    namespace fs = std::filesystem;
    const fs::path program = gui.folder.Path() / "program";
    fs::create_directories(program / "quickbar");
    fs::create_directories(gui.folder.Path() / "proc");  // no game runs
    fs::copy_file(fs::path(qgetenv("QM_TESTDATA").toStdString()) / ".." / ".." / "data" /
                      "quickbar" / "live.txt",
                  program / "quickbar" / "live.txt");
    const std::string ini = gui.folder.File("Aldric-41.ini");
    std::ofstream(ini, std::ios::binary) << kCharacter;

    qm::QuickbarExportSetup setup;
    setup.ProgramDirectory = program.string();
    setup.ProcessTable = (gui.folder.Path() / "proc").string();
    qm::ui::QuickbarExportDialog dialog(gui.user, gui.files, setup, gui.window.get());
    gui.windows.Set("quickbar", [&](const qm::SubWindowRequest& request) {
      dialog.Prepare(std::get<qm::QuickbarRequest>(request));
      dialog.show();
    });
    qm::ui::ReportDialog report(gui.files, gui.user, gui.shell, "", gui.window.get());
    report.SetQuickbarCommand([&] { gui.model.OpenQuickbarExport(); });
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    auto* item = report.findChild<QAction*>("ExportGemsToQuickbar1");
    QVERIFY(item);
    item->trigger();
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.findChild<QPushButton*>("btnExport")->isEnabled());

    gui.files.openAnswers.push_back(ini);
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnBrowse"), Qt::LeftButton);
    auto* preview = dialog.findChild<QTableWidget*>("tPreview");
    QCOMPARE(preview->rowCount(), 4);
    QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("Hotkey_0"));
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Raw fiery essence jewel"));
    QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("44,13,,2385"));
    QCOMPARE(dialog.findChild<QLabel*>("lStatus")->text(),
             QStringLiteral("4 buttons on [Quickbar] from page 1, slot 1 to page 1, slot 4; "
                            "1 replace a button."));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));

    gui.user.yesNoAnswers = {false, true};
    auto* exportButton = dialog.findChild<QPushButton*>("btnExport");
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(FileText(ini), std::string(kCharacter));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(gui.user.questions.size(), std::size_t{2});
    QCOMPARE(gui.user.questions[1].message,
             std::string("Write 4 buttons to [Quickbar] of Aldric-41.ini? The file is copied to "
                         "a backup first."));
    QVERIFY(FileText(ini).find("Hotkey_3=45,1303000,,2385\r\n") != std::string::npos);
    QCOMPARE(qm::QuickbarBackups(ini).size(), std::size_t{1});
    QVERIFY(dialog.findChild<QPushButton*>("btnRestore")->isEnabled());
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
  }
};

QTEST_MAIN(QuickbarExportDialogTest)
#include "quickbar_export_dialog_test.moc"
