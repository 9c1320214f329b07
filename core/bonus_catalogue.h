#pragma once
// The bonus catalogue: the fixed vocabulary of bonus codes 0..198. Items keep
// only codes; every screen, report and file that names a bonus goes through
// these lookups. Codes 199..255 have no name, no archetype and feed no total.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

inline constexpr int kMaxBonusCode = 198;
inline constexpr int kArchetypeCount = 11;  // 0 "<Select>" .. 10 "9. Full Listing"

struct ArchetypePosition {
  int Archetype = 0;
  int Position = 0;
  bool operator==(const ArchetypePosition&) const = default;
};

// Catalogue name; "<Empty>" for 0, empty text for 199..255.
std::string_view BonusName(int code);
// The name of an archetype for the first combo of a bonus row ("<Select>", "0. Attributes", ...).
std::string_view ArchetypeName(int archetype);
// Number of positions in an archetype's list, "<Empty>" at position 0 included.
int ArchetypeListSize(int archetype);
// Text of one entry of an archetype's list (archetype 1 has its own texts,
// e.g. "Power Points (Not %)"); empty beyond the list.
std::string_view ArchetypeEntryText(int archetype, int position);
// Code -> (archetype, position); (0, 0) for code 0 and codes above 198.
ArchetypePosition ArchetypeOfBonus(int code);
// (archetype, position) -> code; 0 for archetype 0, position 0 or beyond the list.
int BonusOfArchetype(int archetype, int position);

bool IsMeleeSkill(int code);
bool IsCastingSkill(int code);
bool IsDualWieldSkill(int code);
bool IsArcherySkill(int code);
// The focus codes: 22 and the "Focus:" lines of the three realms.
bool IsFocusBonus(int code);

// Index of a name in the master list (case ignored, blanks significant).
std::optional<int> BonusCodeOfName(std::string_view name);

}  // namespace qm
