// The report window over the main window: its text and its saved files are
// what quillmark-cli prints and writes for the same template and options.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QUrl>
#include <QtTest>
#include <filesystem>

#include "ui/report_dialog.h"
#include "ui/support/cli_runner.h"
#include "ui/support/gui_fixture.h"

using qm::testing::CliRun;
using qm::testing::FileBytes;
using qm::testing::GuiFixture;
using qm::testing::RunCli;

namespace {

// The main window with the report registered and a sample template loaded;
// opening the report prepares the dialog as the modal run would.
struct ReportGui {
  GuiFixture gui;
  qm::ui::ReportDialog dialog{gui.files, gui.user, gui.shell, gui.folder.Path().string()};
  std::string templatePath = gui.Sample("albion-armsman.qmc");
  bool idleWhileOpen = true;

  ReportGui() {
    gui.windows.Set("report", [this](const qm::SubWindowRequest& request) {
      dialog.Prepare(std::get<qm::ReportRequest>(request));
      idleWhileOpen = gui.model.Idle();
    });
    gui.LoadThroughMenu(templatePath);
    gui.model.OpenReport();
  }
  QAction* Action(const char* name) const { return dialog.findChild<QAction*>(name); }
  std::vector<std::string> ViewMismatches() {
    return qm::testing::ViewMismatches(dialog, dialog.Model().View());
  }
  // The text view's lines as quillmark-cli prints them: LF after each.
  QByteArray Shown() const { return dialog.Text()->toPlainText().toUtf8() + '\n'; }
  CliRun Cli(QStringList options) const {
    options.prepend(QString::fromStdString(templatePath));
    options.prepend(QStringLiteral("report"));
    return RunCli(options);
  }
};

}  // namespace

class ReportDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void TextEqualsTheCommandLineInEveryMode() {
    ReportGui r;
    QVERIFY(!r.idleWhileOpen);
    QCOMPARE(r.dialog.windowTitle(), QString("Spellcraft Report"));
    QVERIFY(r.dialog.Text()->isReadOnly());
    QCOMPARE(r.Shown(), r.Cli({}).out);

    // Each step picks one menu item; the options stay as the steps leave them.
    struct Step {
      const char* action;
      bool checked;  // the item's mark afterwards
      QStringList cli;
    };
    const QString all = QStringLiteral("race,caps,notes,expansion,utility");
    const std::vector<Step> steps = {
        {"Mats", true, {"--content", "materials"}},
        {"NameOnly1", true, {"--content", "names"}},
        {"StatsOnly1", true, {"--content", "stats"}},
        {"AllStats1", true, {"--content", "all"}},
        {"TwoHanded1", true, {"--weapons", "2"}},
        {"DisplayRace", false, {"--weapons", "2", "--hide", "race"}},
        {"DisplayCap", false, {"--weapons", "2", "--hide", "race,caps"}},
        {"Notes1", false, {"--weapons", "2", "--hide", "race,caps,notes"}},
        {"Expansion1", false, {"--weapons", "2", "--hide", "race,caps,notes,expansion"}},
        {"DisplayUtility1", false, {"--weapons", "2", "--hide", all}},
        {"Mats", true, {"--content", "materials", "--weapons", "2", "--hide", all}},
    };
    for (const Step& step : steps) {
      r.Action(step.action)->trigger();
      const CliRun cli = r.Cli(step.cli);
      QCOMPARE(cli.exitCode, 0);
      QVERIFY2(r.Shown() == cli.out, step.action);
      QVERIFY2(r.Action(step.action)->isChecked() == step.checked, step.action);
      QM_VERIFY_VIEW(r.ViewMismatches());
    }
    // Choosing the mode that is on keeps its mark; the other modes stay off.
    r.Action("Mats")->trigger();
    QVERIFY(r.Action("Mats")->isChecked());
    QVERIFY(!r.Action("AllStats1")->isChecked());
    QVERIFY(r.Action("TwoHanded1")->isChecked());
    QVERIFY(!r.Action("LeftRightHand1")->isChecked());

