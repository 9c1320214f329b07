#pragma once
// The "&Load Item" tab of the item workbench: the result list LItems beside
// the filters ("Item Type Filters", "Bonus Added Filters", armour, weapon and
// effect filters, "&Search") and the "Stat Display" with the web searches and
// "Edi&t Item Stats Directly". It forwards every action to TfrmItems and
// shows the model's view.
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "ui/view_binding.h"
#include "workbench/item_search.h"

class QGroupBox;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace qm::ui {

class AmountBox;
class ItemListModel;

class WorkbenchLoadTab : public QWidget {
  Q_OBJECT
 public:
  WorkbenchLoadTab(TfrmItems& model, QWidget* parent = nullptr);

  void Apply(const ItemsWindowView& view);
  QPushButton* SearchButton() const { return search_; }
  QListView* List() const { return list_; }
  // The controls in reading order, for the window's tab order.
  std::vector<QWidget*> FocusOrder() const;

 private:
  QWidget* BuildListing();
  QWidget* BuildFilters();
  QWidget* BuildDisplay();
  void ShowSelection(int row);

  TfrmItems& model_;
  QGroupBox* listing_ = nullptr;
  QListView* list_ = nullptr;
  ItemListModel* items_ = nullptr;
  ComboBinding itemType_, armour_, weapon_, proc_;
  std::array<ComboBinding, 3> stats_;
  std::array<AmountBox*, 3> amounts_{};
  QPushButton* search_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton *google_ = nullptr, *database_ = nullptr, *copyStats_ = nullptr;

  std::string caption_;
  std::vector<std::string> memoLines_;
  int selection_ = -2;
};

}  // namespace qm::ui
