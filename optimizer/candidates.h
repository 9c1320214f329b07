#pragma once
// The vault entries a character may wear in a slot, without those another
// entry of the same slot beats or equals in every figure.
#include <vector>

#include "core/template_record.h"
#include "optimizer/optimizer_request.h"
#include "optimizer/slot_contribution.h"

namespace qm {

// Whether the character of tpl may wear item in slot: the slot kind, the
// item's level, and the rules EnforceTemplateRules applies (class, realm on
// the servers where realms matter, server flag, no crafted entry outside the
// jewellery).
bool MayWear(const TTemplateRecord& tpl, int slot, const TItemRecord& item);

// Positions in vault.Items of the entries that may be worn in slot and that
// no other such entry dominates. An entry dominates another when it adds at
// least as much to every figure value and every cap part and more to one, or
// the same to all and it comes first in the vault. Only the figures relevant
// marks count (those the goal weighs or bounds), measured on emptied, the
// template with the slot's item taken out; entries that add nothing to them
// are left out too.
std::vector<std::size_t> SlotCandidates(const TTemplateRecord& emptied, int slot,
                                        const VaultCandidates& vault,
                                        const std::vector<bool>& relevant);

}  // namespace qm
