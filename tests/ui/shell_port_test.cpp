#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/settings.h"
#include "support/fake_ports.h"
#include "ui/qt_file_dialog_port.h"
#include "ui/qt_shell_port.h"

// "&Register Quillmark Files" on this desktop: what it leaves in the user's
// XDG folders and which database tools it runs.
namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A stand-in for a database tool: it notes its name and arguments.
void MakeTool(const QString& folder, const QString& name) {
  const QString path = folder + "/" + name;
  Write(path, "#!/bin/sh\necho \"$(basename \"$0\") $*\" >> \"$(dirname \"$0\")/calls.log\"\n");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

class ShellPortTest : public QObject {
  Q_OBJECT

  QTemporaryDir home_;
  QString data_, config_, tools_;

 private slots:
  void init() {
    QDir(home_.path()).removeRecursively();
    QDir().mkpath(home_.path());
    data_ = home_.filePath("data");
    config_ = home_.filePath("config");
    tools_ = home_.filePath("tools");
    QDir().mkpath(tools_);
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
  }

  void RegisteringInstallsTheTypesAndTheEntryAndMakesTheProgramTheirDefault() {
    MakeTool(tools_, "update-mime-database");
    MakeTool(tools_, "update-desktop-database");
    // The player's other defaults stay as they were.
    Write(config_ + "/mimeapps.list",
          "[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\n"
          "image/png=viewer.desktop;\n");
    qm::ui::QtShellPort shell;
    shell.SetToolFolders({tools_});
    qm::testing::FakeSettingsStore store;
    qm::Settings settings(store, "/opt/Quill mark/quillmark");
    qm::testing::FakeUserPort user;

    qm::RegisterQuillmarkFiles(settings, user, shell);
    qm::RegisterQuillmarkFiles(settings, user, shell);  // again: nothing doubles

    // One package with every kind of the program's files, named as the
    // installed one so that it takes its place.
    QCOMPARE(QDir(data_ + "/mime/packages").entryList(QDir::Files),
             QStringList{"io.github.quillmark.Quillmark.xml"});
    const QByteArray package = Read(data_ + "/mime/packages/io.github.quillmark.Quillmark.xml");
    QVERIFY(
        package.contains("<mime-type type=\"application/x-quillmark-template\">\n"
                         "    <comment>Quillmark Classic template</comment>\n"
                         "    <glob pattern=\"*.qmc\"/>"));
    QVERIFY(package.contains("<mime-type type=\"application/x-quillmark-old-template\">"));
    QVERIFY(package.contains("<glob pattern=\"*.qmy\"/>"));
    QVERIFY(package.contains("<mime-type type=\"application/x-quillmark-item\">"));
    QVERIFY(package.contains("<glob pattern=\"*.qmi\"/>"));
    // Kort's templates are .xml like many files: only their root element tells them.
    QVERIFY(package.contains("<mime-type type=\"application/x-kort-template\">\n"
                             "    <comment>Kort's spellcraft calculator template</comment>\n"
                             "    <sub-class-of type=\"application/xml\"/>\n"
                             "    <root-XML namespaceURI=\"\" localName=\"SCTemplate\"/>\n"
                             "  </mime-type>"));
    QVERIFY(package.contains("<glob pattern=\"*.znk\"/>"));
    QVERIFY(!package.contains("<glob pattern=\"*.xml\"/>"));
    QCOMPARE(package.count("<mime-type "), 7);

    QCOMPARE(QDir(data_ + "/applications").entryList(QDir::Files),
             QStringList{"io.github.quillmark.Quillmark.desktop"});
    const QByteArray entry = Read(data_ + "/applications/io.github.quillmark.Quillmark.desktop");
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nExec=\"/opt/Quill mark/quillmark\" %f\n"));
    QVERIFY(entry.contains(
        "\nMimeType=application/x-quillmark-template;application/x-quillmark-old-template;"
        "application/x-zenkcraft-template;application/x-loki-template;"
        "application/x-kort-template;\n"));
    QVERIFY(entry.contains("\nIcon=io.github.quillmark.Quillmark\n"));

    QCOMPARE(Read(config_ + "/mimeapps.list"),
             QByteArray("[Default Applications]\ntext/plain=editor.desktop\n"
                        "application/x-quillmark-template=io.github.quillmark.Quillmark.desktop\n"
                        "application/x-quillmark-old-template=io.github.quillmark.Quillmark."
                        "desktop\n\n"
                        "[Added Associations]\nimage/png=viewer.desktop;\n"));
    const QByteArray calls = Read(tools_ + "/calls.log");
    QVERIFY(calls.contains("update-mime-database " + QFile::encodeName(data_) + "/mime\n"));
    QVERIFY(
        calls.contains("update-desktop-database " + QFile::encodeName(data_) + "/applications\n"));
    QCOMPARE(user.messages.back(), std::string(qm::kFilesRegisteredMessage));
  }

  void WithXdgMimeTheDefaultIsSetThroughIt() {
    MakeTool(tools_, "xdg-mime");
    qm::ui::QtShellPort shell;
    shell.SetToolFolders({tools_});
    shell.AssociateExtension("qmc", "/usr/bin/quillmark");
    QCOMPARE(Read(tools_ + "/calls.log"),
             QByteArray("xdg-mime default io.github.quillmark.Quillmark.desktop "
                        "application/x-quillmark-template\n"));
    QVERIFY(!QFile::exists(config_ + "/mimeapps.list"));
    // Without the database tools the files are still in place.
    QVERIFY(QFile::exists(data_ + "/mime/packages/io.github.quillmark.Quillmark.xml"));
  }

  // The installed package's files come from the build; registering by hand
  // must leave the same MIME package, and an entry that differs only in
  // where it finds the program.
  void RegisteringWritesWhatThePackageInstalls() {
    qm::ui::QtShellPort shell;
    shell.SetToolFolders({tools_});
    shell.AssociateExtension("qmy", "/usr/bin/quillmark");
    const QByteArray installedPackage = Read(QM_INSTALLED_MIME_PACKAGE);
    QVERIFY(!installedPackage.isEmpty());
    QCOMPARE(Read(data_ + "/mime/packages/io.github.quillmark.Quillmark.xml"), installedPackage);

    const QByteArray installedEntry = Read(QM_INSTALLED_DESKTOP_ENTRY);
    QVERIFY(!installedEntry.isEmpty());
    const QList<QByteArray> written =
        Read(data_ + "/applications/io.github.quillmark.Quillmark.desktop").split('\n');
    for (const char* key : {"Type=", "Name=", "Comment=", "Icon=", "Categories=", "MimeType="}) {
      QList<QByteArray> found;
      for (const QByteArray& line : written)
        if (line.startsWith(key)) found.append(line);
      QCOMPARE(found.size(), 1);
      QVERIFY2(installedEntry.contains("\n" + found[0] + "\n"), found[0].constData());
    }
  }

  void TheModelsFiltersBecomeQtFilters() {
    QCOMPARE(qm::ui::QtFileFilter("Template Files (*.qmc)|*.qmc"),
             QString("Template Files (*.qmc)"));
    QCOMPARE(qm::ui::QtFileFilter("Templates (*.qmc;*.qmy)|*.qmc;*.qmy|All Files|*.*"),
             QString("Templates (*.qmc *.qmy);;All Files (*.*)"));
  }
};

QTEST_MAIN(ShellPortTest)
#include "shell_port_test.moc"
