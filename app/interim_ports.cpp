#include "app/interim_ports.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "ui/text_codec.h"

namespace qm::app {
namespace {

// "Name (*.a)|*.a|Other (*.b)|*.b" as Qt writes it: "Name (*.a);;Other (*.b)".
QString QtFilter(const std::string& filter) {
  const QStringList parts = ui::ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& label = parts[i];
    filters << (label.contains(parts[i + 1]) ? label : label + " (" + parts[i + 1] + ")");
  }
  return filters.join(";;");
}

}  // namespace

int MessageBoxUser::AskUser(std::string_view message, std::string_view title,
                            std::string_view okCaption, std::string_view cancelCaption,
                            std::string_view abortCaption, std::string_view retryCaption) {
  QMessageBox box(QMessageBox::Question, ui::ToQt(title), ui::ToQt(message), QMessageBox::NoButton,
                  QApplication::activeWindow());
  const std::string_view captions[] = {okCaption, cancelCaption, abortCaption, retryCaption};
  QAbstractButton* buttons[4] = {};
  for (int i = 0; i < 4; ++i)
    if (!captions[i].empty())
      buttons[i] = box.addButton(ui::ToQt(captions[i]), QMessageBox::ActionRole);
  box.setDefaultButton(static_cast<QPushButton*>(buttons[0]));
  box.exec();
  for (int i = 0; i < 4; ++i)
    if (buttons[i] && box.clickedButton() == buttons[i]) return i + 1;
  return 2;
}

void MessageBoxUser::ShowMessage(std::string_view text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                           ui::ToQt(text));
}

bool MessageBoxUser::AskYesNo(std::string_view text, std::string_view title) {
  return QMessageBox::question(QApplication::activeWindow(), ui::ToQt(title), ui::ToQt(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageBoxUser::Beep() {
  QApplication::beep();
}

std::string PlainFileDialogs::AskOpenPath(const FileDialogRequest& request) {
  return ui::FromQt(
      QFileDialog::getOpenFileName(QApplication::activeWindow(), ui::ToQt(request.Title),
                                   ui::ToQt(request.InitialFolder), QtFilter(request.Filter)));
}

std::string PlainFileDialogs::AskSavePath(const FileDialogRequest& request) {
  QFileDialog::Options options;
  if (!request.PromptOverwrite) options |= QFileDialog::DontConfirmOverwrite;
  const QString proposal = ui::ToQt(request.InitialFolder) + "/" + ui::ToQt(request.FileName);
  return ui::FromQt(QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                 ui::ToQt(request.Title), proposal,
                                                 QtFilter(request.Filter), nullptr, options));
}

void DesktopServicesShell::OpenInShell(std::string_view target) {
  QDesktopServices::openUrl(QUrl(ui::ToQt(target)));
}

void DesktopServicesShell::SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace qm::app
