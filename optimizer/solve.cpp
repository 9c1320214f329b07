#include "optimizer/solve.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "optimizer/figures.h"
#include "optimizer/glpk_problem.h"
#include "optimizer/greedy_fill.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"

namespace qm {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kCheckTolerance = 1e-6;

struct ProbDeleter {
  void operator()(glp_prob* prob) const { glp_delete_prob(prob); }
};

// What the branch and cut reports while it runs.
struct SearchWatch {
  const OptimizerRequest* Request = nullptr;
  Clock::time_point Start;
  Clock::time_point LastReport;
  double Bound = std::numeric_limits<double>::infinity();
  bool Cancelled = false;
  std::vector<double> GreedyColumns;
  std::optional<double> Greedy;  // the greedy template's objective, when it meets the minimums  //
                                 // the greedy template's columns, offered once
};

double RelativeGap(double best, double bound) {
  return std::max(0.0, bound - best) / std::max(1.0, std::abs(bound));
}

// Tells the request's listeners the best objective, the bound and their gap.
void Announce(const SearchWatch& watch, OptimizerProgress progress, Clock::time_point now) {
  const OptimizerRequest& request = *watch.Request;
  if (progress.Best) progress.Gap = RelativeGap(*progress.Best, progress.Bound);
  if (request.OnProgress) request.OnProgress(progress);
  if (!request.Progress) return;
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - watch.Start);
  char line[128];
  if (progress.Best) {
    std::snprintf(line, sizeof line, "Best %.1f, bound %.1f, gap %.2f%%", *progress.Best,
                  progress.Bound, progress.Gap * 100);
  } else {
    std::snprintf(line, sizeof line, "Bound %.1f, no template yet", progress.Bound);
  }
  request.Progress(static_cast<std::uint64_t>(elapsed.count()),
                   static_cast<std::uint64_t>(request.TimeLimitSeconds * 1000), line);
}

void OnSearchEvent(glp_tree* tree, void* info) {
  auto& watch = *static_cast<SearchWatch*>(info);
  const OptimizerRequest& request = *watch.Request;
  if (request.Cancel.Cancelled()) {
    watch.Cancelled = true;
    glp_ios_terminate(tree);
    return;
  }
  const int reason = glp_ios_reason(tree);
  if (reason == GLP_IHEUR && !watch.GreedyColumns.empty()) {
    glp_ios_heur_sol(tree, watch.GreedyColumns.data());
    watch.GreedyColumns.clear();
  }
  if (reason != GLP_ISELECT && reason != GLP_IBINGO) return;
  if (const int node = glp_ios_best_node(tree); node != 0)
    watch.Bound = std::min(watch.Bound, glp_ios_node_bound(tree, node));
  const Clock::time_point now = Clock::now();
  if (reason == GLP_ISELECT && now - watch.LastReport < std::chrono::milliseconds(100)) return;
  watch.LastReport = now;
  OptimizerProgress progress;
  progress.Best = watch.Greedy;
  progress.Bound = watch.Bound;
  if (glp_ios_mip_gap(tree) != std::numeric_limits<double>::max())
    progress.Best = std::max(progress.Best.value_or(-std::numeric_limits<double>::infinity()),
                             glp_mip_obj_val(glp_ios_get_prob(tree)));
  Announce(watch, progress, now);
}

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
    if (choice.Items[i])
      result.Template.Slot(model.Items[i].Slot) = request.Vault.Items[model.Items[i].Item];
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

JobOutcome<OptimizerResult> Optimize(const OptimizerRequest& request, ModelVariant variant) {
  if (request.FillOrder.empty()) return OptimizeWeighted(request, variant);
  for (const std::string& figure : request.FillOrder) {
    const std::vector<std::string> names = FigureNames(request.Template.ClassIndex);
    if (std::find(names.begin(), names.end(), figure) == names.end())
      return JobOutcome<OptimizerResult>::Failed("Unknown figure: " + figure + ".");
  }
  return OptimizeInOrder(request, variant);
}

