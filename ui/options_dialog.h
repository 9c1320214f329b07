#pragma once
// The "Options" dialog TfrmOptions as a window: the level filter and the
// folder templates are kept in. It cannot be closed while no settings exist.
#include <QDialog>

#include "shell/options_dialog.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace qm::ui {

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(Settings& settings, UserPort& user, QWidget* parent = nullptr);

  // Shows the dialog modally with the main window's menu marks; true when
  // it was left with OK.
  bool Run(const OptionsMenuChecks& menu);
  // Fills the dialog for a showing without running it (pictures and tests).
  void Prepare(const OptionsMenuChecks& menu);

  const TfrmOptions& Model() const { return model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowFolder(const QString& folder);
  void Refresh();

  TfrmOptions model_;
  OptionsMenuChecks menu_;
  QComboBox* levelFilter_ = nullptr;
  QComboBox* drive_ = nullptr;
  QTreeView* directory_ = nullptr;
  QFileSystemModel* folders_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool accepted_ = false;
};

}  // namespace qm::ui
