#include "ui/amount_box.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qm::ui {

AmountBox::AmountBox(QWidget* parent) : QAbstractSpinBox(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setAccelerated(true);
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { emit edited(text, lineEdit()->cursorPosition()); });
}

QString AmountBox::Text() const {
  return lineEdit()->text();
}

int AmountBox::Caret() const {
  return lineEdit()->cursorPosition();
}

void AmountBox::SetText(const QString& text, int caret) {
  if (lineEdit()->text() != text) lineEdit()->setText(text);
  lineEdit()->setCursorPosition(caret);
}

void AmountBox::stepBy(int steps) {
  if (steps != 0) emit stepped(steps > 0 ? 1 : -1);
}

// The model decides what the text becomes, so nothing is refused here.
QValidator::State AmountBox::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled AmountBox::stepEnabled() const {
  return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

// Typed characters other than digits never reach the edit; shortcuts such as
// paste and the editing keys do.
void AmountBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (typed && (text.at(0) < QLatin1Char('0') || text.at(0) > QLatin1Char('9'))) {
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

bool AmountBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
    emit doubleClicked();
    return true;
  }
  return QAbstractSpinBox::eventFilter(watched, event);
}

}  // namespace qm::ui
