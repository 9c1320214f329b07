#pragma once
// The workbench's buttons and combos are made alike on every tab: named by
// their control name for tests and automation, with an accessible name, and
// buttons never default by focus alone (the model picks the default button).
#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

namespace qm::ui {

QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent,
                        const char* hint = nullptr);
QComboBox* MakeCombo(const QString& objectName, const QString& accessible,
                     int minimumContentsLength, QWidget* parent, const char* hint = nullptr);

}  // namespace qm::ui
