#include "optimizer/solve.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "optimizer/figures.h"
#include "optimizer/greedy_fill.h"
#include "optimizer/search.h"
#include "optimizer/tie_break.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"

namespace qm {
namespace {

using Clock = OptimizerClock;
constexpr double kCheckTolerance = 1e-6;
constexpr char kNoTemplateText[] = "No template meets the minimums.";

TItemRecord CraftedItemOf(const OptimizerRequest& request, const CraftedPiece& piece,
                          const std::vector<const GemColumn*>& gems, CraftedDesign& design) {
  const TTemplateRecord& tpl = request.Template;
  TSpellcraftState state;
  state.Level = piece.Level;
  state.ArmourIndex = piece.ArmourIndex;
  state.Quality = request.Spellcraft.Quality;
  double high = 0;
  double sum = 0;
  for (std::size_t k = 0; k < gems.size() && k < static_cast<std::size_t>(kGemSlotCount); ++k) {
    TSpellcraftGem& gem = state.Gems[k];
    gem.BonusIndex = gems[k]->GemIndex;
    gem.TierIndex = gems[k]->Tier;
    gem.Value = gems[k]->Value;
    design.Gems.push_back(gem);
    high = std::max(high, gems[k]->Cost);
    sum += gems[k]->Cost;
  }
  design.Slot = piece.Slot;
  design.Capacity = piece.Capacity;
  design.Charge = (sum + high) / 2;
  state.Name = "Crafted " + std::string(SlotName(piece.Slot));
  const SpellcraftContext context =
      SpellcraftContextOf(piece.Slot, tpl.ClassIndex, tpl.CharLevel, false, false, false);
  return BuildCraftedItem(state, context, CraftedItemVariant::kReturned);
}

// A bound that needs no search: every weighed figure at the highest cap the
// columns could give it. It stands in until the search has one of its own.
double CapsBound(const OptimizerModel& model) {
  double bound = 0;
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    const ModelFigure& figure = model.Figures[f];
    double cap = figure.Base.CapBase + figure.Base.CapIncreaseLimit;
    for (const ItemColumn& item : model.Items) cap += std::max(0, item.Parts.CapBase[f]);
    bound += figure.Weight * cap;
  }
  return bound;
}

std::vector<double> WeightsOf(const OptimizerModel& model) {
  std::vector<double> weights;
  for (const ModelFigure& f : model.Figures) weights.push_back(f.Weight);
  return weights;
}

// The check every answer passes: the objective and the minimums from the
// totals engine, and each piece within its allowance.
std::string CheckAnswer(const OptimizerModel& model, const OptimizerResult& result,
                        double solverObjective) {
  if (std::abs(result.Objective - solverObjective) >
      kCheckTolerance * std::max(1.0, std::abs(solverObjective))) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "The optimizer's answer was refused: the totals give %.6f, the solver %.6f.",
                  result.Objective, solverObjective);
    return line;
  }
  const std::vector<FigureParts> figures = CappedFigures(result.Template);
  for (std::size_t f = 0; f < figures.size(); ++f) {
    const auto& minimum = model.Figures[f].Minimum;
    if (minimum && figures[f].Capped() < *minimum)
      return "The optimizer's answer was refused: " + std::string(figures[f].Name) +
             " is below its minimum.";
  }
  for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
    if (result.Crafted[p].Charge * 2 > model.Pieces[p].ChargeLimit)
      return "The optimizer's answer was refused: a piece is over its imbue points.";
  }
  return {};
}

OptimizerResult Assemble(const OptimizerRequest& request, const OptimizerModel& model,
                         const ColumnChoice& choice) {
  OptimizerResult result;
  result.Template = model.Emptied;
  for (std::size_t i = 0; i < model.Items.size(); ++i) {
    if (choice.Items[i]) result.Template.Slot(model.Items[i].Slot) = *model.Items[i].Record;
  }
  for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
    std::vector<const GemColumn*> gems;
    for (std::size_t g = 0; g < model.Pieces[p].Gems.size(); ++g)
      if (choice.Gems[p][g]) gems.push_back(&model.Pieces[p].Gems[g]);
    CraftedDesign design;
    result.Template.Slot(model.Pieces[p].Slot) =
        CraftedItemOf(request, model.Pieces[p], gems, design);
    result.Crafted.push_back(std::move(design));
  }
  return result;
}

}  // namespace

double RequestObjective(const OptimizerRequest& request, const TTemplateRecord& tpl) {
  auto model = BuildModel(request);
  if (!model.Ok()) return 0;
  const std::vector<double> weights = WeightsOf(model.Value());
  return Objective(tpl, weights);
}

