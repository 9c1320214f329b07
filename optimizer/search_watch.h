#pragma once
// What a branch and cut reports while it runs: the best objective, the bound
// and their gap to the request's listeners, a cancel turned into GLPK's stop,
// and a known template offered to the search as its first solution.
#include <chrono>
#include <limits>
#include <optional>
#include <vector>

#include "optimizer/optimizer_request.h"

typedef struct glp_tree glp_tree;  // NOLINT: GLPK's own declaration

namespace qm {

using OptimizerClock = std::chrono::steady_clock;

struct SearchWatch {
  const OptimizerRequest* Request = nullptr;
  OptimizerClock::time_point Start;
  OptimizerClock::time_point LastReport;
  double Bound = std::numeric_limits<double>::infinity();
  // Whether the search's own node bounds bound every template, or only the
  // part of the model it searches.
  bool NodeBoundsHold = true;
  bool Cancelled = false;
  std::optional<double> Known;       // the best template's objective known before the search
  std::vector<double> KnownColumns;  // its columns, offered once
};

// (bound - best) / max(1, |bound|), never below zero.
double RelativeGap(double best, double bound);

// Tells the request's listeners the best objective, the bound and their gap.
void Announce(const SearchWatch& watch, OptimizerProgress progress);

// glp_iocp's callback; info is the SearchWatch.
void OnSearchEvent(glp_tree* tree, void* info);

}  // namespace qm
