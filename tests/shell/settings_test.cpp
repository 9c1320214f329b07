#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/file_types.h"
#include "shell/options_dialog.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using testing::FakeSettingsStore;
using testing::FakeShell;
using testing::FakeUserPort;

constexpr const char* kProgram = "/opt/quillmark/quillmark";
constexpr const char* kProgramDir = "/opt/quillmark/";

const std::vector<std::string> kWriteOrder{
    "Start",    "Temps",        "LVFilter",     "Quickbar",        "Utility",
    "StartMax", "VerifiedOnly", "VaultVersion", "UtilSetting",     "Fifthslot",
    "WSlot",    "Server",       "CraftSkill",   "UseBundledVault", "File1",
    "File2",    "File3",        "File4",        "File5",
};

void ExpectFirstRunValues(const SettingsRecord& r) {
  EXPECT_EQ(r.Start, kProgramDir);
  EXPECT_EQ(r.Temps, kProgramDir);
  EXPECT_EQ(r.LVFilter, 50);
  EXPECT_EQ(r.Quickbar, 255);
  EXPECT_EQ(r.Utility, 255);
  EXPECT_TRUE(r.StartMax);
  EXPECT_FALSE(r.VerifiedOnly);
  EXPECT_EQ(r.VaultVersion, 0);
  EXPECT_EQ(r.UtilSetting, 0);
  EXPECT_FALSE(r.Fifthslot);
  EXPECT_TRUE(r.WSlot);
  EXPECT_EQ(r.Server, 0);
  EXPECT_EQ(r.CraftSkill, 1000);
  EXPECT_FALSE(r.UseBundledVault);
  for (const auto& file : r.Files) EXPECT_EQ(file, "");
  EXPECT_EQ(r.VaultPath, "/opt/quillmark/master.qmv");
}

TEST(ProgramDirectory, KeepsTheTrailingSeparatorOfEitherKind) {
  EXPECT_EQ(ProgramDirectoryOf("/opt/quillmark/quillmark"), "/opt/quillmark/");
  EXPECT_EQ(ProgramDirectoryOf("C:\\Games\\Quillmark\\quillmark.exe"), "C:\\Games\\Quillmark\\");
  EXPECT_EQ(ProgramDirectoryOf("/quillmark"), "/");
  EXPECT_EQ(ProgramDirectoryOf("quillmark"), "");
}

TEST(StartupSettings, FirstRunAssociatesFilesShowsTwoNoticesAndWritesNothing) {
  FakeSettingsStore store;
  FakeUserPort user;
  FakeShell shell;
  testing::EventLog log;
  user.shared = &log;
  shell.shared = &log;
  Settings settings(store, kProgram);
  settings.Record().LVFilter = 7;  // whatever was in memory gives way to the defaults

  ApplyStartupSettings(settings, user, shell);

  EXPECT_EQ(log.entries,
            (std::vector<std::string>{
                "message: Startup registry settings were not found, default options set.",
                "associate: qmc",
                "associate: qmy",
                "message: QMC and QMY files have been associated with this application",
            }));
  EXPECT_EQ(shell.associations, (std::vector<std::pair<std::string, std::string>>{
                                    {"qmc", kProgram}, {"qmy", kProgram}}));
  ExpectFirstRunValues(settings.Record());
  EXPECT_FALSE(store.keyExists);
  EXPECT_TRUE(store.writes.empty());
}

TEST(StartupSettings, ExistingKeyIsLoadedQuietly) {
  FakeSettingsStore store;
  store.Preset("Server", 3);
  FakeUserPort user;
  FakeShell shell;
  Settings settings(store, kProgram);

  ApplyStartupSettings(settings, user, shell);

  EXPECT_EQ(settings.Record().Server, 3);
  EXPECT_TRUE(user.messages.empty());
  EXPECT_TRUE(shell.associations.empty());
  EXPECT_TRUE(store.writes.empty());
}

TEST(LoadSettings, AnEmptyKeyGivesEveryMissingDefault) {
  FakeSettingsStore store;
  store.keyExists = true;
  Settings settings(store, kProgram);
  settings.Record().Server = 4;
  settings.LoadSettings();
  ExpectFirstRunValues(settings.Record());
}

