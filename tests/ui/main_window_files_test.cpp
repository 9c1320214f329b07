// New, Load, Save, Save As, the recent list and the close question, driven
// through the window's own menus with fake dialogs.
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <fstream>

#include "interop/template_open.h"
#include "ui/support/gui_fixture.h"

using qm::testing::GuiFixture;

class MainWindowFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void LoadEditSaveAndSaveAs() {
    GuiFixture gui;
    const std::string armsman = gui.Sample("albion-armsman.qmc");
    gui.LoadThroughMenu(armsman);
    QCOMPARE(gui.window->windowTitle(), QString("Quillmark Classic v1.118.0.2 - [ Sir Aldric ]"));
    QCOMPARE(gui.files.openRequests.back().Title, std::string("Load Character"));

    // Typing a name with a dot and Latin letters: the dot goes, "é" is kept.
    auto* name = gui.Find<QLineEdit>("eName");
    name->clear();
    qm::testing::TypeText(name, QString::fromUtf8("Ren.é"));
    QCOMPARE(name->text(), QString::fromUtf8("René"));
    QCOMPARE(gui.window->windowTitle(),
             QString::fromUtf8("Quillmark Classic v1.118.0.2 - [ René ]"));

    // The name change forgets the file, so Save asks where to write.
    const std::string saved = gui.folder.File("rene.qmc");
    gui.files.saveAnswers.push_back(saved);
    gui.Action("Save1")->trigger();
    QCOMPARE(gui.files.saveRequests.size(), std::size_t(1));
    QCOMPARE(gui.files.saveRequests.back().FileName, std::string("Ren\xE9.qmc"));
    QCOMPARE(gui.user.messages.back(), std::string("Character saved : rene.qmc"));
    QCOMPARE(qm::testing::FileRecordBytes(saved), qm::testing::RecordBytes(gui.model.Template()));
    QCOMPARE(gui.model.Template().CharName.Str(), std::string("Ren\xE9"));

    // Save again writes in place; Save As always asks.
    gui.Action("Save1")->trigger();
    QCOMPARE(gui.files.saveRequests.size(), std::size_t(1));
    const std::string copy = gui.folder.File("copy.qmc");
    gui.files.saveAnswers.push_back(copy);
    gui.Action("SaveAs1")->trigger();
    QCOMPARE(gui.files.saveRequests.size(), std::size_t(2));
    QCOMPARE(qm::testing::FileRecordBytes(copy), qm::testing::FileRecordBytes(saved));

