// The sub-windows as a player waits for them: opening the report for a
// template with every slot filled, and the vault browser's unfiltered search
// over 100,000 entries until the result list holds every name.
#include <benchmark/benchmark.h>

// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <QApplication>
#include <QListView>

#include "report/report_window.h"
#include "ui/headless_ports.h"
#include "ui/item_list_model.h"
#include "ui/report_dialog.h"
#include "ui/vault_browser_dialog.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

#include "realistic_vault.h"

namespace {

// The armsman sample with every empty slot holding an item of ten bonuses.
qm::TTemplateRecord FullTemplate() {
  qm::TTemplateRecord tpl = qm::samples::SampleTemplates().front().tpl;
  for (int slot = 1; slot <= qm::kSlotCount; ++slot) {
    if (tpl.Slot(slot).Name.View() != " ") continue;
    tpl.Slot(slot) = qm::samples::MakeItem(
        "Filler " + std::to_string(slot),
        {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {10, 3}, {11, 3}, {12, 3}, {13, 3}, {14, 3}, {15, 3}});
  }
  return tpl;
}

void BM_OpenReportForFullTemplate(benchmark::State& state) {
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::ReportDialog dialog(files, user, shell, "/tmp");
  qm::ReportRequest request;
  request.Template = FullTemplate();
  const qm::MainWindowReadings readings = qm::ReadingsFromTemplate(request.Template, 0);
  request.ClassText = readings.ClassText;
  request.RaceIndex = readings.RaceIndex;
  request.RaceText = readings.RaceText;
  request.UtilityTexts = readings.SlotMeasures;
  for (auto _ : state) {
    // Each opening rebuilds the same text; the view must take it anew.
    state.PauseTiming();
    qm::ReportRequest empty;
    dialog.Prepare(empty);
    state.ResumeTiming();
    dialog.Prepare(request);
  }
  state.counters["lines"] = static_cast<double>(dialog.Model().Lines().size());
}
BENCHMARK(BM_OpenReportForFullTemplate)->Unit(benchmark::kMillisecond);

void BM_BrowserUnfilteredSearchListFilled(benchmark::State& state) {
  qm::Vault vault;
  if (!vault.LoadPacked(qm::RealisticPackedVault()).Ok()) std::abort();
  qm::TTemplateRecord tpl = qm::EmptyTemplate();
  qm::TemplateBrowserHost host(tpl);
  qm::TVaultFilter criteria;
  qm::ui::QuietUserPort user;
  qm::ui::QuietShell shell;
  qm::ui::VaultBrowserDialog dialog(vault, criteria, host, user, shell);
  dialog.setAttribute(Qt::WA_DontShowOnScreen, true);
  dialog.resize(1280, 800);
  dialog.Prepare();
  dialog.show();
  QCoreApplication::processEvents();
  auto* results = static_cast<qm::ui::ItemListModel*>(dialog.List()->model());
  for (auto _ : state) {
    state.PauseTiming();
    results->Show({});
    QCoreApplication::processEvents();
    state.ResumeTiming();
    dialog.Model().BrowserSearch();
    QCoreApplication::processEvents();  // the list lays out and paints
  }
  state.counters["lines"] = static_cast<double>(results->rowCount());
}
BENCHMARK(BM_BrowserUnfilteredSearchListFilled)->Unit(benchmark::kMillisecond);

}  // namespace
