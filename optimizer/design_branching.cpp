#include "optimizer/design_branching.h"
#include "optimizer/search.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace qm {
namespace {

using Branch = DesignMaster::Branch;

struct Node {
  std::vector<Branch> Branches;
  double Bound = 0;
  // Among equal bounds the deepest first: it is nearest to a template.
  bool operator<(const Node& other) const {
    return Bound != other.Bound ? Bound < other.Bound : Branches.size() < other.Branches.size();
  }
};

// Every this many nodes the search dives from the node it split.
constexpr std::size_t kNodesPerDive = 10;

double Fractionality(double x) {
  return std::abs(x - std::round(x));
}

// The node's branches with one more bound, merged into an earlier bound on
// the same entry or gem tier.
Node Child(const Node& parent, Branch branch, double bound) {
  Node child{parent.Branches, bound};
  if (!branch.Excluded.empty()) {
    child.Branches.push_back(std::move(branch));
    return child;
  }
  for (Branch& earlier : child.Branches) {
    if (earlier.Excluded.empty() && earlier.OnItem == branch.OnItem &&
        earlier.Group == branch.Group && earlier.Gem == branch.Gem) {
      earlier.Lower = std::max(earlier.Lower, branch.Lower);
      earlier.Upper = std::min(earlier.Upper, branch.Upper);
      return child;
    }
  }
  child.Branches.push_back(branch);
  return child;
}

// A split of the slot whose entries the relaxation spreads most: the
// entries it takes, dearest first, up to half its share in one part, the
// rest of the slot's entries in the other. Every template leaves out one
// part or the other, and the relaxation takes some of both.
std::optional<std::pair<Branch, Branch>> SlotSplit(const DesignMaster& master,
                                                   const OptimizerModel& model) {
  int chosen = 0;
  double spread = 1e-6;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    double top = 0, sum = 0;
    for (std::size_t i = 0; i < model.Items.size(); ++i)
      if (model.Items[i].Slot == slot) {
        top = std::max(top, master.ItemTaken(i));
        sum += master.ItemTaken(i);
      }
    if (sum - top > spread) {
      spread = sum - top;
      chosen = slot;
    }
  }
  if (chosen == 0) return std::nullopt;
  std::vector<std::pair<double, std::size_t>> taken;
  Branch first, second;
  double share = 0;
  for (std::size_t i = 0; i < model.Items.size(); ++i) {
    if (model.Items[i].Slot != chosen) continue;
    const double x = master.ItemTaken(i);
    if (x > 1e-9) {
      taken.emplace_back(-x, i);
      share += x;
    } else {
      second.Excluded.push_back(i);
    }
  }
  std::sort(taken.begin(), taken.end());
  // taken holds at least two entries, so each part gets one.
  double half = 0;
  for (const auto& [negative, i] : taken) {
    (half < share / 2 ? first : second).Excluded.push_back(i);
    half -= negative;
  }
  return std::make_pair(first, second);
}

// The most fractional vault entry, else the most fractional gem tier count.
std::optional<Branch> BranchOf(const DesignMaster& master, const OptimizerModel& model) {
  std::optional<Branch> chosen;
  double most = 1e-6;
  for (std::size_t i = 0; i < model.Items.size(); ++i) {
    const double x = master.ItemTaken(i);
    if (Fractionality(x) > most) {
      most = Fractionality(x);
      chosen = Branch{true, i, 0, x, x, {}};
    }
  }
  if (chosen) return chosen;
  for (std::size_t k = 0; k < master.GroupCount(); ++k) {
    for (std::size_t g = 0; g < master.GemCount(k); ++g) {
      const double pieces = master.PiecesWithGem(k, g);
      if (Fractionality(pieces) > most) {
        most = Fractionality(pieces);
        chosen = Branch{false, k, g, pieces, pieces, {}};
      }
    }
  }
  return chosen;
}

// Every template's objective is a sum of weights times whole figures, so
// with weights of a common denominator it lies on that grid, and a bound
// can be rounded down to it. 0 when the weights have none up to 1000.
int ObjectiveGrid(const OptimizerModel& model) {
  for (int denominator = 1; denominator <= 1000; ++denominator) {
    bool whole = true;
    for (const ModelFigure& figure : model.Figures) {
      const double scaled = figure.Weight * denominator;
      whole = whole && std::abs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, scaled);
    }
    if (whole) return denominator;
  }
  return 0;
}

// The best template over the node's designs within a second, when the
// search ends with one; the node's relaxation is left as it was found.
std::optional<double> SearchNode(DesignMaster& master, OptimizerClock::time_point deadline) {
  master.AllowPenalties(false);
  glp_prob* prob = master.Problem();
  std::optional<double> found;
  if (SolveRelaxation(prob)) {
    glp_iocp parm;
    glp_init_iocp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const auto end = std::min(deadline, OptimizerClock::now() + std::chrono::seconds(1));
    parm.tm_lim = static_cast<int>(std::max<long long>(
        1, std::chrono::duration_cast<std::chrono::milliseconds>(end - OptimizerClock::now())
               .count()));
    if (glp_intopt(prob, &parm) == 0 && glp_mip_status(prob) == GLP_OPT)
      found = glp_mip_obj_val(prob);
  }
  master.AllowPenalties(true);
  return found;
}

