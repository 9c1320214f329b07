#include "ui/table_binding.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

#include "ui/text_codec.h"
#include "ui/view_binding.h"

namespace qm::ui {

void TableBinding::Apply(const TableState& state) {
  if (last_ == state) return;
  // The selection the model gives is the one shown, not a user's click.
  const QSignalBlocker quiet(table_);
  if (!last_ || last_->Captions != state.Captions) {
    QStringList captions;
    for (const std::string& caption : state.Captions) captions << ToQt(caption);
    table_->setColumnCount(static_cast<int>(captions.size()));
    table_->setHorizontalHeaderLabels(captions);
  }
  if (!last_ || last_->Rows != state.Rows) {
    table_->setRowCount(static_cast<int>(state.Rows.size()));
    for (int row = 0; row < static_cast<int>(state.Rows.size()); ++row) {
      const auto& cells = state.Rows[static_cast<std::size_t>(row)];
      for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
        const TableCell& cell = cells[static_cast<std::size_t>(column)];
        auto* item = new QTableWidgetItem(ToQt(cell.Text));
        item->setForeground(ToQColor(cell.Colour));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table_->setItem(row, column, item);
      }
    }
  }
  if (state.HasSelection()) {
    table_->selectRow(state.Selection);
  } else {
    table_->clearSelection();
  }
  last_ = state;
}

}  // namespace qm::ui
