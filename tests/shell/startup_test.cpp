#include "shell/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/file_io.h"
#include "fake_main_window.h"
#include "shell/options_menu.h"
#include "shell/vault_loading.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "vault/vault.h"
#include "vault/vault_bundle.h"
#include "vault/vault_writer.h"

namespace qm {
namespace {

using namespace qm::testing;

constexpr const char* kProgram = "/opt/quillmark/quillmark";

class FakeVaultLoader : public VaultLoaderPort, public LoggingFake {
 public:
  VaultLoadOutcome outcome;
  std::map<std::string, VaultLoadOutcome> outcomeOf;  // by path, before outcome
  std::vector<std::string> paths;
  std::vector<VaultOwner> owners;
  VaultLoadOutcome LoadVault(const std::string& vaultPath, VaultOwner owner) override {
    paths.push_back(vaultPath);
    owners.push_back(owner);
    Note("vault load " + vaultPath);
    const auto found = outcomeOf.find(vaultPath);
    return found != outcomeOf.end() ? found->second : outcome;
  }
};

// One copy of the program: its ports, settings and main window.
struct Copy {
  Copy(FakeInstanceMachine& machine, std::uint32_t window, UserFolders userFolders = {})
      : channel(machine, window), desktop(window), folders(std::move(userFolders)) {
    for (LoggingFake* fake : std::initializer_list<LoggingFake*>{&channel, &desktop, &user, &shell,
                                                                 &store, &vault, &mainWindow}) {
      fake->shared = &log;
    }
  }

  int Run(std::vector<std::string> arguments = {}) {
    ProgramStartup startup({channel, desktop, user, shell, vault}, settings, mainWindow);
    return startup.Run(arguments);
  }

