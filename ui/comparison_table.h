#pragma once
// The table of compared figures as the comparison window shows it, shared by
// every window that sets two templates side by side: one row per line, each
// cell in the line's colour (worse red, better blue), numbers to the right,
// and the direction said aloud where the colour cannot be seen.
#include <QString>
#include <vector>

#include "mainwin/comparison_window.h"

class QTableWidget;
class QWidget;

namespace qm::ui {

QTableWidget* MakeComparisonTable(const char* objectName, const QString& accessible,
                                  QWidget* parent);
void ApplyComparisonLines(QTableWidget* table, const std::vector<ComparisonLineView>& lines);

}  // namespace qm::ui
