#pragma once
// Counting the change announcements of a window model, as the window layer
// would receive them.
#include <gtest/gtest.h>

#include <cstdint>

#include "ports/view_notifier.h"

namespace qm::testing {

// Installs a counting callback for the counter's life.
class ViewCounter {
 public:
  explicit ViewCounter(ViewNotifier& model) : model_(model), start_(model.Revision()) {
    model_.SetViewChangedCallback([this] { ++calls; });
  }
  ViewCounter(const ViewCounter&) = delete;
  ViewCounter& operator=(const ViewCounter&) = delete;
  ~ViewCounter() { model_.SetViewChangedCallback(nullptr); }

  // The revision moves with every announcement and only then.
  std::uint64_t RevisionGrowth() const { return model_.Revision() - start_; }

  int calls = 0;

 private:
  ViewNotifier& model_;
  std::uint64_t start_;
};

// How many times model announced while command ran; checks that the
// revision grew by exactly as many.
template <class Command>
int AnnouncementsOf(ViewNotifier& model, Command&& command) {
  ViewCounter counter(model);
  command();
  EXPECT_EQ(counter.RevisionGrowth(), static_cast<std::uint64_t>(counter.calls));
  return counter.calls;
}

}  // namespace qm::testing
