#pragma once
// The numbers an OpenDAoC / Dawn of Light item table stores, in our words:
// the server's property ids as bonus codes, its inventory slots and object
// types as slot kinds, armour grades and weapon types, its class and realm
// numbers as ours.
#include <optional>
#include <string>
#include <string_view>

namespace qm {

struct EmulatorProperty {
  std::string Name;  // the property's name ("Strength", "Focus: Fire"), "property 250" when unknown
  int Code = 0;      // our bonus code, 0 when we have none for it
};
EmulatorProperty EmulatorPropertyOf(int propertyId);

// What an object type makes of an item; nullopt for objects nobody wears
// (arrows, poisons, house items, ...).
enum class EmulatorObjectKind { kWeapon, kArmor, kJewellery, kShield, kInstrument };
struct EmulatorObject {
  EmulatorObjectKind Kind;
  int Armor = 0;                // position in ArmorList() for armour
  std::string_view WeaponType;  // a text of the weapon type list for weapons
};
std::optional<EmulatorObject> EmulatorObjectOf(int objectType);

// Where an inventory slot (Item_Type) puts an item; nullopt for slots that are
// not worn (backpack, quiver, horse, ...).
enum class EmulatorSlot { kRightHand, kLeftHand, kTwoHand, kRanged, kWorn };
struct EmulatorSlotPlace {
  EmulatorSlot Slot;
  int SlotKind = 0;  // for kWorn: the slot kind; for the hands the object decides
};
std::optional<EmulatorSlotPlace> EmulatorSlotOf(int itemType);

// Our class index, or -1 for a class we do not plan (base classes).
int ClassOfEmulatorClass(int classId);
// Our realm: 0 Albion, 1 Hibernia, 2 Midgard, 3 all.
int RealmOfEmulatorRealm(int realm);

}  // namespace qm
