#pragma once
// Copies the models' plain view states into widgets. Each binding keeps the
// state it applied last and touches the widget only where that changed, so a
// refresh after every command stays cheap.
#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "ports/view_state.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace qm::ui {

QColor ToQColor(const Colour& colour);

class LabelBinding {
 public:
  explicit LabelBinding(QLabel* label = nullptr) : label_(label) {}
  void Apply(const LabelState& state);
  QLabel* Label() const { return label_; }
  // The tag applied last: the bonus code hovering this label explains.
  int Tag() const { return last_ ? last_->Tag : 0; }

 private:
  QLabel* label_;
  std::optional<LabelState> last_;
};

class ComboBinding {
 public:
  explicit ComboBinding(QComboBox* combo = nullptr) : combo_(combo) {}
  void Apply(const ComboState& state);
  QComboBox* Combo() const { return combo_; }

 private:
  QComboBox* combo_;
  std::optional<ComboState> last_;
};

// Sets a label's text. Its accessible name stays its text; an empty label is
// named by one blank, or a screen reader would read its group's title.
void SetLabelText(QLabel* label, const QString& text);

// A text box's text, where the model's differs, with the caret left where the
// player had it, and its enabled state.
void ApplyLineEdit(QLineEdit* edit, const TextBoxState& state);

// A spin box's range, value and enabled state, without echoing a change.
void ApplySpin(QSpinBox* spin, const SpinBoxState& state);

// A menu item: caption, check mark, enabled and visible state.
void ApplyMenuItem(QAction* action, const MenuItemState& state);

}  // namespace qm::ui
