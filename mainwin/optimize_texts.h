#pragma once
// The texts the Optimize Template window shows of a search and its answer:
// figure names as a player reads them, the progress line, the answer's
// figures, the minimums it cannot meet and the crafted pieces' gems.
#include <string>
#include <string_view>

#include "optimizer/solve.h"
#include "ports/view_state.h"

namespace qm {

// "HitPoints" reads "Hit Points"; a skill row keeps its label.
std::string FigureCaption(std::string_view figure);
// A weight with at most three decimals and no trailing zeros: "0.667", "2".
std::string WeightText(double weight);
// "Best so far 412.5, bound 430.0, gap 4.24%", or the bound alone before the
// first template.
std::string SearchLine(const OptimizerProgress& progress);
// "Objective 412.5, bound 430.0, gap 4.24%: not proven, stopped by Cancel."
std::string OutcomeLine(const OptimizerResult& result, bool cancelled);
// One sentence per minimum no template meets, joined by blanks.
std::string UnmetText(const OptimizerResult& result);
// The crafted pieces: slot, gems with their values, imbue points of capacity.
TableState CraftedTable(const OptimizerResult& result);

}  // namespace qm
