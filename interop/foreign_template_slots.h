#pragma once
// Fills the nineteen slots of a foreign template from the items its reader
// found, the same way for every planner: one item per slot, the equipped one
// when a file holds several, the bonus rows in the file's order, the weapon
// configuration from the weapon slots in use, and a warning, "slot 9 Chest:
// ...", for everything the record cannot hold.
#include <array>
#include <string>
#include <vector>

#include "interop/foreign_item.h"
#include "interop/foreign_template.h"

namespace qm {

struct SlotCandidate {
  ForeignItem Item;
  bool Equipped = true;    // the file counts the item (a weapon in use, armour worn)
  bool Preferred = false;  // the file names it for the slot (Kort's active outfit)
};

using SlotCandidates = std::array<std::vector<SlotCandidate>, kSlotCount>;

// "slot 9 Chest".
std::string SlotWhere(int slot);

// Places one candidate per slot: the first preferred, else the first
// equipped, else the first; a candidate left out that holds bonuses is named
// in a warning. A slot without candidates, or whose item has neither name nor
// bonus, stays empty. Sets Crafted for items a player made, and WeaponConfig
// from the weapon slots whose item is equipped.
void FillSlots(const SlotCandidates& candidates, ForeignTemplate& tpl);

}  // namespace qm
