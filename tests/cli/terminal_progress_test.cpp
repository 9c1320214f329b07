// The progress line a long command draws on a terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/terminal_progress.h"

namespace qm::cli {
namespace {

TEST(TerminalProgress, DrawsBarPercentAndCountOrThePhaseAlone) {
  struct Case {
    std::uint64_t done, total;
    const char* line;
  };
  const Case cases[] = {
      {0, 0, "Listing files"},
      {35, 100, "Listing files [#######.............]  35% 35/100"},
      {7, 7, "Listing files [####################] 100% 7/7"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TerminalProgress::Line(c.done, c.total, "Listing files"), c.line);
  }
}

TEST(TerminalProgress, DrawsNothingWhereNoTerminalListensAndErasesItsLineWhereOneDoes) {
  std::ostringstream err;
  EXPECT_FALSE(IsTerminalErrorStream(err));
  {
    TerminalProgress hidden(err, false);
    EXPECT_FALSE(hidden.Callback());
  }
  EXPECT_TRUE(err.str().empty());
  {
    TerminalProgress shown(err, true);
    shown.Callback()(1, 2, "Converting items");
  }
  EXPECT_EQ(err.str(), "\r\x1b[KConverting items [##########..........]  50% 1/2\r\x1b[K");
}

}  // namespace
}  // namespace qm::cli
