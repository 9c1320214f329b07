// The Optimize Template window as a player uses it from the Tools menu:
// Optimize waits with a hint while no slot may change; a short search over a
// small vault proposes a template, and Apply puts it in place as one step
// that Undo takes back.
// The samples first: a field of theirs is named as a Qt keyword.
#include "tools/samples.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <vector>

#include "core/class_table.h"
#include "ui/optimize_dialog.h"
#include "ui/support/gui_fixture.h"

using qm::testing::GuiFixture;

namespace {

// A necklace of strength the character may wear, behind the vault's header entry.
std::vector<qm::TItemRecord> SmallVault(const qm::TTemplateRecord& tpl) {
  std::vector<qm::TItemRecord> vault(1);
  qm::InitItem(vault[0]);
  qm::TItemRecord neck = qm::samples::MakeItem("Torc of Might", {{1, 15}});
  neck.SlotKind = static_cast<std::uint8_t>(qm::SlotKindOf(qm::kNeck));
  neck.Realm = static_cast<std::uint8_t>(qm::RealmOfClass(tpl.ClassIndex));
  neck.Level = 1;
  neck.ServerNormal = neck.ServerCoop = neck.ServerPvP = neck.ServerClassic = 1;
  neck.ServerOrigins = 1;
  vault.push_back(neck);
  return vault;
}

QComboBox* ModeBox(const QWidget& dialog, int slot) {
  return dialog.findChild<QComboBox*>(
      QString::fromStdString("cbMode" + qm::SlotObjectName('x', slot).substr(1)));
}

}  // namespace

class OptimizeDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void ProposesATemplateThatApplyPutsInPlaceAsOneStep() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    const qm::TTemplateRecord before = gui.model.RecordToSave();
    const std::vector<qm::TItemRecord> vault = SmallVault(before);
    qm::ui::OptimizeDialog dialog(gui.store, vault, gui.window.get());
    gui.windows.Set("optimize", [&](const qm::SubWindowRequest& request) {
      dialog.Prepare(std::get<qm::OptimizeTemplateRequest>(request));
      dialog.show();
    });
    QAction* item = gui.Action("OptimizeTemplate1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("&Optimize Template..."));
    item->setEnabled(true);  // the fixture's window was built before the registration
    item->trigger();
    QVERIFY(dialog.isVisible());

    // Every slot kept: nothing to optimize, and the hint says so.
    for (int slot = 1; slot <= qm::kSlotCount; ++slot)
      QTest::keyClick(ModeBox(dialog, slot), Qt::Key_Home);
    auto* optimize = dialog.findChild<QPushButton*>("bOptimize");
    QVERIFY(!optimize->isEnabled());
    QCOMPARE(dialog.findChild<QLabel*>("lHint")->text().toStdString(), qm::kHintNoSlot);
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
    QStringList unnamed;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
      // Qt's own parts (header views, spin box editors, scroll buttons) are named by Qt.
      if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
      const bool control = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QAbstractButton*>(w) || qobject_cast<QSpinBox*>(w) ||
                           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabWidget*>(w);
      if (control && QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
        unnamed << w->objectName();
    }
    QCOMPARE(unnamed, QStringList());

    // A weight typed into the goal table counts; a text that is no number does not.
    auto* goals = dialog.findChild<QTableWidget*>("gGoals");
    QCOMPARE(goals->item(0, 0)->text(), QString("Strength"));
    goals->item(0, 1)->setText("3");
    goals->item(0, 1)->setText("lots");
    QCOMPARE(goals->item(0, 1)->text(), QString("3"));
    QCOMPARE(dialog.Model().Goals()[0].Weight, 3.0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("bRestoreDefaults"), Qt::LeftButton);
    QCOMPARE(goals->item(0, 1)->text(), QString("0.667"));

    // Only owned items: the one ticked in the list of names.
    QTest::keyClick(dialog.findChild<QComboBox*>("cbVault"), Qt::Key_End);
    QTest::keyClicks(dialog.findChild<QLineEdit*>("eOwnedFilter"), "torc");
    auto* owned = dialog.findChild<QListView*>("lvOwned");
    QCOMPARE(owned->model()->rowCount(), 1);
    owned->model()->setData(owned->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(dialog.findChild<QLabel*>("lOwnedCount")->text(),
             QString("1 item marked as owned, of 1."));

    // The neck from the vault, the chest spellcrafted, for a second at most.
    QTest::keyClick(ModeBox(dialog, qm::kNeck), Qt::Key_Down);
    QTest::keyClick(ModeBox(dialog, qm::kChest), Qt::Key_Down);
    QTest::keyClick(ModeBox(dialog, qm::kChest), Qt::Key_Down);
    QCOMPARE(ModeBox(dialog, qm::kChest)->currentText(), QString("Spellcraft"));
    dialog.findChild<QSpinBox*>("seTimeLimit")->setValue(1);
    QVERIFY(optimize->isEnabled());
    QTest::mouseClick(optimize, Qt::LeftButton);
    QVERIFY(dialog.JobRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.JobRunning(), 15000);

    QVERIFY(dialog.findChild<QLabel*>("lOutcome")->text().startsWith("Objective "));
    QVERIFY(dialog.findChild<QTableWidget*>("gCompare")->rowCount() > 0);
    auto* crafted = dialog.findChild<QTableWidget*>("tCrafted");
    QCOMPARE(crafted->rowCount(), 1);
    QCOMPARE(crafted->item(0, 0)->text(), QString("Chest"));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));

    QTest::mouseClick(dialog.findChild<QPushButton*>("bApply"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    const qm::TTemplateRecord after = gui.model.RecordToSave();
    QCOMPARE(after.Slot(qm::kNeck).Name.Str(), std::string("Torc of Might"));
    QVERIFY(qm::testing::RecordBytes(after) != qm::testing::RecordBytes(before));
    QAction* undo = gui.Action("Undo1");
    QCOMPARE(undo->text(), QString("&Undo Optimize Template"));
    undo->trigger();
    QVERIFY(qm::testing::RecordBytes(gui.model.RecordToSave()) == qm::testing::RecordBytes(before));
  }
};

QTEST_MAIN(OptimizeDialogTest)
#include "optimize_dialog_test.moc"
