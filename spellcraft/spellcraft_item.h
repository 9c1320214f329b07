#pragma once
// How a spellcrafted design lives inside an item record: gems in bonus rows
// 1..4 (codes and values), their tiers in rows 5..8 (code 0, so totals ignore
// them), the fifth-slot bonus in rows 9 and 10, the fifth-slot index in the
// kind of effect 2 and the autonaming flag in the BonusLevelFixed byte.
#include "core/item_record.h"
#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {

enum class CraftedItemVariant {
  kPreview,   // shown live in the main window
  kReturned,  // handed back by "&Return Item"
};

// Gems that hold a bonus; 4 whenever the fifth slot is forced.
int GemCount(const TSpellcraftState& state, bool forceFifthSlot);
// The fifth-slot bonus the design carries now: it needs four gems, or three
// for the legendary rows.
FifthSlotBonus SetFifth(const TSpellcraftState& state, bool forceFifthSlot);
// The design as an item record.
TItemRecord BuildCraftedItem(const TSpellcraftState& state, const SpellcraftContext& context,
                             CraftedItemVariant variant);
// Items whose rows follow the crafted encoding.
bool IsSpellcrafted(const TItemRecord& item);

}  // namespace qm
