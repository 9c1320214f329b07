#include "mainwin/comparison_window.h"

namespace qm {

Colour DirectionColour(ComparisonDirection direction) {
  switch (direction) {
    case ComparisonDirection::kWorse:
      return kRed;
    case ComparisonDirection::kBetter:
      return kBlue;
    case ComparisonDirection::kSame:
      break;
  }
  return kBlack;
}

TfrmCompare::TfrmCompare() {
  view_.TemplateA.Text = "A: ";
  view_.TemplateB.Text = "B: ";
  view_.Summary.Text = " ";
}

void TfrmCompare::SetTemplates(const ComparisonRequest& request) {
  comparison_ = CompareTemplates(request.A, request.B);
  view_.TemplateA.Text = "A: " + request.TitleA;
  view_.TemplateB.Text = "B: " + request.TitleB;
  view_.Summary.Text = std::to_string(comparison_.Worse) + " worse, " +
                       std::to_string(comparison_.Better) + " better, " +
                       std::to_string(comparison_.Same) + " unchanged";
  view_.Summary.Colour = comparison_.Worse > 0 ? kRed : comparison_.Better > 0 ? kBlue : kBlack;
  Rebuild();
}

void TfrmCompare::ShowChangedOnly(bool checked) {
  view_.ChangedOnly.Checked = checked;
  Rebuild();
}

void TfrmCompare::Rebuild() {
  view_.Lines.clear();
  for (const ComparisonRow& row : comparison_.Rows) {
    if (view_.ChangedOnly.Checked && row.Direction == ComparisonDirection::kSame) continue;
    view_.Lines.push_back(
        {{row.Group, row.Figure, FigureText(row.A), FigureText(row.B), DifferenceText(row)},
         DirectionColour(row.Direction),
         row.Direction});
  }
  NotifyViewChanged();
}

}  // namespace qm
