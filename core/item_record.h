#pragma once
// One item: the fixed 276-byte little-endian layout shared by memory, template
// files, the vault and item exchange files. Records are values, copied whole.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/pstring.h"

namespace qm {

static_assert(std::endian::native == std::endian::little,
              "records mirror their little-endian disk layout");

inline constexpr int kClassCount = 47;
inline constexpr int kBonusRows = 10;
inline constexpr int kEffectRows = 2;

struct TItemRecord {
  PString<51> Name;
  std::uint8_t ItemType;
  std::uint8_t Realm;  // 0 Albion, 1 Hibernia, 2 Midgard, 3 all realms
  std::uint8_t Expansion;
  std::uint8_t Level;
  std::uint8_t SlotKind;
  std::uint8_t Armor;
  std::uint8_t WeaponType;
  std::uint8_t Crafted;
  std::uint8_t Unique;
  std::uint8_t ServerCoop;
  std::uint8_t ServerPvP;
  std::uint8_t ServerClassic;
  std::uint8_t ServerNormal;
  std::uint8_t ClassUsable[kClassCount];
  std::uint8_t Verified;
  std::uint8_t Researched;
  std::uint8_t Reserved;
  std::uint8_t ServerOrigins;
  std::uint8_t BonusCode[kBonusRows];
  std::uint8_t BonusLevel;
  std::uint8_t BonusLevelFixed;
  std::int32_t BonusValue[kBonusRows];
  std::uint8_t EffectKind[kEffectRows];
  std::uint16_t EffectId[kEffectRows];
  PString<94> Note;
  std::uint8_t Quality;  // above 31: no quality set
  std::uint16_t EffectValue[kEffectRows];
  std::uint8_t Speed;
  std::uint8_t Source;
};

static_assert(sizeof(TItemRecord) == 276);
static_assert(offsetof(TItemRecord, Name) == 0);
static_assert(offsetof(TItemRecord, ItemType) == 52);
static_assert(offsetof(TItemRecord, Realm) == 53);
static_assert(offsetof(TItemRecord, Expansion) == 54);
static_assert(offsetof(TItemRecord, Level) == 55);
static_assert(offsetof(TItemRecord, SlotKind) == 56);
static_assert(offsetof(TItemRecord, Armor) == 57);
static_assert(offsetof(TItemRecord, WeaponType) == 58);
static_assert(offsetof(TItemRecord, Crafted) == 59);
static_assert(offsetof(TItemRecord, Unique) == 60);
static_assert(offsetof(TItemRecord, ServerCoop) == 61);
static_assert(offsetof(TItemRecord, ServerPvP) == 62);
static_assert(offsetof(TItemRecord, ServerClassic) == 63);
static_assert(offsetof(TItemRecord, ServerNormal) == 64);
static_assert(offsetof(TItemRecord, ClassUsable) == 65);
static_assert(offsetof(TItemRecord, Verified) == 112);
static_assert(offsetof(TItemRecord, Researched) == 113);
static_assert(offsetof(TItemRecord, Reserved) == 114);
static_assert(offsetof(TItemRecord, ServerOrigins) == 115);
static_assert(offsetof(TItemRecord, BonusCode) == 116);
static_assert(offsetof(TItemRecord, BonusLevel) == 126);
static_assert(offsetof(TItemRecord, BonusLevelFixed) == 127);
static_assert(offsetof(TItemRecord, BonusValue) == 128);
static_assert(offsetof(TItemRecord, EffectKind) == 168);
static_assert(offsetof(TItemRecord, EffectId) == 170);
static_assert(offsetof(TItemRecord, Note) == 174);
static_assert(offsetof(TItemRecord, Quality) == 269);
static_assert(offsetof(TItemRecord, EffectValue) == 270);
static_assert(offsetof(TItemRecord, Speed) == 274);
static_assert(offsetof(TItemRecord, Source) == 275);

// Item types the program itself relies on.
inline constexpr std::uint8_t kItemTypeUnique = 3;
inline constexpr std::uint8_t kItemTypePlayerCrafted = 5;
inline constexpr std::uint8_t kItemTypeMythirian = 12;
inline constexpr std::uint8_t kItemTypeXmlImported = 14;
inline constexpr std::uint8_t kNoQuality = 41;

// Every byte zero, then the initial values: the empty item every empty slot holds.
TItemRecord EmptyItem();
// Sets exactly the fields the empty item defines (bytes it does not define
// are left as they were, as the original initialisation did).
void InitItem(TItemRecord& item);
// Sum modulo 65536 of the low 16 bits of every row whose code equals code.
std::uint16_t ItemBonusSum(const TItemRecord& item, int code);

}  // namespace qm
