#pragma once
// The question dialog TCustomDlg as a window: the message over one row of two
// to four buttons at the places the model gives. It ends only through a
// button; Escape and the title bar's close are refused until one was pressed.
#include <QDialog>
#include <array>
#include <string_view>

#include "ports/ports.h"
#include "shell/question_dialog.h"

class QLabel;
class QPushButton;

namespace qm::ui {

class QuestionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit QuestionDialog(QWidget* parent = nullptr);

  // Shows the question modally; the button pressed.
  Answer Ask(std::string_view message, std::string_view title, std::string_view okCaption,
             std::string_view cancelCaption, std::string_view abortCaption,
             std::string_view retryCaption);
  // Prepares a showing without running it (for pictures and tests).
  void Prepare(std::string_view message, std::string_view title, std::string_view okCaption,
               std::string_view cancelCaption, std::string_view abortCaption,
               std::string_view retryCaption);

  const TCustomDlg& Model() const { return model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Press(DialogButton button);
  void Refresh();

  TCustomDlg model_;
  QLabel* label_ = nullptr;
  std::array<QPushButton*, 4> buttons_{};
};

}  // namespace qm::ui
