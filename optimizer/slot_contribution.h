#pragma once
// What one item adds to each capped figure when it fills one slot. The totals
// are sums over the counted slots, so a template's figures are the emptied
// template's figures plus the contributions of the items put back: the
// linear view of the figures that the solver works with.
#include <vector>

#include "core/template_record.h"
#include "optimizer/figures.h"

namespace qm {

struct SlotContribution {
  std::vector<int> Value;        // per figure, in CappedFigures' order
  std::vector<int> CapBase;      // cap raises outside the cap increases (Myth, Fatigue Cap)
  std::vector<int> CapIncrease;  // cap increase totals

  bool Empty() const;
};

// Measured on emptied (whose slot must hold the empty item) against its own
// figures base.
SlotContribution ContributionOf(const TTemplateRecord& emptied,
                                const std::vector<FigureParts>& base, int slot,
                                const TItemRecord& item);

// Whether a adds at least as much as b to every figure that relevant marks.
bool AtLeastAsGood(const SlotContribution& a, const SlotContribution& b,
                   const std::vector<bool>& relevant);

}  // namespace qm
