// The job vocabulary: a cancel reaches every copy of its token, and an
// outcome keeps what its end needs.
#include <gtest/gtest.h>

#include <thread>

#include "ports/job.h"

namespace qm {
namespace {

TEST(CancelToken, ACancelFromAnotherThreadReachesEveryCopyAndNoOtherToken) {
  const CancelToken job;
  const CancelToken button = job;
  const CancelToken unrelated;
  std::thread([button] { button.Cancel(); }).join();
  EXPECT_TRUE(job.Cancelled());
  EXPECT_FALSE(unrelated.Cancelled());
}

TEST(JobOutcome, EachEndKeepsItsValueOrMessage) {
  const auto finished = JobOutcome<int>::Finished(7);
  EXPECT_TRUE(finished.IsFinished());
  EXPECT_EQ(finished.Value(), 7);
  const auto failed = JobOutcome<int>::Failed("\"x\": unreadable");
  EXPECT_EQ(failed.End(), JobEnd::kFailed);
  EXPECT_EQ(failed.Message(), "\"x\": unreadable");
  EXPECT_EQ(JobOutcome<int>::Cancelled().End(), JobEnd::kCancelled);
}

}  // namespace
}  // namespace qm