  EventLog log;
  FakeInstanceChannel channel;
  FakeDesktop desktop;
  FakeUserPort user;
  FakeShell shell;
  FakeSettingsStore store;
  FakeVaultLoader vault;
  FakeMainWindow mainWindow;
  UserFolders folders;
  Settings settings{store, kProgram, folders};
};

TEST(Startup, RunsEveryStepInOrderAndEndsWithTheEventLoop) {
  FakeInstanceMachine machine;
  Copy copy(machine, 7);
  copy.store.Preset("Quickbar", 0);
  std::optional<InstanceRecord> whileRunning;
  std::uint8_t quickbarWhileRunning = 0;
  copy.desktop.eventLoop = [&] {
    whileRunning = machine.record;
    quickbarWhileRunning = copy.settings.Record().Quickbar;
    return 0;
  };

  EXPECT_EQ(copy.Run(), 0);

  EXPECT_EQ(copy.log.entries, (std::vector<std::string>{
                                  "record created",
                                  "main window created",
                                  "main window disabled",
                                  "main window start-up",
                                  "receiver installed",
                                  "splash: Quillmark Classic v1.118.0.2 <Loading...>",
                                  "busy cursor",
                                  "splash: Quillmark Classic v1.118.0.2 <Loading Vault File...>",
                                  "vault load /opt/quillmark/master.qmv",
                                  "normal cursor",
                                  "splash hidden",
                                  "main window enabled",
                                  "event loop",
                                  "receiver removed",
                                  "record released",
                              }));
  ASSERT_TRUE(whileRunning);
  EXPECT_EQ(whileRunning->Window, 7u);
  EXPECT_EQ(whileRunning->Count, 1u);
  EXPECT_EQ(quickbarWhileRunning, 255);  // a stored 0 does not hide the quick bar at start
  EXPECT_FALSE(machine.record);
  EXPECT_FALSE(copy.mainWindow.startUpFile);
}

TEST(Startup, FirstRunNoticesComeWhileTheMainWindowIsMadeAndNothingIsWrittenBeforeItShows) {
  FakeInstanceMachine machine;
  Copy copy(machine, 7);
  std::size_t writesBeforeShow = 99;
  copy.desktop.eventLoop = [&] {
    writesBeforeShow = copy.store.writes.size();
    ApplyDisplaySettingsOnShow(copy.settings);  // what the main window does when shown
    return 0;
  };

  EXPECT_EQ(copy.Run(), 0);

  const auto& e = copy.log.entries;
  const auto at = [&](const std::string& entry) {
    return std::find(e.begin(), e.end(), entry) - e.begin();
  };
  EXPECT_LT(at("main window disabled"),
            at("message: Startup registry settings were not found, default options set."));
  EXPECT_LT(at("message: Startup registry settings were not found, default options set."),
            at("associate: qmc"));
  EXPECT_LT(at("associate: qmy"),
            at("message: QMC and QMY files have been associated with this application"));
  EXPECT_LT(at("message: QMC and QMY files have been associated with this application"),
            at("main window start-up"));
  EXPECT_EQ(writesBeforeShow, 0u);
  EXPECT_LT(at("event loop"), at("settings key created"));
  EXPECT_TRUE(copy.store.keyExists);
  EXPECT_EQ(std::get<int>(*copy.store.Get("Quickbar")), 1);
}

TEST(Startup, TheCommandLineTemplateGoesToTheMainWindowsOwnStart) {
  FakeInstanceMachine machine;
  Copy copy(machine, 7);
  EXPECT_EQ(copy.Run({"/home/p/Hero.qmc", "ignored"}), 0);
  EXPECT_EQ(copy.mainWindow.startUps, 1);
  EXPECT_EQ(copy.mainWindow.startUpFile, std::optional<std::string>("/home/p/Hero.qmc"));
}

TEST(Startup, AnUnusableVaultEndsTheProgramWithItsMessageAndCode) {
  const VaultLoadOutcome failures[] = {
      {240, "Vault file not found, reinstall Quillmark Classic", "it cannot be opened"},
      {200, "Invalid vault file, please re-download", "it is not a vault file"},
      {201, "Unknown vault version, please update Quillmark", "its vault version is unknown"},
      {202, "Invalid vault file, please re-download", "its entry count does not fit"},
  };
  for (const VaultLoadOutcome& failure : failures) {
    FakeInstanceMachine machine;
    Copy copy(machine, 7);
    copy.store.keyExists = true;
    copy.vault.outcome = failure;

    EXPECT_EQ(copy.Run(), failure.exitCode);

    EXPECT_EQ(copy.user.messages, std::vector<std::string>{failure.message});
    EXPECT_EQ(copy.desktop.eventLoopRuns, 0);
    EXPECT_FALSE(copy.desktop.mainEnabled);
    EXPECT_FALSE(copy.shell.busy);
    // The copy leaves the count, so the next start is not turned away.
    EXPECT_FALSE(machine.record);
    Copy next(machine, 8);
    EXPECT_EQ(next.Run(), 0);
    EXPECT_EQ(next.desktop.eventLoopRuns, 1);
  }
}

TEST(Startup, NoInstanceRecordMeansExitCode199BeforeAnyWindow) {
  FakeInstanceMachine machine;
  machine.createFails = true;
  Copy copy(machine, 7);
  EXPECT_EQ(copy.Run({"/home/p/Hero.qmc"}), kExitInstanceRecord);
  EXPECT_EQ(kExitInstanceRecord, 199);
  EXPECT_EQ(copy.desktop.mainWindowsCreated, 0);
  EXPECT_TRUE(copy.user.messages.empty());
  EXPECT_EQ(copy.mainWindow.startUps, 0);
}

TEST(Startup, ARecordThatVanishesBeforeExitGives199) {
  FakeInstanceMachine machine;
  Copy copy(machine, 7);
  copy.desktop.eventLoop = [&] {
    machine.openFails = true;
    return 0;
  };
  EXPECT_EQ(copy.Run(), kExitInstanceRecord);
}

TEST(Startup, ASecondStartWhileTheFirstRunsHandsOverAndEndsWithoutWindows) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    bool firstIdle;
    std::vector<std::string> expectedLoads;
    std::vector<std::string> expectedMessages;
  };
  const Case cases[] = {
      {"no argument", {}, true, {}, {}},
      {"idle first copy", {"/home/p/Hero.qmc"}, true, {"/home/p/Hero.qmc"}, {}},
      {"first copy shows the report",
       {"/home/p/Hero.qmc"},
       false,
       {},
       {"Cannot do this now, try again without subwindows open."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeInstanceMachine machine;
    Copy first(machine, 7);
    first.store.keyExists = true;
    Copy second(machine, 9);
    int secondExit = -1;
    std::uint32_t countAfterSecond = 0;
    first.desktop.eventLoop = [&] {
      first.mainWindow.idle = c.firstIdle;
      secondExit = second.Run(c.arguments);
      countAfterSecond = machine.record->Count;
      return 0;
    };

    EXPECT_EQ(first.Run(), 0);

    EXPECT_EQ(secondExit, 0);
    EXPECT_EQ(second.desktop.mainWindowsCreated, 0);
    EXPECT_EQ(second.mainWindow.startUps, 0);
    EXPECT_EQ(second.vault.paths.size(), 0u);
    EXPECT_EQ(machine.foreground, 7u);
    EXPECT_EQ(countAfterSecond, 1u);
    EXPECT_EQ(first.mainWindow.loaded, c.expectedLoads);
    EXPECT_EQ(first.user.messages, c.expectedMessages);
    EXPECT_TRUE(second.user.messages.empty());
  }
}

TEST(Startup, AfterTheFirstCopyEndsANewStartRunsAsTheFirstAgain) {
  FakeInstanceMachine machine;
  Copy first(machine, 7);
  EXPECT_EQ(first.Run(), 0);
  Copy again(machine, 9);
  std::optional<InstanceRecord> record;
  again.desktop.eventLoop = [&] {
    record = machine.record;
    return 3;
  };
  EXPECT_EQ(again.Run({"/home/p/Hero.qmc"}), 3);  // the event loop's own code comes through
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Window, 9u);
  EXPECT_EQ(record->Count, 1u);
  EXPECT_EQ(again.mainWindow.startUpFile, std::optional<std::string>("/home/p/Hero.qmc"));
}

// The program's own vault step, on real files next to a program file.
TEST(Startup, TheProgramsVaultLoadsFromBesideTheProgramOrEndsItWithTheVaultsCode) {
  testing::TempFolder folder;
  const std::string program = folder.File("quillmark");

  struct Case {
    const char* what;
    std::optional<std::string> fileBytes;  // nothing: no vault file at all
    int exitCode;
    const char* messageStart;
  };
  TItemRecord header = EmptyItem();
  header.Name.Assign("Test Vault");
  header.EffectKind[0] = 5;
  header.EffectValue[0] = 77;
  const TItemRecord entries[] = {header, EmptyItem(), EmptyItem()};
  const auto packed = PackVault(entries);
  ASSERT_TRUE(packed.Ok()) << packed.Error();
  const std::string good(packed.Value().begin(), packed.Value().end());

  const Case cases[] = {
      {"missing", std::nullopt, 240, "Vault file not found, reinstall Quillmark Classic"},
      {"not packed", std::string("~v\r\nVault Version:1\r\n"), 200,
       "Invalid vault file, please re-download"},
      {"packed vault", good, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(folder.File("master.qmv"));
    if (c.fileBytes) {
      ASSERT_TRUE(WriteFileAtomically(folder.File("master.qmv"), *c.fileBytes).Ok());
    }
    FakeInstanceMachine machine;
    FakeInstanceChannel channel(machine, 3);
    FakeDesktop desktop(3);
    FakeUserPort user;
    FakeShell shell;
    FakeSettingsStore store;
    store.keyExists = true;
    Settings settings(store, program);
    FakeMainWindow mainWindow;
    ProgramVaultLoader vault(&shell);
    ProgramStartup startup({channel, desktop, user, shell, vault}, settings, mainWindow);

    EXPECT_EQ(startup.Run({}), c.exitCode);

    if (c.exitCode == 0) {
      EXPECT_TRUE(user.messages.empty());
      EXPECT_EQ(VaultCount(), 3u);
      EXPECT_EQ(TheVault().Version(), 77);
    } else {
      ASSERT_EQ(user.messages.size(), 1u);
      EXPECT_EQ(user.messages[0].rfind(c.messageStart, 0), 0u) << user.messages[0];
      EXPECT_EQ(desktop.eventLoopRuns, 0);
    }
    EXPECT_FALSE(shell.busy);
  }
}

// The player's own vault in the data folder comes first unless the settings
// ask for the bundled one; when it will not load, the bundled one stands in.
TEST(Startup, ThePlayersOwnVaultIsLoadedUnlessBundledIsChosenOrItFails) {
  testing::TempFolder data;
  const std::string own = data.File("master.qmv");
  ASSERT_TRUE(WriteFileAtomically(own, "any bytes: the fake loader decides").Ok());
  const std::string bundled = "/opt/quillmark/master.qmv";
  const std::string ownSplash = "splash: Quillmark Classic v1.118.0.2 <Loading your vault...>";
  const std::string bundledSplash = "splash: Quillmark Classic v1.118.0.2 <Loading Vault File...>";
  const std::string fallback = "message: Your vault " + own +
                               " could not be loaded (it is not a vault file); the bundled "
                               "sample vault is used instead.";
  struct Case {
    const char* what;
    bool useBundled;
    bool ownLoads;
    std::vector<std::string> loadSteps;  // between the busy cursor and the normal one
  };
  const Case cases[] = {
      {"own vault", false, true, {ownSplash, "vault load " + own}},
      {"bundled chosen", true, true, {bundledSplash, "vault load " + bundled}},
      {"own vault damaged",
       false,
       false,
       {ownSplash, "vault load " + own, "normal cursor", fallback, "busy cursor", bundledSplash,
        "vault load " + bundled}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeInstanceMachine machine;
    Copy copy(machine, 7, UserFolders{"", true, data.Path().string()});
    copy.store.keyExists = true;
    copy.store.Preset("UseBundledVault", c.useBundled ? 1 : 0);
    if (!c.ownLoads) copy.vault.outcomeOf[own] = {200, "ignored", "it is not a vault file"};

    EXPECT_EQ(copy.Run(), 0);

    const auto& log = copy.log.entries;
    const auto first = std::find(log.begin(), log.end(), "busy cursor") + 1;
    const auto end = std::find(log.begin(), log.end(), "splash hidden") - 1;
    EXPECT_EQ(std::vector<std::string>(first, end), c.loadSteps);
    EXPECT_EQ(copy.vault.owners.back(),
              c.useBundled || !c.ownLoads ? VaultOwner::Bundled : VaultOwner::User);
    EXPECT_EQ(copy.desktop.eventLoopRuns, 1);
  }
}

// The real vault step names what is wrong with the player's file and marks
// the vault in use as the bundled one.
TEST(Startup, ADamagedOwnVaultFileIsNamedWithItsReasonAndTheBundledOneIsUsed) {
  testing::TempFolder program;
  testing::TempFolder data;
  const std::string own = data.File("master.qmv");
  ASSERT_TRUE(WriteFileAtomically(own, std::string("~v\r\nVault Version:1\r\n")).Ok());
  const TItemRecord entries[] = {VaultHeaderEntry("Sample", 3), EmptyItem()};
  const auto packed = PackVault(entries);
  ASSERT_TRUE(packed.Ok()) << packed.Error();
  ASSERT_TRUE(WriteFileAtomically(program.File("master.qmv"),
                                  std::string(packed.Value().begin(), packed.Value().end()))
                  .Ok());
  FakeInstanceMachine machine;
  FakeInstanceChannel channel(machine, 3);
  FakeDesktop desktop(3);
  FakeUserPort user;
  FakeShell shell;
  FakeSettingsStore store;
  store.keyExists = true;
  Settings settings(store, program.File("quillmark"), UserFolders{"", true, data.Path().string()});
  FakeMainWindow mainWindow;
  ProgramVaultLoader vault(&shell);
  ProgramStartup startup({channel, desktop, user, shell, vault}, settings, mainWindow);

  EXPECT_EQ(startup.Run({}), 0);

  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].rfind(
                "Your vault " + own + " could not be loaded (it is not a vault file: ", 0),
            0u)
      << user.messages[0];
  EXPECT_EQ(TheVault().Path(), program.File("master.qmv"));
  EXPECT_EQ(TheVault().Owner(), VaultOwner::Bundled);
  EXPECT_EQ(VaultCount(), 2u);
}

}  // namespace
}  // namespace qm
