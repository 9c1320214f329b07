#pragma once
// A quick template for the model: the best single change (a vault entry in a
// slot, a gem tier in a piece) taken again and again while one still gains.
// It gives the branch and cut a template to beat from the start, and the
// player a template even when the search finds none in time.
#include <vector>

#include "optimizer/model.h"

namespace qm {

// Which columns the fill takes: Items[i] for model.Items[i], Gems[p][g] for
// model.Pieces[p].Gems[g].
struct ColumnChoice {
  std::vector<bool> Items;
  std::vector<std::vector<bool>> Gems;
};

struct FigureLevels {
  std::vector<double> Value;
  std::vector<double> CapBase;
  std::vector<double> CapIncrease;
  // The model's objective and the capped value of figure f.
  double Objective(const OptimizerModel& model) const;
  double Capped(const OptimizerModel& model, std::size_t f) const;
};

// The figures' levels the chosen columns give, by the model's sums.
FigureLevels LevelsOf(const OptimizerModel& model, const ColumnChoice& choice);

ColumnChoice GreedyFill(const OptimizerModel& model);

}  // namespace qm
