#pragma once
// Ports for a run that must show nothing and wait for nothing (the
// screenshot mode): questions take their safe answer, messages are kept for
// the caller, dialogs are cancelled, settings live in memory only, and the
// instance record belongs to this process alone.
#include <map>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace qm::ui {

class QuietUserPort : public UserPort {
 public:
  std::vector<std::string> messages;
  Answer AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
                 std::string_view cancelCaption, std::string_view abortCaption,
                 std::string_view retryCaption) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Beep() override {}
};

class CancelledFileDialogs : public FileDialogPort {
 public:
  std::string AskOpenPath(const FileDialogRequest&) override { return {}; }
  std::string AskSavePath(const FileDialogRequest&) override { return {}; }
};

class QuietShell : public ShellPort {
 public:
  void OpenInShell(std::string_view) override {}
  void SetBusyCursor(bool) override {}
  void AssociateExtension(std::string_view, std::string_view) override {}
};

// Starts empty, so the program runs on its first-run defaults.
class MemorySettingsStore : public SettingsStorePort {
 public:
  bool KeyExists() override { return exists_; }
  bool OpenKey(bool create) override;
  bool ValueExists(std::string_view name) override;
  std::string ReadString(std::string_view name) override;
  int ReadInteger(std::string_view name) override;
  bool ReadBool(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int value) override;
  void WriteBool(std::string_view name, bool value) override;

 private:
  bool exists_ = false;
  std::map<std::string, std::string, std::less<>> strings_;
  std::map<std::string, int, std::less<>> integers_;
};

class PrivateInstanceChannel : public InstanceChannelPort {
 public:
  CreateOutcome CreateRecord() override { return CreateOutcome::Created; }
  bool OpenRecord() override { return true; }
  InstanceRecord ReadRecord() override { return record_; }
  void WriteRecord(const InstanceRecord& record) override { record_ = record; }
  void ReleaseRecord() override {}
  void SendOpenFile(const CopyDataBlock&) override {}
  void BringOwnWindowToFront() override {}
  void InstallReceiver(OpenFileReceiver*) override {}

 private:
  InstanceRecord record_;
};

}  // namespace qm::ui
