#pragma once
// A numeric box of the workbench: digits only, normalised by the model (never
// empty, never above its limit, no leading zero). The bonus and effect
// amounts of the inline editor have a spin button; the minimum boxes of the
// search filters do not. The box shows what the model answers; it never
// judges a value itself.
#include <QAbstractSpinBox>
#include <functional>
#include <string>

#include "core/amount_box.h"
#include "ports/view_state.h"

namespace qm::ui {

class AmountBox : public QAbstractSpinBox {
  Q_OBJECT
 public:
  AmountBox(int limit, bool spinButtons, QWidget* parent = nullptr);

  // The model's text after a change: text and caret.
  void ShowEdit(const AmountBoxEdit& edit);
  // The model's text from a refresh; the caret stays where it can.
  void ShowText(const std::string& text);
  // The model's text and enabled state from a refresh.
  void ShowState(const TextBoxState& state);

  // The user changed the text (typing, pasting or the spin button).
  std::function<void(const std::string& text, int caret)> onEdited;
  std::function<void()> onDoubleClicked;

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int limit_;
};

}  // namespace qm::ui
