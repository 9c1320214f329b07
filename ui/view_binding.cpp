#include "ui/view_binding.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/text_codec.h"

namespace qm::ui {

QColor ToQColor(const Colour& colour) {
  return QColor(colour.Red, colour.Green, colour.Blue);
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  const QString name = text.isEmpty() ? QStringLiteral(" ") : QString();
  if (label->accessibleName() != name) label->setAccessibleName(name);
}

void LabelBinding::Apply(const LabelState& state) {
  const bool first = !last_;
  if (first || last_->Text != state.Text) SetLabelText(label_, ToQt(state.Text));
  if (first || last_->Colour != state.Colour) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(state.Colour));
    label_->setPalette(palette);
  }
  if (first || last_->Hint != state.Hint || last_->HintEnabled != state.HintEnabled)
    label_->setToolTip(state.HintEnabled ? ToQt(state.Hint) : QString());
  if (first || last_->Enabled != state.Enabled) label_->setEnabled(state.Enabled);
  if (first || last_->Visible != state.Visible) label_->setVisible(state.Visible);
  last_ = state;
}

void ComboBinding::Apply(const ComboState& state) {
  const QSignalBlocker blocker(combo_);
  const bool first = !last_;
  if (first || last_->Entries != state.Entries) {
    combo_->clear();
    for (const std::string& entry : state.Entries) combo_->addItem(ToQt(entry));
    // A squeezed window scrolls rather than cut an entry short.
    combo_->setMinimumWidth(combo_->sizeHint().width());
  }
  // Compared with the combo itself, not the last view: a choice the model
  // refused leaves the view as it was, but the combo shows the refused entry.
  const int wanted = state.Selection < combo_->count() ? state.Selection : -1;
  if (combo_->currentIndex() != wanted) combo_->setCurrentIndex(wanted);
  if (first || last_->Enabled != state.Enabled) combo_->setEnabled(state.Enabled);
  last_ = state;
}

void ApplyLineEdit(QLineEdit* edit, const TextBoxState& state) {
  if (FromQt(edit->text()) != state.Text) {
    const int caret = edit->cursorPosition();
    edit->setText(ToQt(state.Text));
    edit->setCursorPosition(caret);
  }
  edit->setEnabled(state.Enabled);
}

void ApplyMenuItem(QAction* action, const MenuItemState& state) {
  const QString caption = ToQt(state.Caption);
  if (action->text() != caption) action->setText(caption);
  if (action->isCheckable()) action->setChecked(state.Checked);
  action->setEnabled(state.Enabled);
  action->setVisible(state.Visible);
}

void ApplySpin(QSpinBox* spin, const SpinBoxState& state) {
  const QSignalBlocker blocker(spin);
  spin->setRange(state.Minimum, state.Maximum);
  spin->setValue(state.Value);
  spin->setEnabled(state.Enabled);
}

}  // namespace qm::ui