TEST(LoadSettings, ReadsEveryStoredValue) {
  testing::TempFolder folder;
  const std::string temps = folder.Path().string() + "/";
  FakeSettingsStore store;
  store.Preset("Temps", temps);
  store.Preset("LVFilter", 20);
  store.Preset("Quickbar", 0);
  store.Preset("Utility", 0);
  store.Preset("StartMax", 0);
  store.Preset("VerifiedOnly", 1);
  store.Preset("VaultVersion", 70000);
  store.Preset("UtilSetting", 2);
  store.Preset("Fifthslot", 1);
  store.Preset("WSlot", 0);
  store.Preset("Server", 3);
  store.Preset("CraftSkill", 850);
  store.Preset("File1", "/home/p/a.qmc");
  store.Preset("File3", "/home/p/c.qmy");
  store.Preset("File5", "/home/p/e.qmc");
  Settings settings(store, kProgram);

  settings.LoadSettings();

  const SettingsRecord& r = settings.Record();
  EXPECT_EQ(r.Temps, temps);
  EXPECT_EQ(r.LVFilter, 20);
  EXPECT_EQ(r.Quickbar, 0);
  EXPECT_EQ(r.Utility, 0);
  EXPECT_FALSE(r.StartMax);
  EXPECT_TRUE(r.VerifiedOnly);
  EXPECT_EQ(r.VaultVersion, 70000);
  EXPECT_EQ(r.UtilSetting, 2);
  EXPECT_TRUE(r.Fifthslot);
  EXPECT_FALSE(r.WSlot);
  EXPECT_EQ(r.Server, 3);
  EXPECT_EQ(r.CraftSkill, 850);
  EXPECT_EQ(r.Files, (std::array<std::string, 5>{"/home/p/a.qmc", "", "/home/p/c.qmy", "",
                                                 "/home/p/e.qmc"}));
  EXPECT_TRUE(store.writes.empty());
}

TEST(LoadSettings, TheCraftSkillIsHeldToItsBox) {
  for (const auto& [stored, read] : {std::pair{0, 1}, {-40, 1}, {1201, 1200}, {99999, 1200}}) {
    FakeSettingsStore store;
    store.Preset("CraftSkill", stored);
    Settings settings(store, kProgram);
    settings.LoadSettings();
    EXPECT_EQ(settings.Record().CraftSkill, read) << stored;
  }
}

TEST(LoadSettings, EightBitFieldsKeepOnlyTheLowByte) {
  FakeSettingsStore store;
  store.Preset("LVFilter", 300);
  store.Preset("Quickbar", 256);
  store.Preset("Server", -1);
  Settings settings(store, kProgram);
  settings.LoadSettings();
  EXPECT_EQ(settings.Record().LVFilter, 44);
  EXPECT_EQ(settings.Record().Quickbar, 0);
  EXPECT_EQ(settings.Record().Server, 255);
}

TEST(LoadSettings, DirectoriesFallBackToTheProgramDirectory) {
  testing::TempFolder folder;
  const std::string existing = (folder.Path() / "templates").string() + "/";
  const std::string deleted = (folder.Path() / "gone").string() + "/";
  std::filesystem::create_directory(folder.Path() / "templates");
  std::filesystem::create_directory(folder.Path() / "gone");
  std::filesystem::remove(folder.Path() / "gone");
  const std::string file = folder.File("notes.txt");
  { std::ofstream(file) << "x"; }

  struct Case {
    const char* what;
    std::string start, temps;
    std::string expectedTemps;
  };
  const Case cases[] = {
      {"existing template folder is kept", existing, existing, existing},
      {"deleted template folder", kProgramDir, deleted, kProgramDir},
      {"empty template folder", kProgramDir, "", kProgramDir},
      {"template folder naming a file", kProgramDir, file, kProgramDir},
  };
  for (const Case& c : cases) {
    FakeSettingsStore store;
    store.Preset("Start", c.start);
    store.Preset("Temps", c.temps);
    Settings settings(store, kProgram);
    settings.LoadSettings();
    // The start directory always follows the program, wherever it was.
    EXPECT_EQ(settings.Record().Start, kProgramDir) << c.what;
    EXPECT_EQ(settings.Record().Temps, c.expectedTemps) << c.what;
  }
}

