#pragma once
// The desktop shell: web addresses open in the user's browser, the busy
// cursor, and the file registration the freedesktop way. Registering an
// extension installs its MIME type and the program's desktop entry into the
// user's XDG data folder, refreshes the MIME and desktop databases where
// their tools exist, and makes the program the default for the type.
#include <QString>
#include <QStringList>

#include "ports/ports.h"

namespace qm::ui {

// The desktop entry every registration writes, under applications/.
inline constexpr const char* kDesktopEntryName = "quillmark.desktop";

// The MIME type of a template extension ("qmc" gives
// "application/x-quillmark-template").
QString MimeTypeOfExtension(std::string_view extension);

class QtShellPort : public ShellPort {
 public:
  QtShellPort() = default;
  ~QtShellPort() override;

  void OpenInShell(std::string_view target) override;
  void SetBusyCursor(bool busy) override;
  void AssociateExtension(std::string_view extension, std::string_view programPath) override;

  // Where the database tools are looked for; the PATH when never set.
  void SetToolFolders(QStringList folders) { toolFolders_ = std::move(folders); }

 private:
  QString FindTool(const QString& name) const;
  void RunTool(const QString& tool, const QStringList& arguments) const;

  QStringList toolFolders_;
  bool busy_ = false;
};

}  // namespace qm::ui
