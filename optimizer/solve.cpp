#include "optimizer/solve.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>

#include "optimizer/figures.h"
#include "optimizer/greedy_fill.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"

namespace qm {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kCheckTolerance = 1e-6;

// One row of the matrix being assembled: coefficients by column.
struct Row {
  std::vector<int> Columns;
  std::vector<double> Coefficients;
  void Add(int column, double coefficient) {
    if (coefficient == 0) return;
    Columns.push_back(column);
    Coefficients.push_back(coefficient);
  }
};

struct ProbDeleter {
  void operator()(glp_prob* prob) const { glp_delete_prob(prob); }
};

// The columns of the model in GLPK's numbering (1-based; 0 where a column is
// not made).
struct Columns {
  std::vector<int> Item;              // per model item
  std::vector<std::vector<int>> Gem;  // per piece, per gem column
  std::vector<int> HighGem;           // per piece
  std::vector<int> Capped;            // per figure: min(value, cap)
  std::vector<int> CapRaise;          // per figure: the cap increase that counts
};

class ProblemBuilder {
 public:
  explicit ProblemBuilder(glp_prob* prob) : prob_(prob) {}

  int Column(double lower, double upper, int kind, double objective) {
    const int column = glp_add_cols(prob_, 1);
    const int type = lower == -kInf && upper == kInf ? GLP_FR
                     : upper == kInf                 ? GLP_LO
                     : lower == -kInf                ? GLP_UP
                     : lower == upper                ? GLP_FX
                                                     : GLP_DB;
    glp_set_col_bnds(prob_, column, type, lower == -kInf ? 0 : lower, upper == kInf ? 0 : upper);
    glp_set_col_kind(prob_, column, kind);
    glp_set_obj_coef(prob_, column, objective);
    return column;
  }
  int Binary() { return Column(0, 1, GLP_BV, 0); }

  void UpperRow(const Row& row, double upper) { AddRow(row, GLP_UP, 0, upper); }
  void LowerRow(const Row& row, double lower) { AddRow(row, GLP_LO, lower, 0); }

  static constexpr double kInf = std::numeric_limits<double>::infinity();

 private:
  void AddRow(const Row& row, int type, double lower, double upper) {
    if (row.Columns.empty()) return;
    const int index = glp_add_rows(prob_, 1);
    glp_set_row_bnds(prob_, index, type, lower, upper);
    // GLPK reads both arrays from position 1.
    std::vector<int> columns{0};
    std::vector<double> values{0};
    columns.insert(columns.end(), row.Columns.begin(), row.Columns.end());
    values.insert(values.end(), row.Coefficients.begin(), row.Coefficients.end());
    glp_set_mat_row(prob_, index, static_cast<int>(row.Columns.size()), columns.data(),
                    values.data());
  }

  glp_prob* prob_;
};

bool SameDesignSpace(const CraftedPiece& a, const CraftedPiece& b) {
  if (a.ChargeLimit != b.ChargeLimit || a.Gems.size() != b.Gems.size()) return false;
  for (std::size_t g = 0; g < a.Gems.size(); ++g) {
    const GemColumn& x = a.Gems[g];
    const GemColumn& y = b.Gems[g];
    if (x.GemIndex != y.GemIndex || x.Tier != y.Tier || x.Parts.Value != y.Parts.Value ||
        x.Parts.CapBase != y.Parts.CapBase || x.Parts.CapIncrease != y.Parts.CapIncrease)
      return false;
  }
  return true;
}

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

// What the branch and cut reports while it runs.
struct SearchWatch {
  const OptimizerRequest* Request = nullptr;
  Clock::time_point Start;
  Clock::time_point LastReport;
  double Bound = std::numeric_limits<double>::infinity();
  bool Cancelled = false;
  std::vector<double> GreedyColumns;  // the greedy template's columns, offered once
};

double RelativeGap(double best, double bound) {
  return std::max(0.0, bound - best) / std::max(1.0, std::abs(bound));
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
  progress.Bound = watch.Bound;
  if (glp_ios_mip_gap(tree) != std::numeric_limits<double>::max()) {
    progress.Best = glp_mip_obj_val(glp_ios_get_prob(tree));
    progress.Gap = RelativeGap(*progress.Best, watch.Bound);
  }
  if (request.OnProgress) request.OnProgress(progress);
  if (request.Progress) {
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
  parm.tm_lim = static_cast<int>(std::min(request.TimeLimitSeconds * 1000, 2e9));
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
  const double solverObjective = takeGreedy ? greedyObjective : glp_mip_obj_val(prob.get());

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
