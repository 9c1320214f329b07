#include "interop/chat_log_vocabulary.h"

#include <algorithm>
#include <iterator>

#include "core/text.h"

namespace qm {
namespace {

struct WordRow {
  std::string_view Word;
  int Ours;
};

template <std::size_t N>
std::optional<int> Find(const WordRow (&table)[N], std::string_view word) {
  const auto it = std::find_if(std::begin(table), std::end(table), [word](const WordRow& row) {
    return SameTextIgnoringCase(row.Word, word);
  });
  if (it == std::end(table)) return std::nullopt;
  return it->Ours;
}

struct BonusRow {
  std::string_view Name;
  DelveUnit Unit;
  int Code;
};

constexpr auto kPts = DelveUnit::kPoints;
constexpr auto kPct = DelveUnit::kPercent;

// "- NAME: N unit" lines of the magical bonuses: stats, hits and power,
// resists, skills as each realm's trainers name them, and the PvE bonuses
// written as "NAME: N% (PvE Only)".
constexpr BonusRow kBonuses[] = {
    {"Strength", kPts, 1},
    {"Constitution", kPts, 2},
    {"Dexterity", kPts, 3},
    {"Quickness", kPts, 4},
    {"Piety", kPts, 5},
    {"Intelligence", kPts, 6},
    {"Empathy", kPts, 7},
    {"Charisma", kPts, 8},
    {"Acuity", kPts, 142},
    {"Power", kPts, 9},
    {"Power", DelveUnit::kPowerPool, 145},
    {"Hits", kPts, 10},
    {"Hit Points", kPts, 10},
    {"Fatigue", kPts, 147},
    {"Crush", kPct, 11},
    {"Slash", kPct, 12},
    {"Thrust", kPct, 13},
    {"Heat", kPct, 14},
    {"Cold", kPct, 15},
    {"Energy", kPct, 16},
    {"Matter", kPct, 17},
    {"Body", kPct, 18},
    {"Spirit", kPct, 19},
    {"Essence", kPct, 198},
    {"All Melee Weapon Skills", kPts, 20},
    {"All Magic Skills", kPts, 21},
    {"All Dual Wield Skills", kPts, 181},
    {"All Archery Skills", kPts, 182},
    {"Shield", kPts, 23},
    {"Parry", kPts, 24},
    {"Stealth", kPts, 25},
    {"Envenom", kPts, 26},
    {"Critical Strike", kPts, 27},
    {"Slash", kPts, 28},
    {"Crush", kPts, 29},
    {"Thrust", kPts, 30},
    {"Two Handed", kPts, 31},
    {"Polearm", kPts, 32},
    {"Staff", kPts, 33},
    {"Dual Wield", kPts, 34},
    {"Longbow", kPts, 35},
    {"Crossbow", kPts, 36},
    {"Flexible", kPts, 37},
    {"Body Magic", kPts, 38},
    {"Death Servant", kPts, 39},
    {"Deathsight", kPts, 40},
    {"Earth Magic", kPts, 41},
    {"Enhancement", kPts, 42},
    {"Enhancements", kPts, 42},
    {"Fire Magic", kPts, 43},
    {"Rejuvenation", kPts, 44},
    {"Cold Magic", kPts, 45},
    {"Instruments", kPts, 46},
    {"Matter Magic", kPts, 47},
    {"Mind Magic", kPts, 48},
    {"Painworking", kPts, 49},
    {"Smite", kPts, 50},
    {"Smiting", kPts, 50},
    {"Soulrending", kPts, 51},
    {"Spirit Magic", kPts, 52},
    {"Wind Magic", kPts, 53},
    {"Blades", kPts, 65},
    {"Blunt", kPts, 66},
    {"Piercing", kPts, 67},
    {"Scythe", kPts, 68},
    {"Celtic Dual", kPts, 69},
    {"Celtic Spear", kPts, 70},
    {"Large Weaponry", kPts, 71},
    {"Recurve Bow", kPts, 72},
    {"Arboreal Path", kPts, 73},
    {"Creeping Path", kPts, 74},
    {"Dementia", kPts, 75},
    {"Enchantments", kPts, 76},
    {"Ethereal Shriek", kPts, 77},
    {"Light", kPts, 78},
    {"Mana", kPts, 79},
    {"Mentalism", kPts, 80},
    {"Music", kPts, 81},
    {"Nature", kPts, 82},
    {"Nurture", kPts, 83},
    {"Phantasmal Wail", kPts, 84},
    {"Regrowth", kPts, 85},
    {"Shadow Mastery", kPts, 86},
    {"Spectral Guard", kPts, 87},
    {"Vampiiric Embrace", kPts, 88},
    {"Valor", kPts, 89},
    {"Verdant Path", kPts, 90},
    {"Void", kPts, 91},
    {"Sword", kPts, 103},
    {"Axe", kPts, 104},
    {"Hammer", kPts, 105},
    {"Left Axe", kPts, 106},
    {"Spear", kPts, 107},
    {"Hand to Hand", kPts, 108},
    {"Composite Bow", kPts, 109},
    {"Thrown Weapons", kPts, 110},
    {"Augmentation", kPts, 111},
    {"Battlesongs", kPts, 112},
    {"Beastcraft", kPts, 113},
    {"Bone Army", kPts, 114},
    {"Cursing", kPts, 115},
    {"Darkness", kPts, 116},
    {"Hexing", kPts, 117},
    {"Mending", kPts, 118},
    {"Odin's Will", kPts, 119},
    {"Runecarving", kPts, 120},
    {"Stormcalling", kPts, 121},
    {"Cave Magic", kPts, 122},
    {"Summoning", kPts, 123},
    {"Suppression", kPts, 124},
    {"Witchcraft", kPts, 125},
    {"Mauler Staff", kPts, 185},
    {"Fist Wraps", kPts, 186},
    {"Magnetism", kPts, 187},
    {"Power Strikes", kPts, 188},
    {"Aura Manipulation", kPts, 189},
    {"Defensive Bonus", kPct, 183},
    {"Bladeturn Reinforcement", kPct, 175},
    {"Negative Effect Duration Reduction", kPct, 176},
    {"Piece Ablative", kPct, 174},
    {"Reactionary Style Damage", kPct, 178},
    {"Spell Power Cost Reduction", kPct, 173},
    {"Style Cost Reduction", kPct, 172},
    {"To-Hit Bonus", kPct, 171},
    {"Evade", kPct, 166},
    {"Block", kPct, 167},
    {"Parry", kPct, 168},
    {"Arcane Siphon", kPct, 170},
    {"Realm Points", kPct, 163},
    {"Bounty Points", kPct, 164},
    {"Experience", kPct, 162},
};

// "Bonus to WHAT: N" lines: the Trials of Atlantis bonuses and the caps.
constexpr WordRow kBonusTo[] = {
    {"casting speed", 152},
    {"spell damage", 153},
    {"magic damage", 153},
    {"spell range", 154},
    {"resist pierce", 155},
    {"spell piercing", 155},
    {"spell duration", 156},
    {"archery speed", 157},
    {"archery range", 158},
    {"archery damage", 159},
    {"healing effectiveness", 160},
    {"heal bonus", 160},
    {"buff effectiveness", 161},
    {"stat buff effectiveness", 161},
    {"debuff effectiveness", 184},
    {"stat debuff effectiveness", 184},
    {"melee speed", 149},
    {"melee damage", 150},
    {"style damage", 151},
    {"armor factor (AF)", 148},
    {"armor factor", 148},
    {"fatigue", 147},
    {"power pool", 145},
    {"Strength attribute bonus cap", 134},
    {"Constitution attribute bonus cap", 135},
    {"Dexterity attribute bonus cap", 136},
    {"Quickness attribute bonus cap", 137},
    {"Piety attribute bonus cap", 138},
    {"Intelligence attribute bonus cap", 139},
    {"Empathy attribute bonus cap", 140},
    {"Charisma attribute bonus cap", 141},
    {"Acuity attribute bonus cap", 143},
    {"power pool bonus cap", 144},
    {"hit points bonus cap", 146},
    {"fatigue bonus cap", 190},
};

// Focus lines, by spell line; "All Spell Lines" raises every focus.
constexpr WordRow kFocus[] = {
    {"All Spell Lines", 22},
    {"Body Magic", 54},
    {"Body", 54},
    {"Cold Magic", 55},
    {"Cold", 55},
    {"Death Servant", 56},
    {"Deathsight", 57},
    {"Earth Magic", 58},
    {"Earth", 58},
    {"Fire Magic", 59},
    {"Fire", 59},
    {"Matter Magic", 60},
    {"Matter", 60},
    {"Mind Magic", 61},
    {"Mind", 61},
    {"Painworking", 62},
    {"Spirit Magic", 63},
    {"Spirit", 63},
    {"Wind Magic", 64},
    {"Wind", 64},
    {"Arboreal Path", 92},
    {"Creeping Path", 93},
    {"Enchantments", 94},
    {"Ethereal Shriek", 95},
    {"Light", 96},
    {"Mana", 97},
    {"Mentalism", 98},
    {"Phantasmal Wail", 99},
    {"Spectral Guard", 100},
    {"Verdant Path", 101},
    {"Void", 102},
    {"Bone Army", 126},
    {"Cursing", 127},
    {"Darkness", 128},
    {"Hexing", 129},
    {"Runecarving", 130},
    {"Summoning", 131},
    {"Suppression", 132},
    {"Witchcraft", 133},
};

constexpr WordRow kRealms[] = {{"Albion", 0}, {"Hibernia", 1}, {"Midgard", 2}, {"All", 3}};

// Class names as the server writes them under "Usable by:".
constexpr WordRow kClasses[] = {
    {"Armsman", 0},    {"Cabalist", 1},    {"Cleric", 2},        {"Friar", 3},
    {"Heretic", 4},    {"Infiltrator", 5}, {"MaulerAlb", 6},     {"Mercenary", 7},
    {"Minstrel", 8},   {"Necromancer", 9}, {"Paladin", 10},      {"Reaver", 11},
    {"Scout", 12},     {"Sorcerer", 13},   {"Theurgist", 14},    {"Wizard", 15},
    {"Animist", 16},   {"Bainshee", 17},   {"Bard", 18},         {"Blademaster", 19},
    {"Champion", 20},  {"Druid", 21},      {"Eldritch", 22},     {"Enchanter", 23},
    {"Hero", 24},      {"MaulerHib", 25},  {"Mentalist", 26},    {"Nightshade", 27},
    {"Ranger", 28},    {"Valewalker", 29}, {"Vampiir", 30},      {"Warden", 31},
    {"Berserker", 32}, {"Bonedancer", 33}, {"Healer", 34},       {"Hunter", 35},
    {"MaulerMid", 36}, {"Runemaster", 37}, {"Savage", 38},       {"Shadowblade", 39},
    {"Shaman", 40},    {"Skald", 41},      {"Spiritmaster", 42}, {"Thane", 43},
    {"Valkyrie", 44},  {"Warlock", 45},    {"Warrior", 46},
};

constexpr std::pair<int, int> kAbsorptions[] = {{0, 1}, {10, 2}, {19, 3}, {27, 4}, {34, 5}};

// Lines that say where an item goes; positions in SlotKindList(), with the
// weapon kinds the XML item import uses.
constexpr WordRow kTypeLines[] = {
    {"Right Hand", 13}, {"Left Hand", 14},    {"Two Handed", 20},    {"Two-Handed", 20},
    {"Ranged", 21},     {"Small Shield", 24}, {"Medium Shield", 25}, {"Large Shield", 26},
    {"Instrument", 23}, {"Mythirian", 17},
};

}  // namespace

std::optional<int> CodeOfDelveBonus(std::string_view name, DelveUnit unit) {
  const auto it = std::find_if(std::begin(kBonuses), std::end(kBonuses), [&](const BonusRow& row) {
    return row.Unit == unit && SameTextIgnoringCase(row.Name, name);
  });
  if (it == std::end(kBonuses)) return std::nullopt;
  return it->Code;
}

std::optional<int> CodeOfDelveBonusTo(std::string_view what) {
  return Find(kBonusTo, what);
}

std::optional<int> CodeOfDelveFocus(std::string_view line) {
  return Find(kFocus, line);
}

std::optional<int> RealmOfDelveWord(std::string_view word) {
  return Find(kRealms, word);
}

std::optional<int> ClassOfDelveWord(std::string_view word) {
  return Find(kClasses, word);
}

std::optional<int> ArmorOfDelveAbsorption(int absorption) {
  for (const auto& [percent, armor] : kAbsorptions) {
    if (percent == absorption) return armor;
  }
  return std::nullopt;
}

std::optional<int> SlotKindOfDelveTypeLine(std::string_view line) {
  return Find(kTypeLines, line);
}

}  // namespace qm
