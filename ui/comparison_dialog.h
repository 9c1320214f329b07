#pragma once
// The comparison window TfrmCompare: the two templates' titles, the summary,
// the table of figures (worse in red, better in blue) and the choice to hide
// what did not change. It exists once for the run, so that choice stays.
#include <QDialog>

#include "mainwin/comparison_window.h"
#include "ui/view_binding.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace qm::ui {

class ComparisonDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ComparisonDialog(QWidget* parent = nullptr);

  // Compares the request's templates and shows the window modally.
  void Run(const ComparisonRequest& request);
  // The same without running it (pictures and tests).
  void Prepare(const ComparisonRequest& request);

  TfrmCompare& Model() { return model_; }
  QTableWidget* Table() const { return table_; }

 private:
  void Refresh();

  TfrmCompare model_;
  LabelBinding templateA_, templateB_, summary_;
  QCheckBox* changedOnly_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace qm::ui
