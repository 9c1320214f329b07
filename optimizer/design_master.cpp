#include "optimizer/design_master.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>

#include "optimizer/glpk_builder.h"

namespace qm {
namespace {

// A design must be worth this much more than its group's share of the
// relaxation to join it; smaller gains are the simplex's rounding.
constexpr double kWorthTolerance = 1e-7;

std::vector<std::vector<std::size_t>> GroupsOf(const OptimizerModel& model) {
  std::vector<std::vector<std::size_t>> groups;
  for (std::size_t p = 0; p < model.Pieces.size(); ++p) {
    auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
      return SameDesignSpace(model.Pieces[group.front()], model.Pieces[p]);
    });
    if (same == groups.end())
      groups.push_back({p});
    else
      same->push_back(p);
  }
  return groups;
}

// The design a choice gives piece p: the positions of its chosen gems.
PieceDesign DesignOf(const ColumnChoice& choice, std::size_t p) {
  PieceDesign design;
  for (std::size_t g = 0; g < choice.Gems[p].size(); ++g)
    if (choice.Gems[p][g]) design.push_back(static_cast<std::uint16_t>(g));
  return design;
}

}  // namespace

DesignMaster::DesignMaster(const OptimizerModel& model) : model_(model), prob_(glp_create_prob()) {
  glp_set_obj_dir(prob_, GLP_MAX);
  ProblemBuilder build(prob_);
  std::vector<Row> slotRows(kSlotCount + 1);
  for (const ItemColumn& item : model.Items) {
    items_.push_back(build.Binary());
    slotRows[static_cast<std::size_t>(item.Slot)].Add(items_.back(), 1);
  }
  for (const Row& row : slotRows) build.UpperRow(row, 1);

  for (const auto& pieces : GroupsOf(model)) {
    Group group{pieces, DesignSearch(model.Pieces[pieces.front()]), 0, {}, {}, {}};
    group.Row = glp_add_rows(prob_, 1);
    glp_set_row_bnds(prob_, group.Row, GLP_UP, 0, static_cast<double>(pieces.size()));
    groups_.push_back(std::move(group));
  }
  for (Group& group : groups_)
    group.GemRows.assign(model.Pieces[group.Pieces.front()].Gems.size(), 0);
  for (const CraftedPiece& piece : model.Pieces)
    for (const GemColumn& gem : piece.Gems)
      for (const auto* parts : {&gem.Parts.Value, &gem.Parts.CapBase, &gem.Parts.CapIncrease})
        for (int v : *parts) monotone_ = monotone_ && v >= 0;

  const std::size_t figureCount = model.Figures.size();
  capped_.assign(figureCount, 0);
  valueRow_.assign(figureCount, 0);
  capRow_.assign(figureCount, 0);
  raiseRow_.assign(figureCount, 0);
  raise_.assign(figureCount, 0);
  for (std::size_t f = 0; f < figureCount; ++f) {
    const ModelFigure& figure = model.Figures[f];
    if (!figure.Relevant()) continue;
    capped_[f] = build.Column(-ProblemBuilder::kInf, ProblemBuilder::kInf, GLP_CV, 0);
    Row value, cap, raise;
    value.Add(capped_[f], 1);
    cap.Add(capped_[f], 1);
    const bool raisable = figure.Base.CapIncreaseLimit > 0;
    int raiseColumn = 0;
    if (raisable) {
      raiseColumn = build.Column(0, figure.Base.CapIncreaseLimit, GLP_CV, 0);
      raise_[f] = raiseColumn;
      cap.Add(raiseColumn, -1);
      raise.Add(raiseColumn, 1);
    }
    for (std::size_t i = 0; i < model.Items.size(); ++i) {
      const SlotContribution& parts = model.Items[i].Parts;
      value.Add(items_[i], -parts.Value[f]);
      cap.Add(items_[i], -parts.CapBase[f]);
      if (raisable) raise.Add(items_[i], -parts.CapIncrease[f]);
    }
    valueRow_[f] = build.UpperRow(value, figure.Base.Value);
    capRow_[f] = build.UpperRow(cap, figure.Base.CapBase);
    if (raisable) raiseRow_[f] = build.UpperRow(raise, figure.Base.CapIncrease);
    if (figure.Minimum) {
      // capped + shortfall ≥ minimum; phase one drives the shortfall to zero.
      const int shortfall = build.Column(0, ProblemBuilder::kInf, GLP_CV, 0);
      Row least;
      least.Add(capped_[f], 1);
      least.Add(shortfall, 1);
      build.LowerRow(least, *figure.Minimum);
      shortfall_.push_back(shortfall);
    }
  }
  // Paying for an unmet row must cost more than any template is worth.
  penalty_ = 1;
  for (const ModelFigure& figure : model.Figures)
    penalty_ += figure.Weight * (figure.Base.CapBase + figure.Base.CapIncreaseLimit + 1000.0);
  penalty_ *= 1000;
}

