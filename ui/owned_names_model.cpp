#include "ui/owned_names_model.h"

#include "mainwin/optimize_window.h"
#include "ui/text_codec.h"

namespace qm::ui {

OwnedNamesModel::OwnedNamesModel(TfrmOptimize& model, QObject* parent)
    : QAbstractListModel(parent),
      model_(model),
      rowsRevision_(model.OwnedRowsRevision()),
      rows_(model.OwnedRowCount()) {}

int OwnedNamesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant OwnedNamesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  if (role == Qt::DisplayRole) return ToQt(model_.OwnedRowName(index.row()));
  if (role == Qt::CheckStateRole)
    return model_.OwnedRowChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
  return {};
}

bool OwnedNamesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole) return false;
  model_.OwnedCheck(index.row(), value.toInt() == Qt::Checked);
  return true;
}

Qt::ItemFlags OwnedNamesModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void OwnedNamesModel::Refresh() {
  if (rowsRevision_ != model_.OwnedRowsRevision()) {
    beginResetModel();
    rowsRevision_ = model_.OwnedRowsRevision();
    rows_ = model_.OwnedRowCount();
    endResetModel();
    return;
  }
  // The marks may have moved: the view repaints only the rows it shows.
  if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::CheckStateRole});
}

}  // namespace qm::ui
