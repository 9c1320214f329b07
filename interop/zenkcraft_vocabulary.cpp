#include "interop/zenkcraft_vocabulary.h"

#include <array>
#include <vector>

#include "core/class_table.h"
#include "core/race_table.h"
#include "core/template_record.h"
#include "core/text.h"
#include "interop/kort_vocabulary.h"

namespace qm {
namespace {

// Every entry Zenkcraft writes, our code beside it. Where two of our codes
// mean one bonus (20 and 179, 21 and 180) the first row is the one read.
constexpr ZenkcraftBonusWords kBonusWords[] = {
    {"Stat", "Strength", 1},
    {"Stat", "Constitution", 2},
    {"Stat", "Dexterity", 3},
    {"Stat", "Quickness", 4},
    {"Stat", "Piety", 5},
    {"Stat", "Intelligence", 6},
    {"Stat", "Empathy", 7},
    {"Stat", "Charisma", 8},
    {"Stat", "Acuity", 142},
    {"Power", "Power", 9},
    {"H.P.", "Hit Points", 10},
    {"Resist", "Crush", 11},
    {"Resist", "Slash", 12},
    {"Resist", "Thrust", 13},
    {"Resist", "Heat", 14},
    {"Resist", "Cold", 15},
    {"Resist", "Energy", 16},
    {"Resist", "Matter", 17},
    {"Resist", "Body", 18},
    {"Resist", "Spirit", 19},
    {"Resist", "Essence", 198},
    {"Skill", "All Melee Weapon Skills", 20},
    {"Skill", "All Melee Weapon Skills", 179},
    {"Skill", "All Magic Skills", 21},
    {"Skill", "All Magic Skills", 180},
    {"Skill", "All Dual Wield Skills", 181},
    {"Skill", "All Archery Skills", 182},
    {"Focus", "All Focuses", 22},
    {"Skill", "Shield", 23},
    {"Skill", "Parry", 24},
    {"Skill", "Stealth", 25},
    {"Skill", "Envenom", 26},
    {"Skill", "Critical Strike", 27},
    // Albion
    {"Skill", "Slash", 28},
    {"Skill", "Crush", 29},
    {"Skill", "Thrust", 30},
    {"Skill", "Two Handed", 31},
    {"Skill", "Polearm", 32},
    {"Skill", "Staff", 33},
    {"Skill", "Dual Wield", 34},
    {"Skill", "Longbow", 35},
    {"Skill", "Crossbow", 36},
    {"Skill", "Flexible", 37},
    {"Skill", "Body Magic", 38},
    {"Skill", "Death Servant", 39},
    {"Skill", "Deathsight", 40},
    {"Skill", "Earth Magic", 41},
    {"Skill", "Enhancements", 42},
    {"Skill", "Fire Magic", 43},
    {"Skill", "Rejuvenation", 44},
    {"Skill", "Cold Magic", 45},
    {"Skill", "Instruments", 46},
    {"Skill", "Matter Magic", 47},
    {"Skill", "Mind Magic", 48},
    {"Skill", "Painworking", 49},
    {"Skill", "Smiting", 50},
    {"Skill", "Soulrending", 51},
    {"Skill", "Spirit Magic", 52},
    {"Skill", "Wind Magic", 53},
    {"Focus", "Body Magic", 54},
    {"Focus", "Cold Magic", 55},
    {"Focus", "Death Servant", 56},
    {"Focus", "Deathsight", 57},
    {"Focus", "Earth Magic", 58},
    {"Focus", "Fire Magic", 59},
    {"Focus", "Matter Magic", 60},
    {"Focus", "Mind Magic", 61},
    {"Focus", "Painworking", 62},
    {"Focus", "Spirit Magic", 63},
    {"Focus", "Wind Magic", 64},
    // Hibernia
    {"Skill", "Blades", 65},
    {"Skill", "Blunt", 66},
    {"Skill", "Piercing", 67},
    {"Skill", "Scythe", 68},
    {"Skill", "Celtic Dual", 69},
    {"Skill", "Celtic Spear", 70},
    {"Skill", "Large Weapons", 71},
    {"Skill", "Recurve Bow", 72},
    {"Skill", "Arboreal Path", 73},
    {"Skill", "Creeping Path", 74},
    {"Skill", "Dementia", 75},
    {"Skill", "Enchantments", 76},
    {"Skill", "Ethereal Shriek", 77},
    {"Skill", "Light", 78},
    {"Skill", "Mana", 79},
    {"Skill", "Mentalism", 80},
    {"Skill", "Music", 81},
    {"Skill", "Nature", 82},
    {"Skill", "Nurture", 83},
    {"Skill", "Phantasmal Wail", 84},
    {"Skill", "Regrowth", 85},
    {"Skill", "Shadow Mastery", 86},
    {"Skill", "Spectral Guard", 87},
    {"Skill", "Vampiiric Embrace", 88},
    {"Skill", "Valor", 89},
    {"Skill", "Verdant Path", 90},
    {"Skill", "Void", 91},
    {"Focus", "Arboreal Path", 92},
    {"Focus", "Creeping Path", 93},
    {"Focus", "Enchantments", 94},
    {"Focus", "Ethereal Shriek", 95},
    {"Focus", "Light", 96},
    {"Focus", "Mana", 97},
    {"Focus", "Mentalism", 98},
    {"Focus", "Phantasmal Wail", 99},
    {"Focus", "Spectral Guard", 100},
    {"Focus", "Verdant Path", 101},
    {"Focus", "Void", 102},
    // Midgard
    {"Skill", "Sword", 103},
    {"Skill", "Axe", 104},
    {"Skill", "Hammer", 105},
    {"Skill", "Left Axe", 106},
    {"Skill", "Spear", 107},
    {"Skill", "Hand to Hand", 108},
    {"Skill", "Composite Bow", 109},
    {"Skill", "Thrown Weapons", 110},
    {"Skill", "Augmentation", 111},
    {"Skill", "Battlesongs", 112},
    {"Skill", "Beastcraft", 113},
    {"Skill", "Bone Army", 114},
    {"Skill", "Cursing", 115},
    {"Skill", "Darkness", 116},
    {"Skill", "Hexing", 117},
    {"Skill", "Mending", 118},
    {"Skill", "Odin's Will", 119},
    {"Skill", "Runecarving", 120},
    {"Skill", "Stormcalling", 121},
    {"Skill", "Cave Magic", 122},
    {"Skill", "Summoning", 123},
    {"Skill", "Suppression", 124},
    {"Skill", "Witchcraft", 125},
    {"Focus", "Bone Army", 126},
    {"Focus", "Cursing", 127},
    {"Focus", "Darkness", 128},
    {"Focus", "Hexing", 129},
    {"Focus", "Runecarving", 130},
    {"Focus", "Summoning", 131},
    {"Focus", "Suppression", 132},
    {"Focus", "Witchcraft", 133},
    // The Mauler lines
    {"Skill", "Mauler Staff", 185},
    {"Skill", "Fist Wraps", 186},
    {"Skill", "Magnetism", 187},
    {"Skill", "Power Strikes", 188},
    {"Skill", "Aura Manipulation", 189},
    // Caps
    {"Stat Cap", "Strength", 134},
    {"Stat Cap", "Constitution", 135},
    {"Stat Cap", "Dexterity", 136},
    {"Stat Cap", "Quickness", 137},
    {"Stat Cap", "Piety", 138},
    {"Stat Cap", "Intelligence", 139},
    {"Stat Cap", "Empathy", 140},
    {"Stat Cap", "Charisma", 141},
    {"Stat Cap", "Acuity", 143},
    {"Power Cap", "Power", 144},
    {"H.P. Cap", "Hit Points", 146},
    // The Trials of Atlantis bonuses
    {"Bonus", "Power Pool", 145},
    {"Bonus", "Fatigue", 147},
    {"Bonus", "Armor Factor", 148},
    {"Bonus", "Melee Speed", 149},
    {"Bonus", "Melee Damage", 150},
    {"Bonus", "Style Damage", 151},
    {"Bonus", "Casting Speed", 152},
    {"Bonus", "Spell Damage", 153},
    {"Bonus", "Spell Range", 154},
    {"Bonus", "Resist Pierce", 155},
    {"Bonus", "Spell Duration", 156},
    {"Bonus", "Archery Speed", 157},
    {"Bonus", "Archery Range", 158},
    {"Bonus", "Archery Damage", 159},
    {"Bonus", "Healing Effectiveness", 160},
    {"Bonus", "Buff Effectiveness", 161},
    {"Bonus", "Arcane Siphon", 170},
    {"Bonus", "Debuff Effectiveness", 184},
};

// Other spellings of the same entries: the cap kinds' "Cap " prefix, and
// the words shared with Kort's files, which the KortBonusCode fallback reads.
constexpr std::string_view kCapPrefix = "Cap ";

struct SlotWord {
  std::string_view Word;
  int Slot;
};

// In the order Zenkcraft writes its items.
constexpr std::array<SlotWord, kSlotCount> kSlotWords = {{
    {"Helmet", kHead},
    {"Hands", kHands},
    {"Torso", kChest},
    {"Arms", kArms},
    {"Feet", kFeet},
    {"Legs", kLegs},
    {"Right Hand", kRightHand},
    {"Left Hand", kLeftHand},
    {"Two Handed", kTwoHand},
    {"Ranged", kRanged},
    {"Neck", kNeck},
    {"Cloak", kCloak},
    {"Jewelry", kJewel},
    {"Waist", kBelt},
    {"L. Ring", kRing1},
    {"R. Ring", kRing2},
    {"L. Wrist", kWrist1},
    {"R. Wrist", kWrist2},
    {"Mythical", kMyth},
}};

constexpr SlotWord kSlotAliases[] = {{"Necklace", kNeck}};

constexpr std::array<std::string_view, 3> kRealmWords = {"Albion", "Hibernia", "Midgard"};

struct NameWord {
  int Index;
  std::string_view Word;
};

// Where Zenkcraft spells a class differently from our class combo.
constexpr NameWord kClassSpellings[] = {{13, "Sorcerer"}};

struct RaceAlias {
  std::string_view Zenkcraft;
  std::string_view Ours;
};

constexpr RaceAlias kRaceAliases[] = {
    {"Half Ogre", "Half-Ogres"}, {"Half-Ogre", "Half-Ogres"}, {"Deifrang", "Minotaur"},
    {"Graoch", "Minotaur"},      {"Korazh", "Minotaur"},
};

struct SourceWord {
  std::string_view Word;
  int ItemType;
};

constexpr SourceWord kSourceWords[] = {
    {"Drop", 0},
    {"ROG", 3},
    {"Merchant", 4},
    {"Spellcraft", kItemTypePlayerCrafted},
};

struct WeaponWord {
  std::string_view Word;
  int Config;
};

constexpr WeaponWord kWeaponWords[] = {
    {"Right Hand", 0},
    {"Two Handed", 2},
    {"Ranged", 3},
};

// "(Alb) Cleric " -> "Cleric".
std::string_view BareClassName(std::string_view text) {
  const std::size_t open = text.find(") ");
  if (open != std::string_view::npos) text.remove_prefix(open + 2);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

int ZenkcraftBonusCode(std::string_view type, std::string_view attribute) {
  for (const ZenkcraftBonusWords& words : kBonusWords) {
    if (SameTextIgnoringCase(words.Type, type) && SameTextIgnoringCase(words.Attribute, attribute))
      return words.Code;
  }
  const bool capKind = ContainsIgnoringCase(type, "Cap");
  if (capKind && attribute.size() > kCapPrefix.size() &&
      SameTextIgnoringCase(attribute.substr(0, kCapPrefix.size()), kCapPrefix))
    return ZenkcraftBonusCode(type, attribute.substr(kCapPrefix.size()));
  return KortBonusCode(type, attribute);
}

std::optional<ZenkcraftBonusWords> ZenkcraftWordsOfCode(int code) {
  for (const ZenkcraftBonusWords& words : kBonusWords) {
    if (words.Code == code) return words;
  }
  return std::nullopt;
}

int ZenkcraftSlotOf(std::string_view position) {
  for (const SlotWord& word : kSlotWords) {
    if (SameTextIgnoringCase(word.Word, position)) return word.Slot;
  }
  for (const SlotWord& word : kSlotAliases) {
    if (SameTextIgnoringCase(word.Word, position)) return word.Slot;
  }
  return 0;
}

std::string_view ZenkcraftPositionOf(int slot) {
  for (const SlotWord& word : kSlotWords) {
    if (word.Slot == slot) return word.Word;
  }
  return {};
}

int ZenkcraftWriteOrder(int position) {
  if (position < 0 || position >= kSlotCount) return 0;
  return kSlotWords[static_cast<std::size_t>(position)].Slot;
}

int ZenkcraftRealmOf(std::string_view realm) {
  for (std::size_t r = 0; r < kRealmWords.size(); ++r) {
    if (SameTextIgnoringCase(kRealmWords[r], realm)) return static_cast<int>(r);
  }
  return -1;
}

std::string_view ZenkcraftRealmWord(int realm) {
  return realm >= 0 && realm < 3 ? kRealmWords[static_cast<std::size_t>(realm)]
                                 : std::string_view{};
}

int ZenkcraftClassOf(std::string_view className, int realm) {
  for (int c = 0; c < kClassTableSize; ++c) {
    if (RealmOfClass(c) == realm && SameTextIgnoringCase(ZenkcraftClassWord(c), className))
      return c;
  }
  for (int c = 0; c < kClassTableSize; ++c) {
    if (RealmOfClass(c) == realm && SameTextIgnoringCase(BareClassName(ClassOf(c).Text), className))
      return c;
  }
  return -1;
}

std::string_view ZenkcraftClassWord(int classIndex) {
  if (classIndex < 0 || classIndex >= kClassTableSize) return {};
  for (const NameWord& spelling : kClassSpellings) {
    if (spelling.Index == classIndex) return spelling.Word;
  }
  return BareClassName(ClassOf(classIndex).Text);
}

int ZenkcraftRaceOf(std::string_view race, int classIndex) {
  std::string_view ours = race;
  for (const RaceAlias& alias : kRaceAliases) {
    if (SameTextIgnoringCase(alias.Zenkcraft, race)) ours = alias.Ours;
  }
  const std::vector<std::string_view> races = RaceList(classIndex);
  for (std::size_t i = 1; i < races.size(); ++i) {
    if (SameTextIgnoringCase(races[i], ours)) return static_cast<int>(i);
  }
  return -1;
}

std::string_view ZenkcraftRaceWord(int classIndex, int raceIndex) {
  const std::vector<std::string_view> races = RaceList(classIndex);
  if (raceIndex <= 0 || raceIndex >= static_cast<int>(races.size())) return {};
  const std::string_view ours = races[static_cast<std::size_t>(raceIndex)];
  for (const RaceAlias& alias : kRaceAliases) {
    if (alias.Ours == ours) return alias.Zenkcraft;
  }
  return ours;
}

std::optional<int> ZenkcraftItemTypeOf(std::string_view sourceType) {
  for (const SourceWord& word : kSourceWords) {
    if (SameTextIgnoringCase(word.Word, sourceType)) return word.ItemType;
  }
  return std::nullopt;
}

std::optional<std::string_view> ZenkcraftSourceTypeOf(int itemType) {
  for (const SourceWord& word : kSourceWords) {
    if (word.ItemType == itemType) return word.Word;
  }
  return std::nullopt;
}

int ZenkcraftWeaponConfigOf(std::string_view weaponType) {
  for (const WeaponWord& word : kWeaponWords) {
    if (SameTextIgnoringCase(word.Word, weaponType)) return word.Config;
  }
  return -1;
}

std::string_view ZenkcraftWeaponWord(int config) {
  for (const WeaponWord& word : kWeaponWords) {
    if (word.Config == config) return word.Word;
  }
  return {};
}

}  // namespace qm