    // A cancelled load dialog keeps the template.
    gui.Action("Load1")->trigger();
    QCOMPARE(gui.model.CurrentFile(), copy);
  }

  void RecentListFollowsLoadsAndSaves() {
    GuiFixture gui;
    auto* recentMenu = gui.Find<QMenu>("RecentTemplates1");
    QVERIFY(!recentMenu->menuAction()->isVisible());
    const std::string a = gui.Sample("albion-armsman.qmc");
    const std::string b = gui.Sample("midgard-warrior.qmc");
    gui.LoadThroughMenu(a);
    gui.LoadThroughMenu(b);
    QVERIFY(recentMenu->menuAction()->isVisible());
    QCOMPARE(gui.Action("Recent1")->text(), QString("&1. midgard-warrior.qmc"));
    QCOMPARE(gui.Action("Recent2")->text(), QString("&2. albion-armsman.qmc"));
    QVERIFY(!gui.Action("Recent3")->isVisible());
    QCOMPARE(gui.Action("Recent2")->shortcut(), QKeySequence("Ctrl+2"));

    gui.Action("Recent2")->trigger();
    QCOMPARE(gui.model.CurrentFile(), a);
    QCOMPARE(gui.Action("Recent1")->text(), QString("&1. albion-armsman.qmc"));

    // An entry whose file went away is dropped with a message.
    std::filesystem::remove(b);
    gui.Action("Recent2")->trigger();
    QCOMPARE(gui.user.messages.back(),
             std::string("File deleted/moved, removing this item from the list"));
    QVERIFY(!gui.Action("Recent2")->isVisible());
    QCOMPARE(gui.model.CurrentFile(), a);
  }

  // Another planner's template comes in as a new unsaved template named after
  // its character, with what it could not carry listed; a broken one leaves
  // the template as it was; the export writes a file the import reads back.
  void ImportAndExportOtherPlannersTemplates() {
    GuiFixture gui;
    const std::string armsman = gui.Sample("albion-armsman.qmc");
    gui.LoadThroughMenu(armsman);
    const std::string broken = gui.folder.File("broken.znk");
    std::ofstream(broken) << "<?xml version=\"1.0\"?>\n<PlayerSaveData>\n<level>60</level>\n";
    gui.files.openAnswers.push_back(broken);
    gui.Action("ImportTemplate1")->trigger();
    QVERIFY2(QString::fromStdString(gui.user.messages.back()).startsWith("broken.znk, line 3: "),
             gui.user.messages.back().c_str());
    QCOMPARE(gui.model.CurrentFile(), armsman);
    QCOMPARE(gui.model.Template().CharName.Str(), std::string("Sir Aldric"));

    const std::string znk = std::string(qgetenv("QM_TESTDATA").constData()) +
                            "/../interop/data/zenkcraft/every_slot.znk";
    gui.files.openAnswers.push_back(znk);
    gui.Action("ImportTemplate1")->trigger();
    QCOMPARE(gui.window->windowTitle(), QString("Quillmark Classic v1.118.0.2 - [ Fiadh ]"));
    QCOMPARE(gui.model.CurrentFile(), std::string());
    const QString notice = QString::fromStdString(gui.user.messages.back());
    QVERIFY2(notice.startsWith("every_slot.znk (Zenkcraft template) was read as a new template. "
                               "Not carried over:\n"),
             qPrintable(notice));
    QVERIFY(notice.contains("unknown bonus \"Bonus Essence Damage\" left out"));

    const std::string exported = gui.folder.File("fiadh.znk");
    gui.files.saveAnswers.push_back(exported);
    gui.Action("ExportTemplate1")->trigger();
    QCOMPARE(gui.files.saveRequests.back().FileName, std::string("Fiadh.znk"));
    QVERIFY(QString::fromStdString(gui.user.messages.back())
                .startsWith("Template exported : fiadh.znk"));
    const auto back = qm::OpenAnyTemplate(exported);
    QVERIFY(back.Ok());
    QCOMPARE(back.Value().Record.ClassIndex, gui.model.Template().ClassIndex);
    QCOMPARE(back.Value().Record.Slot(qm::kChest).Name.Str(),
             gui.model.Template().Slot(qm::kChest).Name.Str());

    // Save asks where to write it, proposing the character's name.
    gui.files.saveAnswers.push_back(gui.folder.File("fiadh.qmc"));
    gui.Action("Save1")->trigger();
    QCOMPARE(gui.files.saveRequests.back().FileName, std::string("Fiadh.qmc"));
  }

  void NewAndCloseAskAboutUnsavedChanges() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    qm::testing::TypeText(gui.Find<QLineEdit>("eName"), QStringLiteral("x"));

    gui.user.answers = {qm::Answer::Abort};  // "&Cancel"
    gui.Action("New1")->trigger();
    QCOMPARE(gui.user.questions.back().cancel, std::string("&New Character"));
    QCOMPARE(gui.window->windowTitle(), QString("Quillmark Classic v1.118.0.2 - [ Sir Aldricx ]"));

    gui.user.answers = {qm::Answer::Abort};
    QVERIFY(!gui.window->close());
    QVERIFY(gui.window->isVisible());
    QCOMPARE(gui.user.questions.back().cancel, std::string("E&xit"));

    gui.user.answers = {qm::Answer::Cancel};  // "&New Character"
    gui.Action("New1")->trigger();
    QCOMPARE(gui.window->windowTitle(),
             QString("Quillmark Classic v1.118.0.2 - [ New Character ]"));
    QCOMPARE(qm::testing::Describe(qm::testing::ViewMismatches(gui)), std::string());

    const std::size_t asked = gui.user.questions.size();
    QVERIFY(gui.window->close());  // nothing changed since New: no question
    QCOMPARE(gui.user.questions.size(), asked);
  }

  void SaveChosenAtTheCloseQuestionWritesTheFile() {
    GuiFixture gui;
    gui.LoadThroughMenu(gui.Sample("hibernia-eldritch.qmc"));
    qm::testing::TypeText(gui.Find<QLineEdit>("eName"), QStringLiteral("y"));
    const std::string path = gui.folder.File("closing.qmc");
    gui.user.answers = {qm::Answer::Ok};
    gui.files.saveAnswers.push_back(path);
    QVERIFY(gui.Action("Exit1")->isEnabled());
    gui.Action("Exit1")->trigger();
    QVERIFY(!gui.window->isVisible());
    QCOMPARE(qm::testing::FileRecordBytes(path), qm::testing::RecordBytes(gui.model.Template()));
  }
};

QTEST_MAIN(MainWindowFilesTest)
#include "main_window_files_test.moc"
