#pragma once
// The window system as start-up drives it: the main window is made when
// start-up asks for it, the splash shows while the vault loads, and the
// event loop runs until the main window closes. In screenshot mode the loop
// is replaced by one rendering of the main window into a PNG file.
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/ports.h"

class QWidget;

namespace qm::ui {

class MainWindow;

class QtDesktop : public DesktopPort {
 public:
  using MainWindowFactory = std::function<std::unique_ptr<MainWindow>()>;
  explicit QtDesktop(MainWindowFactory makeMainWindow);
  ~QtDesktop() override;

  // The splash window comes from its own class; without one the vault loads
  // behind the busy cursor alone.
  std::function<void(std::string_view title, std::string_view loading)> showSplash;
  std::function<void()> hideSplash;

  // Renders the main window at size into path instead of running the loop.
  void SetScreenshot(std::string path, QSize size);
  // Renders another window in the main window's place (it opens over the
  // laid-out main window); returns the exit code.
  std::function<int()> renderScreenshot;

  MainWindow* Window() const { return window_.get(); }

  std::uint32_t ApplicationWindow() override;
  void CreateMainWindow() override;
  void SetMainWindowEnabled(bool enabled) override;
  void ShowSplash(std::string_view title, std::string_view loadingText) override;
  void HideSplash() override;
  int RunEventLoop() override;

 private:
  int RenderScreenshot();

  MainWindowFactory makeMainWindow_;
  std::unique_ptr<MainWindow> window_;
  std::optional<std::string> screenshotPath_;
  QSize screenshotSize_;
};

// Renders a window at size into a PNG file; false when it cannot be written.
bool RenderWidgetToPng(QWidget& widget, QSize size, const std::string& path);

}  // namespace qm::ui
