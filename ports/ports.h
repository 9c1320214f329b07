#pragma once
// The ports through which the window models reach the user. Models never show
// anything themselves: the desktop program implements these with Qt, the CLI
// with quiet defaults, and tests with scripted fakes. Header-only, so every
// model library can use them without linking the shell.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The button of the question dialog the user pressed. The numbers are the
// dialog's own results (TCustomDlg::ModalResult).
enum class Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4 };

// Questions, notices and the beep.
class UserPort {
 public:
  virtual ~UserPort() = default;
  // The question dialog: the button pressed. An empty abort or retry caption
  // hides that button.
  virtual Answer AskUser(std::string_view message, std::string_view title,
                         std::string_view okCaption, std::string_view cancelCaption,
                         std::string_view abortCaption, std::string_view retryCaption) = 0;
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
  std::string FileName;  // proposed name
  bool PromptOverwrite = false;
  bool FileMustExist = false;  // open dialogs that accept only an existing file
  bool ChooseFolder = false;   // an open dialog that picks an existing folder, not a file
};

// Open and save dialogs (an open dialog may pick a folder); an empty result
// means the dialog was cancelled.
class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  virtual std::string AskOpenPath(const FileDialogRequest& request) = 0;
  // An open dialog that takes several files at once; empty when cancelled.
  virtual std::vector<std::string> AskOpenPaths(const FileDialogRequest& request) {
    std::string path = AskOpenPath(request);
    if (path.empty()) return {};
    return {std::move(path)};
  }
  virtual std::string AskSavePath(const FileDialogRequest& request) = 0;
};

// The desktop shell.
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Asks the shell to "open" a web address; always counts as success.
  virtual void OpenInShell(std::string_view target) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Associates a file extension, given without its dot ("qmc"), with the
  // program file at programPath (the entries are listed by FileTypeEntries in
  // shell/file_types.h), then tells the desktop that associations changed.
  virtual void AssociateExtension(std::string_view extension, std::string_view programPath) = 0;
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

// The instance record shared by every running copy: the copy that takes
// hand-overs (its application window) and how many copies count as running.
struct InstanceRecord {
  std::uint32_t Window = 0;
  std::uint32_t Count = 0;
};

// A block of bytes handed from one copy to another: a data word, then count
// bytes.
struct CopyDataBlock {
  std::uint32_t Data = 0;
  std::uint32_t Count = 0;
  const char* Bytes = nullptr;
};

// Where a copy's channel delivers the hand-overs of later starts.
class OpenFileReceiver {
 public:
  virtual ~OpenFileReceiver() = default;
  // Every block counts as handled once this returns.
  virtual void ReceiveOpenFile(const CopyDataBlock& block) = 0;
};

// How one copy of the program finds the others: a small record shared between
// processes, and a hand-over of a path to the copy that takes them. A desktop
// lets a program raise only its own windows, so the copy that receives a
// hand-over brings itself to the front. The desktop program backs it with a
// per-user lock file and a local socket.
class InstanceChannelPort {
 public:
  enum class CreateOutcome { Created, Existed, Failed };
  virtual ~InstanceChannelPort() = default;
  // Creates the record "Quillmark" (8 bytes) and holds it when it is new.
  virtual CreateOutcome CreateRecord() = 0;
  // Opens a record that already exists; false when access is refused.
  virtual bool OpenRecord() = 0;
  virtual InstanceRecord ReadRecord() = 0;
  virtual void WriteRecord(const InstanceRecord& record) = 0;
  // Gives up this process's hold on the record.
  virtual void ReleaseRecord() = 0;
  // Sends block to the copy that takes hand-overs and waits until it was
  // handled (or the copy stopped answering).
  virtual void SendOpenFile(const CopyDataBlock& block) = 0;
  // Routes the blocks later starts send to this copy to receiver; nullptr
  // removes it. Blocks that arrive while none is installed wait for one.
  virtual void InstallReceiver(OpenFileReceiver* receiver) = 0;
  // Restores this copy's own main window when it is minimized and brings it
  // to the front.
  virtual void BringOwnWindowToFront() = 0;
};

// The window system as start-up drives it.
class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  // The handle other copies use to reach this one.
  virtual std::uint32_t ApplicationWindow() = 0;
  // Makes the main window, hidden; the other windows are made on first use.
  virtual void CreateMainWindow() = 0;
  virtual void SetMainWindowEnabled(bool enabled) = 0;
  // Shows the splash window, or repaints it with new texts while it is shown.
  virtual void ShowSplash(std::string_view title, std::string_view loadingText) = 0;
  virtual void HideSplash() = 0;
  // Shows the main window and runs until it closes; the event loop's own exit code.
  virtual int RunEventLoop() = 0;
};

}  // namespace qm
