#include "ui/question_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/text_codec.h"

namespace qm::ui {

QuestionDialog::QuestionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("CustomDlg");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                 Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  label_ = new QLabel(this);
  label_->setObjectName("Label1");
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label_->setWordWrap(true);
  label_->setTextFormat(Qt::PlainText);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const auto which = static_cast<DialogButton>(i);
    auto* button = new QPushButton(this);
    button->setObjectName(model_.View().Buttons[i].Name);
    // The focused button is the one Enter presses.
    button->setAutoDefault(true);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, which] { Press(which); });
    buttons_[i] = button;
  }
  Refresh();
}

void QuestionDialog::Prepare(std::string_view message, std::string_view title,
                             std::string_view okCaption, std::string_view cancelCaption,
                             std::string_view abortCaption, std::string_view retryCaption) {
  model_.Ask(message, title, okCaption, cancelCaption, abortCaption, retryCaption);
  label_->setText(ToQt(message));
  model_.SetLabelHeight(label_->heightForWidth(kQuestionLabelWidth));
  Refresh();
  QPushButton* focused = buttons_[static_cast<std::size_t>(model_.View().Focused)];
  focused->setDefault(true);
  focused->setFocus();
}

Answer QuestionDialog::Ask(std::string_view message, std::string_view title,
                           std::string_view okCaption, std::string_view cancelCaption,
                           std::string_view abortCaption, std::string_view retryCaption) {
  Prepare(message, title, okCaption, cancelCaption, abortCaption, retryCaption);
  exec();
  // The dialog ends only through a button, whose result is an answer's number.
  return static_cast<Answer>(model_.ModalResult());
}

void QuestionDialog::Press(DialogButton button) {
  model_.Press(button);
  Refresh();
  if (model_.ModalResult() != 0) done(model_.ModalResult());
}

void QuestionDialog::closeEvent(QCloseEvent* event) {
  event->setAccepted(model_.FormCloseQuery());
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog without a button: it closes nothing here.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool QuestionDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (watched != buttons_[i]) continue;
      model_.MouseEnter(static_cast<DialogButton>(i));
      Refresh();
      buttons_[i]->setFocus();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void QuestionDialog::Refresh() {
  const QuestionDialogView& view = model_.View();
  setWindowTitle(ToQt(view.Caption));
  label_->setText(ToQt(view.Message.Text));
  label_->setAccessibleName(ToQt(view.Caption));
  label_->setAccessibleDescription(ToQt(view.Message.Text));
  label_->setGeometry(kQuestionLabelLeft, kQuestionLabelTop, kQuestionLabelWidth, view.LabelHeight);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const DialogButtonView& b = view.Buttons[i];
    QPushButton* button = buttons_[i];
    button->setText(ToQt(b.Caption));
    button->setAccessibleName(ToQt(b.Caption).remove('&'));
    button->setGeometry(b.Left, b.Top, kQuestionButtonWidth, kQuestionButtonHeight);
    button->setVisible(b.Visible);
  }
  setFixedSize(view.ClientWidth, view.ClientHeight);
}

}  // namespace qm::ui
