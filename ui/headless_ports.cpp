#include "ui/headless_ports.h"

namespace qm::ui {

// The cancel answer of every question leaves the template as it is.
Answer QuietUserPort::AskUser(std::string_view message, std::string_view, std::string_view,
                              std::string_view, std::string_view abortCaption, std::string_view) {
  messages.emplace_back(message);
  return abortCaption.empty() ? Answer::Cancel : Answer::Abort;
}

void QuietUserPort::ShowMessage(std::string_view text) {
  messages.emplace_back(text);
}

bool QuietUserPort::AskYesNo(std::string_view text, std::string_view) {
  messages.emplace_back(text);
  return false;
}

bool MemorySettingsStore::OpenKey(bool create) {
  if (create) exists_ = true;
  return exists_;
}

bool MemorySettingsStore::ValueExists(std::string_view name) {
  return strings_.find(name) != strings_.end() || integers_.find(name) != integers_.end();
}

std::string MemorySettingsStore::ReadString(std::string_view name) {
  const auto found = strings_.find(name);
  return found == strings_.end() ? std::string() : found->second;
}

int MemorySettingsStore::ReadInteger(std::string_view name) {
  const auto found = integers_.find(name);
  return found == integers_.end() ? 0 : found->second;
}

bool MemorySettingsStore::ReadBool(std::string_view name) {
  return ReadInteger(name) != 0;
}

void MemorySettingsStore::WriteString(std::string_view name, std::string_view value) {
  strings_[std::string(name)] = std::string(value);
}

void MemorySettingsStore::WriteInteger(std::string_view name, int value) {
  integers_[std::string(name)] = value;
}

void MemorySettingsStore::WriteBool(std::string_view name, bool value) {
  WriteInteger(name, value ? 1 : 0);
}

}  // namespace qm::ui
