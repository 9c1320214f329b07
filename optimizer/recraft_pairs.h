#pragma once
// A local improvement of a template: two spellcrafted pieces at a time are
// crafted again from nothing, every other column kept, by the exact search
// over their designs. Two pieces alone are proven in milliseconds, and a pair
// finds the trades of gems between pieces that the search over all of them
// reaches late.
#include "optimizer/greedy_fill.h"
#include "optimizer/search_watch.h"
#include "optimizer/solve.h"

namespace qm {

// Re-crafts every pair of pieces of choice, again while a pair gains, until
// deadline or a cancel of request. Returns the choice's objective, which
// never falls. choice meets the model's minimums and keeps meeting them.
double RecraftPairs(const OptimizerModel& model, const OptimizerRequest& request,
                    ColumnChoice& choice, OptimizerClock::time_point deadline);

}  // namespace qm
