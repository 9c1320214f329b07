#include "ui/program.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <filesystem>

#include "mainwin/main_window.h"
#include "shell/startup.h"
#include "shell/vault_loading.h"
#include "ui/desktop.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"
#include "vault/vault.h"

namespace qm::ui {
namespace {

// Start-up names the bundled vault as the one of the program directory; an
// installed copy keeps it in its data folder instead. The player's own vault
// is taken where start-up names it.
class LocatingVaultLoader : public VaultLoaderPort {
 public:
  LocatingVaultLoader(ShellPort& shell, TfrmGearMain& model) : loader_(&shell), model_(model) {}
  VaultLoadOutcome LoadVault(const std::string& vaultPath, VaultOwner owner) override {
    const std::string directory = std::filesystem::path(vaultPath).parent_path().string();
    const bool locate = owner == VaultOwner::Bundled && !std::filesystem::exists(vaultPath);
    const std::string path = locate ? FindVaultFile(directory + "/") : vaultPath;
    VaultLoadOutcome outcome = loader_.LoadVault(path, owner);
    if (outcome.exitCode == 0) model_.SetVaultMark(static_cast<std::uint8_t>(TheVault().Version()));
    return outcome;
  }

 private:
  ProgramVaultLoader loader_;
  TfrmGearMain& model_;
};

}  // namespace

UserFolders DesktopUserFolders(const std::string& programPath) {
  UserFolders folders;
  folders.documents =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  folders.programDirectoryWritable =
      QFileInfo(QString::fromStdString(ProgramDirectoryOf(programPath))).isWritable();
  // GenericDataLocation honours XDG_DATA_HOME; the user's data never goes
  // under the install prefix.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (!data.isEmpty()) folders.data = (data + QStringLiteral("/Quillmark")).toStdString();
  return folders;
}

std::optional<ProgramOptions> ParseProgramArguments(const std::vector<std::string>& arguments,
                                                    std::string programPath) {
  ProgramOptions options;
  options.programPath = std::move(programPath);
  if (arguments.size() == 1 && arguments[0] == "--version") {
    options.version = true;
    return options;
  }
  if (arguments.size() == 1 && arguments[0] == "--list-windows") {
    options.listWindows = true;
    return options;
  }
  std::size_t next = 0;
  if (!arguments.empty() && arguments[0] == "--screenshot") {
    if (arguments.size() < 2) return std::nullopt;
    options.screenshot = arguments[1];
    next = 2;
    bool sized = false;
    // --window NAME and --size WIDTHxHEIGHT, each at most once, in either order.
    while (arguments.size() > next + 1 &&
           (arguments[next] == "--window" || arguments[next] == "--size")) {
      const std::string& value = arguments[next + 1];
      if (arguments[next] == "--window") {
        if (options.window) return std::nullopt;
        options.window = value;
      } else {
        if (sized) return std::nullopt;
        // WIDTHxHEIGHT, as a screen of that size would show the window.
        const QStringList parts = QString::fromStdString(value).split('x');
        bool wide = false, high = false;
        const int width = parts.size() == 2 ? parts[0].toInt(&wide) : 0;
        const int height = parts.size() == 2 ? parts[1].toInt(&high) : 0;
        if (!wide || !high || width < 320 || height < 240 || width > 8192 || height > 8192)
          return std::nullopt;
        options.screenshotSize = QSize(width, height);
        sized = true;
      }
      next += 2;
    }
  }
  if (arguments.size() > next + 1) return std::nullopt;
  if (arguments.size() == next + 1) {
    if (arguments[next].starts_with("--")) return std::nullopt;
    options.arguments.push_back(arguments[next]);
  }
  return options;
}

std::string FindVaultFile(const std::string& programDirectory) {
  namespace fs = std::filesystem;
  fs::path directory = fs::path(programDirectory).lexically_normal();
  if (!directory.has_filename()) directory = directory.parent_path();
  const fs::path own = directory / kVaultFileName;
  std::error_code error;
  if (fs::is_regular_file(own, error)) return own.string();
  const fs::path installed = directory.parent_path() / "share" / "quillmark" / kVaultFileName;
  if (fs::is_regular_file(installed, error)) return installed.string();
  return own.string();
}

int RunProgram(const ProgramOptions& options, ProgramPorts& ports, const ProgramHooks& hooks) {
  Settings settings(ports.store, options.programPath, options.folders);
  WindowRegistry windows;
  TfrmGearMain model(settings, ports.user, ports.files, ports.shell, windows, windows);
  if (hooks.registerWindows) hooks.registerWindows(windows, settings, model);
  QtDesktop desktop([&] {
    auto window = std::make_unique<MainWindow>(model, windows);
    if (hooks.mainWindowMade) hooks.mainWindowMade(*window);
    return window;
  });
  if (options.screenshot) desktop.SetScreenshot(*options.screenshot, options.screenshotSize);
  if (hooks.prepareDesktop) hooks.prepareDesktop(desktop);
  if (options.screenshot && options.window && hooks.renderWindow)
    desktop.renderScreenshot = [&] { return hooks.renderWindow(model); };
  LocatingVaultLoader vault(ports.shell, model);
  ProgramStartup startup({ports.instance, desktop, ports.user, ports.shell, vault}, settings,
                         model);
  const int exitCode = startup.Run(options.arguments);
  // A screenshot of a template that did not load would show the wrong window.
  if (exitCode == 0 && options.screenshot && !options.arguments.empty() &&
      model.CurrentFile().empty())
    return 1;
  return exitCode;
}

}  // namespace qm::ui
