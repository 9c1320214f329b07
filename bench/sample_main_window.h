#pragma once
// The real main window over its model with quiet ports, shown offscreen at
// 1280 x 800 with the armsman sample loaded, so every group has figures to
// change: what the window benchmarks measure in front of.
// Include tools/samples.h before any Qt header.
#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/template_file.h"
#include "mainwin/main_window.h"
#include "ui/headless_ports.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace qm::bench {

struct SampleMainWindow {
  ui::MemorySettingsStore store;
  ui::QuietUserPort user;
  ui::CancelledFileDialogs files;
  ui::QuietShell shell;
  ui::WindowRegistry windows;
  Settings settings{store, "/tmp/quillmark"};
  TfrmGearMain model{settings, user, files, shell, windows, windows};
  ui::MainWindow window{model, windows};

  SampleMainWindow() {
    settings.DefaultSettings();
    model.StartUp(std::nullopt);
    window.PrepareFirstShow();
    window.resize(1280, 800);
    window.show();
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillmark-bench-sample.qmc").string();
    if (!WriteTemplateFile(path, samples::SampleTemplates().front().tpl, 0).Ok()) std::abort();
    model.SetPendingFile(path);
    model.LoadPendingFile();
    std::filesystem::remove(path);
    QCoreApplication::processEvents();
  }
};

}  // namespace qm::bench
