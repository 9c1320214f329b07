#include "optimizer/glpk_problem.h"

#include <glpk.h>

#include <algorithm>
#include <limits>

#include "optimizer/glpk_builder.h"

#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {}  // namespace

Columns BuildProblem(glp_prob* prob, const OptimizerModel& model, const ModelVariant& variant) {
  glp_set_obj_dir(prob, GLP_MAX);
  ProblemBuilder build(prob);
  Columns cols;
  const std::size_t figureCount = model.Figures.size();

  // Vault items: at most one per slot.
  std::vector<Row> slotRows(kSlotCount + 1);
  for (const ItemColumn& item : model.Items) {
    cols.Item.push_back(build.Binary());
    slotRows[static_cast<std::size_t>(item.Slot)].Add(cols.Item.back(), 1);
  }
  for (const Row& row : slotRows) build.UpperRow(row, 1);

  // Spellcrafted pieces: at most one tier of each gem, at most four gems, and
  // the charge within the allowance, the highest gem counted twice.
  for (const CraftedPiece& piece : model.Pieces) {
    std::vector<int> gemCols;
    Row count, charge;
    const int high = build.Column(0, ProblemBuilder::kInf, GLP_CV, 0);
    std::vector<Row> perGem;
    std::vector<int> gemOf;
    for (const GemColumn& gem : piece.Gems) {
      const int column = build.Binary();
      gemCols.push_back(column);
      count.Add(column, 1);
      charge.Add(column, gem.Cost);
      if (gemOf.empty() || gemOf.back() != gem.GemIndex) {
        gemOf.push_back(gem.GemIndex);
        perGem.emplace_back();
      }
      perGem.back().Add(column, 1);
    }
    build.UpperRow(count, kGemSlotCount);
    // The highest gem costs at least the mean of the four or fewer gems. The
    // model holds without it, but its relaxation would spread a piece's points
    // thinly over many gems, each too cheap to raise the highest.
    Row mean = charge;
    for (double& coefficient : mean.Coefficients) coefficient = -coefficient;
    mean.Add(high, kGemSlotCount);
    build.LowerRow(mean, 0);
    charge.Add(high, 1);
    build.UpperRow(charge, piece.ChargeLimit);
    for (Row& tiers : perGem) build.UpperRow(tiers, 1);
    // high ≥ the cost of the chosen tier of each gem.
    std::size_t g = 0;
    for (std::size_t k = 0; k < gemOf.size(); ++k) {
      Row atLeast;
      atLeast.Add(high, 1);
      for (; g < piece.Gems.size() && piece.Gems[g].GemIndex == gemOf[k]; ++g)
        atLeast.Add(gemCols[g], -piece.Gems[g].Cost);
      build.LowerRow(atLeast, 0);
    }
    cols.Gem.push_back(std::move(gemCols));
    cols.HighGem.push_back(high);
  }

  // Interchangeable pieces take their designs in order of imbue points spent,
  // so the search does not visit every order of the same designs.
  if (variant.OrderPieces) {
    for (std::size_t p = 0; p + 1 < model.Pieces.size(); ++p) {
      if (!SameDesignSpace(model.Pieces[p], model.Pieces[p + 1])) continue;
      Row order;
      for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g) {
        order.Add(cols.Gem[p][g], model.Pieces[p].Gems[g].Cost);
        order.Add(cols.Gem[p + 1][g], -model.Pieces[p + 1].Gems[g].Cost);
      }
      build.LowerRow(order, 0);
    }
  }

  // Figures: capped ≤ value and capped ≤ cap base + the cap increase that
  // counts, which is at most both its total and its limit.
  cols.Capped.assign(figureCount, 0);
  cols.CapRaise.assign(figureCount, 0);
  for (std::size_t f = 0; f < figureCount; ++f) {
    const ModelFigure& figure = model.Figures[f];
    if (!figure.Relevant()) continue;
    const double lower = figure.Minimum ? *figure.Minimum : -ProblemBuilder::kInf;
    cols.Capped[f] = build.Column(lower, ProblemBuilder::kInf, GLP_CV, figure.Weight);
    Row value, cap, raise;
    value.Add(cols.Capped[f], 1);
    cap.Add(cols.Capped[f], 1);
    const bool raisable = figure.Base.CapIncreaseLimit > 0;
    if (raisable) {
      cols.CapRaise[f] = build.Column(0, figure.Base.CapIncreaseLimit, GLP_CV, 0);
      cap.Add(cols.CapRaise[f], -1);
      raise.Add(cols.CapRaise[f], 1);
    }
    auto addParts = [&](int column, const SlotContribution& parts) {
      value.Add(column, -parts.Value[f]);
      cap.Add(column, -parts.CapBase[f]);
      if (raisable) raise.Add(column, -parts.CapIncrease[f]);
    };
    for (std::size_t i = 0; i < model.Items.size(); ++i)
      addParts(cols.Item[i], model.Items[i].Parts);
    for (std::size_t p = 0; p < model.Pieces.size(); ++p)
      for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g)
        addParts(cols.Gem[p][g], model.Pieces[p].Gems[g].Parts);
    build.UpperRow(value, figure.Base.Value);
    build.UpperRow(cap, figure.Base.CapBase);
    if (raisable) build.UpperRow(raise, figure.Base.CapIncrease);
  }
  return cols;
}

ColumnChoice SearchChoice(glp_prob* prob, const OptimizerModel& model, const Columns& cols) {
  ColumnChoice choice;
  for (std::size_t i = 0; i < model.Items.size(); ++i)
    choice.Items.push_back(glp_mip_col_val(prob, cols.Item[i]) > 0.5);
  for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
    choice.Gems.emplace_back();
    for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g)
      choice.Gems[p].push_back(glp_mip_col_val(prob, cols.Gem[p][g]) > 0.5);
  }
  return choice;
}

// Every column's value for the greedy template, in GLPK's numbering, so the
// search can start from it.
std::vector<double> StartingPoint(const OptimizerModel& model, const Columns& cols,
                                  const ColumnChoice& choice, int columnCount) {
  std::vector<double> values(static_cast<std::size_t>(columnCount) + 1, 0);
  auto at = [&](int column) -> double& { return values[static_cast<std::size_t>(column)]; };
  for (std::size_t i = 0; i < model.Items.size(); ++i) at(cols.Item[i]) = choice.Items[i];
  for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
    double high = 0;
    for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g) {
      at(cols.Gem[p][g]) = choice.Gems[p][g];
      if (choice.Gems[p][g]) high = std::max(high, model.Pieces[p].Gems[g].Cost);
    }
    at(cols.HighGem[p]) = high;
  }
  const FigureLevels levels = LevelsOf(model, choice);
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    if (cols.Capped[f] != 0) at(cols.Capped[f]) = levels.Capped(model, f);
    if (cols.CapRaise[f] != 0)
      at(cols.CapRaise[f]) =
          std::clamp(levels.CapIncrease[f], 0.0, double(model.Figures[f].Base.CapIncreaseLimit));
  }
  return values;
}

}  // namespace qm