namespace {

JobOutcome<OptimizerResult> OptimizeWeighted(const OptimizerRequest& request,
                                             ModelVariant variant) {
  const Clock::time_point start = Clock::now();
  auto built = BuildModel(request);
  if (!built.Ok()) return JobOutcome<OptimizerResult>::Failed(built.Error());
  const OptimizerModel& model = built.Value();

  glp_term_out(GLP_OFF);
  std::unique_ptr<glp_prob, ProbDeleter> prob(glp_create_prob());
  const Columns cols = BuildProblem(prob.get(), model, variant);

  const ColumnChoice greedy = GreedyFill(model);
  const FigureLevels greedyLevels = LevelsOf(model, greedy);
  const double greedyObjective = greedyLevels.Objective(model);
  bool greedyMeetsMinimums = true;
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    const auto& minimum = model.Figures[f].Minimum;
    if (minimum && greedyLevels.Capped(model, f) < *minimum) greedyMeetsMinimums = false;
  }
  SearchWatch watch;
  watch.Request = &request;
  watch.Start = watch.LastReport = start;
  watch.Bound = CapsBound(model);
  if (greedyMeetsMinimums) watch.Greedy = greedyObjective;
  Announce(watch, {watch.Greedy, watch.Bound, 0}, Clock::now());
  // A start below a minimum is no template at all: GLPK would take it as given.
  if (variant.GreedyStart && greedyMeetsMinimums)
    watch.GreedyColumns = StartingPoint(model, cols, greedy, glp_get_num_cols(prob.get()));
  glp_iocp parm;
  glp_init_iocp(&parm);
  // The greedy start is given in the model's own columns, which the
  // presolver would renumber.
  parm.presolve = variant.GreedyStart ? GLP_OFF : GLP_ON;
  if (variant.GreedyStart) {
    glp_smcp lp;
    glp_init_smcp(&lp);
    lp.msg_lev = GLP_MSG_OFF;
    if (glp_simplex(prob.get(), &lp) != 0 || glp_get_status(prob.get()) != GLP_OPT)
      return JobOutcome<OptimizerResult>::Failed("No template meets the minimums.");
  }
  parm.msg_lev = GLP_MSG_OFF;
  // The limit counts from the call: building the model took part of it.
  const double left =
      request.TimeLimitSeconds - std::chrono::duration<double>(Clock::now() - start).count();
  parm.tm_lim = static_cast<int>(std::clamp(left * 1000, 1.0, 2e9));
  parm.cb_func = OnSearchEvent;
  parm.cb_info = &watch;
  if (variant.Cuts) {
    parm.mir_cuts = GLP_ON;
    parm.gmi_cuts = GLP_ON;
    parm.cov_cuts = GLP_ON;
    parm.clq_cuts = GLP_ON;
  }
  if (variant.Heuristics) {
    parm.fp_heur = GLP_ON;
    parm.ps_heur = GLP_ON;
    parm.ps_tm_lim = static_cast<int>(std::min(request.TimeLimitSeconds * 100, 5000.0));
  }
  const int code = glp_intopt(prob.get(), &parm);
  const int status = glp_mip_status(prob.get());
  if (code == GLP_ENOPFS || status == GLP_NOFEAS)
    return JobOutcome<OptimizerResult>::Failed("No template meets the minimums.");

  // The search's template, or the greedy one where the search has none better.
  // The search's template, or the greedy one where the search has none better.
  const bool searchFound = status == GLP_OPT || status == GLP_FEAS;
  const bool takeGreedy = greedyMeetsMinimums && !(status == GLP_OPT && code == 0) &&
                          (!searchFound || glp_mip_obj_val(prob.get()) < greedyObjective);
  if (!searchFound && !takeGreedy) {
    if (watch.Cancelled) return JobOutcome<OptimizerResult>::Cancelled();
    if (code == GLP_ETMLIM || code == GLP_ESTOP)
      return JobOutcome<OptimizerResult>::Failed("No template was found within the time limit.");
    return JobOutcome<OptimizerResult>::Failed("The solver could not solve the model.");
  }
  const ColumnChoice choice = takeGreedy ? greedy : SearchChoice(prob.get(), model, cols);
  // The model's value of the chosen columns. A template a GLPK heuristic found
  // may leave its capped-figure columns below their mins, so GLPK's own value
  // can only fall short of it, never exceed it.
  const double solverObjective = LevelsOf(model, choice).Objective(model);
  if (!takeGreedy && glp_mip_obj_val(prob.get()) >
                         solverObjective + kCheckTolerance * std::max(1.0, solverObjective))
    return JobOutcome<OptimizerResult>::Failed(
        "The optimizer's answer was refused: the solver valued it above its columns.");

  OptimizerResult result = Assemble(request, model, choice);
  result.Weights = WeightsOf(model);
  result.Objective = Objective(result.Template, result.Weights);
  if (std::string refusal = CheckAnswer(model, result, solverObjective); !refusal.empty())
    return JobOutcome<OptimizerResult>::Failed(refusal);

  result.Optimal = !takeGreedy && code == 0 && status == GLP_OPT;
  result.Stopped = !result.Optimal;
  result.Bound = result.Optimal ? result.Objective : std::max(watch.Bound, result.Objective);
  result.Gap = RelativeGap(result.Objective, result.Bound);
  result.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return JobOutcome<OptimizerResult>::Finished(std::move(result));
}

}  // namespace

}  // namespace qm
