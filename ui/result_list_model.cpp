#include "ui/result_list_model.h"

#include "ui/text_codec.h"

namespace qm::ui {

bool ResultListModel::SetEntries(const std::vector<std::string>& entries) {
  if (entries == entries_) return false;
  beginResetModel();
  entries_ = entries;
  endResetModel();
  return true;
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 ||
      static_cast<std::size_t>(index.row()) >= entries_.size())
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
    return ToQt(entries_[static_cast<std::size_t>(index.row())]);
  return {};
}

}  // namespace qm::ui
