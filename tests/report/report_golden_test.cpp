// Whole reports of a few characters, compared byte for byte with the
// reference files under data/report: the text save in each content mode and
// the HTML save. QM_UPDATE_GOLDEN=1 rewrites the references instead; every
// rewritten file must be read against the report's rules before it is kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "golden_templates.h"
#include "report/report_files.h"
#include "report/report_window.h"

namespace qm {
namespace {

struct Mode {
  std::string_view Suffix;
  ReportContent Content;
};
constexpr Mode kModes[] = {{"all", ReportContent::kAllStatsAndItems},
                           {"materials", ReportContent::kMaterialList},
                           {"names", ReportContent::kItemNamesOnly},
                           {"stats", ReportContent::kStatsOnly}};

std::filesystem::path GoldenFolder() {
  const char* data = std::getenv("QM_TESTDATA");
  return std::filesystem::path(data != nullptr ? data : "tests/data") / "report";
}

bool Updating() {
  const char* update = std::getenv("QM_UPDATE_GOLDEN");
  return update != nullptr && std::string_view(update) == "1";
}

// The first line (CR LF separated) where the two texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected), b(actual);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, la));
    const bool moreB = static_cast<bool>(std::getline(b, lb));
    if (!moreA && !moreB) return "no line differs (line ends?)";
    if (la != lb || moreA != moreB)
      return "line " + std::to_string(line) + ":\n  expected [" + la + "]\n  actual   [" + lb + "]";
  }
}

void Check(const std::filesystem::path& file, const std::string& actual) {
  if (Updating()) {
    std::ofstream(file, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << "missing reference " << file;
  const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(expected == actual) << file.filename() << " differs at "
                                  << FirstDifference(expected, actual);
}

TEST(ReportGolden, EveryContentModeAndTheHtmlPage) {
  for (const testing::GoldenTemplate& golden : testing::GoldenTemplates()) {
    SCOPED_TRACE(golden.Name);
    for (const Mode& mode : kModes) {
      ReportContext context{golden.Template, {}, ReadingsFromTemplate(golden.Template, 0)};
      context.Options.Content = mode.Content;
      const ReportDocument document = BuildReport(context);
      const std::string stem = golden.Name + "-" + std::string(mode.Suffix);
      Check(GoldenFolder() / (stem + ".txt"), ReportTextBytes(document.Lines));
      if (mode.Content == ReportContent::kAllStatsAndItems)
        Check(GoldenFolder() / (golden.Name + ".html"),
              ReportHtmlBytes(document.Lines, golden.Template.CharName.View()));
    }
  }
}

TEST(ReportGolden, TogglesOffAndAnotherWeaponChoice) {
  // The report window's own weapon choice and every toggle off, on one character.
  const testing::GoldenTemplate golden = testing::GoldenTemplates()[2];
  TSCReport report;
  report.SetReportTemplate(golden.Template);
  report.SetMainWindowReadings(ReadingsFromTemplate(golden.Template, 2));
  report.ChooseWeapon(3);
  report.ToggleDisplayRace();
  report.ToggleDisplayCap();
  report.ToggleNotes();
  report.ToggleExpansion();
  report.ToggleDisplayUtility();
  Check(GoldenFolder() / (golden.Name + "-ranged-plain.txt"), ReportTextBytes(report.Lines()));
}

}  // namespace
}  // namespace qm
