#include "optimizer/slot_contribution.h"

#include <algorithm>

namespace qm {

bool SlotContribution::Empty() const {
  auto zero = [](const std::vector<int>& parts) {
    return std::all_of(parts.begin(), parts.end(), [](int v) { return v == 0; });
  };
  return zero(Value) && zero(CapBase) && zero(CapIncrease);
}

SlotContribution ContributionOf(const TTemplateRecord& emptied,
                                const std::vector<FigureParts>& base, int slot,
                                const TItemRecord& item) {
  TTemplateRecord filled = emptied;
  filled.Slot(slot) = item;
  const std::vector<FigureParts> figures = CappedFigures(filled);
  SlotContribution c;
  c.Value.resize(figures.size());
  c.CapBase.resize(figures.size());
  c.CapIncrease.resize(figures.size());
  for (std::size_t f = 0; f < figures.size(); ++f) {
    c.Value[f] = figures[f].Value - base[f].Value;
    c.CapBase[f] = figures[f].CapBase - base[f].CapBase;
    c.CapIncrease[f] = figures[f].CapIncrease - base[f].CapIncrease;
  }
  return c;
}

bool AtLeastAsGood(const SlotContribution& a, const SlotContribution& b,
                   const std::vector<bool>& relevant) {
  for (std::size_t f = 0; f < a.Value.size(); ++f) {
    if (!relevant[f]) continue;
    if (a.Value[f] < b.Value[f] || a.CapBase[f] < b.CapBase[f] ||
        a.CapIncrease[f] < b.CapIncrease[f])
      return false;
  }
  return true;
}

}  // namespace qm
