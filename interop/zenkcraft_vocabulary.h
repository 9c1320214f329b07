#pragma once
// The words of Zenkcraft's templates (.znk) and our codes for them: item
// positions, stat entry kinds and attributes, realms, classes, races, source
// kinds and weapon choices. The reader and the writer share these tables, so
// what one writes the other reads back.
#include <optional>
#include <string_view>

namespace qm {

// One stat entry's words.
struct ZenkcraftBonusWords {
  std::string_view Type;       // bonusType: "Stat", "Resist", "Skill", "H.P.", ...
  std::string_view Attribute;  // bonusAttribute: "Strength", "Crush", "All Magic Skills", ...
  int Code = 0;
};

// The placeholder entry Zenkcraft writes for an empty row.
inline constexpr std::string_view kZenkcraftUnusedType = "Unused";

// Our bonus code of a stat entry; 0 when neither Zenkcraft's table nor the
// words other calculators share with it know the entry.
int ZenkcraftBonusCode(std::string_view type, std::string_view attribute);
// The words Zenkcraft writes for one of our codes; nullopt when it has none.
std::optional<ZenkcraftBonusWords> ZenkcraftWordsOfCode(int code);

// Slot 1..19 of an allowedPosition word; 0 when the word names no slot.
int ZenkcraftSlotOf(std::string_view position);
// The allowedPosition word of a slot; empty outside 1..19.
std::string_view ZenkcraftPositionOf(int slot);
// The slots in the order Zenkcraft writes its items.
int ZenkcraftWriteOrder(int position);  // position 0..18 -> slot

// 0 Albion, 1 Hibernia, 2 Midgard; -1 for any other word.
int ZenkcraftRealmOf(std::string_view realm);
std::string_view ZenkcraftRealmWord(int realm);  // empty outside 0..2

// The class index of a className in a realm; -1 when the realm has no such class.
int ZenkcraftClassOf(std::string_view className, int realm);
// The className Zenkcraft writes for a class index; empty above 46.
std::string_view ZenkcraftClassWord(int classIndex);

// The position of a race in the race combo of a class (RaceList); -1 when
// the class's realm has no such race.
int ZenkcraftRaceOf(std::string_view race, int classIndex);
// The race Zenkcraft writes for a combo position; empty for "<None>" and beyond.
std::string_view ZenkcraftRaceWord(int classIndex, int raceIndex);

// Our item type of a sourceType; nullopt for a word we do not know.
std::optional<int> ZenkcraftItemTypeOf(std::string_view sourceType);
// The sourceType of a spellcrafted item.
inline constexpr std::string_view kZenkcraftSpellcraft = "Spellcraft";
// The sourceType Zenkcraft has for one of our item types; nullopt when it has none.
std::optional<std::string_view> ZenkcraftSourceTypeOf(int itemType);
// The sourceType written for an item type Zenkcraft has no word for.
inline constexpr std::string_view kZenkcraftDefaultSource = "Drop";

// Our weapon configuration of a selectedWeaponType; -1 for an unknown word.
int ZenkcraftWeaponConfigOf(std::string_view weaponType);
// The selectedWeaponType of a configuration; empty for those Zenkcraft lacks.
std::string_view ZenkcraftWeaponWord(int config);

}  // namespace qm
