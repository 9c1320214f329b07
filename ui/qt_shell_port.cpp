#include "ui/qt_shell_port.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "dist/desktop_ids.h"
#include "shell/startup.h"

namespace qm::ui {
namespace {

const DesktopFileType* FindType(std::string_view extension) {
  for (const DesktopFileType& type : kDesktopFileTypes) {
    if (!type.extension.empty() && extension == type.extension) return &type;
  }
  return nullptr;
}

QString Latin(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString DesktopEntryName() {
  return Latin(kApplicationId) + ".desktop";
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

QString DataHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// An XML type is told by its root element; a type with no extension has no glob.
QString MimeTypeEntry(const QString& mimeType, const QString& comment, const QString& extension,
                      const QString& xmlRoot = {}) {
  QString entry = QStringLiteral("  <mime-type type=\"%1\">\n    <comment>%2</comment>\n")
                      .arg(mimeType, comment.toHtmlEscaped());
  if (!xmlRoot.isEmpty()) {
    entry += QStringLiteral(
                 "    <sub-class-of type=\"application/xml\"/>\n"
                 "    <root-XML namespaceURI=\"\" localName=\"%1\"/>\n")
                 .arg(xmlRoot);
  }
  if (!extension.isEmpty())
    entry += QStringLiteral("    <glob pattern=\"*.%1\"/>\n").arg(extension);
  return entry + QStringLiteral("  </mime-type>\n");
}

// The package the program installs, with every type of the program's files,
// plus the registered extension's own type when it is none of them.
QByteArray MimePackage(std::string_view extension) {
  QString entries;
  for (const DesktopFileType& type : kDesktopFileTypes)
    entries += MimeTypeEntry(Latin(type.mimeType), Latin(type.comment), Latin(type.extension),
                             Latin(type.xmlRoot));
  if (FindType(extension) == nullptr)
    entries +=
        MimeTypeEntry(MimeTypeOfExtension(extension), "Quillmark Classic file", Latin(extension));
  return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
          entries + "</mime-info>\n")
      .toUtf8();
}

// The program path as one argument of the entry's Exec line: quoted, with the
// characters the desktop entry format reserves inside quotes escaped.
QString ExecArgument(const QString& program) {
  QString quoted;
  for (const QChar c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return '"' + quoted + '"';
}

QByteArray DesktopEntry(const QString& program) {
  QString mimeTypes;
  for (const DesktopFileType& type : kDesktopFileTypes)
    if (type.opensInProgram) mimeTypes += Latin(type.mimeType) + ';';
  // A backslash in a desktop entry's value is itself escaped.
  QString exec = ExecArgument(program);
  exec.replace('\\', "\\\\");
  return QStringLiteral(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=%1\n"
             "Comment=%2\n"
             "Exec=%3 %f\n"
             "Icon=%4\n"
             "Terminal=false\n"
             "Categories=%5\n"
             "MimeType=%6\n")
      .arg(kApplicationTitle, Latin(kApplicationComment), exec, Latin(kApplicationId),
           Latin(kApplicationCategories), mimeTypes)
      .toUtf8();
}

// Sets "mimeType=entry" in the [Default Applications] group of a mimeapps.list,
// keeping every other line as it was.
QByteArray WithDefaultApplication(const QByteArray& list, const QString& mimeType,
                                  const QString& entry) {
  const QString group = "[Default Applications]";
  const QString line = mimeType + '=' + entry;
  QStringList lines = QString::fromUtf8(list).split('\n');
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  qsizetype groupAt = lines.indexOf(group);
  if (groupAt < 0) {
    if (!lines.isEmpty()) lines.append(QString());
    lines.append(group);
    groupAt = lines.size() - 1;
  }
  qsizetype at = groupAt + 1;
  for (; at < lines.size() && !lines[at].startsWith('['); ++at) {
    if (lines[at].section('=', 0, 0).trimmed() == mimeType) {
      lines[at] = line;
      return (lines.join('\n') + '\n').toUtf8();
    }
  }
  // After the group's last value, before any blank lines that end it.
  while (at > groupAt + 1 && lines[at - 1].trimmed().isEmpty()) --at;
  lines.insert(at, line);
  return (lines.join('\n') + '\n').toUtf8();
}

}  // namespace

QString MimeTypeOfExtension(std::string_view extension) {
  if (const DesktopFileType* type = FindType(extension)) return Latin(type->mimeType);
  return "application/x-quillmark-" + Latin(extension);
}

QtShellPort::~QtShellPort() {
  SetBusyCursor(false);
}

void QtShellPort::OpenInShell(std::string_view target) {
  // The addresses come percent-encoded already; take their bytes as they are.
  QDesktopServices::openUrl(QUrl::fromEncoded(
      QByteArray(target.data(), static_cast<qsizetype>(target.size())), QUrl::TolerantMode));
}

void QtShellPort::SetBusyCursor(bool busy) {
  // The override cursors stack in Qt; the program has only one busy state.
  if (busy == busy_ || qApp == nullptr) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

QString QtShellPort::FindTool(const QString& name) const {
  return toolFolders_.isEmpty() ? QStandardPaths::findExecutable(name)
                                : QStandardPaths::findExecutable(name, toolFolders_);
}

void QtShellPort::RunTool(const QString& tool, const QStringList& arguments) const {
  const QString path = FindTool(tool);
  if (path.isEmpty()) return;
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start(path, arguments);
  process.waitForFinished(10000);
}

void QtShellPort::AssociateExtension(std::string_view extension, std::string_view programPath) {
  const QString mimeType = MimeTypeOfExtension(extension);
  const QString entryName = DesktopEntryName();
  const QString program =
      QFile::decodeName(QByteArray(programPath.data(), static_cast<qsizetype>(programPath.size())));

  const QString mimeFolder = DataHome() + "/mime";
  const QString applications = DataHome() + "/applications";
  // Named as the installed package and entry are, so that the user's copies
  // take their place instead of adding a second program to the menus.
  WriteWhole(mimeFolder + "/packages/" + Latin(kApplicationId) + ".xml", MimePackage(extension));
  WriteWhole(applications + "/" + entryName, DesktopEntry(program));
  RunTool("update-mime-database", {mimeFolder});
  RunTool("update-desktop-database", {applications});

  if (!FindTool("xdg-mime").isEmpty()) {
    RunTool("xdg-mime", {"default", entryName, mimeType});
    return;
  }
  const QString listPath = ConfigHome() + "/mimeapps.list";
  QFile list(listPath);
  QByteArray bytes;
  if (list.open(QIODevice::ReadOnly)) bytes = list.readAll();
  list.close();
  WriteWhole(listPath, WithDefaultApplication(bytes, mimeType, entryName));
}

}  // namespace qm::ui
