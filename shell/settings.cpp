#include "shell/settings.h"

#include <filesystem>
#include <system_error>

namespace qm {
namespace {

bool DirectoryExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

std::string FilesDirectoryOf(const std::string& programDirectory, const UserFolders& folders) {
  if (folders.programDirectoryWritable || folders.documents.empty()) return programDirectory;
  std::string documents = folders.documents;
  if (documents.back() != '/' && documents.back() != '\\') documents += '/';
  return documents + kDocumentsSubfolder + '/';
}

std::string RecentName(int position) {
  return "File" + std::to_string(position + 1);
}

}  // namespace

std::string UserVaultPath(const UserFolders& folders) {
  if (folders.data.empty()) return {};
  std::string path = folders.data;
  if (path.back() != '/' && path.back() != '\\') path += '/';
  return path + kVaultFileName;
}

std::string ProgramDirectoryOf(std::string_view programPath) {
  const std::size_t cut = programPath.find_last_of("/\\");
  if (cut == std::string_view::npos) return {};
  return std::string(programPath.substr(0, cut + 1));
}

Settings::Settings(SettingsStorePort& store, std::string programPath, UserFolders folders)
    : store_(store),
      programPath_(std::move(programPath)),
      programDirectory_(ProgramDirectoryOf(programPath_)),
      filesDirectory_(FilesDirectoryOf(programDirectory_, folders)),
      userVaultPath_(qm::UserVaultPath(folders)) {
  DefaultSettings();
}

const std::string& Settings::TemplateFolder() {
  return Prepared(record_.Temps);
}

const std::string& Settings::StartFolder() {
  return Prepared(record_.Start);
}

const std::string& Settings::Prepared(const std::string& folder) {
  // Only the folder this program chose is ever made; a folder the user picked
  // and later removed is left to the dialog to complain about. A folder that
  // cannot be made is not an error here: the dialog then opens elsewhere.
  if (folder == filesDirectory_ && filesDirectory_ != programDirectory_ &&
      !DirectoryExists(folder)) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder), error);
  }
  return folder;
}

bool Settings::UserVaultExists() const {
  if (userVaultPath_.empty()) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(userVaultPath_), error);
}

bool Settings::SettingsExist() {
  return store_.KeyExists();
}

void Settings::DefaultSettings() {
  // Every value's default for a missing value equals its first-run default,
  // so one set of defaults serves both.
  record_ = SettingsRecord{};
  record_.Start = filesDirectory_;
  record_.Temps = filesDirectory_;
  record_.VaultPath = programDirectory_ + kVaultFileName;
}

void Settings::LoadSettings() {
  DefaultSettings();
  if (store_.OpenKey(true)) {
    auto readString = [&](std::string_view name, std::string& field) {
      if (store_.ValueExists(name)) field = store_.ReadString(name);
    };
    auto readByte = [&](std::string_view name, std::uint8_t& field) {
      // Held as 8 bits: a larger stored number keeps only its low byte.
      if (store_.ValueExists(name)) field = static_cast<std::uint8_t>(store_.ReadInteger(name));
    };
    auto readBool = [&](std::string_view name, bool& field) {
      if (store_.ValueExists(name)) field = store_.ReadBool(name);
    };
    readString("Start", record_.Start);
    readString("Temps", record_.Temps);
    readByte("LVFilter", record_.LVFilter);
    readByte("Quickbar", record_.Quickbar);
    readByte("Utility", record_.Utility);
    readBool("StartMax", record_.StartMax);
    readBool("VerifiedOnly", record_.VerifiedOnly);
    if (store_.ValueExists("VaultVersion"))
      record_.VaultVersion = store_.ReadInteger("VaultVersion");
    readByte("UtilSetting", record_.UtilSetting);
    readBool("Fifthslot", record_.Fifthslot);
    readBool("WSlot", record_.WSlot);
    readByte("Server", record_.Server);
    if (store_.ValueExists("CraftSkill"))
      record_.CraftSkill = ClampCraftSkill(store_.ReadInteger("CraftSkill"));
    readBool("UseBundledVault", record_.UseBundledVault);
    for (int i = 0; i < kRecentFileCount; ++i) readString(RecentName(i), record_.Files[i]);
  }
  record_.VaultPath = programDirectory_ + kVaultFileName;
  // The program may have been moved since the last run: the start directory
  // always follows it, and a vanished template directory falls back to it.
  record_.Start = filesDirectory_;
  if (!DirectoryExists(record_.Temps)) record_.Temps = filesDirectory_;
}

bool Settings::SaveSettings() {
  if (!store_.OpenKey(true)) return false;
  store_.WriteString("Start", record_.Start);
  store_.WriteString("Temps", record_.Temps);
  store_.WriteInteger("LVFilter", record_.LVFilter);
  store_.WriteInteger("Quickbar", record_.Quickbar);
  store_.WriteInteger("Utility", record_.Utility);
  store_.WriteBool("StartMax", record_.StartMax);
  store_.WriteBool("VerifiedOnly", record_.VerifiedOnly);
  store_.WriteInteger("VaultVersion", record_.VaultVersion);
  store_.WriteInteger("UtilSetting", record_.UtilSetting);
  store_.WriteBool("Fifthslot", record_.Fifthslot);
  store_.WriteBool("WSlot", record_.WSlot);
  store_.WriteInteger("Server", record_.Server);
  store_.WriteInteger("CraftSkill", record_.CraftSkill);
  store_.WriteBool("UseBundledVault", record_.UseBundledVault);
  for (int i = 0; i < kRecentFileCount; ++i) store_.WriteString(RecentName(i), record_.Files[i]);
  return true;
}

void RegisterFileTypes(ShellPort& shell, std::string_view programPath) {
  shell.AssociateExtension("qmc", programPath);
  shell.AssociateExtension("qmy", programPath);
}

void ApplyStartupSettings(Settings& settings, UserPort& user, ShellPort& shell) {
  if (settings.SettingsExist()) {
    settings.LoadSettings();
    return;
  }
  user.ShowMessage(kSettingsNotFoundMessage);
  settings.DefaultSettings();
  RegisterFileTypes(shell, settings.ProgramPath());
  user.ShowMessage(kFirstRunAssociatedMessage);
}

void RegisterQuillmarkFiles(const Settings& settings, UserPort& user, ShellPort& shell) {
  RegisterFileTypes(shell, settings.ProgramPath());
  user.ShowMessage(kFilesRegisteredMessage);
}

}  // namespace qm
