// The search gem by gem: every gem tier of every piece its own binary.
#include <glpk.h>

#include <algorithm>
#include <memory>

#include "optimizer/glpk_problem.h"
#include "optimizer/search.h"

namespace qm {

int MillisecondsLeft(OptimizerClock::time_point deadline) {
  const double left =
      std::chrono::duration<double, std::milli>(deadline - OptimizerClock::now()).count();
  return static_cast<int>(std::clamp(left, 1.0, 2e9));
}

bool SolveRelaxation(glp_prob* prob) {
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  return glp_simplex(prob, &parm) == 0 && glp_get_status(prob) == GLP_OPT;
}

glp_iocp SearchParameters(SearchWatch& watch, OptimizerClock::time_point deadline,
                          const ModelVariant& variant) {
  glp_iocp parm;
  glp_init_iocp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.tm_lim = MillisecondsLeft(deadline);
  parm.cb_func = OnSearchEvent;
  parm.cb_info = &watch;
  if (variant.Cuts) {
    parm.mir_cuts = GLP_ON;
    parm.gmi_cuts = GLP_ON;
    parm.cov_cuts = GLP_ON;
    parm.clq_cuts = GLP_ON;
  }
  return parm;
}

SearchAnswer SearchByGems(const OptimizerModel& model, const ModelVariant& variant,
                          SearchWatch& watch, const ColumnChoice& greedy,
                          OptimizerClock::time_point deadline) {
  struct ProbDeleter {
    void operator()(glp_prob* prob) const { glp_delete_prob(prob); }
  };
  std::unique_ptr<glp_prob, ProbDeleter> prob(glp_create_prob());
  const Columns cols = BuildProblem(prob.get(), model, variant);
  // A start below a minimum is no template at all: GLPK would take it as given.
  if (variant.GreedyStart && watch.Known)
    watch.KnownColumns = StartingPoint(model, cols, greedy, glp_get_num_cols(prob.get()));
  glp_iocp parm = SearchParameters(watch, deadline, variant);
  // The greedy start is given in the model's own columns, which the
  // presolver would renumber.
  parm.presolve = variant.GreedyStart ? GLP_OFF : GLP_ON;
  SearchAnswer answer;
  if (variant.GreedyStart) {
    if (!SolveRelaxation(prob.get())) {
      answer.What = SearchAnswer::Kind::kNoTemplate;
      return answer;
    }
  }
  if (variant.Heuristics) {
    parm.fp_heur = GLP_ON;
    parm.ps_heur = GLP_ON;
    parm.ps_tm_lim = std::min(parm.tm_lim / 10, 5000);
  }
  const int code = glp_intopt(prob.get(), &parm);
  const int status = glp_mip_status(prob.get());
  if (code == GLP_ENOPFS || status == GLP_NOFEAS) {
    answer.What = SearchAnswer::Kind::kNoTemplate;
    return answer;
  }
  const bool found = status == GLP_OPT || status == GLP_FEAS;
  answer.Proven = found && code == 0 && status == GLP_OPT;
  const double value = found ? glp_mip_obj_val(prob.get()) : 0;
  if (found && (answer.Proven || !watch.Known || value >= *watch.Known)) {
    answer.What = SearchAnswer::Kind::kFound;
    answer.Choice = SearchChoice(prob.get(), model, cols);
    answer.SolverValue = value;
    answer.FromSearch = true;
  } else if (watch.Known) {
    answer.What = SearchAnswer::Kind::kFound;
    answer.Choice = greedy;
    answer.SolverValue = *watch.Known;
    answer.Proven = false;
  } else {
    answer.What = watch.Cancelled                           ? SearchAnswer::Kind::kCancelled
                  : code == GLP_ETMLIM || code == GLP_ESTOP ? SearchAnswer::Kind::kOutOfTime
                                                            : SearchAnswer::Kind::kFailed;
    return answer;
  }
  answer.Bound = answer.Proven ? answer.SolverValue : watch.Bound;
  return answer;
}

}  // namespace qm
