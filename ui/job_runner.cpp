#include "ui/job_runner.h"

#include <QThread>

namespace qm::ui {

JobRunner::JobRunner(QObject* parent) : QObject(parent) {
  // Reports are picked up on a beat rather than posted one by one: a job that
  // reports a hundred thousand steps then costs the window 25 repaints a
  // second, and the job never waits for the window.
  progressTimer_.setInterval(kProgressInterval);
  connect(&progressTimer_, &QTimer::timeout, this, &JobRunner::DeliverProgress);
}

JobRunner::~JobRunner() {
  // The window that would hear the outcome is going; the job only has to stop.
  if (thread_ == nullptr) return;
  cancel_->Cancel();
  Release();
}

bool JobRunner::StartThread(std::function<void(const ProgressCallback&)> body, CancelToken cancel,
                            ProgressListener onProgress, std::function<void()> deliver) {
  if (thread_ != nullptr) return false;
  slot_ = std::make_shared<ProgressSlot>();
  reportsShown_ = 0;
  cancel_ = std::move(cancel);
  onProgress_ = std::move(onProgress);
  deliver_ = std::move(deliver);
  // The job's thread reaches only the slot, which lives as long as either side holds it.
  ProgressCallback progress = [slot = slot_](std::uint64_t done, std::uint64_t total,
                                             std::string_view phase) {
    const std::lock_guard hold(slot->lock);
    slot->latest.Done = done;
    slot->latest.Total = total;
    slot->latest.Phase.assign(phase);
    ++slot->reports;
  };
  thread_ =
      QThread::create([body = std::move(body), progress = std::move(progress)] { body(progress); });
  thread_->setObjectName(QStringLiteral("QuillmarkJob"));
  // finished comes from the job's thread; the queued call runs on this one.
  // A job given up by CancelAndWait may still have its call queued, so each
  // call names the thread it belongs to.
  QThread* started = thread_;
  connect(thread_, &QThread::finished, this, [this, started] {
    if (started == thread_) ThreadEnded();
  });
  progressTimer_.start();
  thread_->start();
  return true;
}

void JobRunner::Cancel() {
  if (cancel_) cancel_->Cancel();
}

void JobRunner::CancelAndWait() {
  if (thread_ == nullptr) return;
  cancel_->Cancel();
  if (const std::function<void()> deliver = Release()) deliver();
}

void JobRunner::DeliverProgress() {
  JobProgress latest;
  {
    const std::lock_guard hold(slot_->lock);
    if (slot_->reports == reportsShown_) return;
    reportsShown_ = slot_->reports;
    latest = slot_->latest;
  }
  if (onProgress_) onProgress_(latest);
}

void JobRunner::ThreadEnded() {
  if (const std::function<void()> deliver = Release()) deliver();
}

std::function<void()> JobRunner::Release() {
  thread_->wait();  // finished is sent just before the thread returns
  delete thread_;
  thread_ = nullptr;
  progressTimer_.stop();
  onProgress_ = nullptr;
  // Handed back rather than called: the listener may start the next job.
  return std::exchange(deliver_, nullptr);
}

}  // namespace qm::ui