DesignMaster::~DesignMaster() {
  glp_delete_prob(prob_);
}

void DesignMaster::SetPhase(bool feasibility) {
  for (std::size_t f = 0; f < capped_.size(); ++f)
    if (capped_[f] != 0)
      glp_set_obj_coef(prob_, capped_[f], feasibility ? 0 : model_.Figures[f].Weight);
  for (int column : shortfall_) {
    glp_set_obj_coef(prob_, column, feasibility ? -1 : 0);
    if (!feasibility) glp_set_col_bnds(prob_, column, GLP_FX, 0, 0);
  }
}

std::vector<double> DesignMaster::GemWorth(const Group& group) const {
  const CraftedPiece& piece = model_.Pieces[group.Pieces.front()];
  std::vector<double> worth;
  worth.reserve(piece.Gems.size());
  auto dual = [&](int row) { return row == 0 ? 0.0 : glp_get_row_dual(prob_, row); };
  for (std::size_t g = 0; g < piece.Gems.size(); ++g) {
    const GemColumn& gem = piece.Gems[g];
    double w = -dual(group.GemRows[g]);
    for (std::size_t f = 0; f < capped_.size(); ++f) {
      if (capped_[f] == 0) continue;
      w += dual(valueRow_[f]) * gem.Parts.Value[f] + dual(capRow_[f]) * gem.Parts.CapBase[f] +
           dual(raiseRow_[f]) * gem.Parts.CapIncrease[f];
    }
    // The figure rows' duals are never negative, so without branch rows what
    // shows below zero is rounding.
    worth.push_back(group.GemRows[g] == 0 && w < 0 ? 0.0 : w);
  }
  return worth;
}

double DesignMaster::GroupDual(const Group& group) const {
  return glp_get_row_dual(prob_, group.Row);
}

int DesignMaster::AddDesign(Group& group, const PieceDesign& design) {
  const auto known = std::find(group.Designs.begin(), group.Designs.end(), design);
  if (known != group.Designs.end())
    return group.Columns[static_cast<std::size_t>(known - group.Designs.begin())];
  const CraftedPiece& piece = model_.Pieces[group.Pieces.front()];
  std::vector<double> value(capped_.size(), 0), cap(capped_.size(), 0), raise(capped_.size(), 0);
  for (std::uint16_t g : design) {
    const SlotContribution& parts = piece.Gems[g].Parts;
    for (std::size_t f = 0; f < capped_.size(); ++f) {
      value[f] += parts.Value[f];
      cap[f] += parts.CapBase[f];
      raise[f] += parts.CapIncrease[f];
    }
  }
  Row entries;
  entries.Add(group.Row, 1);
  for (std::uint16_t g : design)
    if (group.GemRows[g] != 0) entries.Add(group.GemRows[g], 1);
  for (std::size_t f = 0; f < capped_.size(); ++f) {
    if (capped_[f] == 0) continue;
    entries.Add(valueRow_[f], -value[f]);
    entries.Add(capRow_[f], -cap[f]);
    if (raiseRow_[f] != 0) entries.Add(raiseRow_[f], -raise[f]);
  }
  ProblemBuilder build(prob_);
  const int column = build.ColumnIn(entries, 0, ProblemBuilder::kInf, GLP_IV, 0);
  group.Designs.push_back(design);
  group.Columns.push_back(column);
  return column;
}

bool DesignMaster::RelaxStep(bool& improved) {
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.meth = GLP_DUALP;  // after a branch's bounds the basis stays dual feasible
  if (glp_simplex(prob_, &parm) != 0 || glp_get_status(prob_) != GLP_OPT) return false;
  // Each group's best design bounds what all its designs, known or not, can
  // add to the relaxation: the relaxation's value plus that much per piece.
  double bound = glp_get_obj_val(prob_);
  improved = false;
  const int columnsBefore = glp_get_num_cols(prob_);
  worth_.clear();
  groupDual_.clear();
  for (Group& group : groups_) {
    worth_.push_back(GemWorth(group));
    groupDual_.push_back(GroupDual(group));
    const PricedDesign best = group.Search.Best(worth_.back());
    const double gain = best.Worth - groupDual_.back();
    if (gain <= kWorthTolerance * std::max(1.0, std::abs(bound))) continue;
    bound += gain * static_cast<double>(group.Pieces.size());
    // A design already in the problem that prices above its share is the
    // simplex's rounding: the bound keeps its gain, but adding it again
    // would change nothing and the pricing would never end.
    if (!best.Gems.empty() && AddDesign(group, best.Gems) > columnsBefore) improved = true;
  }
  bound_ = bound;
  return true;
}

