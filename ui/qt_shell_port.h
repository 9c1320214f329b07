#pragma once
// The desktop shell: web addresses open in the user's browser, the busy
// cursor, and the file registration the freedesktop way. Registering an
// extension installs the program's MIME package and desktop entry into the
// user's XDG data folder, under the names the installed package uses,
// refreshes the MIME and desktop databases where their tools exist, and makes
// the program the default for the type.
#include <QString>
#include <QStringList>

#include "ports/ports.h"

namespace qm::ui {

// The MIME type of one of the program's extensions ("qmc" gives
// "application/x-quillmark-template"); the names are those of
// dist/desktop_ids.h, which the installed files share.
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
