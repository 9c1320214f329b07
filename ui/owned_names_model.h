#pragma once
// The Optimize Template window's list of the vault's item names, each with
// its "owned" mark, as a Qt item model over TfrmOptimize: the view asks only
// for the rows it paints, so the list of thirteen thousand names stays quick.
// A mark the player sets goes to the window's model; the rows are made anew
// only when the model's filter changed them.
#include <QAbstractListModel>
#include <cstdint>

namespace qm {
class TfrmOptimize;
}

namespace qm::ui {

class OwnedNamesModel : public QAbstractListModel {
  Q_OBJECT
 public:
  OwnedNamesModel(TfrmOptimize& model, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Follows the window model: new rows after a filter, new marks otherwise.
  void Refresh();

 private:
  TfrmOptimize& model_;
  std::uint64_t rowsRevision_ = 0;
  int rows_ = 0;
};

}  // namespace qm::ui
