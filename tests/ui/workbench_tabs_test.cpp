// The workbench's editor and spellcraft tabs through their widgets: a crafted
// design matches quillmark-cli's, an exported item imports back into the same
// rows, the project's XML items load the editor, and an item of another slot
// asks before it loads.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cstring>

#include "ui/support/workbench_fixture.h"
#include "ui/text_codec.h"
#include "workbench/item_exchange.h"

using qm::testing::WorkbenchGui;

namespace {

QString BoxText(WorkbenchGui& gui, const std::string& name) {
  if (auto* combo = gui.InDialog<QComboBox>(name)) return combo->currentText();
  if (auto* box = gui.InDialog<QAbstractSpinBox>(name)) return box->text();
  if (auto* edit = gui.InDialog<QLineEdit>(name)) return edit->text();
  return QStringLiteral("<missing>");
}

// What the editor tab shows, row by row.
QStringList EditorRows(WorkbenchGui& gui) {
  QStringList rows{BoxText(gui, "CustomName")};
  for (int k = 1; k <= qm::kInlineBonusRows; ++k) {
    const std::string n = std::to_string(k);
    rows << BoxText(gui, "a" + n) + "|" + BoxText(gui, "c" + n) + "|" + BoxText(gui, "s" + n);
  }
  for (const char* k : {"1", "2"})
    rows << BoxText(gui, std::string("cbExt") + k) + "|" +
                BoxText(gui, std::string("Proc") + k + "Amt");
  rows << BoxText(gui, "cProcOne") << BoxText(gui, "cProcTwo");
  return rows;
}

void TypeAmount(WorkbenchGui& gui, const std::string& box, const QString& digits) {
  auto* amount = gui.InDialog<QAbstractSpinBox>(box);
  QVERIFY2(amount && amount->isEnabled(), box.c_str());
  amount->setFocus();
  QTest::keyClick(amount, Qt::Key_End);
  for (int i = 0; i < 4; ++i) QTest::keyClick(amount, Qt::Key_Backspace);
  QTest::keyClicks(amount, digits);
}

std::string XmlItem(const char* name) {
  return std::string(qgetenv("QM_TESTDATA").constData()) + "/xml-items/" + name;
}

}  // namespace

