// The comparison window opened from the File menu over a loaded sample: its
// table is quillmark-cli compare's for the same two files, worse in red first.
#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>
#include <QtTest>

#include "ui/comparison_dialog.h"
#include "ui/support/cli_runner.h"
#include "ui/support/gui_fixture.h"

using qm::testing::GuiFixture;

class ComparisonDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void FileMenuComparesWithAPickedTemplateAndWithTheSavedFile() {
    GuiFixture gui;
    qm::ui::ComparisonDialog dialog;
    int opened = 0;
    gui.windows.Set("compare", [&](const qm::SubWindowRequest& request) {
      dialog.Prepare(std::get<qm::ComparisonRequest>(request));
      ++opened;
    });
    // The program registers its windows before the main window shows; here
    // the window learns of the comparison now.
    gui.window->Refresh();
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(gui));
    QAction* compareSaved = gui.Action("CompareSaved1");
    QAction* compareTemplate = gui.Action("CompareTemplate1");
    QVERIFY(compareSaved && compareTemplate);
    QCOMPARE(compareTemplate->text(), QStringLiteral("Compare with &Template\u2026"));
    QVERIFY(!compareSaved->isEnabled());  // the new template has no file yet

    const std::string armsman = gui.Sample("albion-armsman.qmc");
    const std::string warrior = gui.Sample("midgard-warrior.qmc");
    gui.LoadThroughMenu(armsman);
    QVERIFY(compareSaved->isEnabled());
    gui.files.openAnswers.push_back(warrior);
    compareTemplate->trigger();
    QCOMPARE(opened, 1);
    QCOMPARE(gui.files.openRequests.back().Title, std::string("Compare with Template"));
    const auto shown = [&] {
      QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
      QM_VERIFY_VIEW(qm::testing::ViewMismatches(gui));
    };
    shown();

    const auto cli = qm::testing::RunCli(
        {"compare", QString::fromStdString(armsman), QString::fromStdString(warrior), "--json"});
    QCOMPARE(cli.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.out).object();
    const QJsonArray rows = json["rows"].toArray();
    QTableWidget* table = dialog.findChild<QTableWidget*>("gFigures");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), rows.size());
    for (int r = 0; r < table->rowCount(); ++r) {
      const QJsonObject row = rows[r].toObject();
      QCOMPARE(table->item(r, 0)->text(), row["group"].toString());
      QCOMPARE(table->item(r, 1)->text(), row["figure"].toString());
      const QString direction = row["direction"].toString();
      const QColor expected = direction == "worse"    ? QColor(255, 0, 0)
                              : direction == "better" ? QColor(0, 0, 255)
                                                      : QColor(0, 0, 0);
      QCOMPARE(table->item(r, 4)->foreground().color(), expected);
    }
    QCOMPARE(table->item(0, 1)->text(), QString("Strength"));
    QCOMPARE(table->item(0, 2)->text(), QString("105 / 90"));
    QVERIFY(table->item(0, 4)->data(Qt::AccessibleTextRole).toString().endsWith("worse"));

    // Hiding the unchanged rows leaves the worse and the better ones.
    auto* changedOnly = dialog.findChild<QCheckBox*>("cbChangedOnly");
    QVERIFY(changedOnly && !changedOnly->accessibleName().isEmpty());
    changedOnly->click();
    QCOMPARE(table->rowCount(), json["worse"].toInt() + json["better"].toInt());
    shown();

    // The unchanged template against its own file: nothing got worse or better.
    compareSaved->trigger();
    QCOMPARE(opened, 2);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(dialog.findChild<QLabel*>("lSummary")->text().left(19),
             QString("0 worse, 0 better, "));
    QCOMPARE(gui.model.CurrentFile(), armsman);
    shown();
  }
};

QTEST_MAIN(ComparisonDialogTest)
#include "comparison_dialog_test.moc"
