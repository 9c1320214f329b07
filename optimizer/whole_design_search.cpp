// The search by whole designs: the relaxation over every design first, which
// gives the bound, then the branch and cut over the designs it used, then,
// if time is left, again over every design that could still beat the best
// template, which proves it optimal when that search ends.
#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "optimizer/design_branching.h"
#include "optimizer/design_master.h"
#include "optimizer/recraft_pairs.h"
#include "optimizer/search.h"

namespace qm {
namespace {

// Designs per group for the first template's branch and cut.
constexpr std::size_t kFirstRoundDesigns = 250;
constexpr double kProofTolerance = 1e-6;

struct SearchRun {
  int Code = 0;
  bool Found = false;
  bool Proven = false;  // the search ended: its best is the best of its designs
  bool Ended = false;   // the same, or none of its designs meets the minimums
  double Value = 0;
};

SearchRun RunSearch(glp_prob* prob, SearchWatch& watch, OptimizerClock::time_point deadline,
                    const ModelVariant& variant) {
  glp_iocp parm = SearchParameters(watch, deadline, variant);
  parm.presolve = GLP_OFF;  // the known template is given in the problem's own columns
  SearchRun run;
  run.Code = glp_intopt(prob, &parm);
  const int status = glp_mip_status(prob);
  run.Found = status == GLP_OPT || status == GLP_FEAS;
  run.Proven = run.Code == 0 && status == GLP_OPT;
  run.Ended = run.Proven || (run.Code == 0 && status == GLP_NOFEAS);
  if (run.Found) run.Value = glp_mip_obj_val(prob);
  return run;
}

}  // namespace

SearchAnswer SearchByDesigns(const OptimizerModel& model, const ModelVariant& variant,
                             SearchWatch& watch, const ColumnChoice& greedy,
                             OptimizerClock::time_point deadline) {
  SearchAnswer answer;
  const auto greedyAnswer = [&](bool proven) {
    answer.What = SearchAnswer::Kind::kFound;
    answer.Choice = greedy;
    answer.SolverValue = *watch.Known;
    answer.Proven = proven;
    answer.Bound = proven ? *watch.Known : watch.Bound;
    return answer;
  };
  const auto stopped = [&] {
    if (watch.Known) return greedyAnswer(false);
    answer.What = watch.Cancelled ? SearchAnswer::Kind::kCancelled : SearchAnswer::Kind::kOutOfTime;
    return answer;
  };

  DesignMaster master(model);
  if (watch.Known) master.AddDesignsOf(greedy);
  const auto relaxation = master.Relax([&] {
    watch.Cancelled = watch.Request->Cancel.Cancelled();
    return watch.Cancelled || OptimizerClock::now() >= deadline;
  });
  switch (relaxation) {
    case DesignMaster::Relaxation::kSolved:
      break;
    case DesignMaster::Relaxation::kInfeasible:
      answer.What = SearchAnswer::Kind::kNoTemplate;
      return answer;
    case DesignMaster::Relaxation::kStopped:
      return stopped();
    case DesignMaster::Relaxation::kFailed:
      answer.What = SearchAnswer::Kind::kFailed;
      return answer;
  }
  watch.Bound = std::min(watch.Bound, master.Bound());
  Announce(watch, {watch.Known, watch.Bound, 0});
  if (watch.Known && *watch.Known >= watch.Bound - kProofTolerance * std::max(1.0, watch.Bound))
    return greedyAnswer(true);

  // A first template from the branch and cut over the designs nearest the
  // relaxation, in a short part of the time; then branch and price, which
  // improves it and proves it.
  watch.NodeBoundsHold = false;
  const double relaxed = master.Bound();
  ColumnChoice best = greedy;
  double bestValue = watch.Known.value_or(-std::numeric_limits<double>::infinity());
  {
    const double room = std::isfinite(bestValue) ? relaxed - bestValue : relaxed;
    master.AddDesignsWithin(room, kFirstRoundDesigns);
    const auto total = deadline - watch.Start;
    const OptimizerClock::time_point roundEnd =
        std::min(deadline, OptimizerClock::now() + total / 10 +
                               std::min<OptimizerClock::duration>(std::chrono::milliseconds(200),
                                                                  total / 4));
    if (SolveRelaxation(master.Problem())) {
      if (std::isfinite(bestValue)) watch.KnownColumns = master.StartingPoint(best);
      const SearchRun run = RunSearch(master.Problem(), watch, roundEnd, variant);
      if (run.Found && !master.SearchPaysPenalty() && run.Value > bestValue) {
        best = master.SearchChoice();
        bestValue = run.Value;
        answer.FromSearch = true;
        watch.Known = bestValue;
      }
    }
  }
  // More than two pieces: trades of gems between pieces, pair by pair.
  if (std::isfinite(bestValue) && model.Pieces.size() > 2) {
    // Half the time left at most, so that the bound still falls.
    const auto now = OptimizerClock::now();
    const double recrafted =
        RecraftPairs(model, *watch.Request, best, now + (std::max(deadline, now) - now) / 2);
    if (recrafted > bestValue) {
      bestValue = recrafted;
      answer.FromSearch = true;
      watch.Known = bestValue;
    }
  }
  Announce(watch, {watch.Known, watch.Bound, 0});
  if (!watch.Cancelled && OptimizerClock::now() < deadline && SolveRelaxation(master.Problem())) {
    const BranchOutcome branched = BranchAndPrice(master, watch, bestValue, deadline);
    if (branched.Best && *branched.Best > bestValue) {
      best = branched.Choice;
      bestValue = *branched.Best;
      answer.FromSearch = true;
    }
    watch.Bound = std::min(watch.Bound, std::max(branched.Bound, bestValue));
    answer.Proven = branched.Complete && std::isfinite(bestValue);
  }
  if (!std::isfinite(bestValue)) {
    if (watch.Cancelled) return stopped();
    answer.What = SearchAnswer::Kind::kFailed;
    return answer;
  }
  answer.What = SearchAnswer::Kind::kFound;
  answer.Choice = std::move(best);
  answer.SolverValue = bestValue;
  answer.Bound = answer.Proven ? bestValue : watch.Bound;
  return answer;
}

}  // namespace qm
