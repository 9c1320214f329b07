#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "shell/options_dialog.h"
#include "shell/settings.h"
#include "support/fake_ports.h"
#include "ui/options_dialog.h"
#include "ui/qt_settings_store.h"
#include "ui/support/window_views.h"

// The settings in their INI file under the XDG config folder, as a player's
// next start reads them, and the options dialog that writes them.
namespace {

constexpr const char* kProgram = "/opt/quillmark/quillmark";

qm::OptionsMenuChecks Marks(bool quickbar, bool utility) {
  qm::OptionsMenuChecks menu;
  menu[qm::SettingToggle::Quickbar] = quickbar;
  menu[qm::SettingToggle::UtilityDisplay] = utility;
  menu[qm::SettingToggle::StartMaximized] = true;
  return menu;
}

void KeepPicture(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("QM_SCREENSHOT_DIR");
  if (!folder.isEmpty()) widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
}

std::string Bytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

  QTemporaryDir home_;

 private slots:
  void init() {
    // Every case starts without settings of its own.
    QDir(home_.filePath("config")).removeRecursively();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
  }

  void SettingsSurviveARestart() {
    const QString templates = home_.filePath("Templates \xC3\xA9");
    QVERIFY(QDir().mkpath(templates));
    {
      qm::ui::QtSettingsStore store;
      QVERIFY(!store.KeyExists());
      qm::Settings settings(store, kProgram);
      qm::SettingsRecord& r = settings.Record();
      r.Temps = Bytes(templates);
      r.LVFilter = 35;
      r.Quickbar = 0;
      r.StartMax = false;
      r.VerifiedOnly = true;
      r.VaultVersion = 1234567;
      r.UtilSetting = 2;
      r.WSlot = false;
      r.Server = 3;
      r.Files[0] = Bytes(templates + "/Ren\xC3\xA9.qmc");
      r.Files[4] = "/home/p/last.qmc";
      QVERIFY(settings.SaveSettings());
    }
    const QString file = home_.filePath("config/Quillmark/Quillmark.ini");
    QVERIFY(QFile::exists(file));
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY(text.contains("StartMax=0"));  // booleans are kept as integers
    QVERIFY(text.contains("VerifiedOnly=1"));

    qm::ui::QtSettingsStore store;
    QVERIFY(store.KeyExists());
    qm::Settings next(store, kProgram);
    next.LoadSettings();
    const qm::SettingsRecord& r = next.Record();
    QCOMPARE(r.Temps, Bytes(templates));
    QCOMPARE(r.Start, std::string("/opt/quillmark/"));
    QCOMPARE(int(r.LVFilter), 35);
    QCOMPARE(int(r.Quickbar), 0);
    QCOMPARE(r.StartMax, false);
    QCOMPARE(r.VerifiedOnly, true);
    QCOMPARE(r.VaultVersion, 1234567);
    QCOMPARE(int(r.UtilSetting), 2);
    QCOMPARE(r.WSlot, false);
    QCOMPARE(int(r.Server), 3);
    QCOMPARE(r.Files[0], Bytes(templates + "/Ren\xC3\xA9.qmc"));
    QCOMPARE(r.Files[1], std::string());
    QCOMPARE(r.Files[4], std::string("/home/p/last.qmc"));
  }

  void AStoreThatCannotBeWrittenLeavesTheValuesInMemory() {
    // A config folder below a plain file can be made by nobody, root included.
    QFile blocker(home_.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("blocker/config")));
    qm::ui::QtSettingsStore store;
    qm::Settings settings(store, kProgram);
    qm::testing::FakeUserPort user;
    qm::testing::FakeShell shell;

