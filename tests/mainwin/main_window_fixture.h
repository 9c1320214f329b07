#pragma once
// A main window wired to scripted ports, as the tests drive it.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mainwin/main_window.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace qm::testing {

class FakeWorkbench : public ItemWorkbenchPort {
 public:
  // Each run takes the next scripted result (nullopt = cancel); while it runs,
  // duringRun (if set) may preview items or poke the main window.
  std::deque<std::optional<TItemRecord>> results;
  std::function<void(const WorkbenchRequest&, const SlotPreview&)> duringRun;
  std::vector<WorkbenchRequest> requests;
  // The spellcraft skill every run hands back, as the tab would.
  std::optional<int> craftSkill;

  WorkbenchOutcome RunWorkbench(const WorkbenchRequest& request,
                                const SlotPreview& preview) override {
    requests.push_back(request);
    if (duringRun) duringRun(request, preview);
    WorkbenchOutcome outcome{false, request.StartingItem};
    if (!results.empty()) {
      if (results.front()) outcome = {true, *results.front()};
      results.pop_front();
    }
    outcome.CraftSkill = craftSkill;
    return outcome;
  }
};

class FakeSubWindows : public SubWindowPort {
 public:
  std::vector<std::string> opened;  // every window's name, in order
  std::vector<ReportRequest> reports;
  std::vector<ComparisonRequest> comparisons;
  int vaultBrowserRuns = 0, salvageRuns = 0, optionsRuns = 0;
  std::function<void()> duringReport, duringOptions;
  std::function<void(const OptimizeTemplateRequest&)> duringOptimize;
  void Open(std::string_view window, const SubWindowRequest& request) override {
    opened.emplace_back(window);
    if (window == "report") {
      reports.push_back(std::get<ReportRequest>(request));
      if (duringReport) duringReport();
    } else if (window == "compare") {
      comparisons.push_back(std::get<ComparisonRequest>(request));
    } else if (window == "browser") {
      ++vaultBrowserRuns;
    } else if (window == "salvage") {
      ++salvageRuns;
    } else if (window == "options") {
      ++optionsRuns;
      if (duringOptions) duringOptions();
    } else if (window == "optimize" && duringOptimize) {
      duringOptimize(std::get<OptimizeTemplateRequest>(request));
    }
  }
};

struct MainWindowFixture {
  TempFolder folder;
  FakeSettingsStore store;
  FakeUserPort user;
  FakeFileDialogs files;
  FakeShell shell;
  FakeWorkbench workbench;
  FakeSubWindows windows;
  // The player's data folder, where their own vault goes; it starts without one.
  Settings settings{store, (folder.Path() / "quillmark").string(),
                    UserFolders{"", true, (folder.Path() / "data").string()}};
  TfrmGearMain window{settings, user, files, shell, workbench, windows};

  // A started main window with a new template of the given class.
  void Start(int classIndex = 0) {
    settings.DefaultSettings();
    window.StartUp(std::nullopt);
    window.FirstShow();
    if (classIndex != 0) window.ChangeClass(classIndex);
  }
  std::string File(const std::string& name) const { return folder.File(name); }
};

}  // namespace qm::testing
