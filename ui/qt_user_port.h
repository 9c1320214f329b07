#pragma once
// Questions and notices as the desktop shows them: the question dialog for
// every AskUser, message boxes for the fixed notices.
#include <QPointer>

#include "ports/ports.h"
#include "ui/question_dialog.h"

class QWidget;

namespace qm::ui {

class QtUserPort : public UserPort {
 public:
  // parent owns the message boxes (the main window, once it exists);
  // dialog is the one question dialog, made on first use when none is given.
  explicit QtUserPort(QWidget* parent = nullptr, QuestionDialog* dialog = nullptr);
  ~QtUserPort() override;

  void SetParent(QWidget* parent) { parent_ = parent; }
  QuestionDialog& Dialog();

  Answer AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
                 std::string_view cancelCaption, std::string_view abortCaption,
                 std::string_view retryCaption) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Beep() override;

 private:
  QWidget* parent_;
  // Made over the main window, the dialog goes with it when the program ends
  // its window first; the pointer then knows it is gone.
  QPointer<QuestionDialog> dialog_;
  bool ownsDialog_ = false;
};

}  // namespace qm::ui
