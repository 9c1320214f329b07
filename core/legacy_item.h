#pragma once
// The older 158-byte item layout of old templates (.qmy) and old item files
// (.qmi), and its conversion into a TItemRecord.
#include <cstddef>
#include <cstdint>

#include "core/item_record.h"

namespace qm {

#pragma pack(push, 1)
struct TLegacyItemRecord {
  std::uint8_t Crafted;
  PString<51> Name;
  std::uint8_t Armor;
  std::uint8_t Level;
  std::uint8_t ItemType;
  std::uint8_t Realm;
  std::uint8_t Expansion;
  std::uint8_t SlotKind;
  std::uint8_t ClassFlags[3][15];  // Albion, Hibernia, Midgard in legacy order
  std::uint8_t BonusCode[kBonusRows];
  std::uint8_t Padding[2];
  std::int32_t BonusValue[kBonusRows];
  std::uint8_t EffectKind[kEffectRows];
};
#pragma pack(pop)

static_assert(sizeof(TLegacyItemRecord) == 158);
static_assert(offsetof(TLegacyItemRecord, Name) == 1);
static_assert(offsetof(TLegacyItemRecord, Armor) == 53);
static_assert(offsetof(TLegacyItemRecord, Level) == 54);
static_assert(offsetof(TLegacyItemRecord, ItemType) == 55);
static_assert(offsetof(TLegacyItemRecord, Realm) == 56);
static_assert(offsetof(TLegacyItemRecord, Expansion) == 57);
static_assert(offsetof(TLegacyItemRecord, SlotKind) == 58);
static_assert(offsetof(TLegacyItemRecord, ClassFlags) == 59);
static_assert(offsetof(TLegacyItemRecord, BonusCode) == 104);
static_assert(offsetof(TLegacyItemRecord, BonusValue) == 116);
static_assert(offsetof(TLegacyItemRecord, EffectKind) == 156);

// In arrays each record is followed by two zero bytes.
inline constexpr std::size_t kLegacyItemStride = 160;

// The Mauler of Albion, Hibernia and Midgard: the one legacy class flag that
// stands for all three, and the class an old template's Mauler realm names.
inline constexpr int kMaulerClasses[3] = {6, 25, 36};

// All zero except the name (one blank), item level 51 and realm 3.
TLegacyItemRecord EmptyLegacyItem();
// Class index (0..46) that position 0..14 of a realm's legacy class order becomes;
// Midgard position 14 is the Mauler, which depends on the realm byte of the file
// and is resolved by the caller (returns -1 there).
int LegacyClassIndex(int realm, int position);
TItemRecord ConvertLegacyItem(const TLegacyItemRecord& legacy);

}  // namespace qm
