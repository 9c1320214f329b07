// The item workbench as a player waits for it, over a 100,000-entry vault and
// in front of the real main window: opening it for the Chest, a search with
// two bonus filters until the result list holds the names, and one keystroke
// in an amount box or one gem change until every figure of the workbench and
// the main window's totals behind it are redrawn.
#include <benchmark/benchmark.h>

// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <chrono>
#include <optional>

#include "ui/item_workbench_dialog.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

#include "realistic_vault.h"
#include "sample_main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// The main window on the armsman sample, and the workbench over the large
// vault. The slot command opens the workbench without a modal loop, so a
// benchmark can keep it open across iterations or time one opening.
struct Bench : qm::bench::SampleMainWindow {
  qm::Vault vault;
  qm::TVaultFilter criteria;
  qm::TfrmItems items{vault, criteria, user, files, shell};
  std::optional<qm::ui::ItemWorkbenchDialog> dialog;
  Clock::duration lastOpening{};

  Bench() {
    if (!vault.LoadPacked(qm::RealisticPackedVault()).Ok()) std::abort();
    dialog.emplace(items, &window);
    dialog->setAttribute(Qt::WA_DontShowOnScreen, true);
    windows.SetWorkbench(
        [this](const qm::WorkbenchRequest& request, const qm::SlotPreview& preview) {
          const Clock::time_point start = Clock::now();
          dialog->Open(request, preview);
          QCoreApplication::processEvents();  // shown, laid out and painted
          lastOpening = Clock::now() - start;
          return items.Outcome();
        });
    QCoreApplication::processEvents();
  }

  // Opens the Chest's workbench and leaves it open on tab.
  void OpenChest(qm::WorkbenchTab tab) {
    model.OpenSlot(qm::kChest);
    items.ActivateTab(tab);
    QCoreApplication::processEvents();
  }
  QComboBox* Combo(const char* name) {
    auto* box = dialog->findChild<QComboBox*>(name);
    if (!box) std::abort();
    return box;
  }
  static void Key(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
  }
  static void Choose(QComboBox* box, int position) {
    box->setCurrentIndex(position);
    emit box->activated(position);
  }
};

void BM_OpenWorkbenchForChest(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    bench.model.OpenSlot(qm::kChest);
    state.SetIterationTime(std::chrono::duration<double>(bench.lastOpening).count());
    bench.items.btnCancelClick();
    bench.dialog->hide();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_OpenWorkbenchForChest)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SearchWithTwoBonusFiltersListFilled(benchmark::State& state) {
  Bench bench;
  bench.OpenChest(qm::WorkbenchTab::kLoad);
  // Any type, so the search runs over every entry; two stat filters.
  Bench::Choose(bench.Combo("Filt1"), 0);
  Bench::Choose(bench.Combo("Filt2"), 1);
  Bench::Choose(bench.Combo("filt3"), 2);
  QListView* list = bench.dialog->findChild<QListView*>("LItems");
  for (auto _ : state) {
    bench.items.DirectoryChange();
    QCoreApplication::processEvents();  // the list lays out and paints
  }
  state.counters["listed"] = static_cast<double>(list->model()->rowCount());
}
BENCHMARK(BM_SearchWithTwoBonusFiltersListFilled)->Unit(benchmark::kMillisecond);

// The same search without bonus filters: every chest piece the character may
// wear, so the list holds thousands of names.
void BM_SearchWithoutFiltersListFilled(benchmark::State& state) {
  Bench bench;
  bench.OpenChest(qm::WorkbenchTab::kLoad);
  QListView* list = bench.dialog->findChild<QListView*>("LItems");
  for (auto _ : state) {
    bench.items.DirectoryChange();
    QCoreApplication::processEvents();
  }
  state.counters["listed"] = static_cast<double>(list->model()->rowCount());
}
BENCHMARK(BM_SearchWithoutFiltersListFilled)->Unit(benchmark::kMillisecond);

void BM_AmountKeystrokeToRepaintedWindows(benchmark::State& state) {
  Bench bench;
  bench.OpenChest(qm::WorkbenchTab::kInline);
  Bench::Choose(bench.Combo("a1"), 1);
  Bench::Choose(bench.Combo("c1"), 1);
  auto* amount = bench.dialog->findChild<QAbstractSpinBox*>("s1");
  if (!amount) std::abort();
  amount->setFocus();
  Bench::Key(amount, Qt::Key_End, {});
  bool typed = false;
  for (auto _ : state) {
    typed = !typed;
    Bench::Key(amount, typed ? Qt::Key_5 : Qt::Key_Backspace,
               typed ? QStringLiteral("5") : QString());
    QCoreApplication::processEvents();
  }
  // The keystrokes reached the model: one more digit shows in the box.
  Bench::Key(amount, Qt::Key_7, QStringLiteral("7"));
  if (!amount->text().contains('7')) std::abort();
}
BENCHMARK(BM_AmountKeystrokeToRepaintedWindows)->Unit(benchmark::kMillisecond);

void BM_GemChangeToRepaintedWindows(benchmark::State& state) {
  Bench bench;
  bench.OpenChest(qm::WorkbenchTab::kSpellcraft);
  Bench::Choose(bench.Combo("archtype1"), 1);
  Bench::Choose(bench.Combo("scFake1"), 1);
  QComboBox* value = bench.Combo("cs1");
  int position = 1;
  for (auto _ : state) {
    position = position == 1 ? 2 : 1;
    Bench::Choose(value, position);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_GemChangeToRepaintedWindows)->Unit(benchmark::kMillisecond);

}  // namespace
