#pragma once
// Start-up and exit of the desktop program: one running copy, the settings,
// the main window with its command-line template, the splash while the vault
// loads, the event loop, and leaving the instance
// count at the end. Everything platform-bound is reached through ports, so
// the whole sequence runs in tests with fakes.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ports/ports.h"
#include "shell/settings.h"
#include "shell/single_instance.h"
#include "vault/vault.h"

namespace qm {

inline constexpr const char* kApplicationTitle = "Quillmark Classic";
inline constexpr const char* kProductTitle = "Quillmark Classic v1.118.0.2";

// The splash window: borderless, centred, a 500 x 200 picture stretched over it.
inline constexpr const char* kSplashCaption = "Welcome to Quillmark!";
inline constexpr int kSplashWidth = 508;
inline constexpr int kSplashHeight = 200;
inline constexpr const char* kSplashInitialTitle = "Quillmark";
inline constexpr const char* kSplashInitialLoading = "<Loading...>";
inline constexpr const char* kSplashLoadingVault = "<Loading Vault File...>";
inline constexpr const char* kSplashLoadingUserVault = "<Loading your vault...>";

// What start-up says when the player's own vault fails and the bundled one
// takes its place: "Your vault PATH could not be loaded (REASON); ...".
std::string UserVaultFallbackMessage(const std::string& path, const std::string& reason);

// The main window as start-up drives it.
class StartupMainWindow : public HandOverTarget {
 public:
  // The main window's own start: a new template, then the command-line
  // template when one was given.
  virtual void StartUp(const std::optional<std::string>& commandLineFile) = 0;
};

// Loading the item vault; exitCode 0 when it loaded, otherwise the program
// tells the user message and ends with exitCode. reason says in a few words
// why the file was refused, for a message that names the file itself.
struct VaultLoadOutcome {
  int exitCode = 0;
  std::string message;
  std::string reason;
};
class VaultLoaderPort {
 public:
  virtual ~VaultLoaderPort() = default;
  // Loads the program's vault from vaultPath; once loaded, it is owner's.
  virtual VaultLoadOutcome LoadVault(const std::string& vaultPath, VaultOwner owner) = 0;
};

struct StartupPorts {
  InstanceChannelPort& instance;
  DesktopPort& desktop;
  UserPort& user;
  ShellPort& shell;
  VaultLoaderPort& vault;
};

class ProgramStartup {
 public:
  ProgramStartup(const StartupPorts& ports, Settings& settings, StartupMainWindow& mainWindow);

  // Runs the program from start to end with the command-line arguments
  // (without the program's own name); returns the process's exit code.
  int Run(const std::vector<std::string>& arguments);

  const SingleInstance& Instance() const { return instance_; }

 private:
  // The loading step: splash, busy cursor, vault. 0 or the vault's exit code.
  int LoadWithSplash();
  // The player's own vault unless the settings ask for the bundled one or it
  // will not load; then the bundled vault, whose outcome stands.
  VaultLoadOutcome LoadChosenVault();
  int Exit(int exitCode);

  StartupPorts ports_;
  Settings& settings_;
  StartupMainWindow& mainWindow_;
  SingleInstance instance_;
  HandOverReceiver receiver_;
  bool receiverInstalled_ = false;
};

}  // namespace qm
