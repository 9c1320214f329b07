#include "ui/sub_window_table.h"

#include <unistd.h>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>

#include "interop/game_folders.h"
#include "interop/item_import_model.h"
#include "mainwin/browser_host.h"
#include "mainwin/comparison_window.h"
#include "mainwin/main_window.h"
#include "optimizer/solve.h"
#include "report/report_window.h"
#include "salvage/salvage_model.h"
#include "shell/about_box.h"
#include "shell/options_dialog.h"
#include "ui/about_dialog.h"
#include "ui/comparison_dialog.h"
#include "ui/item_import_dialog.h"
#include "ui/optimize_dialog.h"
#include "ui/options_dialog.h"
#include "ui/quickbar_export_dialog.h"
#include "ui/report_dialog.h"
#include "ui/salvage_dialog.h"
#include "ui/sub_window_host.h"
#include "ui/vault_browser_dialog.h"
#include "ui/vault_build_dialog.h"
#include "ui/window_registry.h"
#include "ui/workbench_host.h"
#include "vault/vault.h"
#include "vault/vault_build_model.h"
#include "vault/vault_filter.h"

namespace qm::ui {
namespace {

// The picture of a window the main window opens with command.
template <void (TfrmGearMain::*Command)()>
int PictureThrough(SubWindowHost& host, const WindowPicture& picture) {
  (host.Model().*Command)();
  return host.RenderShown(picture);
}

bool AnyArgument(std::string_view) {
  return true;
}

void OpenBrowser(SubWindowHost& host, const SubWindowRequest&) {
  auto& dialog = host.Window<VaultBrowserDialog>([&] {
    auto& browser =
        host.Keep(std::make_unique<MainWindowBrowserHost>(host.Model(), host.CurrentSettings()));
    auto* made = new VaultBrowserDialog(TheVault(), SharedVaultFilter(), browser, host.user,
                                        host.shell, host.Parent());
    made->SetImportCommand([&model = host.Model()] { model.OpenItemImport(); });
    return made;
  });
  host.Present(dialog);
  // The picture shows the first item's description (line 0 is the vault's
  // own header entry).
  if (!host.Running() && dialog.Model().View().Items.Entries.size() > 1)
    dialog.Model().SelectLine(1);
}

void OpenReport(SubWindowHost& host, const SubWindowRequest& request) {
  host.Present(host.Window<ReportDialog>([&] {
    auto* made = new ReportDialog(host.files, host.user, host.shell,
                                  host.CurrentSettings().StartFolder(), host.Parent());
    made->SetQuickbarCommand([&model = host.Model()] { model.OpenQuickbarExport(); });
    return made;
  }),
               std::get<ReportRequest>(request));
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

void OpenQuickbarExport(SubWindowHost& host, const SubWindowRequest& request) {
  host.Present(host.Window<QuickbarExportDialog>([&] {
    QuickbarExportSetup setup;
    setup.ProgramDirectory = host.CurrentSettings().ProgramDirectory();
    setup.GameFolder = FindGameSettingsFolder(
        {EnvironmentText("HOME"), EnvironmentText("WINEPREFIX"), EnvironmentText("USER")});
    return new QuickbarExportDialog(host.user, host.files, std::move(setup), host.Parent());
  }),
               std::get<QuickbarRequest>(request));
}

// "quickbar" without a settings file, "quickbar:INI" with that file picked.
int PictureOfQuickbarExport(SubWindowHost& host, const WindowPicture& picture) {
  host.Model().OpenQuickbarExport();
  if (!picture.argument.empty()) {
    auto& dialog =
        host.Window<QuickbarExportDialog>([]() -> QuickbarExportDialog* { return nullptr; });
    dialog.Model().IniFileChange(std::string(picture.argument));
  }
  return host.RenderShown(picture);
}

void OpenOptimize(SubWindowHost& host, const SubWindowRequest& request) {
  host.Present(host.Window<OptimizeDialog>([&] {
    return new OptimizeDialog(host.CurrentSettings().Store(), TheVault().Entries(), host.Parent());
  }),
               std::get<OptimizeTemplateRequest>(request));
}

bool IsOptimizeShot(std::string_view argument) {
  return argument.empty() || argument == "goal" || argument == "running" || argument == "result";
}

// "optimize" with its slots, "optimize:goal" with its goal and spellcraft
// page; "optimize:running" a second into a search,
// as its progress then shows; "optimize:result" after a search of two seconds.
int PictureOfOptimize(SubWindowHost& host, const WindowPicture& picture) {
  if (host.Model().View().Class.Selection < 0) return 1;  // no character, no window
  host.Model().OpenOptimizeTemplate();
  auto& dialog = host.Window<OptimizeDialog>([]() -> OptimizeDialog* { return nullptr; });
  TfrmOptimize& model = dialog.Model();
  if (picture.argument == "goal") model.PageChange(1);
  if (picture.argument == "result") {
    model.TimeLimitChange(2);
    if (model.OptimizeClick()) model.JobEnded(Optimize(model.Request()));
  } else if (picture.argument == "running" && model.OptimizeClick()) {
    // The search's own reports reach the model; the window stays as it is mid-search.
    OptimizerRequest request = model.Request();
    request.TimeLimitSeconds = 1;
    const auto total = static_cast<std::uint64_t>(model.Settings().TimeLimitSeconds) * 1000;
    JobProgress last;
    request.Progress = [&](std::uint64_t done, std::uint64_t, std::string_view phase) {
      last = {done, total, std::string(phase)};
    };
    (void)Optimize(request);
    model.JobProgressed(last);
  }
  return host.RenderShown(picture);
}

void OpenSalvage(SubWindowHost& host, const SubWindowRequest&) {
  host.Present(host.Window<SalvageDialog>([&] { return new SalvageDialog(host.Parent()); }));
}

void OpenOptions(SubWindowHost& host, const SubWindowRequest&) {
  host.Present(host.Window<OptionsDialog>([&] {
    return new OptionsDialog(host.CurrentSettings(), host.user, host.Parent());
  }),
               host.Model().View().OptionChecks);
}

void OpenComparison(SubWindowHost& host, const SubWindowRequest& request) {
  host.Present(host.Window<ComparisonDialog>([&] { return new ComparisonDialog(host.Parent()); }),
               std::get<ComparisonRequest>(request));
}

// Not modal: the build runs on while the player goes on planning.
void OpenVaultBuild(SubWindowHost& host, const SubWindowRequest&) {
  host.Present(host.Window<VaultBuildDialog>(
      [&] { return new VaultBuildDialog(host.files, host.Parent()); }));
}

// Not modal either: an import of a large database takes a while. A picture
// run imports into a vault of its own, never the player's.
void OpenItemImport(SubWindowHost& host, const SubWindowRequest&) {
  host.Present(host.Window<ItemImportDialog>([&] {
    const std::string vault = host.Running()
                                  ? host.CurrentSettings().UserVaultPath()
                                  : (std::filesystem::temp_directory_path() /
                                     ("quillmark-picture-" + std::to_string(::getpid()) + ".qmv"))
                                        .string();
    auto* made = new ItemImportDialog(host.files, host.user, vault, host.Parent());
    // A new vault of the player's own makes Use Bundled Vault a choice.
    made->SetImportedCallback([&model = host.Model()] { model.UpdateVaultMenu(); });
    return made;
  }));
}

// "import" empty, "import:PATH[,PATH...]" after importing those sources.
int PictureOfItemImport(SubWindowHost& host, const WindowPicture& picture) {
  host.Model().OpenItemImport();
  auto& dialog = host.Window<ItemImportDialog>([]() -> ItemImportDialog* { return nullptr; });
  if (!picture.argument.empty()) {
    std::vector<std::string> sources;
    for (std::string_view rest = picture.argument; !rest.empty();) {
      const std::size_t comma = std::min(rest.find(','), rest.size());
      sources.emplace_back(rest.substr(0, comma));
      rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    TfrmItemImport& model = dialog.Model();
    model.AddSources(sources);
    if (model.ImportClick()) model.JobEnded(ImportItemSources(model.Request(), {}, model.Token()));
    std::error_code ec;
    std::filesystem::remove(model.Request().OutPath, ec);
    std::filesystem::remove(model.Request().OutPath + ".bak", ec);
  }
  return host.RenderShown(picture);
}

// "compare" against the template's own file as last saved, "compare:FILE"
// against FILE.
int PictureOfComparison(SubWindowHost& host, const WindowPicture& picture) {
  if (picture.argument.empty()) {
    host.Model().CompareWithSavedFile();
  } else {
    host.Model().CompareWithFile(std::string(picture.argument));
  }
  return host.RenderShown(picture);
}

bool IsWorkbenchShot(std::string_view argument) {
  return ParseWorkbenchWindow("workbench:" + std::string(argument)).has_value();
}

int PictureOfWorkbench(SubWindowHost& host, const WindowPicture& picture) {
  const auto shot = ParseWorkbenchWindow("workbench:" + std::string(picture.argument));
  if (!shot) return 1;
  return host.Workbench().RenderScreenshot(host.Model(), *shot, picture.path, picture.size);
}

constexpr std::array kSubWindows{
    SubWindowEntry{kWorkbenchWindow, "SLOT[:TAB]", "item workbench", "", "", nullptr,
                   IsWorkbenchShot, PictureOfWorkbench},
    SubWindowEntry{"browser", "", "vault browser", "ctrl+w", "Vault Browser", OpenBrowser, nullptr,
                   PictureThrough<&TfrmGearMain::OpenVaultBrowser>},
    SubWindowEntry{"report", "", "template report", "ctrl+r", kReportCaption, OpenReport, nullptr,
                   PictureThrough<&TfrmGearMain::OpenReport>},
    SubWindowEntry{"salvage", "", "salvage calculator", "ctrl+m", kSalvageCaption, OpenSalvage,
                   nullptr, PictureThrough<&TfrmGearMain::OpenSalvageCalculator>},
    SubWindowEntry{"options", "", "options dialog", "ctrl+o", kOptionsCaption, OpenOptions, nullptr,
                   PictureThrough<&TfrmGearMain::OpenOptions>},
    SubWindowEntry{"compare", "FILE", "template comparison", "alt+f v", kComparisonCaption,
                   OpenComparison, AnyArgument, PictureOfComparison},
    SubWindowEntry{"about", "", "About box", "alt+h a", kAboutCaption,
                   [](SubWindowHost& host, const SubWindowRequest&) {
                     host.Present(host.Window<AboutDialog>(
                         [&] { return new AboutDialog(TheVault(), host.Parent()); }));
                   },
                   nullptr, PictureThrough<&TfrmGearMain::OpenAbout>},
    // No keys for the desktop smoke run: the folder dialog comes before the window.
    SubWindowEntry{"vaultbuild", "", "vault builder", "", kVaultBuildCaption, OpenVaultBuild,
                   nullptr, PictureThrough<&TfrmGearMain::OpenVaultBuild>},
    SubWindowEntry{"import", "PATH,...", "item import", "alt+t i", kItemImportCaption,
                   OpenItemImport, AnyArgument, PictureOfItemImport},
    // Also opened from the report window and the workbench's spellcraft tab.
    SubWindowEntry{"quickbar", "INI", "quickbar export", "alt+t q", kQuickbarCaption,
                   OpenQuickbarExport, AnyArgument, PictureOfQuickbarExport},
    SubWindowEntry{"optimize", "STATE", "template optimizer", "alt+t o", kOptimizeCaption,
                   OpenOptimize, IsOptimizeShot, PictureOfOptimize},
};

}  // namespace

std::span<const SubWindowEntry> SubWindowTable() {
  return kSubWindows;
}

const SubWindowEntry* FindSubWindow(std::string_view name) {
  const auto found =
      std::find_if(kSubWindows.begin(), kSubWindows.end(),
                   [name](const SubWindowEntry& entry) { return entry.name == name; });
  return found == kSubWindows.end() ? nullptr : &*found;
}

std::string SubWindowUsage() {
  std::string usage;
  for (const SubWindowEntry& entry : kSubWindows) {
    if (!usage.empty()) usage += '|';
    usage += entry.name;
    if (entry.argument.empty()) continue;
    // An argument the window may go without is shown in brackets.
    const bool optional = entry.accepts && entry.accepts("");
    usage += optional ? "[:" : ":";
    usage += entry.argument;
    if (optional) usage += ']';
  }
  return usage;
}

std::string SubWindowList() {
  std::string list;
  for (const SubWindowEntry& entry : kSubWindows) {
    if (entry.keys.empty()) continue;
    list += std::string(entry.name) + '\t' + std::string(entry.keys) + '\t' +
            std::string(entry.caption) + '\n';
  }
  return list;
}

}  // namespace qm::ui
