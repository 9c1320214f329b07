#pragma once
// Every window makes its buttons, combos, captions and group boxes here, so
// they come out alike: named by the model's control name for tests and
// automation, with an accessible name a screen reader can say.
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QWidget;

namespace qm::ui {

class AmountBox;

// A caption as a screen reader says it: without its mnemonic ampersand.
QString WithoutMnemonic(const QString& caption);

// A button whose accessible name is its caption. It never turns default by
// taking the focus: the window chooses its default button itself.
QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent,
                        const char* hint = nullptr);

struct ComboOptions {
  QString ObjectName;
  QString Accessible;        // the accessible name
  QString Description = {};  // the accessible description; empty: the accessible name
  QString Hint = {};         // the tool tip, none when empty
  int Characters = 0;        // room for this many characters; 0: as wide as its entries
};
QComboBox* MakeCombo(const ComboOptions& options, QWidget* parent);

// A caption whose mnemonic moves the focus to buddy.
QLabel* MakeBuddyLabel(const QString& caption, QWidget* buddy, QWidget* parent);

// An amount box of the given limit, with or without spin buttons.
AmountBox* MakeAmountBox(int limit, bool spinButtons, const QString& objectName,
                         const QString& accessible, QWidget* parent);

// A spin box named for tests and for screen readers.
QSpinBox* MakeSpin(const char* objectName, const char* accessible, QWidget* parent);

QGroupBox* MakeGroupBox(const QString& caption, const char* objectName, QWidget* parent);

// A label for a line of the window's own text: wrapped, and selectable so the
// player can copy a path or a message.
QLabel* MakeTextLabel(const char* objectName, QWidget* parent);

// A read-only table chosen by whole rows, one at a time, its last column
// taking the room left.
QTableWidget* MakeRowTable(const char* objectName, const QString& accessible, QWidget* parent);

}  // namespace qm::ui
