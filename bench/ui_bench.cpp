// A template edit through the main window until every widget shows it: the
// realm rank combo changes, the model recalculates, the window refreshes;
// and the same for undo and redo of an edit.
#include <benchmark/benchmark.h>

// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/template_file.h"
#include "mainwin/main_window.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace {

struct Gui {
  qm::ui::MemorySettingsStore store;
  qm::ui::QuietUserPort user;
  qm::ui::CancelledFileDialogs files;
  qm::ui::QuietShell shell;
  qm::ui::WindowRegistry windows;
  qm::Settings settings{store, "/tmp/quillmark"};
  qm::TfrmGearMain model{settings, user, files, shell, windows, windows};
  qm::ui::MainWindow window{model, windows};

  Gui() {
    settings.DefaultSettings();
    model.StartUp(std::nullopt);
    window.PrepareFirstShow();
    window.resize(1280, 800);
    window.show();
    // The armsman's items and skills, so every group has figures to change.
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillmark-ui-bench.qmc").string();
    qm::TTemplateRecord tpl = qm::samples::SampleTemplates().front().tpl;
    if (!qm::WriteTemplateFile(path, tpl, 0).Ok()) std::abort();
    model.SetPendingFile(path);
    model.LoadPendingFile();
    std::filesystem::remove(path);
    QCoreApplication::processEvents();
  }
};

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
