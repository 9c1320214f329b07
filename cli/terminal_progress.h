#pragma once
// A job's progress as one line on a terminal, redrawn in place. Scripts read
// standard error for the one-line messages, so the line is drawn only when
// the command's error stream is the process's own and that is a terminal.
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "ports/job.h"

namespace qm::cli {

// Whether err is the process's standard error and that is a terminal.
bool IsTerminalErrorStream(const std::ostream& err);

class TerminalProgress {
 public:
  // Draws on err when shown; otherwise every call does nothing.
  TerminalProgress(std::ostream& err, bool shown) : err_(err), shown_(shown) {}
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;
  ~TerminalProgress() { Clear(); }

  // Redraws at most every kRedrawInterval, and at once when the phase changes.
  ProgressCallback Callback();
  // Erases the line, so a message can follow on a clean line.
  void Clear();

  // "Converting items [#######.............]  35% 35000/100000"; a phase
  // that counts nothing shows its text alone.
  static std::string Line(std::uint64_t done, std::uint64_t total, std::string_view phase);

 private:
  static constexpr std::chrono::milliseconds kRedrawInterval{100};

  void Draw(std::uint64_t done, std::uint64_t total, std::string_view phase);

  std::ostream& err_;
  bool shown_;
  bool drawn_ = false;
  std::string phase_;
  std::chrono::steady_clock::time_point last_{};
};

}  // namespace qm::cli
