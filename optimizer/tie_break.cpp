#include "optimizer/tie_break.h"

#include <cmath>

namespace qm {
namespace {

bool SameWorth(const OptimizerModel& model, const FigureLevels& before, const FigureLevels& after) {
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    const ModelFigure& figure = model.Figures[f];
    if (!figure.Relevant()) continue;
    // Each figure keeps its capped value, so neither the objective nor a
    // minimum can change.
    if (std::abs(before.Capped(model, f) - after.Capped(model, f)) > 1e-9) return false;
  }
  return true;
}

}  // namespace

void LowerWastedGems(const OptimizerModel& model, ColumnChoice& choice) {
  const FigureLevels start = LevelsOf(model, choice);
  bool lowered = true;
  while (lowered) {
    lowered = false;
    for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
      const std::vector<GemColumn>& gems = model.Pieces[p].Gems;
      for (std::size_t g = 0; g < gems.size(); ++g) {
        if (!choice.Gems[p][g]) continue;
        ColumnChoice trial = choice;
        trial.Gems[p][g] = false;
        // One tier down, or the gem out when it is at its first tier.
        if (g > 0 && gems[g - 1].GemIndex == gems[g].GemIndex) trial.Gems[p][g - 1] = true;
        if (!SameWorth(model, start, LevelsOf(model, trial))) continue;
        choice = std::move(trial);
        lowered = true;
      }
    }
  }
}

}  // namespace qm
