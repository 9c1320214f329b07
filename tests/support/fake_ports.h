#pragma once
// Scripted stand-ins for the ports, for driving window models in tests. Each
// fake keeps its own list of what happened and can also write into a log
// shared by several fakes, so a test can check the order across them.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ports/ports.h"

namespace qm::testing {

struct EventLog {
  std::vector<std::string> entries;
};

class LoggingFake {
 public:
  std::vector<std::string> events;
  EventLog* shared = nullptr;

 protected:
  void Note(std::string event);
};

// Questions take their answers from the script in order; an unscripted
// question answers defaultAnswer and is counted in unscripted.
class FakeUserPort : public UserPort, public LoggingFake {
 public:
  struct Question {
    std::string message, title, ok, cancel, abort, retry;
  };

  std::deque<Answer> answers;
  std::deque<bool> yesNoAnswers;
  Answer defaultAnswer = Answer::Cancel;
  bool defaultYesNo = false;

  std::vector<Question> questions;
  std::vector<std::string> messages;
  int beeps = 0;
  int unscripted = 0;
  // Runs while a question waits for its answer, as the event loop of a
  // modal question would run what arrives meanwhile.
  std::function<void()> whileAsking;

  Answer AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
                 std::string_view cancelCaption, std::string_view abortCaption,
                 std::string_view retryCaption) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Beep() override;
};

// An unscripted dialog counts as cancelled (empty path).
class FakeFileDialogs : public FileDialogPort, public LoggingFake {
 public:
  std::deque<std::string> openAnswers;
  std::deque<std::string> saveAnswers;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  // Runs while a dialog is open (see FakeUserPort::whileAsking).
  std::function<void()> whileOpen;

  std::string AskOpenPath(const FileDialogRequest& request) override;
  std::string AskSavePath(const FileDialogRequest& request) override;
};

class FakeShell : public ShellPort, public LoggingFake {
 public:
  std::vector<std::string> opened;
  std::vector<bool> busyChanges;
  bool busy = false;
  std::vector<std::pair<std::string, std::string>> associations;  // extension, program

  void OpenInShell(std::string_view target) override;
  void SetBusyCursor(bool value) override;
  void AssociateExtension(std::string_view extension, std::string_view programPath) override;
};

// An in-memory settings key. Booleans are kept as integers 0 and 1, as the
// real store keeps them; writes are listed by value name in order.
class FakeSettingsStore : public SettingsStorePort, public LoggingFake {
 public:
  using Value = std::variant<std::string, int>;

  bool keyExists = false;
  bool canCreate = true;  // false: the key can be neither created nor opened for writing
  std::map<std::string, Value, std::less<>> values;
  std::vector<std::string> writes;

  // Presets a value (and the key) without counting it as a write.
  void Preset(const std::string& name, Value value);
  std::optional<Value> Get(std::string_view name) const;

  bool KeyExists() override;
  bool OpenKey(bool create) override;
  bool ValueExists(std::string_view name) override;
  std::string ReadString(std::string_view name) override;
  int ReadInteger(std::string_view name) override;
  bool ReadBool(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int value) override;
  void WriteBool(std::string_view name, bool value) override;
};

// The machine the copies of the program share: the instance record (alive
// while any copy holds it, as named shared memory is), the receivers of the
// copies' windows, and which window is in front. Hand-overs go to the copy
// the record names.
struct FakeInstanceMachine {
  bool createFails = false;
  bool openFails = false;
  std::optional<InstanceRecord> record;
  int holders = 0;
  std::map<std::uint32_t, OpenFileReceiver*> receivers;
  std::map<std::uint32_t, bool> minimized;
  std::optional<std::uint32_t> foreground;
};

// One copy's view of the machine; window is the copy's application window.
class FakeInstanceChannel : public InstanceChannelPort, public LoggingFake {
 public:
  FakeInstanceChannel(FakeInstanceMachine& machine, std::uint32_t window)
      : machine_(machine), window_(window) {}

  CreateOutcome CreateRecord() override;
  bool OpenRecord() override;
  InstanceRecord ReadRecord() override;
  void WriteRecord(const InstanceRecord& record) override;
  void ReleaseRecord() override;
  void SendOpenFile(const CopyDataBlock& block) override;
  void InstallReceiver(OpenFileReceiver* receiver) override;
  void BringOwnWindowToFront() override;

  bool Holds() const { return holds_; }

 private:
  FakeInstanceMachine& machine_;
  std::uint32_t window_;
  bool holds_ = false;
};

// The window system of one copy; the event loop runs eventLoop, if set, so a
// test can act while the program "runs".
class FakeDesktop : public DesktopPort, public LoggingFake {
 public:
  explicit FakeDesktop(std::uint32_t window = 1) : window(window) {}

  std::uint32_t window;
  int mainWindowsCreated = 0;
  bool mainEnabled = true;
  bool splashVisible = false;
  std::string splashTitle, splashLoading;
  std::function<int()> eventLoop;
  int eventLoopRuns = 0;

  std::uint32_t ApplicationWindow() override { return window; }
  void CreateMainWindow() override;
  void SetMainWindowEnabled(bool enabled) override;
  void ShowSplash(std::string_view splashTitleText, std::string_view loadingText) override;
  void HideSplash() override;
  int RunEventLoop() override;
};

}  // namespace qm::testing
