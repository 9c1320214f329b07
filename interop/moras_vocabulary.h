#pragma once
// The words of Moras exports in ours: effect ids as bonus codes, positions
// and weapon words as slot kinds and weapon types, armour words as grades.
#include <optional>
#include <string_view>

namespace qm {

// Our bonus code of an effect id ("CAP_STRENGTH"), 0 when we have none.
int MorasEffectCode(std::string_view effectId);

struct MorasPlace {
  int SlotKind = -1;            // position in SlotKindList(), -1 when unknown
  std::string_view WeaponType;  // a text of the weapon type list, empty for none
};
// Where a position word puts an item; for "WEAPONS" the weapon word decides.
MorasPlace MorasPlaceOf(std::string_view position, std::string_view weapon);

// Position in ArmorList() of an armour word ("SCALE"), 0 when none.
int MorasArmor(std::string_view armor);

}  // namespace qm
