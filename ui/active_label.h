#pragma once
// A label the player can point at and press: hovering or tabbing onto it asks
// for its panel, a left click or Space/Enter runs its command. The slot name
// and measure labels and every figure label are of this kind.
#include <QLabel>

namespace qm::ui {

class ActiveLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ActiveLabel(QWidget* parent = nullptr);

 signals:
  void hovered();
  void activated();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qm::ui
