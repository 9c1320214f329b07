#pragma once
// The window that builds a vault file from a folder of XML item files
// (TfrmVaultBuild): where it reads and writes, the progress panel while the
// build runs on its own thread, then what the build came to and the files it
// skipped. Closing it mid-build cancels the build and waits for it.
#include <QDialog>

#include "ui/job_runner.h"
#include "ui/table_binding.h"
#include "ui/view_binding.h"
#include "vault/vault_build_model.h"

class QPushButton;

namespace qm::ui {

class ProgressPanel;

class VaultBuildDialog : public QDialog {
  Q_OBJECT
 public:
  explicit VaultBuildDialog(FileDialogPort& files, QWidget* parent = nullptr);

  // The menu command: asks for the folder and the file, then shows the window
  // and starts the build; nothing shows when a dialog is cancelled.
  void Run();
  TfrmVaultBuild& Model() { return model_; }
  // Whether a build is running on its thread.
  bool JobRunning() const { return runner_.Running(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StartJob();
  void Refresh();

  TfrmVaultBuild model_;
  LabelBinding source_, target_, outcome_;
  TableBinding skipped_;
  ProgressPanel* progress_;
  QPushButton* build_;
  QPushButton* close_;
  // Last member: it goes first, stopping a job before what it reports to.
  JobRunner runner_;
};

}  // namespace qm::ui
