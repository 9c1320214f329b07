#pragma once
// The ports through which the window models reach the user. Models never show
// anything themselves: the desktop program implements these with Qt, the CLI
// with quiet defaults, and tests with scripted fakes. Header-only, so every
// model library can use them without linking the shell.
#include <string>
#include <string_view>

namespace qm {

// Questions, notices and the beep.
class UserPort {
 public:
  virtual ~UserPort() = default;
  // The question dialog: returns 1 (ok), 2 (cancel), 3 (abort) or 4 (retry).
  // An empty abort or retry caption hides that button.
  virtual int AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
                      std::string_view cancelCaption, std::string_view abortCaption,
                      std::string_view retryCaption) = 0;
  // A plain message box with a fixed text.
  virtual void ShowMessage(std::string_view text) = 0;
  // A yes/no question; true for yes.
  virtual bool AskYesNo(std::string_view text, std::string_view title) = 0;
  virtual void Beep() = 0;
};

struct FileDialogRequest {
  std::string Title;
  std::string Filter;            // e.g. "Template Files (*.qmc)|*.qmc"
  std::string DefaultExtension;  // without the dot
  std::string InitialFolder;
  std::string FileName;          // proposed name
  bool PromptOverwrite = false;
};

// Open and save dialogs; an empty result means the dialog was cancelled.
class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  virtual std::string AskOpenPath(const FileDialogRequest& request) = 0;
  virtual std::string AskSavePath(const FileDialogRequest& request) = 0;
};

// The desktop shell.
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Asks the shell to "open" a web address; always counts as success.
  virtual void OpenInShell(std::string_view target) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Associates a file extension (".qmc") with the program.
  virtual void AssociateExtension(std::string_view extension, std::string_view description) = 0;
};

// The machine's settings store: typed values under one key.
class SettingsStorePort {
 public:
  virtual ~SettingsStorePort() = default;
  virtual bool KeyExists() = 0;
  virtual bool OpenKey(bool create) = 0;
  virtual bool ValueExists(std::string_view name) = 0;
  virtual std::string ReadString(std::string_view name) = 0;
  virtual int ReadInteger(std::string_view name) = 0;
  virtual bool ReadBool(std::string_view name) = 0;
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view name, int value) = 0;
  virtual void WriteBool(std::string_view name, bool value) = 0;
};

}  // namespace qm
