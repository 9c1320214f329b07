#pragma once
// One character and its nineteen equipped items: the 5296-byte record that a
// .qmc template file holds byte for byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/item_record.h"

namespace qm {

inline constexpr int kSlotCount = 19;

// Slot numbers 1..19.
enum Slot : int {
  kJewel = 1,
  kNeck,
  kCloak,
  kBelt,
  kRing1,
  kRing2,
  kWrist1,
  kWrist2,
  kChest,
  kHead,
  kArms,
  kHands,
  kLegs,
  kFeet,
  kRightHand,
  kLeftHand,
  kTwoHand,
  kRanged,
  kMyth
};

struct TTemplateRecord {
  PString<41> CharName;
  std::uint8_t CharLevel;
  std::uint8_t RealmRank;
  std::uint8_t ClassIndex;
  std::uint8_t ServerType;
  std::uint8_t RaceIndex;
  std::uint8_t VaultMark;
  TItemRecord Slots[kSlotCount];  // Slots[s - 1] is slot s
  std::uint8_t WeaponConfig;
  std::uint8_t ChampionFlag;
  std::uint8_t Reserved;
  std::uint8_t EffectIdsGlobal;

  TItemRecord& Slot(int slot) { return Slots[slot - 1]; }
  const TItemRecord& Slot(int slot) const { return Slots[slot - 1]; }
};

static_assert(sizeof(TTemplateRecord) == 5296);
static_assert(offsetof(TTemplateRecord, CharName) == 0);
static_assert(offsetof(TTemplateRecord, CharLevel) == 42);
static_assert(offsetof(TTemplateRecord, RealmRank) == 43);
static_assert(offsetof(TTemplateRecord, ClassIndex) == 44);
static_assert(offsetof(TTemplateRecord, ServerType) == 45);
static_assert(offsetof(TTemplateRecord, RaceIndex) == 46);
static_assert(offsetof(TTemplateRecord, VaultMark) == 47);
static_assert(offsetof(TTemplateRecord, Slots) == 48);
static_assert(offsetof(TTemplateRecord, WeaponConfig) == 5292);
static_assert(offsetof(TTemplateRecord, ChampionFlag) == 5293);
static_assert(offsetof(TTemplateRecord, Reserved) == 5294);
static_assert(offsetof(TTemplateRecord, EffectIdsGlobal) == 5295);

enum ServerType : std::uint8_t { kNormal = 0, kCoop = 1, kClassic = 2, kPvP = 3, kOrigins = 4 };

// "Jewel" .. "Myth"; empty outside 1..19.
std::string_view SlotName(int slot);
// The slot kind (a position in SlotKindList) that fits a slot: both rings are
// "Ring", both wrists "Wrist", the hands, 2. Hand, Ranged and Myth slots their
// own kinds; 0 outside 1..19. A class may search the Ranged slot by another kind.
int SlotKindOf(int slot);
// "Left and right hand slots" .. "No weapons equipped"; empty above 4.
std::string_view WeaponConfigText(int config);
// The slots counted as visit steps 15 and 16 of the totals for a weapon
// configuration; 0 where the step counts no item (and for configurations above 4).
int WeaponStepSlot(int config, int step);

// The new-template values; every slot becomes the empty item. RaceIndex,
// VaultMark, the reserved byte and EffectIdsGlobal are left as they were.
void InitTemplate(TTemplateRecord& tpl);
// A record with every byte zero and then InitTemplate applied.
TTemplateRecord EmptyTemplate();

}  // namespace qm
