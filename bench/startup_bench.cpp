// Start-up to an interactive main window, as the program runs it: settings,
// the main window's model and widgets, every sub-window, the vault loaded
// behind the splash, the first show, and the event loop running with the
// window enabled. Once on the bundled vault and once on a generated vault of
// 100,000 entries. The process's own start (Qt, fonts, linking) is measured
// by bench/desktop-measure.sh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench/realistic_vault.h"
#include "ui/desktop.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

namespace fs = std::filesystem;

// A program directory of its own per vault: the program finds master.qmv
// beside its executable.
fs::path ProgramFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / "quillmark-startup-bench" / name;
  fs::create_directories(folder);
  return folder;
}

bool WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

const fs::path& BundledFolder() {
  static const fs::path folder = [] {
    const fs::path f = ProgramFolder("bundled");
    fs::copy_file(QM_BUNDLED_VAULT, f / "master.qmv", fs::copy_options::overwrite_existing);
    return f;
  }();
  return folder;
}

const fs::path& LargeFolder() {
  static const fs::path folder = [] {
    const fs::path f = ProgramFolder("large");
    if (!WriteBytes(f / "master.qmv", qm::RealisticPackedVault())) std::abort();
    return f;
  }();
  return folder;
}

// Closes the main window as soon as the event loop runs with it shown: that
// is the moment a player can use it.
class CloseWhenShown : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* window = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, window, [window] { window->close(); });
    }
    return false;
  }
};

void StartUp(benchmark::State& state, const fs::path& folder) {
  qm::ui::ProgramOptions options;
  options.programPath = (folder / "quillmark").string();
  CloseWhenShown closer;
  for (auto _ : state) {
    qm::ui::QuietUserPort user;
    qm::ui::CancelledFileDialogs files;
    qm::ui::QuietShell shell;
    qm::ui::MemorySettingsStore store;
    qm::ui::PrivateInstanceChannel instance;
    qm::ui::ProgramPorts ports{user, files, shell, store, instance};
    qm::ui::ProgramHooks hooks;
    hooks.mainWindowMade = [&](qm::ui::MainWindow& window) { window.installEventFilter(&closer); };
    if (qm::ui::RunProgram(options, ports, hooks) != 0) {
      for (const auto& message : user.messages) std::fprintf(stderr, "%s\n", message.c_str());
      state.SkipWithError("start-up failed");
      break;
    }
  }
}

void BM_StartUpBundledVault(benchmark::State& state) {
  StartUp(state, BundledFolder());
}
BENCHMARK(BM_StartUpBundledVault)->Unit(benchmark::kMillisecond);

void BM_StartUpLargeVault(benchmark::State& state) {
  StartUp(state, LargeFolder());
}
BENCHMARK(BM_StartUpLargeVault)->Unit(benchmark::kMillisecond);

}  // namespace
