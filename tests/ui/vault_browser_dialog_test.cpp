// The vault browser over the main window and the item workbench: searching,
// describing, equipping a ring into Ring 2 after the question, and the web
// searches, with the main window idle all the while.
// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "mainwin/browser_host.h"
#include "ui/item_list_model.h"
#include "ui/support/gui_fixture.h"
#include "ui/vault_browser_dialog.h"
#include "vault/vault.h"
#include "vault/vault_writer.h"

using qm::testing::GuiFixture;

namespace {

qm::TItemRecord Everywhere(qm::TItemRecord item, int slotKind) {
  item.SlotKind = static_cast<std::uint8_t>(slotKind);
  item.Realm = 0;
  item.Level = 50;
  item.Verified = 1;
  item.ServerNormal = item.ServerCoop = item.ServerClassic = item.ServerPvP = 1;
  item.ServerOrigins = 1;
  return item;
}

qm::Vault SmallVault() {
  qm::TItemRecord header = qm::EmptyItem();
  header.Name.Assign("Test Vault");
  header.EffectKind[0] = 1;  // the version travels as the value of an effect line
  header.EffectValue[0] = 7;
  const std::vector<qm::TItemRecord> entries{
      header,
      Everywhere(qm::samples::MakeClassItem("Ring of the Fen", {0}, {{1, 12}, {2, 9}}), 5),
      Everywhere(qm::samples::MakeClassItem("Hauberk of the Fen", {0}, {{1, 4}}), 7),
      Everywhere(qm::samples::MakeClassItem("Sword of Light (Epic)", {0}, {{3, 6}}), 13),
  };
  auto text = qm::WriteVaultText(entries);
  qm::Vault vault;
  if (!text.Ok() || !vault.LoadText(text.Value()).Ok()) qFatal("the test vault does not load");
  return vault;
}

// The main window with the browser and a workbench that answers at once.
struct BrowserGui {
  GuiFixture gui;
  qm::Vault vault = SmallVault();
  qm::TVaultFilter criteria;
  qm::TfrmItems items{vault, criteria, gui.user, gui.files, gui.shell};
  qm::MainWindowBrowserHost host{gui.model, gui.settings};
  qm::ui::VaultBrowserDialog dialog{vault, criteria, host, gui.user, gui.shell};

  BrowserGui() {
    gui.windows.SetWorkbench(
        [this](const qm::WorkbenchRequest& request, const qm::SlotPreview& preview) {
          return qm::RunWorkbenchHeadless(items, request, preview);
        });
    gui.window->Refresh();  // the slot buttons come to life with the workbench
  }
  template <typename T = QWidget>
  T* Find(const char* name) const {
    return dialog.findChild<T*>(QString::fromLatin1(name));
  }
  int Row(const std::string& name) const {
    const auto& entries = static_cast<qm::ui::ItemListModel*>(dialog.List()->model())->Names();
    const auto found = std::find(entries.begin(), entries.end(), name);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
  }
  void Select(const std::string& name) {
    const int row = Row(name);
    QVERIFY(row >= 0);
    dialog.List()->setCurrentIndex(dialog.List()->model()->index(row, 0));
    Verify();
  }
  void Click(const char* name) {
    QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
    Verify();
  }
  // Chooses a filter combo's entry as a player does; -1 is the last entry.
  void Choose(const char* name, int index) {
    auto* combo = Find<QComboBox>(name);
    QVERIFY2(combo && combo->count() > 1, name);
    if (index < 0) index += combo->count();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    Verify();
  }
  // The browser and the main window show their models' views.
  void Verify() {
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model()));
    QM_VERIFY_VIEW(qm::testing::ViewMismatches(gui));
  }
};

}  // namespace

class VaultBrowserDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void EquipsTheRingIntoRing2AfterTheQuestion() {
    BrowserGui b;
    bool idle = false;
    b.gui.windows.Set("browser", [&](const qm::SubWindowRequest&) {
      b.dialog.Prepare();
      b.dialog.show();
      idle = b.gui.model.Idle();
      // The vault's header entry is a line of the unfiltered listing too.
      QCOMPARE(b.Find<QGroupBox>("ListingBox")->title(), QString("Item &Listing : ( 4 ) "));
      QVERIFY(!b.Find<QPushButton>("btnEquip")->isEnabled());
      b.Select("Ring of the Fen");
      const QString description = b.Find<QPlainTextEdit>("Stats")->toPlainText();
      QVERIFY(description.startsWith("Ring of the Fen\n\nItem Level : 50"));
      QVERIFY(b.Find<QPushButton>("btnEquip")->isEnabled());

      b.gui.user.answers = {qm::Answer::Abort};  // "&Cancel": nothing changes
      b.Click("btnEquip");
      QCOMPARE(b.gui.model.Template().Slot(qm::kRing2).Name.Str(), std::string(" "));
      b.gui.user.answers = {qm::Answer::Cancel};  // "&Right"
      b.Click("btnEquip");
      idle = idle && b.gui.model.Idle();
    });
    b.gui.model.OpenVaultBrowser();
    QVERIFY(idle);