    // The next opening starts from the template's weapons again, keeping the options.
    r.gui.model.OpenReport();
    QCOMPARE(r.Shown(), r.Cli({"--content", "materials", "--hide", all}).out);
  }

  void SavedFilesEqualTheCommandLineFiles() {
    ReportGui r;
    r.Action("NameOnly1")->trigger();
    const QString text = QString::fromStdString(r.gui.folder.File("window.txt"));
    const QString html = QString::fromStdString(r.gui.folder.File("window.html"));
    const QString cliText = QString::fromStdString(r.gui.folder.File("cli.txt"));
    const QString cliHtml = QString::fromStdString(r.gui.folder.File("cli.html"));
    r.gui.files.saveAnswers.push_back(text.toStdString());
    r.Action("SaveasText")->trigger();
    r.gui.files.saveAnswers.push_back(html.toStdString());
    r.Action("SaveasHTML")->trigger();
    QCOMPARE(r.Cli({"--content", "names", "--out", cliText}).exitCode, 0);
    QCOMPARE(r.Cli({"--content", "names", "--html", "--out", cliHtml}).exitCode, 0);
    QVERIFY(!FileBytes(cliText).isEmpty());
    QCOMPARE(FileBytes(text), FileBytes(cliText));
    QCOMPARE(FileBytes(html), FileBytes(cliHtml));

    const qm::FileDialogRequest& asked = r.gui.files.saveRequests.front();
    QCOMPARE(asked.Title, std::string("Save Spellcraft Report"));
    QCOMPARE(asked.Filter, std::string("Text files|*.TXT"));
    QCOMPARE(r.gui.files.saveRequests.back().Filter, std::string("HTML Files|*.HTM;*.HTML"));
    QVERIFY(r.gui.user.messages.empty() ||
            r.gui.user.messages.back().find("report") == std::string::npos);

    // "Open in Browser" shows the same page from the user's cache.
    r.dialog.previewFolder = QString::fromStdString(r.gui.folder.File("cache"));
    r.Action("OpenInBrowser1")->trigger();
    const QString preview = QDir(r.dialog.previewFolder).filePath("report.html");
    QCOMPARE(FileBytes(preview), FileBytes(cliHtml));
    QCOMPARE(r.gui.shell.opened.back(), QUrl::fromLocalFile(preview).toString().toStdString());
  }

  void CancelledOrFailedSaveChangesNothing() {
    ReportGui r;
    namespace fs = std::filesystem;
    const std::string kept = r.gui.folder.File("kept.txt");
    {
      QFile file(QString::fromStdString(kept));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("an older report\r\n");
    }
    const auto listing = [&] {
      std::vector<std::string> names;
      for (const auto& entry : fs::recursive_directory_iterator(r.gui.folder.Path()))
        names.push_back(entry.path().string() + ":" +
                        (entry.is_regular_file() ? std::to_string(entry.file_size()) : "dir"));
      std::sort(names.begin(), names.end());
      return names;
    };
    const std::vector<std::string> before = listing();

    r.Action("SaveasText")->trigger();  // the dialog is cancelled
    QCOMPARE(r.gui.files.saveRequests.size(), std::size_t(1));
    QVERIFY(r.gui.user.messages.empty());

    // A folder where the file should be, and a folder that does not exist.
    fs::create_directory(r.gui.folder.Path() / "taken.txt");
    const std::vector<std::string> withFolder = listing();
    r.gui.files.saveAnswers.push_back(r.gui.folder.File("taken.txt"));
    r.Action("SaveasText")->trigger();
    QCOMPARE(r.gui.user.messages.size(), std::size_t(1));
    r.gui.files.saveAnswers.push_back(r.gui.folder.File("missing/report.html"));
    r.Action("SaveasHTML")->trigger();
    QCOMPARE(r.gui.user.messages.size(), std::size_t(2));
    QCOMPARE(listing(), withFolder);
    fs::remove(r.gui.folder.Path() / "taken.txt");
    QCOMPARE(listing(), before);
    QCOMPARE(FileBytes(QString::fromStdString(kept)), QByteArray("an older report\r\n"));
  }

  void CopyPrintAndFontServeTheReport() {
    ReportGui r;
    r.Action("SelectAll1")->trigger();
    r.Action("CopytoClipboard1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), r.dialog.Text()->toPlainText());

    const QString pdf = QString::fromStdString(r.gui.folder.File("report.pdf"));
    r.dialog.setUpPrinter = [&](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    };
    r.Action("Print1")->trigger();
    QVERIFY(FileBytes(pdf).startsWith("%PDF"));

    QFont chosen = r.dialog.Text()->font();
    chosen.setPixelSize(17);
    r.dialog.chooseFont = [&](const QFont&, QWidget*) { return std::optional<QFont>(chosen); };
    r.Action("Font1")->trigger();
    QCOMPARE(r.dialog.Text()->font().pixelSize(), 17);
    r.dialog.chooseFont = [](const QFont&, QWidget*) { return std::optional<QFont>(); };
    r.Action("Font1")->trigger();  // cancelled: the font stays
    r.gui.model.OpenReport();
    QCOMPARE(r.dialog.Text()->font().pixelSize(), 17);

    // Manual editing keeps the player's text until the next rebuild.
    r.Action("ManualEditing1")->trigger();
    QVERIFY(!r.dialog.Text()->isReadOnly());
    r.dialog.Text()->moveCursor(QTextCursor::End);
    r.dialog.Text()->insertPlainText("\nSigned by the guild");
    QCOMPARE(r.dialog.Model().Lines().back(), std::string("Signed by the guild"));
    QM_VERIFY_VIEW(r.ViewMismatches());
    r.Action("DisplayCap")->trigger();
    QVERIFY(r.dialog.Text()->toPlainText().indexOf("Signed by the guild") < 0);
    QM_VERIFY_VIEW(r.ViewMismatches());
  }
};

QTEST_MAIN(ReportDialogTest)
#include "report_dialog_test.moc"
