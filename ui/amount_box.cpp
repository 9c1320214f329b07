#include "ui/amount_box.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "ui/text_codec.h"

namespace qm::ui {

AmountBox::AmountBox(int limit, bool spinButtons, QWidget* parent)
    : QAbstractSpinBox(parent), limit_(limit) {
  setButtonSymbols(spinButtons ? UpDownArrows : NoButtons);
  setAlignment(Qt::AlignRight);
  setKeyboardTracking(true);
  lineEdit()->setText(QStringLiteral("0"));
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    if (onEdited) onEdited(FromQt(text), lineEdit()->cursorPosition());
  });
  const int digits = std::max(3, static_cast<int>(std::to_string(limit).size()));
  setMinimumWidth(fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('0'))) +
                  (spinButtons ? 24 : 12));
}

void AmountBox::ShowEdit(const AmountBoxEdit& edit) {
  const QString text = ToQt(edit.Text);
  if (lineEdit()->text() != text) lineEdit()->setText(text);
  lineEdit()->setCursorPosition(std::clamp(edit.Caret, 0, static_cast<int>(text.size())));
}

void AmountBox::ShowText(const std::string& text) {
  const QString shown = ToQt(text);
  if (lineEdit()->text() == shown) return;
  const int caret = lineEdit()->cursorPosition();
  lineEdit()->setText(shown);
  lineEdit()->setCursorPosition(std::min(caret, static_cast<int>(shown.size())));
}

void AmountBox::ShowState(const TextBoxState& state) {
  ShowText(state.Text);
  setEnabled(state.Enabled);
}

void AmountBox::stepBy(int steps) {
  const int value = std::clamp(AmountValue(FromQt(text())) + steps, 0, limit_);
  const std::string stepped = std::to_string(value);
  if (onEdited) onEdited(stepped, static_cast<int>(stepped.size()));
}

// The model normalises every change; the box itself refuses nothing.
QValidator::State AmountBox::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled AmountBox::stepEnabled() const {
  if (!isEnabled()) return StepNone;
  const int value = AmountValue(FromQt(text()));
  StepEnabled enabled = StepNone;
  if (value > 0) enabled |= StepDownEnabled;
  if (value < limit_) enabled |= StepUpEnabled;
  return enabled;
}

// Keys that type a character reach the box only when the model lets them
// through (digits and backspace); navigation and shortcuts pass unchanged.
void AmountBox::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (!typed.isEmpty() && typed.at(0).isPrint() &&
      (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
      !AmountBoxAccepts(static_cast<char>(typed.at(0).toLatin1()))) {
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

bool AmountBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick && onDoubleClicked) {
    onDoubleClicked();
    return true;
  }
  return QAbstractSpinBox::eventFilter(watched, event);
}

}  // namespace qm::ui
