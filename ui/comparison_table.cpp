#include "ui/comparison_table.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/text_codec.h"
#include "ui/view_binding.h"

namespace qm::ui {
namespace {

constexpr const char* kDirectionWords[] = {"worse", "better", "unchanged"};

}  // namespace

QTableWidget* MakeComparisonTable(const char* objectName, const QString& accessible,
                                  QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(kComparisonColumns.size()), parent);
  table->setObjectName(QString::fromLatin1(objectName));
  table->setAccessibleName(accessible);
  table->setAccessibleDescription(
      QStringLiteral("Every figure of both templates and the difference; worse first, in red, "
                     "then better, in blue, then unchanged"));
  QStringList headers;
  for (std::string_view column : kComparisonColumns) headers << ToQt(column);
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);  // the figure
  return table;
}

void ApplyComparisonLines(QTableWidget* table, const std::vector<ComparisonLineView>& lines) {
  table->setUpdatesEnabled(false);
  table->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    const ComparisonLineView& line = lines[r];
    const QColor colour = ToQColor(line.Colour);
    const QString direction =
        QString::fromLatin1(kDirectionWords[static_cast<std::size_t>(line.Direction)]);
    for (std::size_t c = 0; c < line.Cells.size(); ++c) {
      const QString text = ToQt(line.Cells[c]);
      auto* item = new QTableWidgetItem(text);
      item->setForeground(colour);
      if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      // A screen reader hears the direction the colour shows.
      item->setData(Qt::AccessibleTextRole,
                    ToQt(kComparisonColumns[c]) + QStringLiteral(" ") + text +
                        (c == 4 ? QStringLiteral(", ") + direction : QString()));
      table->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table->setUpdatesEnabled(true);
}

}  // namespace qm::ui
