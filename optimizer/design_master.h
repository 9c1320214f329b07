#pragma once
// The optimizer's model with each spellcrafted piece chosen as one whole
// design rather than gem by gem. Pieces that offer the same designs form a
// group, and a design column counts how many pieces of its group take it, so
// the order of identical pieces no longer multiplies the search. Designs are
// generated as the linear relaxation asks for them (column generation): the
// relaxation over every design, never written out, is solved exactly, and
// its value bounds every template of the model. A design that cannot lift a
// template above a known one is never needed, which lets the search over the
// designs found prove an answer optimal.
#include <memory>
#include <vector>

#include "optimizer/design_search.h"
#include "optimizer/greedy_fill.h"
#include "optimizer/model.h"

typedef struct glp_prob glp_prob;  // NOLINT: GLPK's own declaration

namespace qm {

class DesignMaster {
 public:
  explicit DesignMaster(const OptimizerModel& model);
  ~DesignMaster();
  DesignMaster(const DesignMaster&) = delete;
  DesignMaster& operator=(const DesignMaster&) = delete;

  enum class Relaxation { kSolved, kInfeasible, kStopped, kFailed };
  // Solves the relaxation over every design, adding the designs it needs.
  // With minimums, first finds designs that meet them; kInfeasible when not
  // even the relaxation can. stop is asked between rounds.
  template <class Stop>
  Relaxation Relax(Stop&& stop);

  // No template of the model is worth more (valid after Relax).
  double Bound() const { return bound_; }

  // Adds the designs a choice takes, so that a search can start from it.
  void AddDesignsOf(const ColumnChoice& choice);
  // Every column's value for a choice whose designs are all in the problem, in
  // GLPK's numbering from 1.
  std::vector<double> StartingPoint(const ColumnChoice& choice) const;

  // Adds the designs that fall short of their group's share of the
  // relaxation by at most room, or, when a group has more than limit of
  // them, by the most that keeps it within limit. Gives the reach: how far
  // short every design left out falls at least, so that a template taking
  // one is worth at most Bound() - reach.
  double AddDesignsWithin(double room, std::size_t limit);

  glp_prob* Problem() const { return prob_; }
  // The columns the search's best integer solution takes.
  ColumnChoice SearchChoice() const;

  // For branching on the relaxation: how many pieces of a group take a gem
  // tier, and whether a vault entry is taken, each held within bounds that
  // the pricing respects. Branch rows that cannot be met are paid for
  // rather than refused, so a node's relaxation is always solved and its
  // bound holds.
  struct Branch {
    bool OnItem = false;
    std::size_t Group = 0;  // or the model item when OnItem
    std::size_t Gem = 0;    // position in the group's piece's Gems
    double Lower = 0, Upper = 0;
    std::vector<std::size_t> Excluded;  // vault entries left out, when not empty
  };
  void SetBranches(const std::vector<Branch>& branches);
  // Prices designs until none gains, under the current branches.
  template <class Stop>
  Relaxation Reprice(Stop&& stop);
  const OptimizerModel& Model() const { return model_; }
  std::size_t GroupCount() const { return groups_.size(); }
  std::size_t GroupPieces(std::size_t group) const { return groups_[group].Pieces.size(); }
  std::size_t GemCount(std::size_t group) const;
  // The relaxation's number of pieces of group taking gem, and its value of item.
  double PiecesWithGem(std::size_t group, std::size_t gem) const;
  double ItemTaken(std::size_t item) const;
  // Whether the relaxation takes whole designs and entries and pays nothing
  // for unmet rows: then it is a template.
  bool RelaxationIsWhole() const;
  ColumnChoice RelaxedChoice() const;
  // Whether the search's best integer solution pays for unmet rows.
  bool SearchPaysPenalty() const;
  // Forbids or allows paying for unmet rows (a search must not).
  void AllowPenalties(bool allow);

 private:
  struct Group {
    std::vector<std::size_t> Pieces;  // model piece positions, ascending slots
    DesignSearch Search;
    int Row = 0;  // designs taken ≤ pieces
    std::vector<PieceDesign> Designs;
    std::vector<int> Columns;
    std::vector<int> GemRows;  // per gem column: pieces taking it, made when branched on
  };
  bool RelaxStep(bool& improved);
  void SetPhase(bool feasibility);
  std::vector<double> GemWorth(const Group& group) const;
  double GroupDual(const Group& group) const;
  int AddDesign(Group& group, const PieceDesign& design);
  int GemRow(std::size_t group, std::size_t gem);
  ColumnChoice ChoiceOf(bool fromSearch) const;

  const OptimizerModel& model_;
  glp_prob* prob_;
  std::vector<Group> groups_;
  std::vector<int> items_;
  std::vector<int> capped_;
  std::vector<int> raise_;      // per figure a cap increase raises
  std::vector<int> shortfall_;  // per figure with a minimum, in phase one
  std::vector<int> valueRow_, capRow_, raiseRow_;
  std::vector<int> penalties_;  // paid columns of the branch rows and minimums
  double penalty_ = 0;
  bool penaltyAllowed_ = false;
  double bound_ = 0;
  // The converged relaxation's gem worths and group duals, which the proof
  // needs after a search has replaced the problem's basic solution.
  std::vector<std::vector<double>> worth_;
  std::vector<double> groupDual_;
  bool monotone_ = true;  // no gem lowers a figure, so fuller designs never do worse
};

template <class Stop>
DesignMaster::Relaxation DesignMaster::Relax(Stop&& stop) {
  for (bool feasibility : {true, false}) {
    const bool needed = !feasibility || !shortfall_.empty();
    if (!needed) continue;
    SetPhase(feasibility);
    bool improved = true;
    while (improved) {
      if (stop()) return Relaxation::kStopped;
      if (!RelaxStep(improved)) return Relaxation::kFailed;
    }
    // Below zero, the shortfall of the minimums cannot vanish.
    if (feasibility && bound_ < -1e-6) return Relaxation::kInfeasible;
  }
  return Relaxation::kSolved;
}

template <class Stop>
DesignMaster::Relaxation DesignMaster::Reprice(Stop&& stop) {
  bool improved = true;
  while (improved) {
    if (stop()) return Relaxation::kStopped;
    if (!RelaxStep(improved)) return Relaxation::kFailed;
  }
  return Relaxation::kSolved;
}

}  // namespace qm
