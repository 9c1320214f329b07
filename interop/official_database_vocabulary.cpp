#include "interop/official_database_vocabulary.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace qm {
namespace {

// One database id and our number for it.
struct IdRow {
  int Id;
  int Ours;
};

std::optional<int> Find(std::span<const IdRow> table, int id) {
  const auto it =
      std::find_if(table.begin(), table.end(), [id](const IdRow& row) { return row.Id == id; });
  if (it == table.end()) return std::nullopt;
  return it->Ours;
}

// Stat sub-types (0 strength .. 10 acuity) as stats and as their caps.
constexpr IdRow kStats[] = {
    {0, 1}, {1, 3}, {2, 2}, {3, 4}, {4, 6}, {5, 5}, {6, 7}, {7, 8}, {10, 142},
};
constexpr IdRow kStatCaps[] = {
    {0, 134}, {1, 136}, {2, 135}, {3, 137}, {4, 139}, {5, 138}, {6, 140}, {7, 141}, {10, 143},
};

// Skill sub-types. Skills we keep no code for (Illusions, Chants, Flute,
// Savagery, Pacification, Nightshade magic, the generic Bow) map to 0.
constexpr IdRow kSkills[] = {
    {1, 28},
    {2, 30},
    {4, 0},
    {8, 24},
    {14, 103},
    {16, 105},
    {17, 104},
    {18, 106},
    {19, 25},
    {26, 107},
    {29, 118},
    {30, 111},
    {33, 29},
    {34, 0},
    {37, 122},
    {38, 116},
    {39, 124},
    {42, 120},
    {43, 23},
    {44, 110},
    {46, 37},
    {47, 33},
    {48, 123},
    {50, 121},
    {62, 113},
    {64, 32},
    {65, 31},
    {66, 43},
    {67, 53},
    {68, 45},
    {69, 41},
    {70, 78},
    {71, 47},
    {72, 38},
    {73, 52},
    {74, 48},
    {75, 91},
    {76, 79},
    {77, 34},
    {78, 109},
    {79, 26},
    {82, 112},
    {83, 42},
    {84, 76},
    {85, 0},
    {88, 44},
    {89, 50},
    {90, 35},
    {91, 36},
    {95, 0},
    {97, 0},
    {98, 46},
    {101, 65},
    {102, 66},
    {103, 67},
    {104, 71},
    {105, 80},
    {106, 85},
    {107, 83},
    {108, 82},
    {109, 81},
    {110, 69},
    {112, 70},
    {113, 72},
    {114, 89},
    {117, 26},
    {118, 27},
    {119, 0},
    {120, 40},
    {121, 49},
    {122, 39},
    {123, 51},
    {124, 108},
    {125, 68},
    {126, 114},
    {127, 73},
    {128, 0},
    {129, 74},
    {130, 90},
    {133, 119},
    {134, 87},
    {135, 84},
    {136, 77},
    {137, 86},
    {138, 88},
    {139, 75},
    {140, 125},
    {141, 115},
    {142, 117},
    // the mauler's skills and the "all" groups
    {144, 188},
    {145, 187},
    {146, 189},
    {147, 186},
    {148, 185},
    {300, 20},
    {301, 181},
    {302, 182},
    {303, 21},
    {304, 22},
};

// Resist sub-types; the database repeats damage kinds under several ids.
constexpr IdRow kResists[] = {
    {1, 11},  {2, 12},   {3, 13},  {5, 0},   {10, 14}, {11, 19}, {12, 15},
    {13, 17}, {14, 14},  {15, 17}, {16, 18}, {17, 19}, {18, 19}, {19, 15},
    {20, 16}, {21, 198}, {22, 16}, {23, 15}, {25, 18}, {26, 18}, {27, 18},
};

// Focus sub-types; "all casting" and "all focus" both raise every focus line.
constexpr IdRow kFocus[] = {
    {37, 0},   {38, 128},  {39, 132},  {42, 130},  {48, 131},  {66, 59},   {67, 64},
    {68, 55},  {69, 58},   {70, 96},   {71, 60},   {72, 54},   {73, 63},   {74, 61},
    {75, 102}, {76, 97},   {84, 94},   {85, 0},    {105, 98},  {120, 57},  {121, 62},
    {122, 56}, {126, 126}, {127, 92},  {129, 93},  {130, 101}, {134, 100}, {135, 99},
    {136, 95}, {140, 133}, {141, 127}, {142, 129}, {303, 22},  {304, 22},
};

// Artifact bonuses of the Trials of Atlantis.
constexpr IdRow kArtifact[] = {
    {1, 170}, {2, 0}, {3, 0}, {4, 162}, {5, 165}, {6, 163}, {7, 164},
};

constexpr std::span<const IdRow> kNoSubTypes = {};

// One bonus type: either a single code for every id (no sub-types) or a
// table of sub-types. Mythical "and cap" types name their cap half too.
struct TypeRow {
  int Type;
  int Code;                     // for types without sub-types
  std::span<const IdRow> Subs;  // empty: the type has no sub-types
  bool HasCapHalf = false;
  std::span<const IdRow> CapSubs = {};  // the cap half's codes by sub-type
};

constexpr TypeRow kTypes[] = {
    {1, 0, kStats},
    {2, 0, kSkills},
    {4, 10, kNoSubTypes},
    {5, 0, kResists},
    {6, 0, kFocus},
    {8, 150, kNoSubTypes},   // melee damage
    {9, 153, kNoSubTypes},   // magic damage
    {10, 151, kNoSubTypes},  // style damage
    {11, 158, kNoSubTypes},  // archery range
    {12, 154, kNoSubTypes},  // spell range
    {13, 156, kNoSubTypes},  // spell duration
    {14, 161, kNoSubTypes},  // buff bonus
    {15, 184, kNoSubTypes},  // debuff bonus
    {16, 160, kNoSubTypes},  // healing bonus
    {17, 147, kNoSubTypes},  // fatigue
    {19, 149, kNoSubTypes},  // melee speed
    {20, 157, kNoSubTypes},  // archery speed
    {21, 152, kNoSubTypes},  // casting speed
    {22, 148, kNoSubTypes},  // armour factor
    {23, 0, kNoSubTypes},    // crafting minimum quality
    {24, 0, kNoSubTypes},    // crafting quality
    {25, 0, kNoSubTypes},    // crafting speed, by craft
    {26, 0, kNoSubTypes},    // crafting skill gain, by craft
    {27, 159, kNoSubTypes},  // archery damage
    {28, 0, kStatCaps},      // stat cap increase
    {29, 146, kNoSubTypes},  // hit points cap
    {30, 144, kNoSubTypes},  // power pool cap
    {31, 190, kNoSubTypes},  // fatigue cap
    {32, 155, kNoSubTypes},  // resist pierce
    {34, 145, kNoSubTypes},  // power pool
    {35, 0, kArtifact},
    {37, 173, kNoSubTypes},                // spell power cost reduction
    {38, 177, kNoSubTypes},                // concentration
    {40, 0, kNoSubTypes},                  // health regeneration
    {41, 0, kNoSubTypes},                  // power regeneration
    {42, 174, kNoSubTypes},                // piece ablative
    {44, 169, kNoSubTypes},                // death experience loss reduction
    {46, 176, kNoSubTypes},                // negative effect duration reduction
    {47, 172, kNoSubTypes},                // style cost reduction
    {48, 171, kNoSubTypes},                // to-hit bonus
    {49, 183, kNoSubTypes},                // defensive bonus
    {50, 175, kNoSubTypes},                // bladeturn reinforcement
    {51, 168, kNoSubTypes},                // parry
    {52, 167, kNoSubTypes},                // block
    {53, 166, kNoSubTypes},                // evade
    {54, 178, kNoSubTypes},                // reactionary style damage
    {55, 0, kNoSubTypes},                  // mythical encumbrance
    {57, 0, kResists, false},              // mythical resist cap: no code of ours
    {58, 0, kNoSubTypes},                  // mythical siege speed
    {60, 168, kNoSubTypes},                // mythical parry
    {61, 166, kNoSubTypes},                // mythical evade
    {62, 167, kNoSubTypes},                // mythical block
    {63, 165, kNoSubTypes},                // mythical coin
    {64, 0, kStatCaps},                    // mythical stat cap increase
    {66, 0, kNoSubTypes},                  // mythical crowd control duration
    {67, 198, kNoSubTypes},                // mythical essence resist
    {68, 0, kResists, true, kNoSubTypes},  // mythical resist and its cap
    {69, 0, kNoSubTypes},                  // mythical siege damage ablative
    {71, 0, kNoSubTypes},                  // mythical DPS
    {72, 163, kNoSubTypes},                // mythical realm points
    {73, 0, kNoSubTypes},                  // mythical spell focus
    {74, 0, kNoSubTypes},                  // mythical resurrection sickness
    {75, 0, kStats, true, kStatCaps},      // mythical stat and its cap
    {76, 0, kNoSubTypes},                  // mythical health regeneration
    {80, 0, kNoSubTypes},                  // mythical physical defence
};

// Database class ids; the three maulers are one class per realm for us too.
constexpr IdRow kClasses[] = {
    {1, 10},  {2, 0},   {3, 12},  {4, 8},   {5, 14},  {6, 2},   {7, 15},  {8, 13},
    {9, 5},   {10, 3},  {11, 7},  {12, 9},  {13, 1},  {19, 11}, {21, 43}, {22, 46},
    {23, 39}, {24, 41}, {25, 35}, {26, 34}, {27, 42}, {28, 40}, {29, 37}, {30, 33},
    {31, 32}, {32, 38}, {33, 4},  {34, 44}, {39, 17}, {40, 22}, {41, 23}, {42, 26},
    {43, 19}, {44, 24}, {45, 20}, {46, 31}, {47, 21}, {48, 18}, {49, 27}, {50, 28},
    {55, 16}, {56, 29}, {58, 30}, {59, 45}, {60, 6},  {61, 36}, {62, 25},
};

constexpr IdRow kRealms[] = {{0, 3}, {1, 0}, {2, 2}, {3, 1}};

// Slot ids of armour, jewellery and mythirians; weapons say where they are
// held through their skill and handedness instead.
constexpr IdRow kSlots[] = {
    {1, 8},    // helm: Head
    {2, 10},   // Hands
    {3, 12},   // Feet
    {4, 1},    // Jewel
    {5, 7},    // torso: Chest
    {6, 3},    // Cloak
    {7, 11},   // Legs
    {8, 9},    // Arms
    {9, 2},    // necklace: Neck
    {12, 4},   // Belt
    {13, 6},   // bracer: Wrist
    {15, 5},   // Ring
    {16, 5},   // Ring
    {17, 17},  // Mythirians
};

constexpr IdRow kAbsorptions[] = {{0, 1}, {10, 2}, {19, 3}, {27, 4}, {34, 5}};
constexpr IdRow kShieldSizes[] = {{1, 24}, {2, 25}, {3, 26}};

struct WeaponRow {
  int Skill;
  OfficialWeaponSkill Weapon;
};

// Weapon skills and the vault's weapon type texts. Midgard's two-handed
// swords, axes and hammers use their one-handed skill, so the two-handed
// text tells them apart.
constexpr WeaponRow kWeapons[] = {
    {1, {"Slash", "Two Handed", false}},
    {2, {"Thrust", "Two Handed", false}},
    {33, {"Crush", "Two Handed", false}},
    {4, {"Shortbow / Crossbow ", "Bow (Long, Recurve, and Composite Bows)", true}},
    {14, {"Sword", "Two Handed", false}},
    {16, {"Hammer", "Two Handed", false}},
    {17, {"Axe", "Two Handed", false}},
    {18, {"Axe", "", false}},
    {26, {"Midgard Spear", "", false}},
    {44, {"Throwing Weapons", "", true}},
    {46, {"Flexible", "", false}},
    {47, {"Normal Staff", "", false}},
    {64, {"Polearm", "", false}},
    {65, {"Two Handed", "", false}},
    {78, {"Bow (Long, Recurve, and Composite Bows)", "", true}},
    {90, {"Bow (Long, Recurve, and Composite Bows)", "", true}},
    {91, {"Shortbow / Crossbow ", "", true}},
    {101, {"Blades", "Large Weapon", false}},
    {102, {"Blunt", "Large Weapon", false}},
    {103, {"Piercing", "Large Weapon", false}},
    {104, {"Large Weapon", "", false}},
    {112, {"Celtic Spear", "", false}},
    {113, {"Bow (Long, Recurve, and Composite Bows)", "", true}},
    {124, {"Hand To Hand", "", false}},
    {125, {"Scythe", "", false}},
    {147, {"Fist Wraps", "", false}},
    {148, {"Mauler Staff", "", false}},
};

const TypeRow* TypeOf(int type) {
  const auto it = std::find_if(std::begin(kTypes), std::end(kTypes),
                               [type](const TypeRow& row) { return row.Type == type; });
  return it == std::end(kTypes) ? nullptr : &*it;
}

}  // namespace

