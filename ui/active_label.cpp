#include "ui/active_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qm::ui {

ActiveLabel::ActiveLabel(QWidget* parent) : QLabel(parent) {
  // Reachable with Tab, so the panels and the label commands need no mouse.
  setFocusPolicy(Qt::TabFocus);
}

void ActiveLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  emit hovered();
}

void ActiveLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  emit hovered();
}

void ActiveLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit activated();
    return;
  }
  QLabel::mousePressEvent(event);
}

void ActiveLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit activated();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

}  // namespace qm::ui
