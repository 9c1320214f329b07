#include "optimizer/greedy_fill.h"

#include <algorithm>
#include <optional>

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

// Twice a piece's charge: its gems' costs with the highest counted twice.
double TwiceCharge(const CraftedPiece& piece, const std::vector<bool>& taken) {
  double sum = 0;
  double high = 0;
  for (std::size_t k = 0; k < taken.size(); ++k) {
    if (!taken[k]) continue;
    sum += piece.Gems[k].Cost;
    high = std::max(high, piece.Gems[k].Cost);
  }
  return sum + high;
}

// Twice the charge of a piece's gems with one gem's tier set to column g (or
// the gem added); nothing when that goes over four gems or the charge limit.
std::optional<double> TwiceChargeWith(const CraftedPiece& piece, const std::vector<bool>& taken,
                                      std::size_t g) {
  std::vector<bool> changed = taken;
  int count = 0;
  for (std::size_t k = 0; k < changed.size(); ++k) {
    if (piece.Gems[k].GemIndex == piece.Gems[g].GemIndex) changed[k] = false;
    count += changed[k];
  }
  changed[g] = true;
  const double twice = TwiceCharge(piece, changed);
  if (count + 1 > kGemSlotCount || twice > piece.ChargeLimit) return std::nullopt;
  return twice;
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
    // A vault entry is judged by its gain; a gem by its gain per imbue point
    // it adds, and only while no entry gains.
    auto consider = [&](std::vector<bool>& taken, std::size_t column, const SlotContribution& parts,
                        std::vector<std::size_t> dropped, const auto& partsOf, double points) {
      std::vector<const SlotContribution*> droppedParts;
      for (std::size_t d : dropped) droppedParts.push_back(&partsOf(d));
      const double gain = gainOf(parts, droppedParts);
      if (gain <= 1e-9) return;
      const double score = points > 0 ? gain / std::max(points, 0.5) : gain;
      if (score > bestGain) {
        bestGain = score;
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
      consider(
          choice.Items, i, model.Items[i].Parts, dropped,
          [&](std::size_t k) -> const SlotContribution& { return model.Items[k].Parts; }, 0);
    }
    const bool entryGains = bestSet != nullptr;
    for (std::size_t p = 0; p < model.Pieces.size() && !entryGains; ++p) {
      const CraftedPiece& piece = model.Pieces[p];
      const double twiceNow = TwiceCharge(piece, choice.Gems[p]);
      for (std::size_t g = 0; g < piece.Gems.size(); ++g) {
        if (choice.Gems[p][g]) continue;
        const std::optional<double> twice = TwiceChargeWith(piece, choice.Gems[p], g);
        if (!twice) continue;
        std::vector<std::size_t> dropped;
        for (std::size_t k = 0; k < piece.Gems.size(); ++k)
          if (choice.Gems[p][k] && piece.Gems[k].GemIndex == piece.Gems[g].GemIndex)
            dropped.push_back(k);
        consider(
            choice.Gems[p], g, piece.Gems[g].Parts, dropped,
            [&](std::size_t k) -> const SlotContribution& { return piece.Gems[k].Parts; },
            *twice - twiceNow);
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
