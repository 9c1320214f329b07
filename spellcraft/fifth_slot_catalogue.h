#pragma once
// The fifth-slot choice catalogue: for each realm, slot and armour class, the
// fifth-slot bonuses that real craftable items carry, each with the item's
// name. It fills the spellcraft tab's "&Fifth Slot Bonus" selector.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr int kFifthSlotCatalogueSize = 359;
inline constexpr std::string_view kNoExtraBonusText = "No Extra Bonus";
inline constexpr std::string_view kCloakFifthSlotText = "Fifth slot unavailable on Cloaks";

// One entry of the fifth-slot selector.
struct TFifthSlotChoice {
  std::string_view Text;      // the caption of Index, or one of the two fixed first entries
  int Index = 0;              // canonical fifth-slot index 0..31
  std::string_view ItemName;  // empty when the choice names no item
  bool HasItemName() const { return !ItemName.empty(); }
  bool operator==(const TFifthSlotChoice&) const = default;
};

enum class FifthSlotCondition : std::uint8_t {
  kNone,
  kFriar,
  kValkyrie,
  kLargeShield,
  kMediumOrLargeShield,
  kAnyShieldOrChampion,
  kInstrument,
  kBow,
};

// One catalogue entry: who gets it and what it offers.
struct FifthSlotCatalogueEntry {
  std::uint8_t Realm;   // 0 Albion, 1 Hibernia, 2 Midgard
  std::uint32_t Slots;  // bit s set for every slot number s the entry serves
  std::int8_t Armour;   // armour class 0..4 for Chest..Feet, -1 for the weapon slots
  std::uint8_t Index;   // canonical fifth-slot index
  std::string_view ItemName;
  FifthSlotCondition Condition;
};

std::span<const FifthSlotCatalogueEntry> FifthSlotCatalogue();

// Everything the choice list depends on.
struct FifthSlotQuery {
  int Slot = 0;         // slot number 1..19
  int ArmourIndex = 0;  // the tab's armour class 0..5
  int Realm = 0;        // the character's realm 0..2
  bool UniversalRealm = false;
  int ClassIndex = -1;  // -1 when no class is chosen
  int ShieldSize = 0;   // 0 none, 15 small, 16 medium, 17 large
  bool ChampionLevel3 = false;
  bool PlaysInstrument = false;
  bool UsesBow = false;
};

// True when an entry's condition holds for the query's class.
bool FifthSlotConditionHolds(FifthSlotCondition condition, const FifthSlotQuery& query);
// The fifth-slot choice list: "No Extra Bonus" (or the single Cloak entry),
// then the matching entries of Albion, Hibernia and Midgard in catalogue order.
std::vector<TFifthSlotChoice> SetupCProc2(const FifthSlotQuery& query);

}  // namespace qm
