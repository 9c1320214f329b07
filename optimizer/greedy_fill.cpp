#include "optimizer/greedy_fill.h"

#include <algorithm>

#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {

void Add(FigureLevels& levels, const SlotContribution& parts, double sign) {
  for (std::size_t f = 0; f < parts.Value.size(); ++f) {
    levels.Value[f] += sign * parts.Value[f];
    levels.CapBase[f] += sign * parts.CapBase[f];
    levels.CapIncrease[f] += sign * parts.CapIncrease[f];
  }
}

// Whether a piece's gems, with one gem's tier set to column g (or the gem
// added), stay within four gems and the charge limit.
bool Fits(const CraftedPiece& piece, const std::vector<bool>& taken, std::size_t g) {
  double sum = piece.Gems[g].Cost;
  double high = sum;
  int count = 1;
  for (std::size_t k = 0; k < taken.size(); ++k) {
    if (!taken[k] || piece.Gems[k].GemIndex == piece.Gems[g].GemIndex) continue;
    sum += piece.Gems[k].Cost;
    high = std::max(high, piece.Gems[k].Cost);
    ++count;
  }
  return count <= kGemSlotCount && sum + high <= piece.ChargeLimit;
}

}  // namespace

double FigureLevels::Capped(const OptimizerModel& model, std::size_t f) const {
  const FigureParts& base = model.Figures[f].Base;
  const double raise = std::clamp(CapIncrease[f], 0.0, double(base.CapIncreaseLimit));
  return std::min(Value[f], CapBase[f] + raise);
}

double FigureLevels::Objective(const OptimizerModel& model) const {
  double sum = 0;
  for (std::size_t f = 0; f < model.Figures.size(); ++f)
    if (model.Figures[f].Weight > 0) sum += model.Figures[f].Weight * Capped(model, f);
  return sum;
}

FigureLevels LevelsOf(const OptimizerModel& model, const ColumnChoice& choice) {
  FigureLevels levels;
  for (const ModelFigure& figure : model.Figures) {
    levels.Value.push_back(figure.Base.Value);
    levels.CapBase.push_back(figure.Base.CapBase);
    levels.CapIncrease.push_back(figure.Base.CapIncrease);
  }
  for (std::size_t i = 0; i < model.Items.size(); ++i)
    if (choice.Items[i]) Add(levels, model.Items[i].Parts, 1);
  for (std::size_t p = 0; p < model.Pieces.size(); ++p)
    for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g)
      if (choice.Gems[p][g]) Add(levels, model.Pieces[p].Gems[g].Parts, 1);
  return levels;
}

ColumnChoice GreedyFill(const OptimizerModel& model) {
  ColumnChoice choice;
  choice.Items.assign(model.Items.size(), false);
  for (const CraftedPiece& piece : model.Pieces) choice.Gems.emplace_back(piece.Gems.size(), false);
  FigureLevels levels = LevelsOf(model, choice);
  double current = levels.Objective(model);

  // The gain of taking column `parts` in place of the columns `dropped`.
  auto gainOf = [&](const SlotContribution& parts,
                    const std::vector<const SlotContribution*>& dropped) {
    for (const SlotContribution* d : dropped) Add(levels, *d, -1);
    Add(levels, parts, 1);
    const double gain = levels.Objective(model) - current;
    Add(levels, parts, -1);
    for (const SlotContribution* d : dropped) Add(levels, *d, 1);
    return gain;
  };

  while (true) {
    double bestGain = 1e-9;
    std::vector<bool>* bestSet = nullptr;
    std::size_t bestColumn = 0;
    std::vector<std::size_t> bestDropped;
    auto consider = [&](std::vector<bool>& taken, std::size_t column, const SlotContribution& parts,
                        std::vector<std::size_t> dropped, const auto& partsOf) {
      std::vector<const SlotContribution*> droppedParts;
      for (std::size_t d : dropped) droppedParts.push_back(&partsOf(d));
      const double gain = gainOf(parts, droppedParts);
      if (gain > bestGain) {
        bestGain = gain;
        bestSet = &taken;
        bestColumn = column;
        bestDropped = std::move(dropped);
      }
    };
    for (std::size_t i = 0; i < model.Items.size(); ++i) {
      if (choice.Items[i]) continue;
      std::vector<std::size_t> dropped;
      for (std::size_t k = 0; k < model.Items.size(); ++k)
        if (choice.Items[k] && model.Items[k].Slot == model.Items[i].Slot) dropped.push_back(k);
      consider(choice.Items, i, model.Items[i].Parts, dropped,
               [&](std::size_t k) -> const SlotContribution& { return model.Items[k].Parts; });
    }
    for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
      const CraftedPiece& piece = model.Pieces[p];
      for (std::size_t g = 0; g < piece.Gems.size(); ++g) {
        if (choice.Gems[p][g] || !Fits(piece, choice.Gems[p], g)) continue;
        std::vector<std::size_t> dropped;
        for (std::size_t k = 0; k < piece.Gems.size(); ++k)
          if (choice.Gems[p][k] && piece.Gems[k].GemIndex == piece.Gems[g].GemIndex)
            dropped.push_back(k);
        consider(choice.Gems[p], g, piece.Gems[g].Parts, dropped,
                 [&](std::size_t k) -> const SlotContribution& { return piece.Gems[k].Parts; });
      }
    }
    if (!bestSet) break;
    for (std::size_t d : bestDropped) (*bestSet)[d] = false;
    (*bestSet)[bestColumn] = true;
    levels = LevelsOf(model, choice);
    current = levels.Objective(model);
  }
  return choice;
}

}  // namespace qm
