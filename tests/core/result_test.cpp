#include "core/result.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

Result<std::string> Parse(bool good) {
  if (!good) return Result<std::string>::Failure("bad input");
  return std::string("parsed");
}

TEST(Result, CarriesEitherTheValueOrTheMessage) {
  const Result<std::string> good = Parse(true);
  ASSERT_TRUE(good.Ok());
  EXPECT_EQ(good.Value(), "parsed");
  EXPECT_EQ(good.Error(), "");

  const Result<std::string> bad = Parse(false);
  EXPECT_FALSE(bad.Ok());
  EXPECT_EQ(bad.Error(), "bad input");

  EXPECT_TRUE(Status::Success().Ok());
  const Status failed = Status::Failure("disk full");
  EXPECT_FALSE(failed.Ok());
  EXPECT_EQ(failed.error, "disk full");
}

#ifndef NDEBUG
// Reading past a failure would hand out an empty value as if it were data.
TEST(ResultDeathTest, ValueOfAFailedResultStopsADebugBuild) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Result<std::string> bad = Parse(false);
  EXPECT_DEATH((void)bad.Value(), "Value\\(\\) of a failed Result");
  const Result<std::string>& constBad = bad;
  EXPECT_DEATH((void)constBad.Value(), "Value\\(\\) of a failed Result");
}
#endif

}  // namespace
}  // namespace qm
