#pragma once
// The capped figures of a template, named as `quillmark-cli totals --json`
// names them: the seven effective stats, the class's skill rows and every
// other figure the main window shows against a cap. Their weighted, capped sum
// is the optimizer's objective, and this is the check every answer of the
// solver is recomputed by.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/template_record.h"

namespace qm {

// One figure split into the parts the cap is made of, so that the optimizer
// can see each as a sum over the slots: Cap = CapBase + min(CapIncrease,
// CapIncreaseLimit), with CapIncrease and CapIncreaseLimit both 0 for figures
// no cap increase raises.
struct FigureParts {
  std::string_view Name;  // lives as long as the program
  int Value = 0;
  int CapBase = 0;
  int CapIncrease = 0;
  int CapIncreaseLimit = 0;
  int Cap() const;
  int Capped() const;  // min(Value, Cap())
};

// Every capped figure of the template in a fixed order that depends only on
// its class: stats, resists, point, ToA and PvE figures, then skill rows. A
// skill whose label is also a field's name is called "<label> (skill)".
std::vector<FigureParts> CappedFigures(const TTemplateRecord& tpl);

// The figure names of a class, in the order CappedFigures gives them.
std::vector<std::string> FigureNames(int classIndex);

// Sum of weight × min(value, cap); weights follow CappedFigures' order and
// missing weights count 0.
double Objective(const TTemplateRecord& tpl, std::span<const double> weights);

}  // namespace qm
