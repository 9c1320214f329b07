// What the main window shows after a load, while hovering, and which
// commands it offers.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "core/bonus_catalogue.h"
#include "report/slot_summary.h"
#include "report/stat_breakdown.h"
#include "ui/support/gui_fixture.h"
#include "ui/text_codec.h"

using qm::testing::GuiFixture;

namespace {

QString Joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) out << qm::ui::ToQt(line);
  return out.join('\n');
}

}  // namespace

class MainWindowViewTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryLabelShowsTheViewAfterEachSampleLoads() {
    GuiFixture gui;
    // With a workbench the slot buttons follow the model: the Myth slot's
    // only while the template is a champion's.
    gui.windows.SetWorkbench([](const qm::WorkbenchRequest& request, const qm::SlotPreview&) {
      return qm::WorkbenchOutcome{false, request.StartingItem};
    });
    gui.window->Refresh();
    QCOMPARE(qm::testing::Describe(qm::testing::ViewMismatches(gui)), std::string());
    QVERIFY(gui.samples.size() >= 4);
    for (const std::string& path : gui.samples) {
      gui.LoadThroughMenu(path);
      QCOMPARE(gui.model.CurrentFile(), path);
      const auto mismatches = qm::testing::ViewMismatches(gui);
      QVERIFY2(mismatches.empty(), (path + ": " + qm::testing::Describe(mismatches)).c_str());
    }
    // A loaded template shows real figures, not the start-up texts.
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    QVERIFY(gui.Find<QLabel>("lStr")->text() != "0");
    QCOMPARE(gui.Find<QLabel>("lStr")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  }

  void FiguresSayWhatTheyShow() {
    GuiFixture gui;
    const auto description = [&](const char* name) {
      return gui.Find<QWidget>(name)->accessibleDescription();
    };
    QCOMPARE(description("lStr"), QString("Strength value"));
    QCOMPARE(description("lStrCap"), QString("Strength cap"));
    QCOMPARE(description("lStrDis"), QString("Strength difference"));
    QCOMPARE(description("lAcu"), QString("Acuity value"));
    QCOMPARE(description("lSkill8Cap"), QString("Skill 8 cap"));
    QCOMPARE(description("lSpiritDis"), QString("Spirit difference"));
    QCOMPARE(description("iDefensive"), QString("Defensive Bonus value"));
    QCOMPARE(description("cPower"), QString("Power Pool % Increase cap"));
    QCOMPARE(description("nRHand"), QString("R. Hand item"));
    QCOMPARE(description("uMyth"), QString("Myth utility"));
    QCOMPARE(description("lTotalUtility"), QString("Utility total"));
    QCOMPARE(description("eName"), QString("Character name"));
    QCOMPARE(description("cbRealmRank"), QString("Realm rank"));
    QCOMPARE(gui.Find<QPushButton>("b2Hand")->accessibleName(), QString("2. Hand"));
    for (const char* title :
         {"Main Stats", "Resistance Bonuses", "Skill Bonuses", "Point Bonuses", "Primary Bonuses",
          "ToA Bonuses", "PvE Bonuses", "Expansion Bonuses", "Equipment Slots"}) {
      bool found = false;
      for (auto* box : gui.window->findChildren<QGroupBox*>()) found |= box->title() == title;
      QVERIFY2(found, title);
    }
  }

