#pragma once
// Questions and notices as the desktop shows them: the question dialog for
// every AskUser, message boxes for the fixed notices.
#include "ports/ports.h"

class QWidget;

namespace qm::ui {

class QuestionDialog;

class QtUserPort : public UserPort {
 public:
  // parent owns the message boxes (the main window, once it exists);
  // dialog is the one question dialog, made on first use when none is given.
  explicit QtUserPort(QWidget* parent = nullptr, QuestionDialog* dialog = nullptr);
  ~QtUserPort() override;

  void SetParent(QWidget* parent) { parent_ = parent; }
  QuestionDialog& Dialog();

  int AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
              std::string_view cancelCaption, std::string_view abortCaption,
              std::string_view retryCaption) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Beep() override;

 private:
  QWidget* parent_;
  QuestionDialog* dialog_;
  bool ownsDialog_ = false;
};

}  // namespace qm::ui
