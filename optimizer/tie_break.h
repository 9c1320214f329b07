#pragma once
// Among templates of the same worth the optimizer prefers the one that
// wastes fewer points above the caps and so spends fewer imbue points, which
// also raises its overcharge success. Vault entries of equal worth are told
// apart before the search: the candidate list keeps the lowest vault index.
#include "optimizer/greedy_fill.h"

namespace qm {

// Lowers the gems of the chosen designs a tier at a time, or takes them out,
// while the objective and every minimum stay as they were.
void LowerWastedGems(const OptimizerModel& model, ColumnChoice& choice);

}  // namespace qm
