#include "ui/desktop.h"

#include <QApplication>
#include <QPixmap>

#include "ui/main_window.h"
#include "ui/text_codec.h"

namespace qm::ui {

QtDesktop::QtDesktop(MainWindowFactory makeMainWindow)
    : makeMainWindow_(std::move(makeMainWindow)) {}

QtDesktop::~QtDesktop() = default;

void QtDesktop::SetScreenshot(std::string path, QSize size) {
  screenshotPath_ = std::move(path);
  screenshotSize_ = size;
}

// Other copies reach this one through its instance channel, which knows the
// process; the process id is the handle they are given.
std::uint32_t QtDesktop::ApplicationWindow() {
  return static_cast<std::uint32_t>(QCoreApplication::applicationPid());
}

void QtDesktop::CreateMainWindow() {
  if (!window_) window_ = makeMainWindow_();
}

void QtDesktop::SetMainWindowEnabled(bool enabled) {
  if (window_) window_->setEnabled(enabled);
}

void QtDesktop::ShowSplash(std::string_view title, std::string_view loadingText) {
  if (showSplash && !screenshotPath_) showSplash(title, loadingText);
  QCoreApplication::processEvents();
}

void QtDesktop::HideSplash() {
  if (hideSplash && !screenshotPath_) hideSplash();
}

int QtDesktop::RunEventLoop() {
  if (!window_) return 1;
  window_->PrepareFirstShow();
  if (screenshotPath_) return RenderScreenshot();
  if (window_->Model().View().StartMaximized) {
    window_->showMaximized();
  } else {
    window_->show();
  }
  return QApplication::exec();
}

int QtDesktop::RenderScreenshot() {
  if (renderScreenshot) return renderScreenshot();
  return RenderWidgetToPng(*window_, screenshotSize_, *screenshotPath_) ? 0 : 1;
}

bool RenderWidgetToPng(QWidget& widget, QSize size, const std::string& path) {
  // Laid out as if shown, but never mapped: a display, if there is one,
  // sees nothing, and nothing waits for a window manager.
  widget.setAttribute(Qt::WA_DontShowOnScreen, true);
  widget.resize(size);
  widget.show();
  QCoreApplication::processEvents();
  const QPixmap picture = widget.grab();
  widget.hide();
  return !picture.isNull() && picture.save(QString::fromStdString(path), "PNG");
}

}  // namespace qm::ui
