#include "ui/progress_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <limits>

#include "ui/text_codec.h"

namespace qm::ui {
namespace {

// QProgressBar counts in int; a larger total is shown to scale.
std::pair<int, int> BarRange(std::uint64_t done, std::uint64_t total) {
  constexpr std::uint64_t kLimit = std::numeric_limits<int>::max();
  std::uint64_t scale = 1;
  while (total / scale > kLimit) scale *= 2;
  return {static_cast<int>(std::min(done, total) / scale), static_cast<int>(total / scale)};
}

}  // namespace

ProgressPanel::ProgressPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(kProgressPanelName);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(kProgressBarName);
  bar_->setAccessibleName(QStringLiteral("Progress"));
  bar_->setTextVisible(true);
  phase_ = new QLabel(this);
  phase_->setObjectName(kProgressPhaseName);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(kProgressCancelName);
  cancel_->setAccessibleName(QStringLiteral("Cancel"));
  cancel_->setToolTip(QStringLiteral("Stop the job; nothing it would have changed changes"));
  // Escape stops the job rather than closing the window around it.
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape_->setContext(Qt::WindowShortcut);
  connect(cancel_, &QPushButton::clicked, this, &ProgressPanel::cancelClicked);
  connect(escape_, &QShortcut::activated, this, &ProgressPanel::cancelClicked);

  auto* row = new QHBoxLayout;
  row->addWidget(bar_, 1);
  row->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(phase_);
  Apply(ProgressState{});
}

void ProgressPanel::Apply(const ProgressState& state) {
  if (last_ == state) return;
  const auto [value, maximum] = BarRange(state.Done, state.Total);
  // A total of 0 counts nothing yet: the bar shows it is busy instead.
  bar_->setRange(0, maximum);
  bar_->setValue(value);
  phase_->setText(ToQt(state.Phase));
  phase_->setAccessibleName(phase_->text().isEmpty() ? QStringLiteral(" ") : phase_->text());
  bar_->setAccessibleDescription(phase_->text());
  cancel_->setEnabled(state.CancelEnabled);
  escape_->setEnabled(state.Visible && state.CancelEnabled);
  setVisible(state.Visible);
  last_ = state;
}

}  // namespace qm::ui
