#include "shell/startup.h"

namespace qm {

std::string UserVaultFallbackMessage(const std::string& path, const std::string& reason) {
  return "Your vault " + path + " could not be loaded (" + reason +
         "); the bundled sample vault is used instead.";
}

ProgramStartup::ProgramStartup(const StartupPorts& ports, Settings& settings,
                               StartupMainWindow& mainWindow)
    : ports_(ports),
      settings_(settings),
      mainWindow_(mainWindow),
      instance_(ports.instance),
      receiver_(mainWindow, ports.user, ports.instance) {}

int ProgramStartup::Run(const std::vector<std::string>& arguments) {
  std::optional<std::string> commandLineFile;
  if (!arguments.empty()) commandLineFile = arguments.front();

  switch (instance_.CheckSingleInstance(ports_.desktop.ApplicationWindow(), 1, commandLineFile)) {
    case InstanceCheck::RecordFailed:
      return kExitInstanceRecord;
    case InstanceCheck::End:
      return Exit(0);
    case InstanceCheck::Run:
      break;
  }

  // The main window starts disabled: nothing may reach it before the vault
  // is there. Its own start reads only data tables, never another window.
  ports_.desktop.CreateMainWindow();
  ports_.desktop.SetMainWindowEnabled(false);
  ApplyStartupSettings(settings_, ports_.user, ports_.shell);
  mainWindow_.StartUp(commandLineFile);
  ports_.instance.InstallReceiver(&receiver_);
  receiverInstalled_ = true;

  if (const int vaultExit = LoadWithSplash(); vaultExit != 0) return Exit(vaultExit);

  ports_.desktop.HideSplash();
  ports_.desktop.SetMainWindowEnabled(true);
  return Exit(ports_.desktop.RunEventLoop());
}

int ProgramStartup::LoadWithSplash() {
  ports_.desktop.ShowSplash(kProductTitle, kSplashInitialLoading);
  // Whatever was stored, the quick bar starts visible.
  settings_.Record().Quickbar = 255;
  ports_.shell.SetBusyCursor(true);
  const VaultLoadOutcome outcome = LoadChosenVault();
  ports_.shell.SetBusyCursor(false);
  if (outcome.exitCode == 0) return 0;
  ports_.user.ShowMessage(outcome.message);
  return outcome.exitCode;
}

VaultLoadOutcome ProgramStartup::LoadChosenVault() {
  // A damaged vault of the player's own never keeps the program from
  // starting: the bundled one is always there to fall back on.
  if (!settings_.Record().UseBundledVault && settings_.UserVaultExists()) {
    const std::string& path = settings_.UserVaultPath();
    ports_.desktop.ShowSplash(kProductTitle, kSplashLoadingUserVault);
    const VaultLoadOutcome own = ports_.vault.LoadVault(path, VaultOwner::User);
    if (own.exitCode == 0) return own;
    ports_.shell.SetBusyCursor(false);
    ports_.user.ShowMessage(UserVaultFallbackMessage(path, own.reason));
    ports_.shell.SetBusyCursor(true);
  }
  ports_.desktop.ShowSplash(kProductTitle, kSplashLoadingVault);
  return ports_.vault.LoadVault(settings_.Record().VaultPath, VaultOwner::Bundled);
}

int ProgramStartup::Exit(int exitCode) {
  // A copy that ends because its vault is unusable leaves the count too, or
  // a record that outlives it would keep every later start from running.
  if (receiverInstalled_) {
    ports_.instance.InstallReceiver(nullptr);
    receiverInstalled_ = false;
  }
  const int instanceExit = instance_.ExitStep();
  return exitCode != 0 ? exitCode : instanceExit;
}

}  // namespace qm
