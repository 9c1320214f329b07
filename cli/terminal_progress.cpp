#include "cli/terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace qm::cli {
namespace {

constexpr std::size_t kBarWidth = 20;
constexpr std::string_view kEraseLine = "\r\x1b[K";

}  // namespace

bool IsTerminalErrorStream(const std::ostream& err) {
  return &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

std::string TerminalProgress::Line(std::uint64_t done, std::uint64_t total,
                                   std::string_view phase) {
  std::string line(phase);
  if (total == 0) return line;
  done = std::min(done, total);
  const auto filled = static_cast<std::size_t>(done * kBarWidth / total);
  line += " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] ";
  const std::string percent = std::to_string(done * 100 / total);
  line += std::string(3 - std::min<std::size_t>(3, percent.size()), ' ') + percent + "% ";
  line += std::to_string(done) + "/" + std::to_string(total);
  return line;
}

ProgressCallback TerminalProgress::Callback() {
  if (!shown_) return {};
  return [this](std::uint64_t done, std::uint64_t total, std::string_view phase) {
    const auto now = std::chrono::steady_clock::now();
    if (phase == phase_ && now - last_ < kRedrawInterval) return;
    last_ = now;
    if (phase != phase_) phase_ = phase;
    Draw(done, total, phase);
  };
}

void TerminalProgress::Draw(std::uint64_t done, std::uint64_t total, std::string_view phase) {
  err_ << kEraseLine << Line(done, total, phase) << std::flush;
  drawn_ = true;
}

void TerminalProgress::Clear() {
  if (!drawn_) return;
  err_ << kEraseLine << std::flush;
  drawn_ = false;
}

}  // namespace qm::cli
