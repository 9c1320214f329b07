#pragma once
// The settings store as one INI file per user under the XDG config folder:
// the file is the key, its values are the stored names. Booleans are kept as
// 0 and 1, as the model writes them.
#include <QSettings>
#include <QString>
#include <memory>

#include "ports/ports.h"

namespace qm::ui {

class QtSettingsStore : public SettingsStorePort {
 public:
  // The file at its usual place, $XDG_CONFIG_HOME/Quillmark/Quillmark.ini.
  QtSettingsStore();
  explicit QtSettingsStore(QString filePath);

  static QString DefaultFilePath();
  const QString& FilePath() const { return path_; }

  bool KeyExists() override;
  bool OpenKey(bool create) override;
  bool ValueExists(std::string_view name) override;
  std::string ReadString(std::string_view name) override;
  int ReadInteger(std::string_view name) override;
  bool ReadBool(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int value) override;
  void WriteBool(std::string_view name, bool value) override;

 private:
  QSettings& Store();
  void Write(std::string_view name, const QVariant& value);

  QString path_;
  std::unique_ptr<QSettings> settings_;
  // Cleared when a write did not reach the file: later saves are skipped and
  // the program goes on with the values it holds in memory.
  bool writable_ = true;
};

}  // namespace qm::ui