// An installed program cannot keep templates beside itself: its start and
// template folders default to the documents folder's own Quillmark folder,
// which appears only once a file dialog is about to open in it.
TEST(UserFolders, AReadOnlyProgramDirectorySendsFilesToTheDocumentsFolder) {
  testing::TempFolder home;
  const std::string documents = (home.Path() / "Documents").string();
  const std::string quillmark = documents + "/Quillmark/";
  const UserFolders readOnly{documents, false, ""};

  FakeSettingsStore fresh;
  Settings first(fresh, kProgram, readOnly);
  EXPECT_EQ(first.FilesDirectory(), quillmark);
  EXPECT_EQ(first.Record().Start, quillmark);
  EXPECT_EQ(first.Record().Temps, quillmark);
  EXPECT_EQ(first.Record().VaultPath, "/opt/quillmark/master.qmv");  // the vault stays put
  EXPECT_EQ(first.UserVaultPath(), "");  // no data folder, no vault of the player's own
  first.LoadSettings();
  EXPECT_EQ(first.Record().Temps, quillmark);
  EXPECT_FALSE(std::filesystem::exists(quillmark)) << "made before it was needed";

  EXPECT_EQ(first.TemplateFolder(), quillmark);
  EXPECT_TRUE(std::filesystem::is_directory(quillmark));
  EXPECT_EQ(first.StartFolder(), quillmark);

  // A folder the player chose is used as it is, and never made for them; when
  // it vanishes, the documents folder takes over again.
  const std::string chosen = (home.Path() / "mine").string() + "/";
  std::filesystem::create_directory(chosen);
  FakeSettingsStore store;
  store.Preset("Start", std::string(kProgramDir));
  store.Preset("Temps", chosen);
  Settings second(store, kProgram, readOnly);
  second.LoadSettings();
  EXPECT_EQ(second.Record().Start, quillmark);
  EXPECT_EQ(second.Record().Temps, chosen);
  std::filesystem::remove(chosen);
  EXPECT_EQ(second.TemplateFolder(), chosen);
  EXPECT_FALSE(std::filesystem::exists(chosen));
  second.LoadSettings();
  EXPECT_EQ(second.Record().Temps, quillmark);

  // Without a key the options dialog offers its defaults: the same folder.
  FakeSettingsStore none;
  FakeUserPort user;
  Settings third(none, kProgram, readOnly);
  third.Record().Temps = chosen;
  TfrmOptions options(third, user);
  options.FormShow(OptionsMenuChecks{});
  EXPECT_EQ(third.Record().Start, quillmark);
  EXPECT_EQ(third.Record().Temps, quillmark);
}

TEST(SaveSettings, WritesEveryValueInOrderAndReadsBackTheSame) {
  testing::TempFolder folder;
  FakeSettingsStore store;
  Settings settings(store, kProgram);
  SettingsRecord& r = settings.Record();
  r.Temps = folder.Path().string();
  r.LVFilter = 33;
  r.Quickbar = 1;
  r.Utility = 0;
  r.StartMax = false;
  r.VerifiedOnly = true;
  r.VaultVersion = 1234;
  r.UtilSetting = 3;
  r.Fifthslot = true;
  r.WSlot = false;
  r.Server = 2;
  r.CraftSkill = 1175;
  r.UseBundledVault = true;
  r.Files = {"a.qmc", "b.qmc", "", "", "e.qmc"};

  ASSERT_TRUE(settings.SaveSettings());

  EXPECT_EQ(store.writes, kWriteOrder);
  EXPECT_EQ(store.Get("Start"), FakeSettingsStore::Value(std::string(kProgramDir)));
  EXPECT_EQ(store.Get("StartMax"), FakeSettingsStore::Value(0));  // booleans are kept as 0 and 1
  EXPECT_EQ(store.Get("VerifiedOnly"), FakeSettingsStore::Value(1));
  EXPECT_EQ(store.Get("File3"), FakeSettingsStore::Value(std::string()));

  Settings reread(store, kProgram);
  reread.LoadSettings();
  const SettingsRecord& back = reread.Record();
  EXPECT_EQ(back.Temps, r.Temps);
  EXPECT_EQ(back.LVFilter, r.LVFilter);
  EXPECT_EQ(back.Quickbar, r.Quickbar);
  EXPECT_EQ(back.Utility, r.Utility);
  EXPECT_EQ(back.StartMax, r.StartMax);
  EXPECT_EQ(back.VerifiedOnly, r.VerifiedOnly);
  EXPECT_EQ(back.VaultVersion, r.VaultVersion);
  EXPECT_EQ(back.UtilSetting, r.UtilSetting);
  EXPECT_EQ(back.Fifthslot, r.Fifthslot);
  EXPECT_EQ(back.WSlot, r.WSlot);
  EXPECT_EQ(back.Server, r.Server);
  EXPECT_EQ(back.CraftSkill, r.CraftSkill);
  EXPECT_EQ(back.UseBundledVault, r.UseBundledVault);
  EXPECT_EQ(back.Files, r.Files);
}

