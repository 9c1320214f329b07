#include "ui/item_list_model.h"

#include "ui/text_codec.h"

namespace qm::ui {

void ItemListModel::Show(const std::vector<std::string>& names) {
  if (names == names_) return;
  beginResetModel();
  names_ = names;
  endResetModel();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(names_.size())) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return ToQt(names_[static_cast<std::size_t>(index.row())]);
  return {};
}

}  // namespace qm::ui
