#pragma once
// The sub-windows as the main window reaches them. Each window registers
// itself here once it exists; until then its commands stay disabled in the
// main window with a status tip saying so, instead of doing nothing.
#include <functional>
#include <string>

#include "ports/sub_windows.h"
#include "workbench/item_search.h"

namespace qm::ui {

enum class SubWindow { kWorkbench, kReport, kVaultBrowser, kSalvage, kOptions, kComparison };

class WindowRegistry : public SubWindowPort, public ItemWorkbenchPort {
 public:
  using Workbench = std::function<WorkbenchOutcome(const WorkbenchRequest&, const SlotPreview&)>;

  void SetWorkbench(Workbench show) { workbench_ = std::move(show); }
  void SetReport(std::function<void(const ReportRequest&)> show) { report_ = std::move(show); }
  void SetVaultBrowser(std::function<void()> show) { vaultBrowser_ = std::move(show); }
  void SetSalvage(std::function<void()> show) { salvage_ = std::move(show); }
  void SetOptions(std::function<void()> show) { options_ = std::move(show); }
  void SetComparison(std::function<void(const ComparisonRequest&)> show) {
    comparison_ = std::move(show);
  }

  bool Has(SubWindow window) const;
  // The status tip of a command whose window is missing.
  static std::string MissingTip(SubWindow window);

  void ShowReport(const ReportRequest& request) override;
  void ShowVaultBrowser() override;
  void ShowSalvageCalculator() override;
  void ShowOptions() override;
  void ShowComparison(const ComparisonRequest& request) override;
  // Without a workbench the slot keeps its item, as after Cancel.
  WorkbenchOutcome RunWorkbench(const WorkbenchRequest& request,
                                const SlotPreview& preview) override;

 private:
  Workbench workbench_;
  std::function<void(const ReportRequest&)> report_;
  std::function<void()> vaultBrowser_, salvage_, options_;
  std::function<void(const ComparisonRequest&)> comparison_;
};

}  // namespace qm::ui
