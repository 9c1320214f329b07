#include "support/fake_ports.h"

namespace qm::testing {
namespace {

std::string Joined(std::string_view a, std::string_view b) {
  return std::string(a) + ": " + std::string(b);
}

}  // namespace

void LoggingFake::Note(std::string event) {
  if (shared != nullptr) shared->entries.push_back(event);
  events.push_back(std::move(event));
}

Answer FakeUserPort::AskUser(std::string_view message, std::string_view title,
                             std::string_view okCaption, std::string_view cancelCaption,
                             std::string_view abortCaption, std::string_view retryCaption) {
  questions.push_back({std::string(message), std::string(title), std::string(okCaption),
                       std::string(cancelCaption), std::string(abortCaption),
                       std::string(retryCaption)});
  Note(Joined("ask", message));
  if (whileAsking) whileAsking();
  if (answers.empty()) {
    ++unscripted;
    return defaultAnswer;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeUserPort::ShowMessage(std::string_view text) {
  messages.emplace_back(text);
  Note(Joined("message", text));
}

bool FakeUserPort::AskYesNo(std::string_view text, std::string_view title) {
  questions.push_back({std::string(text), std::string(title), "Yes", "No", "", ""});
  Note(Joined("yes/no", text));
  if (whileAsking) whileAsking();
  if (yesNoAnswers.empty()) {
    ++unscripted;
    return defaultYesNo;
  }
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

void FakeUserPort::Beep() {
  ++beeps;
  Note("beep");
}

std::string FakeFileDialogs::AskOpenPath(const FileDialogRequest& request) {
  openRequests.push_back(request);
  Note(Joined("open dialog", request.Title));
  if (whileOpen) whileOpen();
  if (openAnswers.empty()) return {};
  std::string path = openAnswers.front();
  openAnswers.pop_front();
  return path;
}

std::string FakeFileDialogs::AskSavePath(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  Note(Joined("save dialog", request.Title));
  if (whileOpen) whileOpen();
  if (saveAnswers.empty()) return {};
  std::string path = saveAnswers.front();
  saveAnswers.pop_front();
  return path;
}

void FakeShell::OpenInShell(std::string_view target) {
  opened.emplace_back(target);
  Note(Joined("open", target));
}

void FakeShell::SetBusyCursor(bool value) {
  busy = value;
  busyChanges.push_back(value);
  Note(value ? "busy cursor" : "normal cursor");
}

void FakeShell::AssociateExtension(std::string_view extension, std::string_view programPath) {
  associations.emplace_back(extension, programPath);
  Note(Joined("associate", extension));
}

void FakeSettingsStore::Preset(const std::string& name, Value value) {
  keyExists = true;
  values[name] = std::move(value);
}

std::optional<FakeSettingsStore::Value> FakeSettingsStore::Get(std::string_view name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

bool FakeSettingsStore::KeyExists() {
  return keyExists;
}

bool FakeSettingsStore::OpenKey(bool create) {
  if (!canCreate) return false;
  if (!keyExists && create) {
    keyExists = true;
    Note("settings key created");
  }
  return keyExists;
}

bool FakeSettingsStore::ValueExists(std::string_view name) {
  return keyExists && values.contains(name);
}

std::string FakeSettingsStore::ReadString(std::string_view name) {
  const auto value = Get(name);
  if (!value) return {};
  if (const auto* text = std::get_if<std::string>(&*value)) return *text;
  return std::to_string(std::get<int>(*value));
}

int FakeSettingsStore::ReadInteger(std::string_view name) {
  const auto value = Get(name);
  if (!value) return 0;
  if (const auto* number = std::get_if<int>(&*value)) return *number;
  return 0;
}

bool FakeSettingsStore::ReadBool(std::string_view name) {
  return ReadInteger(name) != 0;
}

void FakeSettingsStore::WriteString(std::string_view name, std::string_view value) {
  values[std::string(name)] = std::string(value);
  writes.emplace_back(name);
}

void FakeSettingsStore::WriteInteger(std::string_view name, int value) {
  values[std::string(name)] = value;
  writes.emplace_back(name);
}

void FakeSettingsStore::WriteBool(std::string_view name, bool value) {
  WriteInteger(name, value ? 1 : 0);
}

InstanceChannelPort::CreateOutcome FakeInstanceChannel::CreateRecord() {
  if (machine_.createFails) return CreateOutcome::Failed;
  const bool existed = machine_.record.has_value();
  if (!existed) machine_.record = InstanceRecord{};
  if (!holds_) {
    holds_ = true;
    ++machine_.holders;
  }
  Note(existed ? "record existed" : "record created");
  return existed ? CreateOutcome::Existed : CreateOutcome::Created;
}

bool FakeInstanceChannel::OpenRecord() {
  if (machine_.openFails || !machine_.record) return false;
  if (!holds_) {
    holds_ = true;
    ++machine_.holders;
  }
  return true;
}

InstanceRecord FakeInstanceChannel::ReadRecord() {
  return machine_.record.value_or(InstanceRecord{});
}

void FakeInstanceChannel::WriteRecord(const InstanceRecord& record) {
  if (machine_.record) machine_.record = record;
}

void FakeInstanceChannel::ReleaseRecord() {
  if (!holds_) return;
  holds_ = false;
  if (--machine_.holders == 0) machine_.record.reset();
  Note("record released");
}

void FakeInstanceChannel::SendOpenFile(const CopyDataBlock& block) {
  if (!machine_.record) return;
  const std::uint32_t target = machine_.record->Window;
  Note("send open-file to " + std::to_string(target));
  const auto it = machine_.receivers.find(target);
  if (it != machine_.receivers.end() && it->second != nullptr) it->second->ReceiveOpenFile(block);
}

void FakeInstanceChannel::BringOwnWindowToFront() {
  machine_.minimized[window_] = false;
  machine_.foreground = window_;
  Note("bring to front " + std::to_string(window_));
}

void FakeInstanceChannel::InstallReceiver(OpenFileReceiver* receiver) {
  if (receiver != nullptr) {
    machine_.receivers[window_] = receiver;
    Note("receiver installed");
  } else {
    machine_.receivers.erase(window_);
    Note("receiver removed");
  }
}

void FakeDesktop::CreateMainWindow() {
  ++mainWindowsCreated;
  Note("main window created");
}

void FakeDesktop::SetMainWindowEnabled(bool enabled) {
  mainEnabled = enabled;
  Note(enabled ? "main window enabled" : "main window disabled");
}

void FakeDesktop::ShowSplash(std::string_view splashTitleText, std::string_view loadingText) {
  splashVisible = true;
  splashTitle = splashTitleText;
  splashLoading = loadingText;
  Note("splash: " + splashTitle + " " + splashLoading);
}

void FakeDesktop::HideSplash() {
  splashVisible = false;
  Note("splash hidden");
}

int FakeDesktop::RunEventLoop() {
  ++eventLoopRuns;
  Note("event loop");
  return eventLoop ? eventLoop() : 0;
}

}  // namespace qm::testing
