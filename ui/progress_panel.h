#pragma once
// A running job as the window shows it: a bar of how far it got, the phase
// beneath, and Cancel (Escape too, while the panel shows). It copies a
// ProgressState from its window's model and forwards Cancel as cancelClicked;
// it holds no state of its own.
#include <QWidget>
#include <optional>

#include "ports/view_state.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;

namespace qm::ui {

// The object names of the panel and its parts.
inline constexpr const char* kProgressPanelName = "JobProgress";
inline constexpr const char* kProgressBarName = "JobProgressBar";
inline constexpr const char* kProgressPhaseName = "JobPhase";
inline constexpr const char* kProgressCancelName = "JobCancel";

class ProgressPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressPanel(QWidget* parent = nullptr);

  void Apply(const ProgressState& state);

 signals:
  void cancelClicked();

 private:
  QProgressBar* bar_;
  QLabel* phase_;
  QPushButton* cancel_;
  QShortcut* escape_;
  std::optional<ProgressState> last_;
};

}  // namespace qm::ui
