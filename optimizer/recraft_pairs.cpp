#include "optimizer/recraft_pairs.h"

#include <chrono>

#include "optimizer/design_branching.h"
#include "optimizer/design_master.h"
#include "optimizer/search.h"

namespace qm {
namespace {

// One pair's search may take this long; most end far sooner.
constexpr auto kPairTime = std::chrono::milliseconds(100);

void AddTo(std::vector<ModelFigure>& figures, const SlotContribution& parts) {
  for (std::size_t f = 0; f < figures.size(); ++f) {
    figures[f].Base.Value += parts.Value[f];
    figures[f].Base.CapBase += parts.CapBase[f];
    figures[f].Base.CapIncrease += parts.CapIncrease[f];
  }
}

// The model of pieces p and q alone, with every other column of choice
// counted in the figures' base: its objective is the whole template's.
OptimizerModel PairModel(const OptimizerModel& model, const ColumnChoice& choice, std::size_t p,
                         std::size_t q) {
  OptimizerModel pair;
  pair.Figures = model.Figures;
  for (std::size_t i = 0; i < model.Items.size(); ++i)
    if (choice.Items[i]) AddTo(pair.Figures, model.Items[i].Parts);
  for (std::size_t r = 0; r < model.Pieces.size(); ++r) {
    if (r == p || r == q) continue;
    for (std::size_t g = 0; g < model.Pieces[r].Gems.size(); ++g)
      if (choice.Gems[r][g]) AddTo(pair.Figures, model.Pieces[r].Gems[g].Parts);
  }
  pair.Pieces = {model.Pieces[p], model.Pieces[q]};
  return pair;
}

// The pair's best template when it beats current: the relaxation first,
// which rules most pairs out at once, then branch and price.
std::optional<ColumnChoice> BetterPair(const OptimizerModel& pair, const ColumnChoice& start,
                                       double current, SearchWatch& watch,
                                       OptimizerClock::time_point deadline) {
  DesignMaster master(pair);
  master.AddDesignsOf(start);
  const auto stop = [&] {
    return watch.Request->Cancel.Cancelled() || OptimizerClock::now() >= deadline;
  };
  const double tolerance = 1e-9 * std::max(1.0, current);
  if (master.Relax(stop) != DesignMaster::Relaxation::kSolved) return std::nullopt;
  if (master.Bound() <= current + tolerance) return std::nullopt;
  if (!SolveRelaxation(master.Problem())) return std::nullopt;
  BranchOutcome outcome = BranchAndPrice(master, watch, current, deadline);
  if (!outcome.Best || *outcome.Best <= current + tolerance) return std::nullopt;
  return std::move(outcome.Choice);
}

}  // namespace

double RecraftPairs(const OptimizerModel& model, const OptimizerRequest& request,
                    ColumnChoice& choice, OptimizerClock::time_point deadline) {
  double current = LevelsOf(model, choice).Objective(model);
  // The pairs' searches report to no one: their bounds hold for the pair only.
  OptimizerRequest quiet;
  quiet.Cancel = request.Cancel;
  const std::size_t pieces = model.Pieces.size();
  if (pieces < 2) return current;
  // Round and round the pairs until every pair has been tried since the
  // last gain.
  std::size_t sinceGain = 0;
  const std::size_t pairs = pieces * (pieces - 1) / 2;
  for (std::size_t turn = 0; sinceGain < pairs; ++turn, ++sinceGain) {
    const std::size_t n = turn % pairs;
    std::size_t p = 0;
    std::size_t q = n;  // the n-th pair in the order (0,1), (0,2), ..., (1,2), ...
    while (q >= pieces - 1 - p) q -= pieces - 1 - p++;
    q += p + 1;
    const auto now = OptimizerClock::now();
    if (now >= deadline || request.Cancel.Cancelled()) break;
    const OptimizerModel pair = PairModel(model, choice, p, q);
    SearchWatch watch;
    watch.Request = &quiet;
    watch.Start = watch.LastReport = now;
    const ColumnChoice start{{}, {choice.Gems[p], choice.Gems[q]}};
    const auto better = BetterPair(pair, start, current, watch, std::min(deadline, now + kPairTime));
    if (!better) continue;
    choice.Gems[p] = better->Gems[0];
    choice.Gems[q] = better->Gems[1];
    current = LevelsOf(model, choice).Objective(model);
    sinceGain = 0;
  }
  return current;
}

}  // namespace qm
