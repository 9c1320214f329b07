#pragma once
// An amount edit with up/down arrows whose text belongs to a model: every
// edit and every arrow step is handed on as a signal, and the model's
// normalised text comes back through SetText. Only digits and backspace can
// be typed; pasting is let through, so the model's mending of a pasted text
// is what the player sees. A double click asks for a reset.
#include <QAbstractSpinBox>

namespace qm::ui {

class AmountBox : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit AmountBox(QWidget* parent = nullptr);

  QString Text() const;
  // Puts the model's text back with the caret where the model wants it.
  void SetText(const QString& text, int caret);
  int Caret() const;

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;

 signals:
  // The player changed the text (typing, deleting or pasting).
  void edited(const QString& text, int caret);
  // An arrow button or the Up/Down key; +1 up, -1 down.
  void stepped(int direction);
  void doubleClicked();

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qm::ui