void DesignMaster::AddDesignsOf(const ColumnChoice& choice) {
  for (Group& group : groups_) {
    for (std::size_t p : group.Pieces) {
      const PieceDesign design = DesignOf(choice, p);
      if (!design.empty()) AddDesign(group, design);
    }
  }
}

std::vector<double> DesignMaster::StartingPoint(const ColumnChoice& choice) const {
  std::vector<double> values(static_cast<std::size_t>(glp_get_num_cols(prob_)) + 1, 0);
  auto at = [&](int column) -> double& { return values[static_cast<std::size_t>(column)]; };
  for (std::size_t i = 0; i < items_.size(); ++i) at(items_[i]) = choice.Items[i];
  for (const Group& group : groups_) {
    for (std::size_t p : group.Pieces) {
      const PieceDesign design = DesignOf(choice, p);
      const auto known = std::find(group.Designs.begin(), group.Designs.end(), design);
      if (known != group.Designs.end())
        at(group.Columns[static_cast<std::size_t>(known - group.Designs.begin())]) += 1;
    }
  }
  const FigureLevels levels = LevelsOf(model_, choice);
  for (std::size_t f = 0; f < capped_.size(); ++f) {
    if (capped_[f] == 0) continue;
    at(capped_[f]) = levels.Capped(model_, f);
    if (raise_[f] != 0)
      at(raise_[f]) =
          std::clamp(levels.CapIncrease[f], 0.0, double(model_.Figures[f].Base.CapIncreaseLimit));
  }
  return values;
}

double DesignMaster::AddDesignsWithin(double room, std::size_t limit) {
  // Against the relaxation's duals a template is worth at most the
  // relaxation's value less, for each design it takes, how far that design
  // falls short of its group's share. With every design short by less than
  // reach in the problem, a template taking any other is worth at most the
  // relaxation's value less reach.
  if (!monotone_ || worth_.size() != groups_.size()) return 0;
  double reach = room;
  std::vector<std::vector<PricedDesign>> found(groups_.size());
  for (std::size_t k = 0; k < groups_.size(); ++k) {
    const Group& group = groups_[k];
    auto within = [&](double r) {
      found[k].clear();
      return group.Search.AllWorthAtLeast(worth_[k], groupDual_[k] - r, limit, found[k]);
    };
    if (within(reach)) continue;
    // The most reach whose designs stay within the limit, to a sixty-fourth.
    double fits = 0, fails = reach;
    for (int step = 0; step < 6; ++step) {
      const double mid = (fits + fails) / 2;
      (within(mid) ? fits : fails) = mid;
    }
    within(fits);
    reach = fits;
  }
  for (std::size_t k = 0; k < groups_.size(); ++k)
    for (const PricedDesign& design : found[k])
      if (groupDual_[k] - design.Worth <= reach) AddDesign(groups_[k], design.Gems);
  return reach;
}

ColumnChoice DesignMaster::SearchChoice() const {
  return ChoiceOf(true);
}

int DesignMaster::GemRow(std::size_t k, std::size_t gem) {
  Group& group = groups_[k];
  if (group.GemRows[gem] != 0) return group.GemRows[gem];
  Row row;
  for (std::size_t d = 0; d < group.Designs.size(); ++d)
    if (std::find(group.Designs[d].begin(), group.Designs[d].end(), gem) != group.Designs[d].end())
      row.Add(group.Columns[d], 1);
  // Paid columns on both sides keep any bound on the row within reach.
  ProblemBuilder build(prob_);
  const double cost = penaltyAllowed_ ? -penalty_ : 0;
  const int under = build.Column(0, ProblemBuilder::kInf, GLP_CV, cost);
  const int over = build.Column(0, ProblemBuilder::kInf, GLP_CV, cost);
  row.Add(under, 1);
  row.Add(over, -1);
  penalties_.push_back(under);
  penalties_.push_back(over);
  group.GemRows[gem] = build.UpperRow(row, ProblemBuilder::kInf);
  glp_set_row_bnds(prob_, group.GemRows[gem], GLP_FR, 0, 0);
  return group.GemRows[gem];
}

