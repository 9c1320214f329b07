#pragma once
// A list model over a model's list of texts. The texts convert to Qt only
// when a row is drawn, so a result list of 100,000 names costs one copy of
// the names and nothing per row that is never seen.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace qm::ui {

class ResultListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ResultListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  // Takes the texts; the views on the model reset only when they changed.
  // Returns true when they did.
  bool SetEntries(const std::vector<std::string>& entries);
  const std::vector<std::string>& Entries() const { return entries_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> entries_;
};

}  // namespace qm::ui
