#pragma once
// The two ways the optimizer searches its model with GLPK: gem by gem (one
// binary per gem tier of each piece), and by whole designs grouped over
// identical pieces (design_master.h). Both start from the greedy template,
// stop at the deadline or a cancel, and say what they found.
#include <glpk.h>

#include "optimizer/greedy_fill.h"
#include "optimizer/search_watch.h"
#include "optimizer/solve.h"

namespace qm {

struct SearchAnswer {
  enum class Kind { kFound, kNoTemplate, kCancelled, kOutOfTime, kFailed };
  Kind What = Kind::kFailed;
  ColumnChoice Choice;
  // GLPK's objective of the choice: at most the model's value of its
  // columns, which a heuristic's solution may leave short of its mins.
  double SolverValue = 0;
  bool FromSearch = false;  // else the greedy template
  bool Proven = false;
  double Bound = 0;
};

// greedy meets the minimums when watch.Known is set.
SearchAnswer SearchByGems(const OptimizerModel& model, const ModelVariant& variant,
                          SearchWatch& watch, const ColumnChoice& greedy,
                          OptimizerClock::time_point deadline);
SearchAnswer SearchByDesigns(const OptimizerModel& model, const ModelVariant& variant,
                             SearchWatch& watch, const ColumnChoice& greedy,
                             OptimizerClock::time_point deadline);

// GLPK's time limit in milliseconds for the time left until deadline.
int MillisecondsLeft(OptimizerClock::time_point deadline);

// Solves the linear relaxation of prob from its current basis, quietly;
// true when it has an optimum.
bool SolveRelaxation(glp_prob* prob);

// A branch and cut that reports to watch, stops at deadline and uses GLPK's
// cuts when the variant asks for them.
glp_iocp SearchParameters(SearchWatch& watch, OptimizerClock::time_point deadline,
                          const ModelVariant& variant);

}  // namespace qm
