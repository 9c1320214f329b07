#pragma once
// The vault browser's text description of one vault entry, whether the
// current character may equip it, and which slot it goes into.
#include <cstdint>
#include <string>
#include <vector>

#include "core/item_record.h"
#include "core/template_record.h"
#include "ports/ports.h"

namespace qm {

// The lines shown for the placeholder line "No items found" (index 0).
std::vector<std::string> NoItemsFoundLines();

struct VaultDescription {
  std::vector<std::string> Lines;
  // A Mythirian gets the short form, which leaves the equip button as it was.
  bool Mythirian = false;
};

// maxArmor: the character's best armour grade (0 cloth .. 4 plate), for
// items whose absorb is "Max armor grade allowed by Class".
VaultDescription DescribeVaultItem(const TItemRecord& item, std::uint8_t maxArmor);

// The shield-size line of an item, or empty: by the shield slot kinds (24
// small .. 27 class-sized), else by the shield weapon types (27 .. 30) that
// left-hand shields carry.
std::string ShieldSizeLine(const TItemRecord& item);

// True unless the character's class may not use the item, the item does not
// exist on the character's server type, or its bonus level lies above the
// character's level (and below 51).
bool CanEquipFromVault(const TItemRecord& item, const TTemplateRecord& tpl);

// The template slot (1..19) an item goes into, asking left or right for rings,
// wrists and left-hand weapons of a class that wields one there; 0 when the
// item has no slot or the question was cancelled.
int EquipTargetSlot(const TItemRecord& item, bool leftHandWeapon, UserPort& user);

}  // namespace qm
