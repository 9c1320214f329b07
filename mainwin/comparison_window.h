#pragma once
// The comparison window TfrmCompare without its widgets: the two templates'
// titles, a summary line, the table of figures with what got worse in red
// and what got better in blue, and the choice to hide what did not change.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "mainwin/template_comparison.h"
#include "ports/sub_windows.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

inline constexpr std::string_view kComparisonCaption = "Template Comparison";
inline constexpr std::string_view kChangedOnlyCaption = "Show &changed figures only";
inline constexpr std::array<std::string_view, 5> kComparisonColumns = {"Group", "Figure", "A", "B",
                                                                       "Difference"};

// One line of the table (gFigures); every cell takes the row's colour.
struct ComparisonLineView {
  std::array<std::string, 5> Cells;  // as kComparisonColumns
  qm::Colour Colour = kBlack;
  ComparisonDirection Direction = ComparisonDirection::kSame;
  bool operator==(const ComparisonLineView&) const = default;
};

struct ComparisonWindowView {
  std::string Caption{kComparisonCaption};
  LabelState TemplateA, TemplateB;        // lTemplateA, lTemplateB
  LabelState Summary;                     // lSummary
  CheckState ChangedOnly;                 // cbChangedOnly
  std::vector<ComparisonLineView> Lines;  // gFigures
};

class TfrmCompare : public ViewNotifier {
 public:
  TfrmCompare();

  // Compares the request's templates afresh; the changed-only choice stays.
  void SetTemplates(const ComparisonRequest& request);
  // cbChangedOnly: hides the unchanged rows, or shows them again.
  void ShowChangedOnly(bool checked);

  const ComparisonWindowView& View() const { return view_; }
  const TemplateComparison& Comparison() const { return comparison_; }

 private:
  void Rebuild();

  TemplateComparison comparison_;
  ComparisonWindowView view_;
};

// The colour a direction shows in: red worse, blue better, black unchanged.
Colour DirectionColour(ComparisonDirection direction);

}  // namespace qm