class WorkbenchTabsTest : public QObject {
  Q_OBJECT
 private slots:
  void SpellcraftDesignMatchesTheCli() {
    WorkbenchGui gui;
    QString charge, capacity, cost3;
    gui.WithSlot(qm::kChest, [&] {
      gui.OpenTab(2);
      gui.ChooseText("sLevel", "51");
      gui.ChooseText("cAbs", "34%");
      const int gems[4][2] = {{1, 6}, {2, 6}, {11, 4}, {23, 2}};  // index, tier
      for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k + 1);
        gui.ChooseText("archtype" + n, "6. Full Listing");
        gui.Choose("scFake" + n, gems[k][0]);
        gui.Choose("cs" + n, gems[k][1]);
      }
      charge = gui.Shown("charge");
      capacity = gui.Shown("imbuecap");
      cost3 = gui.Shown("g3");
      QCOMPARE(gui.InDialog<QLabel>("charge")->palette().color(QPalette::WindowText),
               QColor(0, 0, 255));
      QCOMPARE(gui.InDialog<QLabel>("g1")->accessibleDescription(), QString("Gem 1 cost"));
      QCOMPARE(gui.InDialog<QComboBox>("scFake4")->accessibleName(), QString("Gem 4 bonus"));
      // The live preview is the design.
      QCOMPARE(gui.model.Template().Slot(qm::kChest).Crafted, std::uint8_t(1));
      gui.Click("btnReturn");
    });
    QCOMPARE(charge, QString("28.0"));

    const QString out = QString::fromStdString(gui.folder.File("cli.qmx"));
    QProcess cli;
    cli.start(QStringLiteral(QM_CLI_PATH), {"spellcraft",
                                            "--slot",
                                            "9",
                                            "--class",
                                            QString::number(gui.model.Template().ClassIndex),
                                            "--level",
                                            "51",
                                            "--armour",
                                            "4",
                                            "--gem",
                                            "1:1:6",
                                            "--gem",
                                            "2:2:6",
                                            "--gem",
                                            "3:11:4",
                                            "--gem",
                                            "4:23:2",
                                            "--json",
                                            "--out",
                                            out});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(json["charge"].toString(), charge);
    QCOMPARE(json["capacity"].toString(), capacity);
    QCOMPARE(json["gems"].toArray()[2].toObject()["cost"].toString(), cost3);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray cliItem = file.readAll();
    const qm::TItemRecord& returned = gui.model.Template().Slot(qm::kChest);
    QCOMPARE(cliItem.size(), qsizetype(sizeof returned));
    QVERIFY(std::memcmp(cliItem.constData(), &returned, sizeof returned) == 0);
    QCOMPARE(qm::ui::ToQt(returned.Name.View()), json["item"].toObject()["Name"].toString());
  }

  void OverchargeSuccessFollowsSkillAndQuality() {
    WorkbenchGui gui;
    gui.WithSlot(qm::kChest, [&] {
      gui.OpenTab(2);
      gui.ChooseText("sLevel", "51");
      gui.ChooseText("cAbs", "34%");
      const int gems[4][2] = {{1, 9}, {2, 9}, {3, 8}, {11, 4}};  // 37.5 points on 32
      for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k + 1);
        gui.ChooseText("archtype" + n, "6. Full Listing");
        gui.Choose("scFake" + n, gems[k][0]);
        gui.Choose("cs" + n, gems[k][1]);
      }
      QCOMPARE(gui.Shown("charge"), QString("37.5"));
      QCOMPARE(BoxText(gui, "eSkill"), QString("1000"));
      QCOMPARE(gui.Shown("ocsuccess"), QString("Overcharge success : 90%"));
      gui.ChooseText("cQuality", "99");
      QCOMPARE(gui.Shown("ocsuccess"), QString("Overcharge success : 82%"));
      TypeAmount(gui, "eSkill", "500");
      QCOMPARE(gui.Shown("ocsuccess"), QString("Overcharge success : 15%"));
      auto* success = gui.InDialog<QLabel>("ocsuccess");
      QCOMPARE(success->palette().color(QPalette::WindowText), QColor(0, 0, 255));
      QCOMPARE(gui.InDialog<QWidget>("eSkill")->accessibleName(), QString("Spellcraft skill"));
      QCOMPARE(gui.InDialog<QComboBox>("cQuality")->accessibleName(), QString("Item quality"));
      QVERIFY(!success->accessibleDescription().isEmpty());
      // One gem more is over the limit: nothing can be imbued, and it is red.
      gui.Choose("cs4", 9);
      QCOMPARE(gui.Shown("ocsuccess"), QString("Overcharge success : 0%"));
      QCOMPARE(success->palette().color(QPalette::WindowText), QColor(255, 0, 0));
      gui.Click("btnCancel");
    });
    // The skill is the crafter's: it stays in the settings for the next opening.
    QCOMPARE(gui.settings.Record().CraftSkill, 500);
    gui.WithSlot(qm::kChest, [&] {
      QCOMPARE(BoxText(gui, "eSkill"), QString("500"));
      gui.Click("btnCancel");
    });
  }

  void OverchargedDesignStopsThePreview() {
    WorkbenchGui gui;
    gui.WithSlot(qm::kChest, [&] {
      gui.OpenTab(2);
      gui.ChooseText("sLevel", "51");
      for (int k = 1; k <= 4; ++k) {
        const std::string n = std::to_string(k);
        gui.ChooseText("archtype" + n, "6. Full Listing");
        gui.Choose("scFake" + n, k);
        gui.Choose("cs" + n, 9);
      }
      QCOMPARE(gui.Shown("charge"), QString("40.0"));
      QCOMPARE(gui.InDialog<QLabel>("charge")->palette().color(QPalette::WindowText),
               QColor(255, 0, 0));
      QVERIFY(!gui.InDialog<QPushButton>("btnReturn")->isEnabled());
      // The slot keeps the last design within the limit: gem 4 at its first rung.
      QCOMPARE(gui.model.Template().Slot(qm::kChest).BonusCode[3], std::uint8_t(4));
      QCOMPARE(gui.model.Template().Slot(qm::kChest).BonusValue[3], 2);
      gui.Click("btnGemClear");
      QCOMPARE(gui.Shown("charge"), QString("0.0"));
      QVERIFY(gui.InDialog<QPushButton>("btnReturn")->isEnabled());
      gui.Click("btnCancel");
    });
  }

  void ExportedItemImportsIntoTheSameRows() {
    WorkbenchGui gui;
    QStringList exported;
    gui.WithSlot(qm::kChest, [&] {
      gui.Click("RoG");
      QCOMPARE(gui.InDialog<QTabWidget>("ItemTabs")->currentIndex(), 1);
      auto* name = gui.InDialog<QLineEdit>("CustomName");
      name->selectAll();
      QTest::keyClicks(name, "Sash: of/Ages");
      gui.ChooseText("a1", "0. Attributes");
      gui.ChooseText("c1", "Dexterity");
      TypeAmount(gui, "s1", "300");
      QCOMPARE(BoxText(gui, "s1"), QString("200"));
      gui.ChooseText("a2", "1. Resistances");
      gui.Choose("c2", 3);
      TypeAmount(gui, "s2", "x12");
      QCOMPARE(BoxText(gui, "s2"), QString("12"));
      gui.Choose("cProcOne", 3);
      gui.Choose("cbExt1", 5);
      TypeAmount(gui, "Proc1Amt", "6000");
      QCOMPARE(BoxText(gui, "Proc1Amt"), QString("5000"));
      // The typed amount is in the previewed item at once.
      QCOMPARE(gui.model.Template().Slot(qm::kChest).BonusValue[0], 200);
      exported = EditorRows(gui);

      const std::string path = gui.folder.File("sash");
      gui.files.saveAnswers.push_back(path);
      gui.Click("btnExport");
      const qm::FileDialogRequest& save = gui.files.saveRequests.back();
      QCOMPARE(save.Title, std::string("Save Item"));
      QCOMPARE(save.Filter, std::string("Quillmark Export|*.qmx"));
      QCOMPARE(save.FileName, std::string("Sash- of-Ages"));
      QVERIFY(save.PromptOverwrite);

      gui.Click("RoG");
      QVERIFY(EditorRows(gui) != exported);
      // A hand-made item has no slot kind, so the chest asks before it loads.
      gui.user.answers = {qm::Answer::Ok};
      gui.files.openAnswers.push_back(path + ".qmx");
      gui.Click("btnImportQMX");
      QCOMPARE(gui.user.questions.back().title, std::string("Load Item?"));
      const qm::FileDialogRequest& open = gui.files.openRequests.back();
      QCOMPARE(open.Title, std::string("Import QMX/QMI/XML"));
      QCOMPARE(open.Filter, std::string(qm::kImportDialogFilter));
      QCOMPARE(EditorRows(gui), exported);
      gui.Click("btnReturn");
    });
    QCOMPARE(gui.Find<QLabel>("nChest")->text(), QString("Sash: of/Ages"));
  }

  // Neither file names a slot kind, so every slot asks before loading it.
  void XmlItemsAskAndLoadTheEditor() {
    WorkbenchGui gui;
    const std::pair<const char*, const char*> files[] = {
        {"torc-written-by-a-spellcraft-calculator.xml", "Quillwright Torc"},
        {"inkwell-stiletto-from-an-item-database.xml", "Inkwell Stiletto"}};
    for (const auto& [file, name] : files) {
      gui.WithSlot(qm::kNeck, [&] {
        gui.OpenTab(1);
        const QStringList before = EditorRows(gui);
        gui.user.answers = {qm::Answer::Cancel};  // "&Cancel"
        gui.files.openAnswers.push_back(XmlItem(file));
        gui.Click("btnImportQMX");
        QCOMPARE(gui.user.questions.back().title, std::string("Load Item?"));
        QCOMPARE(gui.user.questions.back().message, std::string(qm::kLoadItemQuestion));
        QCOMPARE(gui.user.questions.back().ok, std::string("&Load Item"));
        QCOMPARE(EditorRows(gui), before);

        gui.user.answers = {qm::Answer::Ok};  // "&Load Item"
        gui.files.openAnswers.push_back(XmlItem(file));
        gui.Click("btnImportQMX");
        QCOMPARE(gui.InDialog<QTabWidget>("ItemTabs")->currentIndex(), 1);
        QCOMPARE(BoxText(gui, "CustomName"), QString(name));
        QVERIFY(BoxText(gui, "c1") != QString("<Empty>"));
        QVERIFY(BoxText(gui, "s1") != QString("0"));
        gui.Click("btnReturn");
      });
      QCOMPARE(gui.Find<QLabel>("nNeck")->text(), QString(name));
    }
  }
};

QTEST_MAIN(WorkbenchTabsTest)
#include "workbench_tabs_test.moc"
