#include "ui/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qm::ui {
namespace {

QString Key(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(DefaultFilePath()) {}

QtSettingsStore::QtSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString QtSettingsStore::DefaultFilePath() {
  // Looked up on every construction, so a changed XDG_CONFIG_HOME is seen.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/Quillmark/Quillmark.ini";
}

QSettings& QtSettingsStore::Store() {
  if (!settings_) settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
  return *settings_;
}

bool QtSettingsStore::KeyExists() {
  return QFileInfo(path_).isFile();
}

bool QtSettingsStore::OpenKey(bool create) {
  if (!create) return KeyExists();
  if (!writable_) return false;
  if (!KeyExists()) {
    // Making the empty file now tells at once whether the folder takes it.
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
  }
  return QFileInfo(path_).isWritable();
}

bool QtSettingsStore::ValueExists(std::string_view name) {
  return KeyExists() && Store().contains(Key(name));
}

std::string QtSettingsStore::ReadString(std::string_view name) {
  // The stored texts are paths: kept in the file in the file system's own
  // encoding, so they name the same files again.
  return QFile::encodeName(Store().value(Key(name)).toString()).toStdString();
}

int QtSettingsStore::ReadInteger(std::string_view name) {
  return Store().value(Key(name)).toInt();
}

bool QtSettingsStore::ReadBool(std::string_view name) {
  const QVariant value = Store().value(Key(name));
  bool number = false;
  const int n = value.toInt(&number);
  return number ? n != 0 : value.toBool();
}

void QtSettingsStore::WriteString(std::string_view name, std::string_view value) {
  Write(name, QFile::decodeName(QByteArray(value.data(), static_cast<qsizetype>(value.size()))));
}

void QtSettingsStore::WriteInteger(std::string_view name, int value) {
  Write(name, value);
}

void QtSettingsStore::WriteBool(std::string_view name, bool value) {
  Write(name, value ? 1 : 0);
}

void QtSettingsStore::Write(std::string_view name, const QVariant& value) {
  if (!writable_) return;
  QSettings& store = Store();
  store.setValue(Key(name), value);
  // Each value reaches the file at once, so a crash keeps every setting made.
  store.sync();
  if (store.status() != QSettings::NoError) writable_ = false;
}

}  // namespace qm::ui
