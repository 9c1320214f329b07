// A template edit through the main window until every widget shows it: the
// realm rank combo changes, the model recalculates, the window refreshes;
// and the same for undo and redo of an edit.
#include <benchmark/benchmark.h>

// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <QAction>
#include <QComboBox>
#include <algorithm>
#include <functional>

#include "sample_main_window.h"

namespace {

using Gui = qm::bench::SampleMainWindow;

void BM_RealmRankEditToRefreshedWindow(benchmark::State& state) {
  Gui gui;
  auto* rank = gui.window.findChild<QComboBox*>("cbRealmRank");
  int index = 0;
  for (auto _ : state) {
    index = index == 0 ? 9 : 0;
    rank->setCurrentIndex(index);
    emit rank->activated(index);
  }
}
BENCHMARK(BM_RealmRankEditToRefreshedWindow)->Unit(benchmark::kMicrosecond);

// The same edit until the screen shows it: the changed labels repainted.
void BM_RealmRankEditToRepaintedWindow(benchmark::State& state) {
  Gui gui;
  auto* rank = gui.window.findChild<QComboBox*>("cbRealmRank");
  int index = 0;
  for (auto _ : state) {
    index = index == 0 ? 9 : 0;
    rank->setCurrentIndex(index);
    emit rank->activated(index);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_RealmRankEditToRepaintedWindow)->Unit(benchmark::kMicrosecond);

void BM_ClearAndRefillSlotToRefreshedWindow(benchmark::State& state) {
  Gui gui;
  const qm::TItemRecord chest = gui.model.Template().Slot(qm::kChest);
  const qm::TItemRecord empty = qm::EmptyItem();
  bool filled = true;
  for (auto _ : state) {
    filled = !filled;
    gui.model.PreviewSlot(qm::kChest, filled ? chest : empty);
  }
}
BENCHMARK(BM_ClearAndRefillSlotToRefreshedWindow)->Unit(benchmark::kMicrosecond);

// Undo and redo through the Edit menu's actions until every widget shows the
// step: one slot's item (the chest emptied), then a character field (the
// level, which takes the champion flag and the Myth item with it).
void UndoRedoToRefreshedWindow(benchmark::State& state, bool repaint,
                               const std::function<void(Gui&)>& change) {
  Gui gui;
  change(gui);
  auto* undo = gui.window.findChild<QAction*>("Undo1");
  auto* redo = gui.window.findChild<QAction*>("Redo1");
  bool undone = false;
  for (auto _ : state) {
    undone = !undone;
    (undone ? undo : redo)->trigger();
    if (repaint) QCoreApplication::processEvents();
  }
  state.counters["historyBytesPerStep"] = static_cast<double>(
      gui.model.History().MemoryUse() / std::max<std::size_t>(1, gui.model.History().Size()));
}

void ClearChest(Gui& gui) {
  gui.model.PreviewSlot(qm::kChest, qm::EmptyItem());
}
void LowerLevel(Gui& gui) {
  gui.model.ChangeLevel("40");
}

void BM_UndoRedoSlotToRefreshedWindow(benchmark::State& state) {
  UndoRedoToRefreshedWindow(state, false, ClearChest);
}
BENCHMARK(BM_UndoRedoSlotToRefreshedWindow)->Unit(benchmark::kMicrosecond);
void BM_UndoRedoSlotToRepaintedWindow(benchmark::State& state) {
  UndoRedoToRefreshedWindow(state, true, ClearChest);
}
BENCHMARK(BM_UndoRedoSlotToRepaintedWindow)->Unit(benchmark::kMicrosecond);
void BM_UndoRedoLevelToRepaintedWindow(benchmark::State& state) {
  UndoRedoToRefreshedWindow(state, true, LowerLevel);
}
BENCHMARK(BM_UndoRedoLevelToRepaintedWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
