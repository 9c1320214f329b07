#include "optimizer/candidates.h"

#include "core/class_table.h"
#include "core/template_rules.h"

namespace qm {

bool MayWear(const TTemplateRecord& tpl, int slot, const TItemRecord& item) {
  if (item.SlotKind != SlotKindOf(slot) || item.Level > tpl.CharLevel) return false;
  // The rules are those that empty a template's slots, applied to a copy.
  TTemplateRecord probe = tpl;
  probe.Slot(slot) = item;
  EnforceTemplateRules(probe);
  return probe.Slot(slot).Name.View() == item.Name.View() &&
         probe.Slot(slot).ItemType == item.ItemType && probe.Slot(slot).SlotKind == item.SlotKind;
}

std::vector<std::size_t> SlotCandidates(const TTemplateRecord& emptied, int slot,
                                        const VaultCandidates& vault,
                                        const std::vector<bool>& relevant) {
  const std::vector<FigureParts> base = CappedFigures(emptied);
  std::vector<std::size_t> kept;
  std::vector<SlotContribution> keptParts;
  for (std::size_t i = 0; i < vault.Items.size(); ++i) {
    const TItemRecord& item = vault.Items[i];
    if (!MayWear(emptied, slot, item)) continue;
    SlotContribution parts = ContributionOf(emptied, base, slot, item);
    SlotContribution none = parts;
    for (auto* v : {&none.Value, &none.CapBase, &none.CapIncrease}) v->assign(v->size(), 0);
    if (AtLeastAsGood(none, parts, relevant)) continue;  // adds nothing that counts
    bool dominated = false;
    for (const SlotContribution& other : keptParts) {
      if (AtLeastAsGood(other, parts, relevant)) {
        dominated = true;
        break;
      }
    }
    if (dominated) continue;
    // The new entry may in turn dominate entries kept before it.
    for (std::size_t k = kept.size(); k-- > 0;) {
      if (AtLeastAsGood(parts, keptParts[k], relevant)) {
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(k));
        keptParts.erase(keptParts.begin() + static_cast<std::ptrdiff_t>(k));
      }
    }
    kept.push_back(i);
    keptParts.push_back(std::move(parts));
  }
  return kept;
}

}  // namespace qm