  // Tab alone reaches every control and every label with a panel of its own,
  // the cap labels that explain a cap increase included, and each control a
  // screen reader meets has a name.
  void TheKeyboardReachesEveryControlAndEveryPanel() {
    GuiFixture gui;
    gui.windows.SetWorkbench([](const qm::WorkbenchRequest& request, const qm::SlotPreview&) {
      return qm::WorkbenchOutcome{false, request.StartingItem};
    });
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    gui.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.window.get()));
    gui.Find<QLineEdit>("eName")->setFocus();

    QSet<QWidget*> reached;
    QStringList captions;
    for (int i = 0; i < 400 && !reached.contains(QApplication::focusWidget()); ++i) {
      QWidget* focused = QApplication::focusWidget();
      reached.insert(focused);
      if (focused->objectName() == "lStrCap") captions << gui.Find<QGroupBox>("StatBox")->title();
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(captions, QStringList{"Stat: " + qm::ui::ToQt(qm::BonusName(134))});

    QStringList missed, unnamed;
    for (QWidget* w : gui.window->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QAbstractButton*>(w) || qobject_cast<QPlainTextEdit*>(w);
      if (!w->isVisibleTo(gui.window.get()) || !w->isEnabled()) continue;
      if (control && w->parentWidget() != gui.Find<QWidget>("Quickbar") && !reached.contains(w))
        missed << w->objectName();
      if (qobject_cast<QLabel*>(w) && w->focusPolicy() == Qt::TabFocus && !reached.contains(w))
        missed << w->objectName();
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
      if (control && accessible->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << w->objectName();
    }
    QCOMPARE(missed, QStringList());
    QCOMPARE(unnamed, QStringList());
    for (const char* cap : {"lStrCap", "lHitsCap", "cPower", "cFatigue"})
      QVERIFY2(reached.contains(gui.Find<QWidget>(cap)), cap);
    // A cap that only repeats its row's breakdown is no extra stop.
    QVERIFY(!reached.contains(gui.Find<QWidget>("lCrushCap")));
    QVERIFY(!reached.contains(gui.Find<QWidget>("lAcu")));  // the armsman has no acuity
  }

  void HoveringShowsTheBreakdownAndTheSummary() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    const auto* info = gui.Find<QPlainTextEdit>("InfoLabel");
    const auto* box = gui.Find<QGroupBox>("StatBox");

    GuiFixture::Hover(gui.Find<QWidget>("lStrCap"));
    const qm::TTemplateRecord& tpl = gui.model.Template();
    const int weapon = gui.model.View().Weapon.Selection;
    const qm::PanelText breakdown =
        qm::StatBreakdown(134, tpl, weapon, gui.model.LastTotals().Totals);
    QCOMPARE(box->title(), qm::ui::ToQt(breakdown.Caption));
    QCOMPARE(info->toPlainText(), Joined(breakdown.Lines));

    GuiFixture::Hover(gui.Find<QWidget>("lSlash"));
    QCOMPARE(box->title(), "Stat: " + qm::ui::ToQt(qm::BonusName(12)));

    for (const auto& [slot, prefix] : {std::pair{qm::kChest, 'n'}, std::pair{qm::kJewel, 'u'}}) {
      GuiFixture::Hover(gui.Find<QWidget>(qm::SlotObjectName(prefix, slot)));
      const qm::SlotSummaryView summary =
          qm::SlotSummary(tpl.Slot(slot), gui.model.Attributes().MaxArmor);
      QCOMPARE(box->title(), qm::ui::ToQt(summary.Panel.Caption));
      QCOMPARE(info->toPlainText(), Joined(summary.Panel.Lines));
      QVERIFY(summary.Labels);
      QCOMPARE(gui.Find<QLabel>("stat1")->text(), qm::ui::ToQt(summary.Labels->stat[0]));
      QCOMPARE(gui.Find<QLabel>("statLevel")->text(), qm::ui::ToQt(summary.Labels->statLevel));
    }
    // The breakdown takes the panel back and blanks the item labels.
    GuiFixture::Hover(gui.Find<QWidget>("lStr"));
    QCOMPARE(gui.Find<QLabel>("stat1")->text(), QString());
  }

  void SlotLabelsClearAndCycle() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    auto* chest = gui.Find<QLabel>("nChest");
    QVERIFY(chest->text().trimmed().size() > 0);
    const QColor colour = chest->palette().color(QPalette::WindowText);
    QCOMPARE(colour,
             qm::ui::ToQColor(qm::ItemTypeColour(gui.model.Template().Slot(qm::kChest).ItemType)));

    gui.user.yesNoAnswers = {false};
    QTest::mouseClick(chest, Qt::LeftButton);
    QVERIFY(chest->text().trimmed().size() > 0);
    gui.user.yesNoAnswers = {true};
    chest->setFocus();
    QTest::keyClick(chest, Qt::Key_Space);  // the keyboard does what the click does
    QCOMPARE(chest->text(), QString(" "));
    QCOMPARE(gui.model.Template().Slot(qm::kChest).Name.Str(), std::string(" "));
    QTest::mouseClick(chest, Qt::LeftButton);
    QCOMPARE(gui.user.beeps, 1);

    auto* total = gui.Find<QLabel>("lTotalUtility");
    QVERIFY(total->text().startsWith("Total Utility : "));
    QTest::mouseClick(total, Qt::LeftButton);
    QVERIFY(total->text().startsWith("Total ToA : "));
    QVERIFY(gui.Action("UtilityType2")->isChecked());
    QTest::mouseClick(gui.Find<QLabel>("uNeck"), Qt::LeftButton);
    QVERIFY(total->text().startsWith("Average Bonus LV : "));
    gui.Action("Toggle1")->trigger();  // "&Toggle Utility Display"
    QVERIFY(total->isHidden());
    QVERIFY(gui.Find<QLabel>("uNeck")->isHidden());
    QCOMPARE(qm::testing::Describe(qm::testing::ViewMismatches(gui)), std::string());
  }

  void MissingWindowsLeaveTheirCommandsDisabledWithAReason() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    for (const char* name : {"Report1", "VaultBrowser1", "Salvage1", "MainOptions1"}) {
      QAction* action = gui.Action(name);
      QVERIFY2(!action->isEnabled(), name);
      QVERIFY2(action->statusTip().contains("not available"), name);
    }
    auto* chest = gui.Find<QPushButton>("bChest");
    QVERIFY(!chest->isEnabled());
    QVERIFY(chest->statusTip().contains("workbench"));
    QVERIFY(gui.Action("WebSite1")->isEnabled());
    gui.Action("WebSite1")->trigger();
    QCOMPARE(gui.shell.opened.size(), std::size_t(1));
  }

  // The item says why it is not offered until the player has a vault, then
  // ticks as the model flips the stored choice.
  void UseBundledVaultIsOfferedOnceThePlayerHasAVault() {
    GuiFixture gui;
    QAction* item = gui.Action("UseBundledVault1");
    QVERIFY(!item->isEnabled());
    QVERIFY(item->isCheckable());
    QCOMPARE(item->statusTip(), QString::fromLatin1(qm::kNoUserVaultTip));
    std::filesystem::create_directories(gui.folder.Path() / "data");
    std::ofstream(gui.settings.UserVaultPath()) << "vault";
    gui.model.UpdateVaultMenu();
    QVERIFY(item->isEnabled());
    QCOMPARE(item->statusTip(), QString::fromLatin1(qm::kUseBundledVaultTip));
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(gui.settings.Record().UseBundledVault);
    QCOMPARE(gui.user.messages.size(), std::size_t(1));
    QCOMPARE(qm::testing::Describe(qm::testing::ViewMismatches(gui)), std::string());
  }

  void AWorkbenchThatExistsIsOfferedOnTheSlotButtons() {
    GuiFixture gui;
    int runs = 0;
    gui.windows.SetWorkbench([&](const qm::WorkbenchRequest& request, const qm::SlotPreview&) {
      ++runs;
      return qm::WorkbenchOutcome{false, request.StartingItem};
    });
    gui.window->Refresh();
    auto* chest = gui.Find<QPushButton>("bChest");
    QVERIFY(chest->isEnabled());
    QTest::mouseClick(chest, Qt::LeftButton);
    QCOMPARE(runs, 1);
    QVERIFY(!gui.model.Unchanged());  // a cancelled workbench still counts as a change
  }

  // Cancelling the question of a class or server change puts the old entry
  // back in the model's view; the combo binding re-applies only selections
  // the model changed, so the combo keeps the refused entry. The random run
  // passes over this fault until the binding is fixed.
  void ARefusedClassOrServerChangeShowsTheOldEntryAgain() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    const qm::MainWindowView& view = gui.model.View();
    for (const auto& [name, state] :
         {std::pair{"eClass", &view.Class}, std::pair{"cbServer", &view.Server}}) {
      auto* combo = gui.Find<QComboBox>(name);
      const int before = combo->currentIndex();
      const int other = before == 0 ? 1 : 0;
      gui.user.answers = {qm::Answer::Cancel};
      combo->setCurrentIndex(other);
      emit combo->activated(other);
      QCOMPARE(state->Selection, before);
      QCOMPARE(combo->currentIndex(), before);
    }
  }
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