// A dive from a node: the entry or gem tier the relaxation takes most of
// is fixed as taken, the relaxation priced again, until it is a template
// or nothing is left to fix. Cheap, and it finds templates long before the
// best-bound order reaches them.
template <class Stop>
std::optional<double> Dive(DesignMaster& master, std::vector<Branch> branches, Stop&& stop,
                           ColumnChoice& choice) {
  const OptimizerModel& model = master.Model();
  for (int step = 0; step < 200; ++step) {
    master.SetBranches(branches);
    if (master.Reprice(stop) != DesignMaster::Relaxation::kSolved) return std::nullopt;
    if (master.RelaxationIsWhole()) {
      choice = master.RelaxedChoice();
      return glp_get_obj_val(master.Problem());
    }
    std::optional<Branch> fix;
    double most = 1e-6;
    for (std::size_t i = 0; i < model.Items.size(); ++i) {
      const double x = master.ItemTaken(i);
      if (Fractionality(x) > 1e-6 && x > most) {
        most = x;
        fix = Branch{true, i, 0, 1, 1, {}};
      }
    }
    if (!fix) {
      most = -1;
      for (std::size_t k = 0; k < master.GroupCount(); ++k) {
        for (std::size_t g = 0; g < master.GemCount(k); ++g) {
          const double pieces = master.PiecesWithGem(k, g);
          const double part = pieces - std::floor(pieces);
          if (Fractionality(pieces) > 1e-6 && part > most) {
            most = part;
            fix = Branch{false, k, g, std::ceil(pieces), static_cast<double>(master.GroupPieces(k)),
                         {}};
          }
        }
      }
    }
    if (!fix) return std::nullopt;
    branches.push_back(*fix);
  }
  return std::nullopt;
}

}  // namespace

BranchOutcome BranchAndPrice(DesignMaster& master, SearchWatch& watch, double known,
                             OptimizerClock::time_point deadline) {
  const OptimizerModel& model = master.Model();
  BranchOutcome outcome;
  const double tolerance = 1e-6 * std::max(1.0, std::abs(master.Bound()));
  const int grid = ObjectiveGrid(model);
  auto onGrid = [&](double bound) {
    return grid == 0 ? bound : std::floor(bound * grid + 1e-6) / grid;
  };
  double best = known;
  double unsettled = -std::numeric_limits<double>::infinity();
  std::priority_queue<Node> open;
  open.push({{}, master.Bound()});
  master.AllowPenalties(true);
  auto stop = [&] {
    watch.Cancelled = watch.Cancelled || watch.Request->Cancel.Cancelled();
    return watch.Cancelled || OptimizerClock::now() >= deadline;
  };
  auto openBound = [&] {
    double bound = std::max(best, unsettled);
    if (!open.empty()) bound = std::max(bound, open.top().Bound);
    return std::min(bound, watch.Bound);
  };
  bool stopped = false;
  std::size_t settled = 0;
  while (!open.empty()) {
    if (open.top().Bound <= best + tolerance) {  // no open node can beat the best
      open = {};
      break;
    }
    if (stop()) {
      stopped = true;
      break;
    }
    const Node node = open.top();
    open.pop();
    master.SetBranches(node.Branches);
    const DesignMaster::Relaxation relaxation = master.Reprice(stop);
    if (relaxation == DesignMaster::Relaxation::kStopped) {
      open.push(node);
      stopped = true;
      break;
    }
    if (relaxation != DesignMaster::Relaxation::kSolved) {
      unsettled = std::max(unsettled, node.Bound);
      continue;
    }
    const double bound = std::min(node.Bound, onGrid(master.Bound()));
    if (bound <= best + tolerance) continue;
    if (master.RelaxationIsWhole()) {
      best = glp_get_obj_val(master.Problem());
      outcome.Best = best;
      outcome.Choice = master.RelaxedChoice();
      watch.Known = best;
      Announce(watch, {watch.Known, openBound(), 0});
      continue;
    }
    if (const auto split = SlotSplit(master, model)) {
      open.push(Child(node, split->first, bound));
      open.push(Child(node, split->second, bound));
    } else if (const std::optional<Branch> branch = BranchOf(master, model)) {
      Branch down = *branch, up = *branch;
      down.Lower = 0;
      down.Upper = std::floor(branch->Lower);
      up.Lower = std::ceil(branch->Lower);
      up.Upper = branch->OnItem ? 1 : static_cast<double>(master.GroupPieces(branch->Group));
      open.push(Child(node, down, bound));
      open.push(Child(node, up, bound));
    } else {
      // Whole counts of every gem tier, yet designs taken in part: no split
      // of this kind helps. The branch and cut over the node's designs may
      // still reach its bound, which settles it.
      const std::optional<double> found = SearchNode(master, deadline);
      if (found && *found > best) {
        best = *found;
        outcome.Best = best;
        outcome.Choice = master.SearchChoice();
        watch.Known = best;
      }
      if (!found || *found < bound - tolerance) unsettled = std::max(unsettled, bound);
      continue;
    }
    if (settled++ % kNodesPerDive == 0) {
      ColumnChoice dived;
      const std::optional<double> found = Dive(master, node.Branches, stop, dived);
      if (found && *found > best + tolerance) {
        best = *found;
        outcome.Best = best;
        outcome.Choice = std::move(dived);
        watch.Known = best;
        Announce(watch, {watch.Known, openBound(), 0});
      }
    }
    if (OptimizerClock::now() - watch.LastReport > std::chrono::milliseconds(100)) {
      watch.LastReport = OptimizerClock::now();
      Announce(watch, {watch.Known, openBound(), 0});
    }
  }
  master.AllowPenalties(false);
  outcome.Bound = openBound();
  outcome.Complete = !stopped && unsettled <= best + tolerance;
  if (outcome.Complete) outcome.Bound = best;
  return outcome;
}

}  // namespace qm
