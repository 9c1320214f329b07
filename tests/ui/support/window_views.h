#pragma once
// Every window's named controls against its model's view, through the one
// ViewCheck: each overload lists a window's controls once. Empty when the
// window shows its view exactly.
#include <QWidget>
#include <string>
#include <vector>

#include "interop/item_import_model.h"
#include "mainwin/comparison_window.h"
#include "mainwin/main_window.h"
#include "mainwin/optimize_window.h"
#include "mainwin/quickbar_export_window.h"
#include "report/report_window.h"
#include "salvage/salvage_model.h"
#include "shell/options_dialog.h"
#include "ui/support/view_check.h"
#include "ui/window_registry.h"
#include "vault/vault_browser.h"
#include "workbench/item_search.h"

namespace qm::testing {

// The slot buttons and the sub-window commands also need their window to exist.
std::vector<std::string> ViewMismatches(const QWidget& window, const MainWindowView& view,
                                        const ui::WindowRegistry& windows);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const Tbrowser& browser);
// The workbench with its editor and spellcraft tabs.
std::vector<std::string> ViewMismatches(const QWidget& dialog, TfrmItems& workbench);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const ReportWindowView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const OptionsDialogView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const ComparisonWindowView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const SalvageView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const ItemImportView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const QuickbarExportView& view);
std::vector<std::string> ViewMismatches(const QWidget& dialog, const OptimizeView& view);

}  // namespace qm::testing
