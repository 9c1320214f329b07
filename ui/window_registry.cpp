#include "ui/window_registry.h"

namespace qm::ui {

bool WindowRegistry::Has(SubWindow window) const {
  switch (window) {
    case SubWindow::kWorkbench:
      return static_cast<bool>(workbench_);
    case SubWindow::kReport:
      return static_cast<bool>(report_);
    case SubWindow::kVaultBrowser:
      return static_cast<bool>(vaultBrowser_);
    case SubWindow::kSalvage:
      return static_cast<bool>(salvage_);
    case SubWindow::kOptions:
      return static_cast<bool>(options_);
    case SubWindow::kComparison:
      return static_cast<bool>(comparison_);
  }
  return false;
}

std::string WindowRegistry::MissingTip(SubWindow window) {
  switch (window) {
    case SubWindow::kWorkbench:
      return "The item workbench is not available in this version yet.";
    case SubWindow::kReport:
      return "The template report is not available in this version yet.";
    case SubWindow::kVaultBrowser:
      return "The vault browser is not available in this version yet.";
    case SubWindow::kSalvage:
      return "The salvage calculator is not available in this version yet.";
    case SubWindow::kOptions:
      return "The options dialog is not available in this version yet.";
    case SubWindow::kComparison:
      return "The template comparison is not available in this version yet.";
  }
  return {};
}

void WindowRegistry::ShowReport(const ReportRequest& request) {
  if (report_) report_(request);
}
void WindowRegistry::ShowVaultBrowser() {
  if (vaultBrowser_) vaultBrowser_();
}
void WindowRegistry::ShowSalvageCalculator() {
  if (salvage_) salvage_();
}
void WindowRegistry::ShowOptions() {
  if (options_) options_();
}
void WindowRegistry::ShowComparison(const ComparisonRequest& request) {
  if (comparison_) comparison_(request);
}

WorkbenchOutcome WindowRegistry::RunWorkbench(const WorkbenchRequest& request,
                                              const SlotPreview& preview) {
  if (workbench_) return workbench_(request, preview);
  return {false, request.StartingItem};
}

}  // namespace qm::ui
