#pragma once
// Plain Qt forms of the ports for the interactive program, kept here only
// until the window layer's own adapters (question dialog, file dialogs,
// shell, settings store, single-copy channel) replace them.
#include "ports/ports.h"

namespace qm::app {

class MessageBoxUser : public UserPort {
 public:
  int AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
              std::string_view cancelCaption, std::string_view abortCaption,
              std::string_view retryCaption) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Beep() override;
};

class PlainFileDialogs : public FileDialogPort {
 public:
  std::string AskOpenPath(const FileDialogRequest& request) override;
  std::string AskSavePath(const FileDialogRequest& request) override;
};

class DesktopServicesShell : public ShellPort {
 public:
  void OpenInShell(std::string_view target) override;
  void SetBusyCursor(bool busy) override;
  void AssociateExtension(std::string_view, std::string_view) override {}
};

}  // namespace qm::app
