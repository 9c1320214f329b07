#pragma once
// The item workbench as the program runs it: one TfrmItems for the whole run
// (its previous-item history outlives the openings) and its window, made on
// first use over the main window. Registered with the window registry, it
// brings the main window's slot buttons to life.
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/owned_window.h"
#include "workbench/item_search.h"

class QWidget;

namespace qm {
class TfrmGearMain;
}

namespace qm::ui {

class ItemWorkbenchDialog;
class WindowRegistry;

// "workbench:SLOT[:TAB]": the slot 1..19 and the tab "load", "editor" or
// "spellcraft" a screenshot shows.
struct WorkbenchShot {
  int Slot = kChest;
  std::optional<WorkbenchTab> Tab;
};
std::optional<WorkbenchShot> ParseWorkbenchWindow(std::string_view name);

class WorkbenchHost {
 public:
  WorkbenchHost(const Vault& vault, TVaultFilter& criteria, UserPort& user, FileDialogPort& files,
                ShellPort& shell);
  ~WorkbenchHost();

  void Register(WindowRegistry& windows);
  // The window the workbench opens over (the main window, once it exists).
  void SetParent(QWidget* parent) { parent_ = parent; }
  // What the spellcraft tab's "Export Gems to Quickbar..." runs.
  void SetQuickbarCommand(std::function<void()> command) { quickbarCommand_ = std::move(command); }

  TfrmItems& Model() { return model_; }
  ItemWorkbenchDialog& Dialog();

  // Opens the shot's slot through the main window's slot command, renders the
  // workbench on the shot's tab into path and cancels; 1 when the slot does
  // not open or the file cannot be written.
  int RenderScreenshot(TfrmGearMain& main, const WorkbenchShot& shot, const std::string& path,
                       QSize size);

 private:
  WorkbenchOutcome Show(const WorkbenchRequest& request, const SlotPreview& preview);

  TfrmItems model_;
  QWidget* parent_ = nullptr;
  std::function<void()> quickbarCommand_;
  OwnedWindow<ItemWorkbenchDialog> dialog_;
  struct PendingShot {
    WorkbenchShot Shot;
    std::string Path;
    QSize Size;
    bool Written = false;
  };
  std::optional<PendingShot> shot_;
};

}  // namespace qm::ui
