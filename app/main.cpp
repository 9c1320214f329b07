// quillmark: the desktop program. "quillmark [TEMPLATE]" runs the window;
// "quillmark --screenshot OUT.png [--window NAME] [TEMPLATE]" renders it (or a sub-window) into a
// PNG and ends, showing nothing and writing no settings.
#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/browser_host.h"
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
#include "ui/report_dialog.h"
#include "ui/salvage_dialog.h"
#include "ui/splash_screen.h"
#include "ui/vault_browser_dialog.h"
#include "ui/window_registry.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

namespace {

// The vault browser, the report and the salvage calculator: each made on
// first use and kept for the run, so their settings last until the program
// ends. For a screenshot they are made ready instead of run.
struct BrowserReportSalvage {
  BrowserReportSalvage(qm::UserPort& u, qm::FileDialogPort& f, qm::ShellPort& s, bool r)
      : user(u), files(f), shell(s), run(r) {}

  qm::UserPort& user;
  qm::FileDialogPort& files;
  qm::ShellPort& shell;
  bool run;
  qm::TfrmGearMain* model = nullptr;
  std::unique_ptr<qm::MainWindowBrowserHost> host;
  std::unique_ptr<qm::ui::VaultBrowserDialog> browser;
  std::unique_ptr<qm::ui::ReportDialog> report;
  std::unique_ptr<qm::ui::SalvageDialog> salvage;
  QWidget* shown = nullptr;

  void Register(qm::ui::WindowRegistry& windows, qm::Settings& settings,
                qm::TfrmGearMain& mainModel) {
    model = &mainModel;
    windows.SetVaultBrowser([this, &settings] {
      if (!browser) {
        host = std::make_unique<qm::MainWindowBrowserHost>(*model, settings);
        browser = std::make_unique<qm::ui::VaultBrowserDialog>(
            qm::TheVault(), qm::SharedVaultFilter(), *host, user, shell);
      }
      run ? browser->Run() : browser->Prepare();
      shown = browser.get();
    });
    windows.SetReport([this, &settings](const qm::ReportRequest& request) {
      if (!report)
        report = std::make_unique<qm::ui::ReportDialog>(files, user, shell, ReportFolder(settings));
      run ? report->Run(request) : report->Prepare(request);
      shown = report.get();
    });
    windows.SetSalvage([this] {
      if (!salvage) salvage = std::make_unique<qm::ui::SalvageDialog>();
      if (run) salvage->Run();
      shown = salvage.get();
    });
  }

  // The save dialogs start in the program's folder when the user may write
  // there, else in the user's documents.
  static std::string ReportFolder(const qm::Settings& settings) {
    const QString start = QString::fromStdString(settings.Record().Start);
    if (!start.isEmpty() && QFileInfo(start).isWritable()) return start.toStdString();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  }

  QWidget* Present(const std::string& window) {
    shown = nullptr;
    if (window == "browser") {
      model->OpenVaultBrowser();
      // A picture of the browser shows the description of the first item
      // (line 0 is the vault's own header entry).
      if (browser && browser->Model().View().Items.Entries.size() > 1)
        browser->Model().SelectLine(1);
    }
    if (window == "report") model->OpenReport();
    if (window == "salvage") model->OpenSalvageCalculator();
    return shown;
  }
};

int RunScreenshot(const qm::ui::ProgramOptions& options) {
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::MemorySettingsStore store;
  qm::ui::PrivateInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};
  BrowserReportSalvage subWindows(user, files, shell, false);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
  };
  hooks.screenshotWindow = [&](const std::string& window) { return subWindows.Present(window); };
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
  std::unique_ptr<qm::ui::OptionsDialog> optionsDialog;
  BrowserReportSalvage subWindows(user, files, shell, true);
  qm::ui::ProgramHooks hooks;
  hooks.registerWindows = [&](qm::ui::WindowRegistry& windows, qm::Settings& settings,
                              qm::TfrmGearMain& model) {
    subWindows.Register(windows, settings, model);
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
  const auto options = qm::ui::ParseProgramArguments(
      arguments, QCoreApplication::applicationFilePath().toStdString());
  if (!options) {
    std::fputs(
        "usage: quillmark [TEMPLATE]\n"
        "       quillmark --screenshot OUT.png [--window main|browser|report|salvage] [TEMPLATE]\n",
        stderr);
    return 2;
  }
  return options->screenshot ? RunScreenshot(*options) : RunDesktop(*options);
}
