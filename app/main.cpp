// quillmark: the desktop program. "quillmark [TEMPLATE]" runs the window;
// "quillmark --screenshot OUT.png [--window NAME] [--size WxH] [TEMPLATE]"
// renders it (or the named sub-window, "workbench:SLOT[:TAB]", "browser",
// "report", "salvage", or "compare[:FILE]" against the template's own file or
// FILE) into a PNG, 1280x800 unless told, and ends, showing
// nothing and writing no settings.
// "quillmark --version" prints the version.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "generated/version.h"
#include "mainwin/browser_host.h"
#include "mainwin/main_window.h"
#include "ui/comparison_dialog.h"
#include "ui/desktop.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/owned_window.h"
#include "ui/program.h"
#include "ui/qt_file_dialog_port.h"
#include "ui/qt_instance_channel.h"
#include "ui/qt_settings_store.h"
#include "ui/qt_shell_port.h"
#include "ui/qt_user_port.h"
#include "ui/report_dialog.h"
#include "ui/salvage_dialog.h"
#include "ui/splash_screen.h"
#include "ui/vault_browser_dialog.h"
#include "ui/window_registry.h"
#include "ui/workbench_host.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

namespace {

// The main window's sub-windows: the item workbench, the vault browser, the
// report, the salvage calculator and the comparison, each made on first use
// and kept for the run, so their filters, options, font and amounts last
// until the program ends. For a screenshot they are made ready instead of run.
struct SubWindows {
  SubWindows(qm::UserPort& u, qm::FileDialogPort& f, qm::ShellPort& s, bool r)
      : user(u), files(f), shell(s), run(r) {}

  qm::UserPort& user;
  qm::FileDialogPort& files;
  qm::ShellPort& shell;
  bool run;
  qm::ui::WorkbenchHost workbench{qm::TheVault(), qm::SharedVaultFilter(), user, files, shell};
  std::unique_ptr<qm::MainWindowBrowserHost> host;
  qm::ui::OwnedWindow<qm::ui::VaultBrowserDialog> browser;
  qm::ui::OwnedWindow<qm::ui::ReportDialog> report;
  qm::ui::OwnedWindow<qm::ui::SalvageDialog> salvage;
  qm::ui::OwnedWindow<qm::ui::ComparisonDialog> comparison;
  QWidget* parent = nullptr;  // the main window, once it exists
  QWidget* shown = nullptr;

  static bool Shows(const std::string& window) {
    return window == "browser" || window == "report" || window == "salvage" ||
           window == "compare" || window.starts_with("compare:");
  }

  // The main window the sub-windows open over.
  void SetParent(QWidget* mainWindow) {
    parent = mainWindow;
    workbench.SetParent(mainWindow);
  }

  void Register(qm::ui::WindowRegistry& windows, qm::Settings& settings, qm::TfrmGearMain& model) {
    workbench.Register(windows);
    windows.SetVaultBrowser([this, &settings, &model] {
      if (!browser) {
        host = std::make_unique<qm::MainWindowBrowserHost>(model, settings);
        browser.Make(qm::TheVault(), qm::SharedVaultFilter(), *host, user, shell, parent);
      }
      run ? browser->Run() : browser->Prepare();
      shown = browser.get();
    });
    windows.SetReport([this, &settings](const qm::ReportRequest& request) {
      if (!report) report.Make(files, user, shell, settings.StartFolder(), parent);
      run ? report->Run(request) : report->Prepare(request);
      shown = report.get();
    });
    windows.SetSalvage([this] {
      if (!salvage) salvage.Make(parent);
      if (run) salvage->Run();
      shown = salvage.get();
    });
    windows.SetComparison([this](const qm::ComparisonRequest& request) {
      if (!comparison) comparison.Make(parent);
      run ? comparison->Run(request) : comparison->Prepare(request);
      shown = comparison.get();
    });
  }

  // Opens the window through the main window's own command, made ready only.
  int RenderScreenshot(qm::TfrmGearMain& model, const std::string& window, const std::string& path,
                       QSize size) {
    shown = nullptr;
    if (window == "browser") {
      model.OpenVaultBrowser();
      // The picture shows the first item's description (line 0 is the
      // vault's own header entry).
      if (browser && browser->Model().View().Items.Entries.size() > 1)
        browser->Model().SelectLine(1);
    }
    if (window == "report") model.OpenReport();
    if (window == "salvage") model.OpenSalvageCalculator();
    if (window == "compare") model.CompareWithSavedFile();
    if (window.starts_with("compare:")) model.CompareWithFile(window.substr(8));
    return shown && qm::ui::RenderWidgetToPng(*shown, size, path) ? 0 : 1;
  }
};

int RunScreenshot(const qm::ui::ProgramOptions& options) {
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::MemorySettingsStore store;
  qm::ui::PrivateInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};
  SubWindows subWindows(user, files, shell, false);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
  };
  if (options.window && SubWindows::Shows(*options.window)) {
    hooks.renderWindow = [&](qm::TfrmGearMain& model) {
      return subWindows.RenderScreenshot(model, *options.window, *options.screenshot,
                                         options.screenshotSize);
    };
  } else if (options.window) {
    const auto shot = qm::ui::ParseWorkbenchWindow(*options.window);
    if (!shot) {
      std::fprintf(stderr, "quillmark: no window named %s\n", options.window->c_str());
      return 2;
    }
    hooks.renderWindow = [&, shot](qm::TfrmGearMain& model) {
      return subWindows.workbench.RenderScreenshot(model, *shot, *options.screenshot,
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
  qm::ui::OwnedWindow<qm::ui::OptionsDialog> optionsDialog;
  SubWindows subWindows(user, files, shell, true);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
    windows.SetOptions([&] {
      if (!optionsDialog) optionsDialog.Make(settings, user, subWindows.parent);
      optionsDialog->Run(model.View().OptionChecks);
    });
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
        "       quillmark --screenshot OUT.png [--window "
        "workbench:SLOT[:TAB]|browser|report|salvage|compare[:FILE]] [--size WIDTHxHEIGHT]"
        " [TEMPLATE]\n"
        "       quillmark --version\n",
        stderr);
    return 2;
  }
  options->folders = qm::ui::DesktopUserFolders(options->programPath);
  return options->screenshot ? RunScreenshot(*options) : RunDesktop(*options);
}
