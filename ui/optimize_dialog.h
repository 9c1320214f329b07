#pragma once
// The Optimize Template window TfrmOptimize: three pages (the slots and the
// vault items, the goal and the spellcraft limits, the result), and beneath
// them the time limit, Optimize with the hint why it cannot start, the
// progress of the search with its best, bound and gap, and the outcome. The
// search runs on a thread of its own; closing the window stops it first.
#include <QDialog>
#include <array>
#include <span>

#include "mainwin/optimize_window.h"
#include "ui/job_runner.h"
#include "ui/table_binding.h"
#include "ui/view_binding.h"

class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace qm::ui {

class OwnedNamesModel;
class ProgressPanel;

class OptimizeDialog : public QDialog {
  Q_OBJECT
 public:
  OptimizeDialog(SettingsStorePort& store, std::span<const TItemRecord> vault,
                 QWidget* parent = nullptr);
  ~OptimizeDialog() override;

  // Takes the template and shows the window modally.
  void Run(const OptimizeTemplateRequest& request);
  // The same without running it (pictures and tests).
  void Prepare(const OptimizeTemplateRequest& request);

  TfrmOptimize& Model() { return model_; }
  bool JobRunning() const { return runner_.Running(); }
  void done(int result) override;

 private:
  QWidget* BuildSlotsPage();
  QWidget* BuildGoalPage();
  QWidget* BuildResultPage();
  void StartJob();
  void Refresh();
  void ApplyGoals();

  TfrmOptimize model_;
  QTabWidget* pages_ = nullptr;
  QWidget *slotsPage_ = nullptr, *goalPage_ = nullptr;
  std::array<LabelBinding, kSlotCount> items_;
  std::array<ComboBinding, kSlotCount> modes_;
  ComboBinding vault_;
  QLineEdit* ownedFilter_ = nullptr;
  QListView* ownedList_ = nullptr;
  OwnedNamesModel* ownedNames_ = nullptr;
  LabelBinding ownedCount_, skill_, hint_, search_, outcome_, unmet_;
  QSpinBox *itemLevel_ = nullptr, *quality_ = nullptr, *points_ = nullptr, *success_ = nullptr,
           *timeLimit_ = nullptr;
  QRadioButton *limitPoints_ = nullptr, *limitSuccess_ = nullptr;
  QCheckBox* skillGems_ = nullptr;
  QTableWidget* goals_ = nullptr;
  QTableWidget* compare_ = nullptr;
  std::vector<ComparisonLineView> shownCompare_;  // what compare_ shows
  TableBinding crafted_;
  QPushButton *defaultModes_ = nullptr, *restoreDefaults_ = nullptr, *optimize_ = nullptr,
              *apply_ = nullptr, *discard_ = nullptr, *close_ = nullptr;
  ProgressPanel* progress_ = nullptr;
  // Last member: it goes first, stopping a search before what it reports to.
  JobRunner runner_;
};

}  // namespace qm::ui
