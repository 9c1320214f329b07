#pragma once
// Two templates side by side: every figure the main window shows for each
// (the totals display run on each record), then every field of their totals
// and caps records, with the difference and whether it got better or worse.
// The comparison window and quillmark-cli's compare command show this table.
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "core/template_record.h"
#include "engine/totals.h"
#include "mainwin/totals_display.h"

namespace qm {

enum class ComparisonDirection { kWorse, kBetter, kSame };

// One side of a row. A figure a template does not show (a skill of another
// class, an acuity its class lacks) is absent.
struct ComparedFigure {
  bool Present = false;
  int Value = 0;
  int Cap = 0;  // the cap the value is judged against, when HasCap
  bool HasCap = false;
};

struct ComparisonRow {
  std::string Group;   // "Main Stats" .. "PvE Bonuses", "Totals", "Caps"
  std::string Figure;  // the main window's caption, or the record field's name
  ComparedFigure A, B;
  int Difference = 0;  // B's value less A's
  ComparisonDirection Direction = ComparisonDirection::kSame;
};

struct TemplateComparison {
  // Worse first, then better, then unchanged; within each, display order.
  std::vector<ComparisonRow> Rows;
  int Worse = 0, Better = 0, Same = 0;
};

// The main window's figures for a template as a file holds it: its class's
// skill rows and acuity, its race's resists, every total against its cap.
TotalsDisplay TemplateFigures(const TTemplateRecord& tpl);

TemplateComparison CompareTemplates(const TTemplateRecord& a, const TTemplateRecord& b);

// Which way a figure moved from a to b. A capped figure is judged by the
// part of it that counts, then by what is wasted above the cap; a cap that
// moved alone changes nothing the character has. Anything else, a cap of
// the caps record too, is judged by its value: more is better.
ComparisonDirection JudgeFigures(const ComparedFigure& a, const ComparedFigure& b);

// "worse", "better", "same".
std::string_view DirectionName(ComparisonDirection direction);
// "80 / 85" with a cap, "80" without, "-" for an absent figure.
std::string FigureText(const ComparedFigure& figure);
// "+5", "-5" or "0", and " (cap +5)" when the cap moved as well.
std::string DifferenceText(const ComparisonRow& row);

// A .qmc or .qmy template for comparing, as loading reads it (an old template
// converted, its effect numbers too); a path of another type is refused.
Result<TTemplateRecord> ReadComparedTemplate(const std::string& path);

}  // namespace qm