TEST(SaveSettings, CreatesAMissingKeyAndLeavesAnUnwritableStoreAlone) {
  FakeSettingsStore fresh;
  Settings first(fresh, kProgram);
  EXPECT_FALSE(first.SettingsExist());
  EXPECT_TRUE(first.SaveSettings());
  EXPECT_TRUE(first.SettingsExist());
  EXPECT_EQ(fresh.writes.size(), kWriteOrder.size());

  FakeSettingsStore locked;
  locked.canCreate = false;
  Settings second(locked, kProgram);
  second.Record().Server = 2;
  EXPECT_FALSE(second.SaveSettings());
  EXPECT_TRUE(locked.writes.empty());
  EXPECT_TRUE(locked.values.empty());
  EXPECT_EQ(second.Record().Server, 2);  // the program goes on with what it has in memory
}

TEST(FileTypes, RegisteringTellsTheUserWithTheMenuCommandsOwnText) {
  FakeSettingsStore store;
  FakeUserPort user;
  FakeShell shell;
  Settings settings(store, "C:\\Quillmark\\quillmark.exe");
  RegisterQuillmarkFiles(settings, user, shell);
  EXPECT_EQ(shell.associations,
            (std::vector<std::pair<std::string, std::string>>{
                {"qmc", "C:\\Quillmark\\quillmark.exe"}, {"qmy", "C:\\Quillmark\\quillmark.exe"}}));
  EXPECT_EQ(user.messages,
            std::vector<std::string>{"QMC and QMY files have been associated with this program."});
  EXPECT_TRUE(store.writes.empty());
}

TEST(FileTypes, EntriesNameTheKindIconAndUnquotedOpenCommand) {
  const auto entries = FileTypeEntries("qmy", "C:\\Program Files\\QM\\qm.exe");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Key, ".qmy");
  EXPECT_EQ(entries[0].DefaultValue, "qmyfile");
  EXPECT_EQ(entries[1].Key, "qmyfile");
  EXPECT_FALSE(entries[1].HasDefault);
  EXPECT_EQ(entries[2].Key, "qmyfile\\DefaultIcon");
  EXPECT_EQ(entries[2].DefaultValue, "C:\\Program Files\\QM\\qm.exe,0");
  EXPECT_EQ(entries[3].Key, "qmyfile\\shell\\open\\command");
  EXPECT_EQ(entries[3].DefaultValue, "C:\\Program Files\\QM\\qm.exe \"%1\"");
  EXPECT_TRUE(entries[0].HasDefault && entries[2].HasDefault && entries[3].HasDefault);
}

// The player's own vault lives in the data folder, whatever the folder's
// spelling, and is there only once a file is.
TEST(UserFolders, ThePlayersVaultIsTheDataFoldersMasterFile) {
  EXPECT_EQ(UserVaultPath(UserFolders{"", true, "/home/p/.local/share/Quillmark"}),
            "/home/p/.local/share/Quillmark/master.qmv");
  EXPECT_EQ(UserVaultPath(UserFolders{"", true, "/home/p/.local/share/Quillmark/"}),
            "/home/p/.local/share/Quillmark/master.qmv");
  testing::TempFolder data;
  FakeSettingsStore store;
  const Settings settings(store, kProgram, UserFolders{"", true, data.Path().string()});
  EXPECT_EQ(settings.UserVaultPath(), data.File("master.qmv"));
  EXPECT_FALSE(settings.UserVaultExists());
  std::ofstream(data.File("master.qmv")) << "x";
  EXPECT_TRUE(settings.UserVaultExists());
}

}  // namespace
}  // namespace qm