namespace {

JobOutcome<OptimizerResult> OptimizeWeighted(const OptimizerRequest& request, ModelVariant variant);

// The capped value of a named figure in a template.
int CappedFigure(const TTemplateRecord& tpl, const std::string& name) {
  for (const FigureParts& figure : CappedFigures(tpl))
    if (figure.Name == name) return figure.Capped();
  return 0;
}

// One search per figure of the fill order, each keeping the figures before it
// at what they reached, then the weighted goal; the time is shared evenly.
JobOutcome<OptimizerResult> OptimizeInOrder(const OptimizerRequest& request, ModelVariant variant) {
  OptimizerRequest stage = request;
  stage.FillOrder.clear();
  const double share = request.TimeLimitSeconds / double(request.FillOrder.size() + 1);
  stage.TimeLimitSeconds = share;
  std::vector<FigureGoal> reached;
  bool proven = true;
  for (const std::string& figure : request.FillOrder) {
    stage.Goals = reached;
    stage.Goals.push_back({figure, 1, std::nullopt});
    // A figure the weighted goal bounds from below keeps its minimum.
    for (const FigureGoal& goal : request.Goals)
      if (goal.Minimum) stage.Goals.push_back({goal.Figure, 0, goal.Minimum});
    JobOutcome<OptimizerResult> outcome = OptimizeWeighted(stage, variant);
    if (!outcome.IsFinished()) return outcome;
    proven = proven && outcome.Value().Optimal;
    reached.push_back({figure, 0, CappedFigure(outcome.Value().Template, figure)});
    if (outcome.Value().Stopped && request.Cancel.Cancelled()) return outcome;
  }
  stage.Goals = request.Goals;
  for (const FigureGoal& goal : reached) stage.Goals.push_back(goal);
  JobOutcome<OptimizerResult> outcome = OptimizeWeighted(stage, variant);
  if (!outcome.IsFinished()) return outcome;
  OptimizerResult result = outcome.Value();
  // The bound holds for the last stage only; an earlier stage that was not
  // proven leaves the whole answer unproven.
  result.Optimal = result.Optimal && proven;
  result.Stopped = !result.Optimal;
  return JobOutcome<OptimizerResult>::Finished(std::move(result));
}

}  // namespace

namespace {

JobOutcome<OptimizerResult> OptimizeGoal(const OptimizerRequest& request, ModelVariant variant) {
  return request.FillOrder.empty() ? OptimizeWeighted(request, variant)
                                   : OptimizeInOrder(request, variant);
}

// When no template meets every minimum: each minimum's figure is raised on
// its own as far as it goes, the minimums it cannot reach are named with
// that best and left out, and the goal is searched again without them.
JobOutcome<OptimizerResult> OptimizeWithoutUnmet(const OptimizerRequest& request,
                                                 ModelVariant variant, Clock::time_point start) {
  auto left = [&] {
    return request.TimeLimitSeconds - std::chrono::duration<double>(Clock::now() - start).count();
  };
  std::size_t minimums = 0;
  for (const FigureGoal& goal : request.Goals) minimums += goal.Minimum.has_value();
  OptimizerRequest alone = request;
  alone.FillOrder.clear();
  OptimizerRequest without = request;
  std::vector<UnmetMinimum> unmet;
  for (FigureGoal& goal : without.Goals) {
    if (!goal.Minimum) continue;
    alone.Goals = {{goal.Figure, 1, std::nullopt}};
    alone.TimeLimitSeconds = std::max(0.1, left() / double(minimums + 1));
    const JobOutcome<OptimizerResult> most = OptimizeWeighted(alone, variant);
    if (!most.IsFinished()) return most;
    // The bound, rounded down, is the most the figure can reach for sure.
    const OptimizerResult& raised = most.Value();
    const int best = raised.Optimal ? static_cast<int>(std::lround(raised.Objective))
                                    : static_cast<int>(std::floor(raised.Bound + 1e-6));
    if (best < *goal.Minimum) {
      unmet.push_back({goal.Figure, *goal.Minimum, best});
      goal.Minimum.reset();
    }
  }
  if (unmet.empty())
    return JobOutcome<OptimizerResult>::Failed(
        "No template meets all the minimums together, though each can be met on its own.");
  without.TimeLimitSeconds = std::max(0.1, left());
  JobOutcome<OptimizerResult> outcome = OptimizeGoal(without, variant);
  if (!outcome.IsFinished()) return outcome;
  OptimizerResult result = outcome.Value();
  result.Unmet = std::move(unmet);
  return JobOutcome<OptimizerResult>::Finished(std::move(result));
}

}  // namespace

