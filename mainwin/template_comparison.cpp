#include "mainwin/template_comparison.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "core/char_attributes.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/race_table.h"
#include "core/template_file.h"
#include "engine/caps.h"
#include "interop/template_open.h"

namespace qm {
namespace {

// The main window's group titles, in the order TotalsDisplay lists its rows.
constexpr std::array<std::string_view, 6> kDisplayGroups = {"Main Stats",    "Resistance Bonuses",
                                                            "Skill Bonuses", "Point Bonuses",
                                                            "ToA Bonuses",   "PvE Bonuses"};
constexpr std::string_view kTotalsGroup = "Totals";
constexpr std::string_view kCapsGroup = "Caps";

// Fields no bonus is judged against: their caps mean nothing.
bool Uncapped(StatField field) {
  return field == StatField::kSpareWord || field == StatField::kSkillCap ||
         field == StatField::kSpareByte || field == StatField::kFocus;
}

struct NamedFigure {
  std::string_view Group;
  std::string Figure;
  ComparedFigure Value;
};

// Every row of one template, in display order.
std::vector<NamedFigure> FiguresOf(const TTemplateRecord& tpl) {
  std::vector<NamedFigure> figures;
  const TotalsDisplay display = TemplateFigures(tpl);
  const std::array<std::vector<const FigureRow*>, 6> groups = [&] {
    std::array<std::vector<const FigureRow*>, 6> rows;
    for (const auto& row : display.MainStats) rows[0].push_back(&row);
    for (const auto& row : display.Resists) rows[1].push_back(&row);
    for (const auto& row : display.Skills) rows[2].push_back(&row);
    for (const auto& row : display.Points) rows[3].push_back(&row);
    for (const auto& row : display.ToA) rows[4].push_back(&row);
    for (const auto& row : display.PvE) rows[5].push_back(&row);
    return rows;
  }();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (const FigureRow* row : groups[g]) {
      if (row->Name.Text.empty()) continue;  // a row the class leaves empty
      figures.push_back(
          {kDisplayGroups[g], row->Name.Text, {true, row->Amount, row->CapAmount, true}});
    }
  }

