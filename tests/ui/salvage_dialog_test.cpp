// The salvage calculator as a player types into it: its bars show what the
// salvage command prints for the same amounts, and what the edits refuse or
// mend.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "salvage/salvage_prices.h"
#include "ui/amount_box.h"
#include "ui/salvage_dialog.h"
#include "ui/support/cli_runner.h"
#include "ui/support/window_views.h"

namespace {

QString BarLine(const qm::ui::SalvageDialog& dialog, const QString& bar) {
  QStringList panels;
  for (int k = 0; k < 5; ++k)
    panels << dialog.findChild<QLabel*>(QStringLiteral("%1Panel%2").arg(bar).arg(k))->text();
  return panels.join(' ');
}

qm::ui::AmountBox* Box(const qm::ui::SalvageDialog& dialog, int tier) {
  const auto name =
      QString::fromLatin1(qm::SalvageTiers()[static_cast<std::size_t>(tier)].EditName);
  return dialog.findChild<qm::ui::AmountBox*>(name);
}

}  // namespace

class SalvageDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void BarsShowTheSalvageCommandsValues() {
    qm::ui::SalvageDialog dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Scrapwise v1.2"));
    QCOMPARE(BarLine(dialog, "RawValue"), QString("Raw : P: 0p G: 0g S: 0s C: 0c"));

    const QStringList amounts = {"25", "7", "0", "130", "0", "0", "9", "0", "32000", "0"};
    for (int tier = 0; tier < qm::kSalvageTierCount; ++tier) {
      qm::ui::AmountBox* box = Box(dialog, tier);
      QVERIFY(box);
      QTest::keyClick(box, Qt::Key_End);
      QTest::keyClicks(box, amounts[tier]);  // after the "0": "07" becomes "7"
      QCOMPARE(box->text(), amounts[tier]);
    }
    const qm::testing::CliRun cli = qm::testing::RunCli(QStringList{"salvage"} + amounts);
    QCOMPARE(cli.exitCode, 0);
    QCOMPARE(BarLine(dialog, "RawValue") + '\n' + BarLine(dialog, "cashbar") + '\n',
             QString::fromUtf8(cli.out));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
  }

  void EditsRefuseAndMendWhatIsNoAmount() {
    qm::ui::SalvageDialog dialog;
    dialog.show();
    qm::ui::AmountBox* bronze = Box(dialog, 0);
    QTest::keyClicks(bronze, "x4-");  // only the digit reaches the edit
    QCOMPARE(bronze->text(), QString("4"));
    QCOMPARE(BarLine(dialog, "RawValue"), QString("Raw : P: 0p G: 0g S: 0s C: 16c"));
    QTest::keyClicks(bronze, "00000");
    QCOMPARE(bronze->text(), QString("32000"));

    // Pasted garbage is mended to 0 and counts as nothing.
    QGuiApplication::clipboard()->setText("12 bars");
    bronze->selectAll();
    QTest::keySequence(bronze, QKeySequence::Paste);
    QCOMPARE(bronze->text(), QString("0"));
    QCOMPARE(BarLine(dialog, "cashbar"), QString("Trinket : P: 0p G: 0g S: 0s C: 0c"));

    // The arrows step by 100 within 0..32000; "&Clear All" empties every edit.
    qm::ui::AmountBox* arcanium = Box(dialog, 9);
    QTest::keyClick(arcanium, Qt::Key_Up);
    QTest::keyClick(arcanium, Qt::Key_Up);
    QCOMPARE(arcanium->text(), QString("200"));
    QTest::keyClick(arcanium, Qt::Key_Down);
    QCOMPARE(arcanium->text(), QString("100"));
    QCOMPARE(BarLine(dialog, "RawValue"), QString("Raw : P: 0p G: 255g S: 15s C: 0c"));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
    QTest::mouseClick(dialog.findChild<QPushButton*>("Clear"), Qt::LeftButton);
    for (int tier = 0; tier < qm::kSalvageTierCount; ++tier)
      QCOMPARE(Box(dialog, tier)->text(), QString("0"));
    QCOMPARE(BarLine(dialog, "cashbar"), QString("Trinket : P: 0p G: 0g S: 0s C: 0c"));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
  }
};

QTEST_MAIN(SalvageDialogTest)
#include "salvage_dialog_test.moc"
