#pragma once
// The official item database names everything by number: bonus types and
// their sub-types, classes, realms, slots, weapon skills and armour
// absorption. These lookups turn its numbers into our vocabulary; the numbers
// themselves live in data tables in official_database_vocabulary.cpp.
#include <optional>
#include <string_view>

namespace qm {

// Our codes for one bonus row of the database. A mythical "stat and cap"
// row raises both the stat and its cap, so it stands for two of our bonuses:
// HasCapHalf says so, and CapCode is the second (0 when we have none).
struct OfficialBonusCodes {
  bool Known = false;  // the built-in table holds the (type, id) pair, mapped or not
  int Code = 0;        // 0: we have no code for it
  bool HasCapHalf = false;
  int CapCode = 0;
};

// Codes of a (type, id) bonus row; Code 0 when the type or its id is unknown.
OfficialBonusCodes OfficialBonusCodesOf(int type, int id);

// Our class index (0..46) of a database class id.
std::optional<int> ClassOfOfficialId(int classId);
// Position in RealmList() of a database realm id (0 all, 1 Albion, 2 Midgard, 3 Hibernia).
std::optional<int> RealmOfOfficialId(int realmId);
// Position in SlotKindList() of a database slot id (helm, torso, ring, mythirian, ...).
std::optional<int> SlotKindOfOfficialSlot(int slotId);
// Position in ArmorList() of an absorption percentage (0 cloth .. 34 plate).
std::optional<int> ArmorOfOfficialAbsorption(int absorption);
// Position in SlotKindList() of a shield size (1 small, 2 medium, 3 large).
std::optional<int> SlotKindOfOfficialShieldSize(int size);

// What a weapon skill says about the weapon: its type text in the vault's
// weapon list, and where it is held.
struct OfficialWeaponSkill {
  std::string_view WeaponType;           // one-handed or by nature
  std::string_view TwoHandedWeaponType;  // when the item is two-handed; empty: same as WeaponType
  bool Ranged = false;                   // bows, crossbows and thrown weapons
};
std::optional<OfficialWeaponSkill> WeaponOfOfficialSkill(int skillId);

// Item categories: 1 weapon, 2 armour, 3 shield, 4 instrument, 5 jewellery;
// mounts, consumables and the rest are not worn.
bool IsWearableOfficialCategory(int category);
inline constexpr int kOfficialWeaponCategory = 1;
inline constexpr int kOfficialShieldCategory = 3;
inline constexpr int kOfficialInstrumentCategory = 4;

}  // namespace qm
