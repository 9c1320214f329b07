// quillmark: the desktop program. "quillmark [TEMPLATE]" runs the window;
// "quillmark --screenshot OUT.png [--window NAME] [--size WxH] [TEMPLATE]"
// renders it (or the sub-window the window table names NAME, e.g.
// "workbench:SLOT[:TAB]", "report" or "compare[:FILE]") into a PNG, 1280x800
// unless told, and ends, showing nothing and writing no settings.
// "quillmark --list-windows" lists the sub-windows a player opens from the
// keyboard, "quillmark --version" prints the version.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "dist/desktop_ids.h"
#include "generated/version.h"
#include "ui/desktop.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/qt_file_dialog_port.h"
#include "ui/qt_instance_channel.h"
#include "ui/qt_settings_store.h"
#include "ui/qt_shell_port.h"
#include "ui/qt_user_port.h"
#include "ui/splash_screen.h"
#include "ui/sub_window_host.h"
#include "ui/sub_window_table.h"
#include "ui/window_registry.h"

namespace {

int RunScreenshot(const qm::ui::ProgramOptions& options) {
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::MemorySettingsStore store;
  qm::ui::PrivateInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};
  qm::ui::SubWindowHost subWindows(user, files, shell, false);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
  };
  if (options.window) {
    if (!qm::ui::SubWindowHost::Knows(*options.window)) {
      std::fprintf(stderr, "quillmark: no window named %s\n", options.window->c_str());
      return 2;
    }
    hooks.renderWindow = [&](qm::TfrmGearMain&) {
      return subWindows.RenderScreenshot(*options.window, *options.screenshot,
                                         options.screenshotSize);
    };
  }
  const int exitCode = qm::ui::RunProgram(options, ports, hooks);
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
  qm::ui::SubWindowHost subWindows(user, files, shell, true);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
  };
  hooks.mainWindowMade = [&](qm::ui::MainWindow& window) {
    user.SetParent(&window);
    files.SetParent(&window);
    instance.SetOwnWindow(&window);
    subWindows.SetParent(&window);
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
  // Answered before Qt starts, so that it works without a display.
  const auto early = qm::ui::ParseProgramArguments({argv + 1, argv + argc}, {});
  if (early && early->version) {
    std::printf("quillmark %s\n", qm::kQuillmarkVersion);
    return 0;
  }
  if (early && early->listWindows) {
    std::fputs(qm::ui::SubWindowList().c_str(), stdout);
    return 0;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillmark");
  QApplication::setOrganizationName("Quillmark");
  // A Linux desktop names and shows the program as a whole (task bar, window
  // switcher) by its desktop entry, whose Name is the program's title. Qt's
  // display name would instead be appended to every window's caption, and
  // the captions are the program's own texts.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(
      qm::kApplicationId.data(), static_cast<qsizetype>(qm::kApplicationId.size())));
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  auto options = qm::ui::ParseProgramArguments(
      arguments, QCoreApplication::applicationFilePath().toStdString());
  if (!options) {
    std::fprintf(stderr,
                 "usage: quillmark [TEMPLATE]\n"
                 "       quillmark --screenshot OUT.png [--window %s] [--size WIDTHxHEIGHT]"
                 " [TEMPLATE]\n"
                 "       quillmark --list-windows\n"
                 "       quillmark --version\n",
                 qm::ui::SubWindowUsage().c_str());
    return 2;
  }
  options->folders = qm::ui::DesktopUserFolders(options->programPath);
  return options->screenshot ? RunScreenshot(*options) : RunDesktop(*options);
}
