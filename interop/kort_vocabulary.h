#pragma once
// The words of Kort's item files that our XML item import reads differently
// or not at all; everything else goes through the import's own tables.
#include <string_view>

namespace qm {

// Our bonus code of a slot's type and effect, reading the import's tables
// after this reader's own few words; 0 when neither knows it.
int KortBonusCode(std::string_view type, std::string_view effect);
// 0 Albion, 1 Hibernia, 2 Midgard, 3 every realm.
int KortRealm(std::string_view realm);
// Our slot 1..19 for an item's location in a template ("Left Ring" is Ring 1,
// "Mythical" the Myth slot); 0 for a location we cannot place ("Spare").
int KortSlot(std::string_view location);

}  // namespace qm
