#pragma once
// The main window's sub-windows for one run of the program, as the window
// table (ui/sub_window_table.h) makes them: each is made over the main window
// on first use and kept for the run, so its filters, options, font and
// amounts last until the program ends. In a picture run a window is made
// ready instead of run, and the one opened last is rendered.
#include <QSize>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "ports/ports.h"
#include "ui/owned_window.h"
#include "ui/workbench_host.h"

namespace qm {
class Settings;
class TfrmGearMain;
}  // namespace qm

namespace qm::ui {

class WindowRegistry;
struct WindowPicture;

class SubWindowHost {
 public:
  // run: false in a picture run, where windows are made ready, never run.
  SubWindowHost(UserPort& user, FileDialogPort& files, ShellPort& shell, bool run);
  ~SubWindowHost();
  SubWindowHost(const SubWindowHost&) = delete;
  SubWindowHost& operator=(const SubWindowHost&) = delete;

  // Registers every window of the table; model and settings stay valid for
  // as long as a window may be shown.
  void Register(WindowRegistry& windows, Settings& settings, TfrmGearMain& model);
  // The main window the sub-windows open over, once it exists.
  void SetParent(QWidget* mainWindow);

  // Whether "--window name" names a window of the table.
  static bool Knows(std::string_view name);
  // Renders the window name names, opened through the main window's own
  // command, into path; 0 when written, 1 otherwise.
  int RenderScreenshot(std::string_view name, const std::string& path, QSize size);

  // What the table's entries build their windows from.
  UserPort& user;
  FileDialogPort& files;
  ShellPort& shell;
  Settings& CurrentSettings() const { return *settings_; }
  TfrmGearMain& Model() const { return *model_; }
  QWidget* Parent() const { return parent_; }
  WorkbenchHost& Workbench() { return workbench_; }

  // The window of type Dialog, made by make (which returns a new Dialog over
  // Parent()) when it does not exist yet.
  template <typename Dialog, typename Make>
  Dialog& Window(Make make) {
    OwnedWindow<QWidget>& slot = windows_[std::type_index(typeid(Dialog))];
    if (!slot) slot.Adopt(make());
    return static_cast<Dialog&>(*slot);
  }
  // Keeps an object a window works with for the rest of the run.
  template <typename T>
  T& Keep(std::unique_ptr<T> object) {
    T& kept = *object;
    kept_.push_back(std::shared_ptr<T>(std::move(object)));
    return kept;
  }
  // Runs the dialog modally with the arguments, or in a picture run makes it
  // ready with them and marks it as the window to render.
  template <typename Dialog, typename... Arguments>
  void Present(Dialog& dialog, const Arguments&... arguments) {
    if (run_) {
      dialog.Run(arguments...);
      return;
    }
    if constexpr (requires { dialog.Prepare(arguments...); }) dialog.Prepare(arguments...);
    shown_ = &dialog;
  }
  bool Running() const { return run_; }
  // Renders the window opened last into the picture; 0 when written.
  int RenderShown(const WindowPicture& picture) const;

 private:
  bool run_;
  Settings* settings_ = nullptr;
  TfrmGearMain* model_ = nullptr;
  QWidget* parent_ = nullptr;
  QWidget* shown_ = nullptr;
  WorkbenchHost workbench_;
  // Declared before the windows, so that it outlives them.
  std::vector<std::shared_ptr<void>> kept_;
  std::map<std::type_index, OwnedWindow<QWidget>> windows_;
};

}  // namespace qm::ui
