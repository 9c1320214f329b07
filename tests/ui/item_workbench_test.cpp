// The item workbench over the real main window: the typical request from a
// slot button to a saved template, Cancel and the title bar undoing the live
// preview, the vault browser's auto-return, and the Myth slot's limits.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "core/template_file.h"
#include "ui/support/workbench_fixture.h"

using qm::testing::WorkbenchGui;

class ItemWorkbenchTest : public QObject {
  Q_OBJECT
 private slots:
  // The program ends its main window before the workbench's owner; a test
  // fixture ends them the other way round. Either way the window goes once.
  void TheWindowGoesOnceWhicheverOwnerEndsFirst() {
    qm::Vault vault;
    qm::TVaultFilter criteria;
    qm::testing::FakeUserPort user;
    qm::testing::FakeFileDialogs files;
    qm::testing::FakeShell shell;
    {
      qm::ui::WorkbenchHost host(vault, criteria, user, files, shell);
      auto mainWindow = std::make_unique<QWidget>();
      host.SetParent(mainWindow.get());
      QCOMPARE(host.Dialog().parentWidget(), mainWindow.get());
      mainWindow.reset();
    }
    QWidget mainWindow;
    {
      qm::ui::WorkbenchHost host(vault, criteria, user, files, shell);
      host.SetParent(&mainWindow);
      host.Dialog();
    }
    QVERIFY(mainWindow.findChildren<qm::ui::ItemWorkbenchDialog*>().isEmpty());
  }

  void TypicalRequestEndsInTheSavedFile() {
    WorkbenchGui gui;
    const QString conBefore = gui.Shown("lCon");
    gui.WithSlot(qm::kChest, [&] {
      auto& dialog = gui.Dialog();
      QCOMPARE(dialog.windowTitle(), QString("Items"));
      QVERIFY(dialog.isModal());
      // Searching for constitution leaves the two chest pieces that carry it.
      gui.ChooseText("Filt2", "Constitution");
      gui.Click("iSearch");
      QCOMPARE(gui.InDialog<QListView>("LItems")->model()->rowCount(), 1);
      QVERIFY(gui.InDialog<QWidget>("ListingGroup")->property("title").toString() ==
              QString("Item &Listing : ( 1 ) "));
      QVERIFY(gui.SelectListed("Universal Jerkin"));
      // The main window behind already shows the previewed item.
      QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Universal Jerkin"));
      QVERIFY(gui.Shown("lCon") != conBefore);
      QCOMPARE(qm::testing::Describe(qm::testing::ViewMismatches(gui)), std::string());
      QVERIFY(gui.InDialog<QPushButton>("btnReturn")->isDefault());
      gui.Click("btnReturn");
    });
    QCOMPARE(gui.Find<QLabel>("nChest")->text(), QString("Universal Jerkin"));

    const std::string path = gui.folder.File("typical.qmc");
    gui.files.saveAnswers.push_back(path);
    gui.Action("SaveAs1")->trigger();
    const auto saved = qm::ReadTemplateFile(path);
    QVERIFY(saved.Ok());
    QCOMPARE(saved.Value().Slot(qm::kChest).Name.Str(), std::string("Universal Jerkin"));
    QCOMPARE(int(saved.Value().Slot(qm::kChest).BonusCode[0]), 2);
  }

  void CancelAndTheTitleBarRestoreTheSlot() {
    WorkbenchGui gui;
    gui.WithSlot(qm::kChest, [&] {
      QVERIFY(gui.SelectListed("Breastplate of Valor"));
      gui.Click("btnReturn");
    });
    const std::string figures = gui.Shown("lStr").toStdString();
    gui.WithSlot(qm::kChest, [&] {
      QVERIFY(gui.SelectListed("Universal Jerkin"));
      QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Universal Jerkin"));
      gui.Click("btnCancel");
    });
    QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Breastplate of Valor"));
    QCOMPARE(gui.Shown("lStr").toStdString(), figures);

    gui.WithSlot(qm::kChest, [&] {
      QVERIFY(gui.SelectListed("Universal Jerkin"));
      gui.Dialog().close();  // the title bar's close button
    });
    QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Breastplate of Valor"));

    // "&Previous Item" brings back the item returned before.
    gui.WithSlot(qm::kChest, [&] {
      QVERIFY(gui.SelectListed("Universal Jerkin"));
      gui.Click("btnReturn");
    });
    gui.WithSlot(qm::kChest, [&] {
      gui.Click("btnPrev");
      QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(),
               std::string("Breastplate of Valor"));
      gui.Click("btnReturn");
    });
    QCOMPARE(gui.Find<QLabel>("nChest")->text(), QString("Breastplate of Valor"));
    gui.WithSlot(qm::kChest, [&] { gui.Click("btnEmpty"); });
    QCOMPARE(gui.Find<QLabel>("nChest")->text(), QString(" "));
  }

  void AutoReturnClosesOnItsFirstPaint() {
    WorkbenchGui gui;
    gui.model.OpenSlot(qm::kChest, {"universal j", true});
    QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Universal Jerkin"));
    QVERIFY(!gui.Dialog().isVisible());
    gui.model.OpenSlot(qm::kChest, {"No such chest", true});
    QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string("Universal Jerkin"));
  }

  void SearchIsTheDefaultOverTheFiltersAndEnterSearches() {
    WorkbenchGui gui;
    gui.WithSlot(qm::kChest, [&] {
      auto* search = gui.InDialog<QPushButton>("iSearch");
      QWidget* minimum = gui.InDialog<QWidget>("stat1amt");
      qm::testing::GuiFixture::Hover(minimum);
      QVERIFY(search->isDefault());
      QVERIFY(minimum->hasFocus() || gui.Dialog().focusWidget() == minimum);
      QTest::keyClicks(minimum, "5");
      QTest::keyClick(minimum, Qt::Key_Return);
      QCOMPARE(gui.InDialog<QAbstractSpinBox>("stat1amt")->text(), QString("5"));
      QCOMPARE(gui.criteria.stat1amt, std::string("5"));
      QVERIFY(gui.Dialog().isVisible());
      qm::testing::GuiFixture::Hover(gui.InDialog<QWidget>("LItems"));
      QVERIFY(gui.InDialog<QPushButton>("btnReturn")->isDefault());
      QVERIFY(!search->isDefault());
      gui.Click("btnCancel");
    });
  }

  void MythSlotHasNoEditorAndFixedFilters() {
    WorkbenchGui gui;
    gui.WithSlot(qm::kMyth, [&] {
      auto* tabs = gui.InDialog<QTabWidget>("ItemTabs");
      QVERIFY(!tabs->isTabVisible(1));
      QVERIFY(!tabs->isTabVisible(2));
      QVERIFY(!gui.InDialog<QComboBox>("Filt1")->isEnabled());
      QVERIFY(!gui.InDialog<QComboBox>("Filt2")->isEnabled());
      QVERIFY(!gui.InDialog<QWidget>("stat1amt")->isEnabled());
      QVERIFY(!gui.InDialog<QPushButton>("btnCopyStats")->isEnabled());
      QVERIFY(gui.InDialog<QComboBox>("ProcFilter")->isEnabled());
      gui.Click("btnCancel");
    });
    // The next opening offers the tabs again.
    gui.WithSlot(qm::kChest, [&] {
      auto* tabs = gui.InDialog<QTabWidget>("ItemTabs");
      QVERIFY(tabs->isTabVisible(1));
      QVERIFY(tabs->isTabVisible(2));
      gui.Click("btnCancel");
    });
  }
};

QTEST_MAIN(ItemWorkbenchTest)
#include "item_workbench_test.moc"
