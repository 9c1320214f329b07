#pragma once
// A sub-window made on first use over the main window and kept for the run.
// Qt deletes a window with its parent, and the program may end its main
// window before or after the owner of a sub-window goes: the pointer follows
// whichever deletion comes first, so the window is deleted exactly once.
#include <QPointer>
#include <utility>

namespace qm::ui {

template <typename Window>
class OwnedWindow {
 public:
  OwnedWindow() = default;
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  ~OwnedWindow() { delete window_.data(); }

  template <typename... Arguments>
  Window& Make(Arguments&&... arguments) {
    delete window_.data();
    window_ = new Window(std::forward<Arguments>(arguments)...);
    return *window_;
  }
  // Takes a window made elsewhere, of Window or a class derived from it.
  Window& Adopt(Window* window) {
    delete window_.data();
    window_ = window;
    return *window_;
  }
  Window* get() const { return window_.data(); }
  Window* operator->() const { return window_.data(); }
  Window& operator*() const { return *window_; }
  explicit operator bool() const { return !window_.isNull(); }

 private:
  QPointer<Window> window_;
};

}  // namespace qm::ui
