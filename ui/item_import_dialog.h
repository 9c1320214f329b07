#pragma once
// The window that imports item databases and files into the player's vault
// (TfrmItemImport): the sources and what each is, the progress panel while the
// import runs on its own thread, then the report. Closing it mid-import
// cancels the import and waits for it.
#include <QDialog>
#include <functional>

#include "interop/item_import_model.h"
#include "ui/job_runner.h"
#include "ui/table_binding.h"
#include "ui/view_binding.h"

class QPushButton;

namespace qm::ui {

class ProgressPanel;

class ItemImportDialog : public QDialog {
  Q_OBJECT
 public:
  ItemImportDialog(FileDialogPort& files, UserPort& user, const std::string& vaultPath,
                   QWidget* parent = nullptr);

  // The menu command: shows the window (not modal: the player plans on
  // while an import runs).
  void Run();
  // Runs after an import has written the vault.
  void SetImportedCallback(std::function<void()> imported) { imported_ = std::move(imported); }
  TfrmItemImport& Model() { return model_; }
  bool JobRunning() const { return runner_.Running(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StartJob();
  void Refresh();

  TfrmItemImport model_;
  LabelBinding hint_, target_, outcome_;
  TableBinding sources_, report_;
  ProgressPanel* progress_;
  QPushButton *addFiles_, *addFolder_, *remove_, *import_, *saveReport_, *close_;
  std::function<void()> imported_;
  // Last member: it goes first, stopping a job before what it reports to.
  JobRunner runner_;
};

}  // namespace qm::ui