  const TotalsAndCaps result = ComputeTotals(tpl);
  const int acuityKind = ClassOf(tpl.ClassIndex).Acuity;
  for (int i = 0; i < kStatFieldCount; ++i) {
    const auto field = static_cast<StatField>(i);
    const bool capped = !Uncapped(field);
    figures.push_back(
        {kTotalsGroup,
         std::string(kStatFields[i].Name),
         {true, GetStat(result.Totals, field),
          capped ? EffectiveCap(result.Caps, result.Totals, field, acuityKind) : 0, capped}});
  }
  for (int i = 0; i < kStatFieldCount; ++i) {
    figures.push_back({kCapsGroup,
                       std::string(kStatFields[i].Name),
                       {true, GetStat(result.Caps, static_cast<StatField>(i)), 0, false}});
  }
  return figures;
}

int GroupRank(std::string_view group) {
  const auto display = std::find(kDisplayGroups.begin(), kDisplayGroups.end(), group);
  if (display != kDisplayGroups.end()) return static_cast<int>(display - kDisplayGroups.begin());
  return group == kTotalsGroup ? 6 : 7;
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// An absent side reads as nothing against the present side's cap, so a
// figure only one class shows is judged by its value alone.
ComparedFigure Absent(const ComparedFigure& present) {
  return {false, 0, present.Cap, present.HasCap};
}

}  // namespace

TotalsDisplay TemplateFigures(const TTemplateRecord& tpl) {
  TCharAttributes attributes;
  ApplyClass(attributes, tpl.ClassIndex);
  // As loading does: a race the realm's list does not hold leaves no race.
  const std::vector<std::string_view> races = RaceList(tpl.ClassIndex);
  ApplyRace(attributes, tpl.RaceIndex < races.size() ? races[tpl.RaceIndex] : std::string_view());
  TotalsDisplay display = InitialTotalsDisplay();
  ApplyClassToDisplay(display, tpl.ClassIndex);
  RecalcTotalsDisplay(display, tpl, attributes, ComputeTotals(tpl));
  return display;
}

ComparisonDirection JudgeFigures(const ComparedFigure& a, const ComparedFigure& b) {
  int verdict = 0;  // > 0 better
  if (a.HasCap && b.HasCap) {
    const auto counted = [](const ComparedFigure& f) { return std::min(f.Value, f.Cap); };
    const auto wasted = [](const ComparedFigure& f) { return std::max(f.Value - f.Cap, 0); };
    verdict = Sign(counted(b) - counted(a));
    if (verdict == 0) verdict = Sign(wasted(a) - wasted(b));
  } else {
    verdict = Sign(b.Value - a.Value);
  }
  return verdict > 0   ? ComparisonDirection::kBetter
         : verdict < 0 ? ComparisonDirection::kWorse
                       : ComparisonDirection::kSame;
}

TemplateComparison CompareTemplates(const TTemplateRecord& a, const TTemplateRecord& b) {
  std::vector<NamedFigure> figuresA = FiguresOf(a);
  std::vector<NamedFigure> figuresB = FiguresOf(b);

  // A's rows in order, each joined by B's row of the same group and caption;
  // B's rows that A lacks go after the last row of their group.
  std::vector<ComparisonRow> rows;
  rows.reserve(figuresA.size() + 8);
  std::vector<bool> used(figuresB.size(), false);
  const auto findInB = [&](const NamedFigure& figure) -> int {
    for (std::size_t i = 0; i < figuresB.size(); ++i)
      if (!used[i] && figuresB[i].Group == figure.Group && figuresB[i].Figure == figure.Figure)
        return static_cast<int>(i);
    return -1;
  };
  for (NamedFigure& figure : figuresA) {
    const int match = findInB(figure);
    ComparisonRow row{std::string(figure.Group), std::move(figure.Figure), figure.Value, {}};
    if (match >= 0) {
      used[static_cast<std::size_t>(match)] = true;
      row.B = figuresB[static_cast<std::size_t>(match)].Value;
    } else {
      row.B = Absent(row.A);
    }
    rows.push_back(std::move(row));
  }
  for (std::size_t i = 0; i < figuresB.size(); ++i) {
    if (used[i]) continue;
    ComparisonRow row{std::string(figuresB[i].Group), figuresB[i].Figure, {}, figuresB[i].Value};
    row.A = Absent(row.B);
    const int rank = GroupRank(row.Group);
    const auto groupEnd = std::find_if(rows.begin(), rows.end(), [&](const ComparisonRow& r) {
      return GroupRank(r.Group) > rank;
    });
    rows.insert(groupEnd, std::move(row));
  }

  TemplateComparison comparison;
  for (ComparisonRow& row : rows) {
    row.Difference = row.B.Value - row.A.Value;
    row.Direction = JudgeFigures(row.A, row.B);
    switch (row.Direction) {
      case ComparisonDirection::kWorse:
        ++comparison.Worse;
        break;
      case ComparisonDirection::kBetter:
        ++comparison.Better;
        break;
      case ComparisonDirection::kSame:
        ++comparison.Same;
        break;
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const ComparisonRow& x, const ComparisonRow& y) {
    return static_cast<int>(x.Direction) < static_cast<int>(y.Direction);
  });
  comparison.Rows = std::move(rows);
  return comparison;
}

std::string_view DirectionName(ComparisonDirection direction) {
  constexpr std::array<std::string_view, 3> kNames = {"worse", "better", "same"};
  return kNames[static_cast<std::size_t>(direction)];
}

std::string FigureText(const ComparedFigure& figure) {
  if (!figure.Present) return "-";
  std::string text = std::to_string(figure.Value);
  if (figure.HasCap) text += " / " + std::to_string(figure.Cap);
  return text;
}

std::string DifferenceText(const ComparisonRow& row) {
  const auto signedText = [](int value) {
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
  };
  std::string text = signedText(row.Difference);
  if (row.A.Present && row.B.Present && row.A.HasCap && row.B.HasCap && row.A.Cap != row.B.Cap)
    text += " (cap " + signedText(row.B.Cap - row.A.Cap) + ")";
  return text;
}

Result<TTemplateRecord> ReadComparedTemplate(const std::string& path) {
  if (!SniffTemplateFile(path))
    return Result<TTemplateRecord>::Failure("Unknown file type? " + path);
  auto opened = OpenAnyTemplate(path);
  if (!opened.Ok()) return Result<TTemplateRecord>::Failure(opened.Error());
  return opened.Value().Record;
}

}  // namespace qm
