#pragma once
// One <SCItem> element of Kort's calculator in our words. Kort saves an item
// alone in its own file and a whole character as a run of the same elements,
// so the item reader and the template reader share this one conversion.
#include <pugixml.hpp>

#include "interop/foreign_item.h"

namespace qm {

// The item an <SCItem> element describes: name, realm, level, quality, bonus
// level, speed, slot kind, armour and weapon type from its location and type,
// whether a player made it, and every used <SLOT> as a bonus named "Type
// Effect" (code 0 when our vocabulary has none). Numbers that are not numbers
// read as 0.
ForeignItem KortItemOf(const pugi::xml_node& scItem);

}  // namespace qm
