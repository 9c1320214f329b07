#pragma once
// Branch and price over whole designs: the relaxation of each node is
// solved over every design (designs priced in as it asks), and a node whose
// relaxation takes part of a vault entry, or a gem tier on part of a piece,
// splits into a node that takes it and one that does not, or into fewer and
// more pieces with that tier. Nodes are taken best bound first, so the
// bound over the open nodes is what no template can beat.
#include <optional>

#include "optimizer/design_master.h"
#include "optimizer/search_watch.h"

namespace qm {

struct BranchOutcome {
  bool Complete = false;  // every node settled: the best template is optimal
  double Bound = 0;
  std::optional<double> Best;  // better than the known template, when found
  ColumnChoice Choice;         // its columns
};

// known is the best template's objective so far; the search looks only for
// better ones. The master must hold the solved relaxation of the whole model.
BranchOutcome BranchAndPrice(DesignMaster& master, SearchWatch& watch, double known,
                             OptimizerClock::time_point deadline);

}  // namespace qm
