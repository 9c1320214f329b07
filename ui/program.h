#pragma once
// The desktop program from start to end: the ports it is given, the model of
// the main window and its widgets, the vault, and start-up's sequence. main()
// only picks the ports; tests run the same sequence with fakes.
#include <QSize>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/ports.h"
#include "shell/settings.h"

namespace qm {
class TfrmGearMain;
}  // namespace qm

namespace qm::ui {

class MainWindow;
class QtDesktop;
class WindowRegistry;

struct ProgramOptions {
  std::string programPath;                // the executable; its folder is the program directory
  std::vector<std::string> arguments;     // the template to load, if any
  std::optional<std::string> screenshot;  // render the main window here and end
  std::optional<std::string> window;      // with a screenshot: the sub-window to render instead
  QSize screenshotSize{1280, 800};
  bool version = false;      // print the version and end
  bool listWindows = false;  // list the sub-windows (see SubWindowList) and end
  UserFolders folders;       // where the user's files go; see DesktopUserFolders
};

// The user's documents folder and whether the program directory of
// programPath may be written, as the desktop reports them.
UserFolders DesktopUserFolders(const std::string& programPath);

// "quillmark [TEMPLATE]", "quillmark --screenshot OUT.png [--window NAME]
// [--size WxH] [TEMPLATE]", "quillmark --list-windows" or "quillmark
// --version"; nullopt for anything else.
std::optional<ProgramOptions> ParseProgramArguments(const std::vector<std::string>& arguments,
                                                    std::string programPath);

struct ProgramPorts {
  UserPort& user;
  FileDialogPort& files;
  ShellPort& shell;
  SettingsStorePort& store;
  InstanceChannelPort& instance;
};

struct ProgramHooks {
  // Registers the sub-windows that exist, before the main window is built;
  // model is the main window's model, valid whenever a sub-window is shown.
  std::function<void(WindowRegistry&, Settings&, TfrmGearMain& model)> registerWindows;
  // Runs once the main window exists, before the event loop.
  std::function<void(MainWindow&)> mainWindowMade;
  // Sets the desktop's splash up.
  std::function<void(QtDesktop&)> prepareDesktop;
  // In screenshot mode with a window name: renders that window instead of
  // the main window, once start-up is done; returns the exit code.
  std::function<int(TfrmGearMain& model)> renderWindow;
};

// The vault of the program directory, or of the data folder of an installed
// copy (<prefix>/share/quillmark beside <prefix>/bin); the program
// directory's path when neither exists, so the message names where it looked.
std::string FindVaultFile(const std::string& programDirectory);

// Runs the program; returns the process's exit code.
int RunProgram(const ProgramOptions& options, ProgramPorts& ports, const ProgramHooks& hooks = {});

}  // namespace qm::ui
