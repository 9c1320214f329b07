// Undo and redo as a player meets them: an edit in the window, then
// Alt+Backspace and Shift+Alt+Backspace, the Edit menu and the quick bar.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "ui/support/gui_fixture.h"
#include "ui/text_codec.h"

using qm::testing::GuiFixture;

class MainWindowUndoTest : public QObject {
  Q_OBJECT
 private slots:
  void AltBackspaceUndoesTheLastEditAndShiftRedoesIt() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    gui.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.window.get()));
    const auto loaded = qm::testing::RecordBytes(gui.model.RecordToSave());
    auto* name = gui.Find<QLineEdit>("eName");
    auto* level = gui.Find<QComboBox>("cbLevel");
    QAction* undo = gui.Action("Undo1");
    QAction* redo = gui.Action("Redo1");
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QString("&Undo"));
    const QString levelBefore = level->currentText();

    level->setFocus();
    QTest::keyClick(level, Qt::Key_Up);  // the player picks the level above
    QVERIFY(level->currentText() != levelBefore);
    QCOMPARE(undo->text(), QString("&Undo Change Level"));
    name->setFocus();
    const QString nameBefore = name->text();
    qm::testing::TypeText(name, "xy");
    QCOMPARE(name->text(), nameBefore + "xy");
    QCOMPARE(undo->text(), QString("&Undo Change Name"));
    QCOMPARE(gui.Find<QToolButton>("UndoButton")->accessibleName(), QString("Undo"));
    QCOMPARE(gui.Find<QToolButton>("UndoButton")->accessibleDescription(),
             QString("Undo Change Name"));

    // Typed in the name box, the shortcut still reaches the window.
    QTest::keyClick(name, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(name->text(), nameBefore);
    QCOMPARE(redo->text(), QString("&Redo Change Name"));
    QTest::keyClick(name, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(level->currentText(), levelBefore);
    QCOMPARE(qm::testing::RecordBytes(gui.model.RecordToSave()), loaded);
    QVERIFY(gui.model.Unchanged());
    QVERIFY(!undo->isEnabled());

    QTest::keyClick(name, Qt::Key_Backspace, Qt::ShiftModifier | Qt::AltModifier);
    QVERIFY(level->currentText() != levelBefore);
    QVERIFY(!gui.model.Unchanged());
    gui.Find<QToolButton>("RedoButton")->click();
    QCOMPARE(name->text(), nameBefore + "xy");
    QVERIFY(!redo->isEnabled());

    // Ctrl+Z in the name box stays the box's own undo of its text.
    name->setFocus();
    qm::testing::TypeText(name, "z");
    const std::size_t steps = gui.model.History().Size();
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), nameBefore + "xy");
    QCOMPARE(qm::ui::FromQt(name->text()), gui.model.View().NameText);
    QVERIFY(gui.model.History().Size() <= steps);
  }
};

QTEST_MAIN(MainWindowUndoTest)
#include "main_window_undo_test.moc"
