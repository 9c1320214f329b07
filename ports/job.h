#pragma once
// The vocabulary of long-running work. A job is a plain function of a logic
// library: it reports how far it got through a progress callback, looks at a
// cancel token between steps, and returns a JobOutcome. It touches no state
// another thread could use, so the window layer may run it on a worker thread
// while the CLI runs it in place.
#include <atomic>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qm {

// How far a job got: done of total steps (total 0: not countable yet) in the
// named phase ("Reading files", ...).
struct JobProgress {
  std::uint64_t Done = 0;
  std::uint64_t Total = 0;
  std::string Phase;
  bool operator==(const JobProgress&) const = default;
};

// Called from the thread the job runs on, as often as a step ends; a listener
// that repaints throttles on its side. The phase text is valid for the call.
using ProgressCallback =
    std::function<void(std::uint64_t done, std::uint64_t total, std::string_view phase)>;

// Reports through callback when there is one.
inline void ReportProgress(const ProgressCallback& callback, std::uint64_t done,
                           std::uint64_t total, std::string_view phase) {
  if (callback) callback(done, total, phase);
}

// The line under a progress bar: the phase, and the count once there is one
// ("Converting items: 35 of 100").
inline std::string ProgressLine(const JobProgress& progress) {
  if (progress.Total == 0) return progress.Phase;
  return progress.Phase + ": " + std::to_string(progress.Done) + " of " +
         std::to_string(progress.Total);
}

// A request to stop, shared by every copy: the window's Cancel button holds
// one copy, the job another. Asking is safe from any thread.
class CancelToken {
 public:
  CancelToken() : flag_(std::make_shared<std::atomic<bool>>(false)) {}
  void Cancel() const { flag_->store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return flag_->load(std::memory_order_relaxed); }

 private:
  std::shared_ptr<std::atomic<bool>> flag_;
};

enum class JobEnd { kFinished, kFailed, kCancelled };

// What a job came to: its value, a one-line message why it failed, or the
// note that it stopped when asked and left everything as it was.
template <typename T>
class JobOutcome {
 public:
  static JobOutcome Finished(T value) { return JobOutcome(JobEnd::kFinished, std::move(value)); }
  static JobOutcome Failed(std::string message) {
    JobOutcome outcome(JobEnd::kFailed, std::nullopt);
    outcome.message_ = std::move(message);
    return outcome;
  }
  static JobOutcome Cancelled() { return JobOutcome(JobEnd::kCancelled, std::nullopt); }

  JobEnd End() const { return end_; }
  bool IsFinished() const { return end_ == JobEnd::kFinished; }
  // The value of a finished job.
  const T& Value() const {
    assert(value_.has_value());
    return *value_;
  }
  T& Value() {
    assert(value_.has_value());
    return *value_;
  }
  // Why a failed job failed; empty otherwise.
  const std::string& Message() const { return message_; }

 private:
  JobOutcome(JobEnd end, std::optional<T> value) : end_(end), value_(std::move(value)) {}

  JobEnd end_;
  std::optional<T> value_;
  std::string message_;
};

}  // namespace qm
