#pragma once
// The item workbench window "Items": shows TfrmItems for one template slot
// with its three tabs ("&Load Item", "Inline E&ditor", "&Spellcraft") and the
// bottom buttons "&Return Item", "&Cancel", "&Empty Slot" and "&Previous
// Item". It owns no game logic: every action goes to the model, and the
// model's change notification refreshes the window. While it is open the
// model's live preview goes through the SlotPreview into the main window,
// whose own notification redraws the totals behind it.
#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "workbench/item_search.h"

class QPushButton;
class QTabWidget;

namespace qm::ui {

class WorkbenchEditorTab;
class WorkbenchLoadTab;
class WorkbenchSpellcraftTab;

class ItemWorkbenchDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ItemWorkbenchDialog(TfrmItems& model, QWidget* parent = nullptr);
  ~ItemWorkbenchDialog() override;

  // The main window's slot command: opens the window modally and returns
  // once it is closed.
  WorkbenchOutcome Run(const WorkbenchRequest& request, const SlotPreview& preview);
  // Opens without waiting for the window to close (screenshots).
  void Open(const WorkbenchRequest& request, const SlotPreview& preview);

  TfrmItems& Model() { return model_; }
  // The spellcraft tab's "Export Gems to Quickbar..." runs command.
  void SetQuickbarCommand(std::function<void()> command);
  // Copies the model's view into the widgets; the model's callback.
  void Refresh();
  // Escape and the title bar close the window as "&Cancel" does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildButtons(QWidget* parent);
  void SetTabOrder();
  void WatchControls();
  int PageOf(WorkbenchTab tab) const;

  TfrmItems& model_;
  QTabWidget* tabs_ = nullptr;
  WorkbenchLoadTab* load_ = nullptr;
  WorkbenchEditorTab* editor_ = nullptr;
  WorkbenchSpellcraftTab* spellcraft_ = nullptr;
  QPushButton *return_ = nullptr, *cancel_ = nullptr, *empty_ = nullptr, *previous_ = nullptr;

  bool applying_ = false;
  std::uint64_t editorRevision_ = ~std::uint64_t{0};
  std::uint64_t spellcraftRevision_ = ~std::uint64_t{0};
  std::string focused_;
};

}  // namespace qm::ui
