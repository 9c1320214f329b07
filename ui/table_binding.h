#pragma once
// Copies a model's TableState into a QTableWidget: captions, rows of
// coloured cells and the selected row, touching the widget only when the
// state changed.
#include <optional>

#include "ports/view_state.h"

class QTableWidget;

namespace qm::ui {

class TableBinding {
 public:
  explicit TableBinding(QTableWidget* table = nullptr) : table_(table) {}
  void Apply(const TableState& state);
  QTableWidget* Table() const { return table_; }

 private:
  QTableWidget* table_;
  std::optional<TableState> last_;
};

}  // namespace qm::ui