    const auto& question = b.gui.user.questions.back();
    QCOMPARE(question.message,
             std::string("Would you like to equip this in the left or right ring slot?"));
    QCOMPARE(question.title, std::string("Which Slot?"));
    QCOMPARE(question.ok + "|" + question.cancel + "|" + question.abort,
             std::string("&Left|&Right|&Cancel"));
    QCOMPARE(b.gui.model.Template().Slot(qm::kRing2).Name.Str(), std::string("Ring of the Fen"));
    QCOMPARE(b.gui.model.Template().Slot(qm::kRing1).Name.Str(), std::string(" "));
    QCOMPARE(b.gui.Find<QLabel>("nRing2")->text(), QString("Ring of the Fen"));
    QCOMPARE(b.gui.model.View().Figures.MainStats[0].Value.Text, std::string("12"));
    const std::vector<std::string> mismatches = qm::testing::ViewMismatches(b.gui);
    QVERIFY2(mismatches.empty(), qm::testing::Describe(mismatches).c_str());
  }

  // "&Import Item Database..." closes the browser, then opens the import
  // window through the main window's command; without a command it hides.
  void TheImportButtonClosesTheBrowserAndOpensTheImport() {
    BrowserGui b;
    QVERIFY(b.Find<QPushButton>("btnImport")->isHidden());
    int opened = 0;
    b.gui.windows.Set("import", [&](const qm::SubWindowRequest&) { ++opened; });
    b.dialog.SetImportCommand([&] { b.gui.model.OpenItemImport(); });
    b.dialog.show();
    QTest::mouseClick(b.Find<QPushButton>("btnImport"), Qt::LeftButton);
    QVERIFY(!b.dialog.isVisible());
    QTRY_COMPARE(opened, 1);
  }

  // "&Clear Filters" puts every control back, also one the user changed
  // since the window last showed the filters; and each filter control
  // reaches its own criterion of the search.
  void EachFilterControlFeedsItsOwnCriterion() {
    BrowserGui b;
    b.dialog.Prepare();
    b.dialog.show();
    struct Choice {
      const char* control;
      int position;
      int qm::TVaultFilter::*criterion;
      int expected;
    };
    const Choice choices[] = {
        {"FilterServer", 2, &qm::TVaultFilter::FilterServer, 2},  // first: it frees the realm
        {"Filter2", 15, &qm::TVaultFilter::SlotFilter, 24},       // "Small Shield"
        {"Filter1", 3, &qm::TVaultFilter::ITypeFilter, 3},
        {"Filter5", 1, &qm::TVaultFilter::RealmFilter, 1},
        {"Filter4", 5, &qm::TVaultFilter::ExpansionFilter, 5},
        {"ClassFilter", 7, &qm::TVaultFilter::ClassFilter, 7},
        {"Filter3", 8, &qm::TVaultFilter::SFilter1, 8},
        {"Filter6", 9, &qm::TVaultFilter::SFilter2, 9},
        {"Filter7", 10, &qm::TVaultFilter::SFilter3, 10},
        {"ProcFilter", 4, &qm::TVaultFilter::ProcFilter, 4},
    };
    const auto chooseAll = [&] {
      for (const Choice& choice : choices) {
        auto* combo = b.Find<QComboBox>(choice.control);
        QVERIFY2(combo, choice.control);
        combo->setCurrentIndex(choice.position);
        emit combo->activated(choice.position);
      }
      QTest::mouseClick(b.Find<QCheckBox>("cVerified"), Qt::LeftButton);
    };
    chooseAll();
    b.Click("btnClear");
    for (const Choice& choice : choices) {
      const int unfiltered = std::string_view(choice.control) == "Filter5" ? 3 : 0;
      QCOMPARE(b.Find<QComboBox>(choice.control)->currentIndex(), unfiltered);
    }
    QVERIFY(!b.Find<QCheckBox>("cVerified")->isChecked());

    chooseAll();
    b.Click("btnSearch");
    for (const Choice& choice : choices) QCOMPARE(b.criteria.*choice.criterion, choice.expected);
    QVERIFY(b.criteria.cVerified);
  }

  void FiltersSearchAndTheWebSearches() {
    BrowserGui b;
    b.dialog.Prepare();
    b.dialog.show();
    QTest::keyClicks(b.Find<QLineEdit>("NameFilter"), "fen");
    b.Click("btnSearch");
    QCOMPARE(b.dialog.List()->model()->rowCount(), 2);
    QCOMPARE(b.Find<QGroupBox>("ListingBox")->title(), QString("Item &Listing : ( 2 ) "));

    // Nothing is opened without a selection.
    b.Click("btnItemDatabase");
    QVERIFY(b.gui.shell.opened.empty());

    // Each filter holds what was chosen in it, in the model as on screen.
    const qm::BrowserFilters& model = b.dialog.Model().Filters();
    const std::pair<const char*, const qm::ComboState*> filters[] = {
        {"Filter2", &model.ItemSlot},  {"Filter1", &model.ItemType},  {"Filter5", &model.Realm},
        {"Filter4", &model.Expansion}, {"ClassFilter", &model.Class}, {"Filter3", &model.Stats[0]},
        {"Filter6", &model.Stats[1]},  {"Filter7", &model.Stats[2]},  {"ProcFilter", &model.Proc}};
    for (const auto& [filter, state] : filters) b.Choose(filter, -1);
    QTest::mouseClick(b.Find<QCheckBox>("cVerified"), Qt::LeftButton);
    b.Verify();

    QTest::mouseClick(b.Find<QPushButton>("btnClear"), Qt::LeftButton);
    // Every filter combo shows the cleared filter the model holds.
    QVERIFY(qm::testing::ViewMismatches(b.dialog, b.dialog.Model()).empty());
    b.Verify();
    QCOMPARE(b.Find<QLineEdit>("NameFilter")->text(), QString());
    QCOMPARE(b.dialog.List()->model()->rowCount(), 4);
    b.Select("Sword of Light (Epic)");
    b.Click("btnItemDatabase");
    QVERIFY(b.gui.shell.opened.back().find("terms=Sword+of+Light&a=Search") != std::string::npos);
    b.Click("btnWebSearch");
    QVERIFY(b.gui.shell.opened.back().find("q=Sword+of+Light+%28Epic%29") != std::string::npos);

    // Matching the Armsman on a Normal server fixes the realm to Albion.
    b.Click("btnMatch");
    auto* realm = b.Find<QComboBox>("Filter5");
    QCOMPARE(realm->currentText(), QString("Albion"));
    QVERIFY(!realm->isEnabled());
    QCOMPARE(b.Find<QComboBox>("ClassFilter")->currentIndex(), 1);
    // Choosing a server by hand frees the realm again.
    auto* server = b.Find<QComboBox>("FilterServer");
    server->setCurrentIndex(3);
    emit server->activated(3);
    b.Verify();
    QVERIFY(realm->isEnabled());
    QCOMPARE(realm->currentIndex(), 3);

    // Enter on the list equips the chosen line: a one-handed sword goes to R. Hand.
    b.Select("Sword of Light (Epic)");
    QTest::keyClick(b.dialog.List(), Qt::Key_Return);
    QCOMPARE(b.gui.model.Template().Slot(qm::kRightHand).Name.Str(),
             std::string("Sword of Light (Epic)"));
  }
};

QTEST_MAIN(VaultBrowserDialogTest)
#include "vault_browser_dialog_test.moc"
