// quillmark: the desktop program. "quillmark [TEMPLATE]" runs the window;
// "quillmark --screenshot OUT.png [--size WxH] [TEMPLATE]" renders it into a
// PNG (1280x800 unless told) and ends, showing nothing and writing no settings.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/main_window.h"
#include "ui/desktop.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/program.h"
#include "ui/qt_file_dialog_port.h"
#include "ui/qt_instance_channel.h"
#include "ui/qt_settings_store.h"
#include "ui/qt_shell_port.h"
#include "ui/qt_user_port.h"
#include "ui/splash_screen.h"
#include "ui/window_registry.h"

namespace {

int RunScreenshot(const qm::ui::ProgramOptions& options) {
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::MemorySettingsStore store;
  qm::ui::PrivateInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};
  const int exitCode = qm::ui::RunProgram(options, ports);
  if (exitCode != 0)
    for (const std::string& message : user.messages)
      std::fprintf(stderr, "quillmark: %s\n", message.c_str());
  return exitCode;
}

int RunDesktop(const qm::ui::ProgramOptions& options) {
  qm::ui::QtUserPort user;
  qm::ui::QtFileDialogPort files;
  qm::ui::QtShellPort shell;
  qm::ui::QtSettingsStore store;
  qm::ui::QtInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};

  std::unique_ptr<qm::ui::SplashScreen> splash;
  std::unique_ptr<qm::ui::OptionsDialog> optionsDialog;
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    windows.SetOptions([&] {
      if (!optionsDialog) optionsDialog = std::make_unique<qm::ui::OptionsDialog>(settings, user);
      optionsDialog->Run(model.View().OptionChecks);
    });
  };
  hooks.mainWindowMade = [&](qm::ui::MainWindow& window) {
    user.SetParent(&window);
    instance.SetOwnWindow(&window);
  };
  hooks.prepareDesktop = [&](qm::ui::QtDesktop& desktop) {
    desktop.showSplash = [&](std::string_view title, std::string_view loading) {
      if (!splash) {
        splash = std::make_unique<qm::ui::SplashScreen>();
        splash->SetTexts(title, loading);
        splash->ShowCentred();
      } else {
        splash->SetTexts(title, loading);
      }
    };
    desktop.hideSplash = [&] { splash.reset(); };
  };
  return qm::ui::RunProgram(options, ports, hooks);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillmark");
  QApplication::setOrganizationName("Quillmark");
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  auto options = qm::ui::ParseProgramArguments(
      arguments, QCoreApplication::applicationFilePath().toStdString());
  if (!options) {
    std::fputs(
        "usage: quillmark [TEMPLATE]\n"
        "       quillmark --screenshot OUT.png [--size WIDTHxHEIGHT] [TEMPLATE]\n",
        stderr);
    return 2;
  }
  options->folders = qm::ui::DesktopUserFolders(options->programPath);
  return options->screenshot ? RunScreenshot(*options) : RunDesktop(*options);
}
