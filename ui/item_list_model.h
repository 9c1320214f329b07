#pragma once
// The workbench's result list LItems as a list model: a new search result
// fills it by one reset, and a row's text is made only when the view draws
// it, so a search over a large vault never builds one widget item per entry.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace qm::ui {

class ItemListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ItemListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  // Shows these names from now on; the same list again changes nothing.
  void Show(const std::vector<std::string>& names);
  const std::vector<std::string>& Names() const { return names_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> names_;
};

}  // namespace qm::ui
