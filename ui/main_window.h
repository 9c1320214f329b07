#pragma once
// The main window: shows TfrmGearMain's view and forwards every user action
// to its commands. It owns no game logic; after each command it copies the
// whole view into the widgets in Refresh(), which the model's change
// notification calls.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "mainwin/main_window.h"
#include "ui/view_binding.h"
#include "ui/window_registry.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace qm::ui {

class ActiveLabel;
class FigurePanel;
class SidePanel;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(TfrmGearMain& model, WindowRegistry& windows, QWidget* parent = nullptr);
  ~MainWindow() override;

  TfrmGearMain& Model() { return model_; }
  // Copies the model's view into every widget.
  void Refresh();
  // The model's first-show step (menu marks from the settings, the recent
  // menu), then the window's state; the caller shows the window.
  void PrepareFirstShow();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SlotRow {
    QPushButton* Button = nullptr;
    LabelBinding Name, Utility;
  };

  // Runs one model command; its change notification shows the outcome. A
  // choice the model refused changes nothing and so announces nothing: the
  // character box is put back from the view, or its combo would keep it.
  template <typename Command>
  void Run(Command command) {
    command();
    ApplyCharacter(model_.View());
  }

  QWidget* BuildCharacterBox(QWidget* parent);
  QWidget* BuildSlotBox(QWidget* parent);
  void BuildMenus();
  void BuildQuickbar();
  void ApplyMenus(const MainWindowView& view);
  void ApplyCharacter(const MainWindowView& view);
  void ApplySlots(const MainWindowView& view);
  void SetTabOrder();
  // A command whose window does not exist yet stays disabled and says why.
  void MarkWindowCommand(QAction* action, std::string_view window, const char* hint);
  // A menu item that opens the window named through command, marked as above.
  QAction* AddWindowItem(QMenu* menu, const char* objectName, const char* caption,
                         std::string_view window, std::function<void()> command);
  void FollowMouse(QWidget* widget);

  TfrmGearMain& model_;
  WindowRegistry& windows_;
  std::unique_ptr<FigurePanel> figures_;
  std::unique_ptr<SidePanel> side_;

  QLineEdit* name_ = nullptr;
  ComboBinding level_, realmRank_, class_, race_, server_, weapon_;
  QCheckBox* champion_ = nullptr;
  std::array<SlotRow, kSlotCount> slots_;
  LabelBinding utilityTotal_;
  QPushButton* clearAll_ = nullptr;

  QAction *new_ = nullptr, *load_ = nullptr, *save_ = nullptr, *saveAs_ = nullptr;
  QAction *importTemplate_ = nullptr, *exportTemplate_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* compareTemplate_ = nullptr;
  QAction* compareSaved_ = nullptr;
  QAction *undo_ = nullptr, *redo_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  std::array<QAction*, kRecentFileCount> recent_{};
  // One item per entry of the shell's menu tables (shell/options_menu.h).
  std::array<QAction*, kSettingToggleItems.size()> toggles_{};
  std::array<QAction*, kServerTypeItems.size()> servers_{};
  std::array<QAction*, kUtilityTypeItems.size()> utilityTypes_{};
  QAction *register_ = nullptr, *options_ = nullptr;
  QAction *report_ = nullptr, *vault_ = nullptr, *salvage_ = nullptr;
  QAction* useBundledVault_ = nullptr;
  QAction *webSite_ = nullptr, *herald_ = nullptr;
  QToolBar* quickbar_ = nullptr;
  QToolButton *undoButton_ = nullptr, *redoButton_ = nullptr;

  std::string title_;
  std::string activeControl_;
};

}  // namespace qm::ui