OfficialBonusCodes OfficialBonusCodesOf(int type, int id) {
  OfficialBonusCodes codes;
  const TypeRow* row = TypeOf(type);
  if (row == nullptr) return codes;
  if (row->Subs.empty()) {
    codes.Known = true;
    codes.Code = row->Code;
  } else {
    const std::optional<int> code = Find(row->Subs, id);
    codes.Known = code.has_value();
    codes.Code = code.value_or(0);
  }
  codes.HasCapHalf = row->HasCapHalf;
  if (row->HasCapHalf) codes.CapCode = Find(row->CapSubs, id).value_or(0);
  return codes;
}

std::optional<int> ClassOfOfficialId(int classId) {
  return Find(kClasses, classId);
}

std::optional<int> RealmOfOfficialId(int realmId) {
  return Find(kRealms, realmId);
}

std::optional<int> SlotKindOfOfficialSlot(int slotId) {
  return Find(kSlots, slotId);
}

std::optional<int> ArmorOfOfficialAbsorption(int absorption) {
  return Find(kAbsorptions, absorption);
}

std::optional<int> SlotKindOfOfficialShieldSize(int size) {
  return Find(kShieldSizes, size);
}

std::optional<OfficialWeaponSkill> WeaponOfOfficialSkill(int skillId) {
  const auto it = std::find_if(std::begin(kWeapons), std::end(kWeapons),
                               [skillId](const WeaponRow& row) { return row.Skill == skillId; });
  if (it == std::end(kWeapons)) return std::nullopt;
  return it->Weapon;
}

bool IsWearableOfficialCategory(int category) {
  return category >= 1 && category <= 5;
}

}  // namespace qm
