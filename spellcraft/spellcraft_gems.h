#pragma once
// The gems a spellcrafter can put into an item: the 139-entry gem bonus list,
// the archetype views the bonus selectors show, the category of each gem with
// its ladder of values, and the imbue cost of one gem.
#include <span>
#include <string_view>

namespace qm {

inline constexpr int kGemBonusCount = 139;  // indexes 0..138, 0 = "<Empty>"
inline constexpr int kGemArchetypeCount = 8;
inline constexpr int kSelectArchetype = 0;       // "<Select>"
inline constexpr int kFullListingArchetype = 7;  // "6. Full Listing"
inline constexpr std::string_view kChooseArchetypeText = "<Choose an Archtype>";

enum class GemCategory { kEmpty, kStat, kPower, kHitPoints, kResist, kAllSkill, kFocus, kSkill };

// Name of a gem bonus list entry; empty text outside 0..138.
std::string_view GemBonusName(int index);
// Bonus code stored in an item for a gem index (134..138 become 185..189);
// 0 for the empty gem and for indexes outside the list.
int GemCodeOfIndex(int index);
// Gem index of a stored bonus code; 0 (no gem) for codes no gem gives.
int GemIndexOfCode(int code);

// Archetype captions, "<Select>" .. "6. Full Listing"; empty outside 0..7.
std::string_view GemArchetypeName(int archetype);
// The gem bonus list indexes an archetype offers after its "<Empty>" entry
// (empty span for "<Select>" and outside 0..7).
std::span<const unsigned char> GemArchetypeView(int archetype);
// Number of entries of an archetype's bonus selector, first entry included.
int GemArchetypeEntryCount(int archetype);
// Text of one bonus selector entry: "<Empty>" or the gem name, and
// "<Choose an Archtype>" for "<Select>"; empty beyond the entries.
std::string_view GemArchetypeEntryText(int archetype, int position);
// Gem index of a bonus selector entry; 0 for the first entry and beyond.
int GemIndexOfArchetypeEntry(int archetype, int position);
// Position of a gem index in an archetype's selector, or -1 when it is not offered.
int GemArchetypeEntryOf(int archetype, int index);

GemCategory GemCategoryOf(int index);
// The value ladder of a gem's category (empty for the empty gem).
std::span<const int> GemValueLadder(int index);
// Imbue points of one gem of the given value; 0 for the empty gem.
double GemImbueCost(int index, int value);

}  // namespace qm