void DesignMaster::SetBranches(const std::vector<Branch>& branches) {
  for (Group& group : groups_)
    for (int row : group.GemRows)
      if (row != 0) glp_set_row_bnds(prob_, row, GLP_FR, 0, 0);
  for (int column : items_) glp_set_col_bnds(prob_, column, GLP_DB, 0, 1);
  for (const Branch& branch : branches) {
    for (std::size_t item : branch.Excluded) glp_set_col_bnds(prob_, items_[item], GLP_FX, 0, 0);
    if (!branch.Excluded.empty()) continue;
    if (branch.OnItem) {
      const int column = items_[branch.Group];
      glp_set_col_bnds(prob_, column, branch.Lower == branch.Upper ? GLP_FX : GLP_DB, branch.Lower,
                       branch.Upper);
      continue;
    }
    const int row = GemRow(branch.Group, branch.Gem);
    glp_set_row_bnds(prob_, row, branch.Lower == branch.Upper ? GLP_FX : GLP_DB, branch.Lower,
                     branch.Upper);
  }
}

void DesignMaster::AllowPenalties(bool allow) {
  penaltyAllowed_ = allow;
  for (int column : penalties_) {
    glp_set_obj_coef(prob_, column, allow ? -penalty_ : 0);
    glp_set_col_bnds(prob_, column, allow ? GLP_LO : GLP_FX, 0, 0);
  }
  for (int column : shortfall_) {
    glp_set_obj_coef(prob_, column, allow ? -penalty_ : 0);
    glp_set_col_bnds(prob_, column, allow ? GLP_LO : GLP_FX, 0, 0);
  }
}

std::size_t DesignMaster::GemCount(std::size_t group) const {
  return groups_[group].GemRows.size();
}

double DesignMaster::PiecesWithGem(std::size_t k, std::size_t gem) const {
  const Group& group = groups_[k];
  double pieces = 0;
  for (std::size_t d = 0; d < group.Designs.size(); ++d)
    if (std::find(group.Designs[d].begin(), group.Designs[d].end(), gem) != group.Designs[d].end())
      pieces += glp_get_col_prim(prob_, group.Columns[d]);
  return pieces;
}

double DesignMaster::ItemTaken(std::size_t item) const {
  return glp_get_col_prim(prob_, items_[item]);
}

bool DesignMaster::RelaxationIsWhole() const {
  auto whole = [](double x) { return std::abs(x - std::round(x)) < 1e-6; };
  for (int column : items_)
    if (!whole(glp_get_col_prim(prob_, column))) return false;
  for (const Group& group : groups_)
    for (int column : group.Columns)
      if (!whole(glp_get_col_prim(prob_, column))) return false;
  for (int column : penalties_)
    if (glp_get_col_prim(prob_, column) > 1e-9) return false;
  for (int column : shortfall_)
    if (glp_get_col_prim(prob_, column) > 1e-9) return false;
  return true;
}

ColumnChoice DesignMaster::ChoiceOf(bool fromSearch) const {
  auto value = [&](int column) {
    return fromSearch ? glp_mip_col_val(prob_, column) : glp_get_col_prim(prob_, column);
  };
  ColumnChoice choice;
  for (int column : items_) choice.Items.push_back(value(column) > 0.5);
  for (const CraftedPiece& piece : model_.Pieces)
    choice.Gems.emplace_back(piece.Gems.size(), false);
  for (const Group& group : groups_) {
    std::vector<const PieceDesign*> taken;
    for (std::size_t d = 0; d < group.Designs.size(); ++d) {
      const long count = std::lround(value(group.Columns[d]));
      for (long n = 0; n < count; ++n) taken.push_back(&group.Designs[d]);
    }
    // The same designs always land on the same slots.
    std::sort(taken.begin(), taken.end(),
              [](const PieceDesign* a, const PieceDesign* b) { return *a < *b; });
    for (std::size_t n = 0; n < taken.size() && n < group.Pieces.size(); ++n)
      for (std::uint16_t g : *taken[n]) choice.Gems[group.Pieces[n]][g] = true;
  }
  return choice;
}

ColumnChoice DesignMaster::RelaxedChoice() const {
  return ChoiceOf(false);
}

bool DesignMaster::SearchPaysPenalty() const {
  for (int column : penalties_)
    if (glp_mip_col_val(prob_, column) > 1e-9) return true;
  for (int column : shortfall_)
    if (glp_mip_col_val(prob_, column) > 1e-9) return true;
  return false;
}

}  // namespace qm