    qm::ApplyStartupSettings(settings, user, shell);
    QCOMPARE(user.messages.size(), 2u);  // the first-run notices
    settings.Record().LVFilter = 20;
    QVERIFY(!settings.SaveSettings());
    QCOMPARE(int(settings.Record().LVFilter), 20);
    QVERIFY(!store.KeyExists());
  }

  void TheOptionsDialogWritesWhatOkConfirmsAndCancelKeepsTheStore() {
    const QString chosen = home_.filePath("chosen");
    QVERIFY(QDir().mkpath(chosen));
    qm::ui::QtSettingsStore store;
    qm::Settings settings(store, kProgram);
    settings.Record().LVFilter = 40;
    QVERIFY(settings.SaveSettings());
    qm::testing::FakeUserPort user;
    qm::ui::OptionsDialog dialog(settings, user);
    auto* filter = dialog.findChild<QComboBox*>("SLFilter");
    auto* folders = dialog.findChild<QTreeView*>("Directory");
    QVERIFY(filter && folders);

    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
      shown = dialog.isVisible();
      QCOMPARE(filter->currentText(), QString("40"));
      QTest::keyClick(filter, Qt::Key_Up);  // the keyboard picks "39"
      QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
      auto* model = qobject_cast<QFileSystemModel*>(folders->model());
      folders->setCurrentIndex(model->index(chosen));
      QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    QVERIFY(dialog.Run(Marks(true, false)));
    QVERIFY(shown);
    QVERIFY(!dialog.isVisible());

    {
      qm::ui::QtSettingsStore reopened;
      qm::Settings next(reopened, kProgram);
      next.LoadSettings();
      QCOMPARE(int(next.Record().LVFilter), 39);
      QCOMPARE(next.Record().Temps, Bytes(chosen));
      QCOMPARE(int(next.Record().Utility), 0);
      QCOMPARE(int(next.Record().Quickbar), 1);
    }

    // Escape is Cancel: the changed filter is not written.
    QTimer::singleShot(0, &dialog, [&] {
      QTest::keyClick(filter, Qt::Key_Home);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(!dialog.Run(Marks(true, true)));
    qm::ui::QtSettingsStore reopened;
    qm::Settings next(reopened, kProgram);
    next.LoadSettings();
    QCOMPARE(int(next.Record().LVFilter), 39);
  }

  void WithoutSettingsTheOptionsDialogEndsOnlyThroughOk() {
    qm::ui::QtSettingsStore store;
    qm::Settings settings(store, kProgram);
    qm::testing::FakeUserPort user;
    qm::ui::OptionsDialog dialog(settings, user);
    auto* cancel = dialog.findChild<QPushButton*>("CancelBtn");
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
      QVERIFY(!cancel->isEnabled());
      QTest::keyClick(&dialog, Qt::Key_Escape);
      dialog.close();
      stayedOpen = dialog.isVisible();
      QCOMPARE(dialog.findChild<QComboBox*>("SLFilter")->currentText(), QString("50"));
      QM_VERIFY_VIEW(qm::testing::ViewMismatches(dialog, dialog.Model().View()));
      QTest::keyClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::Key_Space);
    });
    QVERIFY(dialog.Run(Marks(true, true)));
    QVERIFY(stayedOpen);
    QVERIFY(store.KeyExists());
    QCOMPARE(settings.Record().Temps, std::string("/opt/quillmark/"));
  }

  void EveryControlOfTheOptionsDialogIsNamedForScreenReaders() {
    qm::ui::QtSettingsStore store;
    qm::Settings settings(store, kProgram);
    settings.Record().Temps = "/usr/share/";
    QVERIFY(settings.SaveSettings());
    qm::testing::FakeUserPort user;
    qm::ui::OptionsDialog dialog(settings, user);
    dialog.Prepare(Marks(true, true));
    dialog.show();
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>();
    for (QWidget* w : controls) {
      if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&dialog)) continue;
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
          qobject_cast<QTreeView*>(w)) {
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
      }
    }
    QTest::qWait(400);  // the folder list fills in the background
    KeepPicture(dialog, "options-dialog.png");
  }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
