#pragma once
// Runs one job (a plain function of a logic library, see ports/job.h) on a
// thread of its own, so the window stays responsive. The job's progress
// reaches the GUI thread at most once per kProgressInterval, however often
// the job reports; its outcome reaches it exactly once. Destroying the runner
// cancels a running job and waits for its thread, so no job outlives the
// window that started it and nothing calls into a deleted window.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "ports/job.h"

class QThread;

namespace qm::ui {

class JobRunner : public QObject {
  Q_OBJECT
 public:
  static constexpr std::chrono::milliseconds kProgressInterval{40};

  template <typename T>
  using Work = std::function<JobOutcome<T>(const ProgressCallback&, const CancelToken&)>;
  using ProgressListener = std::function<void(const JobProgress&)>;

  explicit JobRunner(QObject* parent = nullptr);
  ~JobRunner() override;

  // Starts work with cancel as its token; false while another job runs.
  // onProgress hears the latest report on the GUI thread; onEnded gets the
  // outcome once, on the GUI thread, unless the runner goes first.
  template <typename T>
  bool Start(Work<T> work, CancelToken cancel, ProgressListener onProgress,
             std::function<void(JobOutcome<T>)> onEnded) {
    auto outcome = std::make_shared<std::optional<JobOutcome<T>>>();
    return StartThread(
        [work = std::move(work), cancel, outcome](const ProgressCallback& progress) {
          outcome->emplace(work(progress, cancel));
        },
        cancel, std::move(onProgress),
        [outcome, onEnded = std::move(onEnded)] {
          if (onEnded) onEnded(std::move(**outcome));
        });
  }

  bool Running() const { return thread_ != nullptr; }
  // Asks the running job to stop; its outcome still arrives.
  void Cancel();
  // Cancels a running job, waits until its thread has ended and hands its
  // outcome over at once: what a window does before it closes, so its model
  // learns whether the job stopped or had already finished. Destroying the
  // runner does the same but drops the outcome.
  void CancelAndWait();

 private:
  // Where the job's thread leaves its latest report for the GUI thread.
  struct ProgressSlot {
    std::mutex lock;
    JobProgress latest;
    std::uint64_t reports = 0;
  };

  bool StartThread(std::function<void(const ProgressCallback&)> body, CancelToken cancel,
                   ProgressListener onProgress, std::function<void()> deliver);
  void DeliverProgress();
  void ThreadEnded();
  // Joins the ended thread and returns the outcome's delivery.
  std::function<void()> Release();

  QThread* thread_ = nullptr;
  std::optional<CancelToken> cancel_;
  std::shared_ptr<ProgressSlot> slot_;
  std::uint64_t reportsShown_ = 0;
  ProgressListener onProgress_;
  std::function<void()> deliver_;
  QTimer progressTimer_;
};

// A window model's job: the model hands out the request and the cancel token
// (Request(), Token()), hears the progress (JobProgressed) and the outcome
// (JobEnded), and stops on CancelClick. run(request, progress, cancel) is the
// logic's plain function; the job gets its own copy of the request, as the
// model stays on the window's thread. ended runs after the model has heard.
template <typename T, typename Model, typename Run>
bool StartModelJob(JobRunner& runner, Model& model, Run run,
                   std::function<void(const JobOutcome<T>&)> ended = {}) {
  return runner.Start<T>([request = model.Request(), run](
                             const ProgressCallback& progress,
                             const CancelToken& cancel) { return run(request, progress, cancel); },
                         model.Token(),
                         [&model](const JobProgress& progress) { model.JobProgressed(progress); },
                         [&model, ended = std::move(ended)](JobOutcome<T> outcome) {
                           model.JobEnded(outcome);
                           if (ended) ended(outcome);
                         });
}

// A window closing mid-job: its model learns of the cancel, and the job has
// stopped before the window goes.
template <typename Model>
void StopModelJob(JobRunner& runner, Model& model) {
  if (!runner.Running()) return;
  model.CancelClick();
  runner.CancelAndWait();
}

}  // namespace qm::ui
