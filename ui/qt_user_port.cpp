#include "ui/qt_user_port.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/startup.h"
#include "ui/question_dialog.h"
#include "ui/text_codec.h"

namespace qm::ui {

QtUserPort::QtUserPort(QWidget* parent, QuestionDialog* dialog)
    : parent_(parent), dialog_(dialog) {}

QtUserPort::~QtUserPort() {
  if (ownsDialog_) delete dialog_.data();
}

QuestionDialog& QtUserPort::Dialog() {
  if (dialog_.isNull()) {
    dialog_ = new QuestionDialog(parent_);
    ownsDialog_ = true;
  }
  return *dialog_;
}

Answer QtUserPort::AskUser(std::string_view message, std::string_view title,
                           std::string_view okCaption, std::string_view cancelCaption,
                           std::string_view abortCaption, std::string_view retryCaption) {
  return Dialog().Ask(message, title, okCaption, cancelCaption, abortCaption, retryCaption);
}

void QtUserPort::ShowMessage(std::string_view text) {
  // The notices carry the program's name as their title, as the desktop's
  // message boxes always did.
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, ToQt(text), QMessageBox::Ok, parent_);
  box.setObjectName("MessageBox");
  // A notice may list what an import left out: the player can copy it.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  box.exec();
}

bool QtUserPort::AskYesNo(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Question, ToQt(title), ToQt(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName("YesNoBox");
  box.setDefaultButton(QMessageBox::Yes);
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  return box.exec() == QMessageBox::Yes;
}

void QtUserPort::Beep() {
  QApplication::beep();
}

}  // namespace qm::ui
