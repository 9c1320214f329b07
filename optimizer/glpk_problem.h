#pragma once
// The optimizer's model as a GLPK problem: one binary column per vault
// candidate and per gem tier of each piece, the capped figures linearised
// (capped ≤ value, capped ≤ cap base + counted cap increase, which is at most
// its total and its limit), and the rows that keep each piece within four
// gems and its imbue points.
#include <vector>

#include "optimizer/greedy_fill.h"
#include "optimizer/model.h"
#include "optimizer/solve.h"

typedef struct glp_prob glp_prob;  // NOLINT: GLPK's own declaration

namespace qm {

// The columns of the model in GLPK's numbering (1-based; 0 where a column is
// not made).
struct Columns {
  std::vector<int> Item;              // per model item
  std::vector<std::vector<int>> Gem;  // per piece, per gem column
  std::vector<int> HighGem;           // per piece
  std::vector<int> Capped;            // per figure: min(value, cap)
  std::vector<int> CapRaise;          // per figure: the cap increase that counts
};

// Fills an empty problem with the model's columns and rows.
Columns BuildProblem(glp_prob* prob, const OptimizerModel& model, const ModelVariant& variant);

// The columns the search's best template takes.
ColumnChoice SearchChoice(glp_prob* prob, const OptimizerModel& model, const Columns& cols);

// Every column's value for a choice, in GLPK's numbering from 1, so the search
// can start from it.
std::vector<double> StartingPoint(const OptimizerModel& model, const Columns& cols,
                                  const ColumnChoice& choice, int columnCount);

}  // namespace qm
