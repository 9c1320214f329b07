#pragma once
// The About box TfrmAbout as a window: the program, its licence and the vault
// in use, each line a label named as the model names it, and an OK button.
#include <QDialog>
#include <vector>

#include "shell/about_box.h"
#include "ui/view_binding.h"

class QPushButton;

namespace qm::ui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(const Vault& vault, QWidget* parent = nullptr);

  // Reads the vault afresh and shows the box modally.
  void Run();
  // The same without running it (pictures and tests).
  void Prepare();

  TfrmAbout& Model() { return model_; }

 private:
  void Refresh();

  TfrmAbout model_;
  LabelBinding program_, licence_;
  std::vector<LabelBinding> vault_;  // the vault's lines, in the order shown
  QPushButton* ok_ = nullptr;
};

}  // namespace qm::ui