JobOutcome<OptimizerResult> Optimize(const OptimizerRequest& request, ModelVariant variant) {
  const Clock::time_point start = Clock::now();
  for (const std::string& figure : request.FillOrder) {
    const std::vector<std::string> names = FigureNames(request.Template.ClassIndex);
    if (std::find(names.begin(), names.end(), figure) == names.end())
      return JobOutcome<OptimizerResult>::Failed("Unknown figure: " + figure + ".");
  }
  JobOutcome<OptimizerResult> outcome = OptimizeGoal(request, variant);
  if (outcome.End() == JobEnd::kFailed && outcome.Message() == kNoTemplateText)
    outcome = OptimizeWithoutUnmet(request, variant, start);
  // GLPK keeps an environment for each thread that used it; a worker thread
  // that ends would leave it behind.
  glp_free_env();
  return outcome;
}

std::string UnmetText(const UnmetMinimum& unmet) {
  return unmet.Figure + " at least " + std::to_string(unmet.Minimum) + " cannot be met: at best " +
         std::to_string(unmet.Best) + ".";
}

namespace {

JobOutcome<OptimizerResult> OptimizeWeighted(const OptimizerRequest& request,
                                             ModelVariant variant) {
  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline =
      start + std::chrono::duration_cast<Clock::duration>(
                  std::chrono::duration<double>(request.TimeLimitSeconds));
  auto built = BuildModel(request);
  if (!built.Ok()) return JobOutcome<OptimizerResult>::Failed(built.Error());
  const OptimizerModel& model = built.Value();

  glp_term_out(GLP_OFF);
  const ColumnChoice greedy = GreedyFill(model);
  const FigureLevels greedyLevels = LevelsOf(model, greedy);
  bool greedyMeetsMinimums = true;
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    const auto& minimum = model.Figures[f].Minimum;
    if (minimum && greedyLevels.Capped(model, f) < *minimum) greedyMeetsMinimums = false;
  }
  SearchWatch watch;
  watch.Request = &request;
  watch.Start = watch.LastReport = start;
  watch.Bound = CapsBound(model);
  if (greedyMeetsMinimums) watch.Known = greedyLevels.Objective(model);
  Announce(watch, {watch.Known, watch.Bound, 0});

  SearchAnswer answer;
  if (variant.WholeDesigns && !model.Pieces.empty()) {
    answer = SearchByDesigns(model, variant, watch, greedy, deadline);
    // Over the designs it found the search may miss a template that meets
    // the minimums; gem by gem it cannot.
    if (answer.What == SearchAnswer::Kind::kFailed)
      answer = SearchByGems(model, variant, watch, greedy, deadline);
  } else {
    answer = SearchByGems(model, variant, watch, greedy, deadline);
  }
  switch (answer.What) {
    case SearchAnswer::Kind::kFound:
      break;
    case SearchAnswer::Kind::kNoTemplate:
      return JobOutcome<OptimizerResult>::Failed(kNoTemplateText);
    case SearchAnswer::Kind::kCancelled:
      return JobOutcome<OptimizerResult>::Cancelled();
    case SearchAnswer::Kind::kOutOfTime:
      return JobOutcome<OptimizerResult>::Failed("No template was found within the time limit.");
    case SearchAnswer::Kind::kFailed:
      return JobOutcome<OptimizerResult>::Failed("The solver could not solve the model.");
  }
  LowerWastedGems(model, answer.Choice);
  // The model's value of the chosen columns. A template a GLPK heuristic found
  // may leave its capped-figure columns below their mins, so GLPK's own value
  // can only fall short of it, never exceed it.
  const double modelValue = LevelsOf(model, answer.Choice).Objective(model);
  if (answer.SolverValue > modelValue + kCheckTolerance * std::max(1.0, modelValue))
    return JobOutcome<OptimizerResult>::Failed(
        "The optimizer's answer was refused: the solver valued it above its columns.");

  OptimizerResult result = Assemble(request, model, answer.Choice);
  result.Weights = WeightsOf(model);
  result.Objective = Objective(result.Template, result.Weights);
  if (std::string refusal = CheckAnswer(model, result, modelValue); !refusal.empty())
    return JobOutcome<OptimizerResult>::Failed(refusal);

  result.Optimal = answer.Proven;
  result.Stopped = !result.Optimal;
  result.Bound = result.Optimal ? result.Objective : std::max(answer.Bound, result.Objective);
  result.Gap = RelativeGap(result.Objective, result.Bound);
  result.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return JobOutcome<OptimizerResult>::Finished(std::move(result));
}

}  // namespace

}  // namespace qm
