#pragma once
// The program's preferences: a small record read once from the settings store
// when the main window is created and written back whole after every change.
// There is no configuration file; the store is the only place they live.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ports/ports.h"
#include "spellcraft/overcharge_chance.h"

namespace qm {

// Where the desktop program keeps the values, under the machine-wide root.
inline constexpr const char* kSettingsKey = "\\Software\\Quillmark\\";
inline constexpr const char* kVaultFileName = "master.qmv";
inline constexpr int kRecentFileCount = 5;

inline constexpr const char* kSettingsNotFoundMessage =
    "Startup registry settings were not found, default options set.";
inline constexpr const char* kFirstRunAssociatedMessage =
    "QMC and QMY files have been associated with this application";
inline constexpr const char* kFilesRegisteredMessage =
    "QMC and QMY files have been associated with this program.";

struct SettingsRecord {
  std::string Start;            // start directory: always the files directory once loaded
  std::string Temps;            // template directory
  std::uint8_t LVFilter = 50;   // level filter of item searches, 5 to 50
  std::uint8_t Quickbar = 255;  // 0 hides the quick bar
  std::uint8_t Utility = 255;   // 0 hides the per-slot measures and their total
  bool StartMax = true;
  bool VerifiedOnly = false;
  std::int32_t VaultVersion = 0;                 // kept and written back unchanged
  std::uint8_t UtilSetting = 0;                  // per-slot measure 0 to 3
  bool Fifthslot = false;                        // force the fifth-slot calculation
  bool WSlot = true;                             // choose the weapon slot automatically
  std::uint8_t Server = 0;                       // default server type of new templates, 0 to 4
  std::int32_t CraftSkill = kDefaultCraftSkill;  // the spellcraft tab's skill, 1 to 1200
  bool UseBundledVault = false;  // start with the bundled sample vault even when the user has one
  std::array<std::string, kRecentFileCount> Files;  // recent templates, Files[0] most recent
  std::string VaultPath;  // derived: program directory + "master.qmv"; never stored
};

// The directory holding programPath, with a trailing separator.
std::string ProgramDirectoryOf(std::string_view programPath);

// What the desktop says about the user's folders. An installed program lives
// where the user may not write, so templates then go to a folder of their own
// in the documents folder.
struct UserFolders {
  std::string documents;  // the user's documents folder
  bool programDirectoryWritable = true;
  // The program's own folder in the user's data folder ($XDG_DATA_HOME/Quillmark);
  // empty when the desktop names none, and then the user has no vault of their own.
  std::string data;
};

// The player's own vault: the data folder's master.qmv, which importing item
// data writes and start-up prefers to the bundled sample. Empty without a data folder.
std::string UserVaultPath(const UserFolders& folders);

// The folder inside the documents folder that holds the user's templates.
inline constexpr const char* kDocumentsSubfolder = "Quillmark";

// The settings record of the running program and the store it lives in.
class Settings {
 public:
  Settings(SettingsStorePort& store, std::string programPath, UserFolders folders = {});

  SettingsRecord& Record() { return record_; }
  const SettingsRecord& Record() const { return record_; }
  // The store itself, for the windows that keep values of their own beside the record's.
  SettingsStorePort& Store() { return store_; }
  const std::string& ProgramPath() const { return programPath_; }
  const std::string& ProgramDirectory() const { return programDirectory_; }
  // Where the start and template directories default to: the program
  // directory, or documents/Quillmark/ when the program directory is not
  // writable; with a trailing separator.
  const std::string& FilesDirectory() const { return filesDirectory_; }
  // UserVaultPath of the folders the program was given.
  const std::string& UserVaultPath() const { return userVaultPath_; }
  // Whether the player's own vault file is there now.
  bool UserVaultExists() const;

  // The template and start directories as a file dialog opens them. The
  // documents folder's Quillmark folder is made the first time it is needed;
  // any other directory is handed out as the user chose it.
  const std::string& TemplateFolder();
  const std::string& StartFolder();

  // True when the settings key can be opened.
  bool SettingsExist();
  // Reads every value, taking its default for each value the key lacks. The
  // start directory then becomes the files directory, and so does a
  // template directory that no longer exists.
  void LoadSettings();
  // The first-run values, in memory only.
  void DefaultSettings();
  // Writes every value in table order; false (and nothing written) when the
  // key cannot be opened or created.
  bool SaveSettings();

 private:
  const std::string& Prepared(const std::string& folder);

  SettingsStorePort& store_;
  std::string programPath_;
  std::string programDirectory_;
  std::string filesDirectory_;
  std::string userVaultPath_;
  SettingsRecord record_;
};

// Associates ".qmc" and then ".qmy" with the program.
void RegisterFileTypes(ShellPort& shell, std::string_view programPath);

// The settings as the main window's creation uses them: loaded when they
// exist; otherwise the first-run defaults, with file types associated and the
// two notices. Nothing is written here: the first save comes when the main
// window is shown.
void ApplyStartupSettings(Settings& settings, UserPort& user, ShellPort& shell);

// "&Register Quillmark Files": associates the file types and says so.
void RegisterQuillmarkFiles(const Settings& settings, UserPort& user, ShellPort& shell);

}  // namespace qm
