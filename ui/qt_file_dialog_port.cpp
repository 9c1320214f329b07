#include "ui/qt_file_dialog_port.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "ui/text_codec.h"

namespace qm::ui {
namespace {

QString Path(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

QString QtFileFilter(std::string_view filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    // Qt reads the patterns from the description's last parentheses, so the
    // ones shown there are replaced by the ones that filter.
    if (description.endsWith(')') && description.contains('(')) {
      description = description.left(description.lastIndexOf('(')).trimmed();
    }
    entries.append(description + " (" + patterns + ")");
  }
  return entries.join(";;");
}

std::string QtFileDialogPort::AskOpenPath(const FileDialogRequest& request) {
  return Run(request, false);
}

std::string QtFileDialogPort::AskSavePath(const FileDialogRequest& request) {
  return Run(request, true);
}

std::string QtFileDialogPort::Run(const FileDialogRequest& request, bool save) {
  // A dialog asked for from a modal window (the item workbench) stays above it.
  QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_;
  QFileDialog dialog(owner, ToQt(request.Title), Path(request.InitialFolder),
                     QtFileFilter(request.Filter));
  dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
  dialog.setAccessibleName(dialog.windowTitle());
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (request.ChooseFolder && !save) {
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
  } else {
    dialog.setFileMode(save || !request.FileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
  }
  dialog.setDefaultSuffix(ToQt(request.DefaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.PromptOverwrite);
  if (!request.FileName.empty()) dialog.selectFile(Path(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  // Paths go back in the file system's encoding, so the model opens that file.
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace qm::ui
