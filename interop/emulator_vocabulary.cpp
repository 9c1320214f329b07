#include "interop/emulator_vocabulary.h"

#include <array>
#include <string>

namespace qm {
namespace {

struct PropertyRow {
  int Id;
  std::string_view Name;
  int Code;  // 0: no bonus of ours
};

// The server's property ids as items carry them in BonusNType.
constexpr PropertyRow kProperties[] = {
    {1, "Strength", 1},
    {2, "Dexterity", 3},
    {3, "Constitution", 2},
    {4, "Quickness", 4},
    {5, "Intelligence", 6},
    {6, "Piety", 5},
    {7, "Empathy", 7},
    {8, "Charisma", 8},
    {9, "Power", 9},
    {10, "Hit Points", 10},
    {11, "Body Resist", 18},
    {12, "Cold Resist", 15},
    {13, "Crush Resist", 11},
    {14, "Energy Resist", 16},
    {15, "Heat Resist", 14},
    {16, "Matter Resist", 17},
    {17, "Slash Resist", 12},
    {18, "Spirit Resist", 19},
    {19, "Thrust Resist", 13},
    {20, "Two Handed", 31},
    {21, "Body Magic", 38},
    {22, "Chants", 0},
    {23, "Critical Strike", 27},
    {24, "Crossbow", 36},
    {25, "Crushing", 29},
    {26, "Death Servant", 39},
    {27, "Deathsight", 40},
    {28, "Dual Wield", 34},
    {29, "Earth Magic", 41},
    {30, "Enhancement", 42},
    {31, "Envenom", 26},
    {32, "Fire Magic", 43},
    {33, "Flexible", 37},
    {34, "Cold Magic", 45},
    {35, "Instruments", 46},
    {36, "Longbow", 35},
    {37, "Matter Magic", 47},
    {38, "Mind Magic", 48},
    {39, "Painworking", 49},
    {40, "Parry", 24},
    {41, "Polearm", 32},
    {42, "Rejuvenation", 44},
    {43, "Shields", 23},
    {44, "Slashing", 28},
    {45, "Smiting", 50},
    {46, "Soulrending", 51},
    {47, "Spirit Magic", 52},
    {48, "Staff", 33},
    {49, "Stealth", 25},
    {50, "Thrusting", 30},
    {51, "Wind Magic", 53},
    {52, "Sword", 103},
    {53, "Hammer", 105},
    {54, "Axe", 104},
    {55, "Left Axe", 106},
    {56, "Spear", 107},
    {57, "Mending", 118},
    {58, "Augmentation", 111},
    {60, "Darkness", 116},
    {61, "Suppression", 124},
    {62, "Runecarving", 120},
    {63, "Stormcalling", 121},
    {64, "Beastcraft", 113},
    {65, "Light Magic", 78},
    {66, "Void Magic", 91},
    {67, "Mana Magic", 79},
    {68, "Composite Bow", 109},
    {69, "Battlesongs", 112},
    {70, "Enchantments", 76},
    {72, "Blades", 65},
    {73, "Blunt", 66},
    {74, "Piercing", 67},
    {75, "Large Weapons", 71},
    {76, "Mentalism", 80},
    {77, "Regrowth", 85},
    {78, "Nurture", 83},
    {79, "Nature", 82},
    {80, "Music", 81},
    {81, "Celtic Dual", 69},
    {82, "Celtic Spear", 70},
    {83, "Recurve Bow", 72},
    {84, "Valor", 89},
    {85, "Subterranean", 122},
    {86, "Bone Army", 114},
    {87, "Verdant Path", 90},
    {88, "Creeping Path", 74},
    {89, "Arboreal Path", 73},
    {90, "Scythe", 68},
    {91, "Thrown Weapons", 110},
    {92, "Hand to Hand", 108},
    {93, "Short Bow", 0},
    {94, "Pacification", 0},
    {95, "Savagery", 0},
    {96, "Nightshade Magic", 0},
    {97, "Pathfinding", 0},
    {98, "Summoning", 123},
    {99, "Dementia", 75},
    {100, "Shadow Mastery", 86},
    {101, "Vampiiric Embrace", 88},
    {102, "Ethereal Shriek", 77},
    {103, "Phantasmal Wail", 84},
    {104, "Spectral Force", 87},
    {105, "Odin's Will", 119},
    {106, "Cursing", 115},
    {107, "Hexing", 117},
    {108, "Witchcraft", 125},
    {109, "Mauler Staff", 185},
    {110, "Fist Wraps", 186},
    {111, "Power Strikes", 188},
    {112, "Magnetism", 187},
    {113, "Aura Manipulation", 189},
    {114, "Spectral Guard", 87},
    {115, "Archery", 182},
    {120, "Focus: Darkness", 128},
    {121, "Focus: Suppression", 132},
    {122, "Focus: Runecarving", 130},
    {123, "Focus: Spirit", 63},
    {124, "Focus: Fire", 59},
    {125, "Focus: Air", 64},
    {126, "Focus: Cold", 55},
    {127, "Focus: Earth", 58},
    {128, "Focus: Light", 96},
    {129, "Focus: Body", 54},
    {130, "Focus: Matter", 60},
    {132, "Focus: Mind", 61},
    {133, "Focus: Void", 102},
    {134, "Focus: Mana", 97},
    {135, "Focus: Enchantments", 94},
    {136, "Focus: Mentalism", 98},
    {137, "Focus: Summoning", 131},
    {138, "Focus: Bone Army", 126},
    {139, "Focus: Painworking", 62},
    {140, "Focus: Deathsight", 57},
    {141, "Focus: Death Servant", 56},
    {142, "Focus: Verdant", 101},
    {143, "Focus: Creeping Path", 93},
    {144, "Focus: Arboreal", 92},
    {145, "Maximum Speed", 0},
    {147, "Concentration", 177},
    {148, "Armor Factor", 148},
    {149, "Armor Absorption", 0},
    {150, "Health Regeneration", 0},
    {151, "Power Regeneration", 0},
    {152, "Endurance Regeneration", 0},
    {153, "Spell Range", 154},
    {154, "Archery Range", 158},
    {155, "Melee Speed", 149},
    {156, "Acuity", 142},
    {157, "Focus: Ethereal Shriek", 95},
    {158, "Focus: Phantasmal Wail", 99},
    {159, "Focus: Spectral Force", 100},
    {160, "Focus: Cursing", 127},
    {161, "Focus: Hexing", 129},
    {162, "Focus: Witchcraft", 133},
    {163, "All Magic Skills", 21},
    {164, "All Melee Skills", 20},
    {165, "All Focus Levels", 22},
    {167, "All Dual Wield Skills", 181},
    {168, "All Archery Skills", 182},
    {169, "Evade", 166},
    {170, "Block", 167},
    {171, "Parry Chance", 168},
    {172, "Fatigue Consumption", 0},
    {173, "Melee Damage", 150},
    {174, "Ranged Damage", 159},
    {175, "Fumble Chance", 0},
    {176, "Mesmerize Duration", 0},
    {177, "Stun Duration", 0},
    {178, "Snare Duration", 0},
    {179, "Bladeturn Reinforcement", 175},
    {180, "Defensive Bonus", 183},
    {182, "Negative Effect Reduction", 176},
    {183, "Piece Ablative", 174},
    {184, "Reactionary Style Damage", 178},
    {185, "Spell Power Cost", 173},
    {186, "Style Cost Reduction", 172},
    {187, "To-Hit Bonus", 171},
    {188, "Archery Speed", 157},
    {189, "Arrow Recovery", 0},
    {190, "Buff Effectiveness", 161},
    {191, "Casting Speed", 152},
    {192, "Death Experience Loss", 169},
    {193, "Debuff Effectiveness", 184},
    {194, "Fatigue", 147},
    {195, "Healing Effectiveness", 160},
    {196, "Power Pool", 145},
    {197, "Resist Pierce", 155},
    {198, "Spell Damage", 153},
    {199, "Spell Duration", 156},
    {200, "Style Damage", 151},
    {201, "Strength Cap", 134},
    {202, "Dexterity Cap", 136},
    {203, "Constitution Cap", 135},
    {204, "Quickness Cap", 137},
    {205, "Intelligence Cap", 139},
    {206, "Piety Cap", 138},
    {207, "Empathy Cap", 140},
    {208, "Charisma Cap", 141},
    {209, "Acuity Cap", 143},
    {210, "Hit Points Cap", 146},
    {211, "Power Pool Cap", 144},
    {212, "Weapon Skill", 0},
    {213, "All Skills", 0},
    {214, "Critical Melee Hit Chance", 0},
    {215, "Critical Archery Hit Chance", 0},
    {216, "Critical Spell Hit Chance", 0},
    {233, "Mythical Safe Fall", 0},
    {234, "Mythical Encumbrance", 0},
    {235, "Mythical Coin", 0},
    {247, "Bounty Points", 164},
    {248, "Experience Points", 162},
    {253, "Realm Points", 163},
    {254, "Arcane Siphon", 170},
};

constexpr int kPropertyIds = 320;

// Row of every property id, or -1: one look-up per bonus instead of a search.
constexpr std::array<short, kPropertyIds> kPropertyRowOfId = [] {
  std::array<short, kPropertyIds> rows{};
  rows.fill(-1);
  for (std::size_t i = 0; i < std::size(kProperties); ++i) {
    rows[static_cast<std::size_t>(kProperties[i].Id)] = static_cast<short>(i);
  }
  return rows;
}();

struct ObjectRow {
  int Id;
  EmulatorObjectKind Kind;
  int Armor;
  std::string_view WeaponType;
};

// Object types as the server numbers them; armour grades are positions in
// ArmorList(), weapon types texts of the weapon type list.
constexpr ObjectRow kObjects[] = {
    {2, EmulatorObjectKind::kWeapon, 0, "Crush"},
    {3, EmulatorObjectKind::kWeapon, 0, "Slash"},
    {4, EmulatorObjectKind::kWeapon, 0, "Thrust"},
    {5, EmulatorObjectKind::kWeapon, 0, "Shortbow / Crossbow "},
    {6, EmulatorObjectKind::kWeapon, 0, "Two Handed"},
    {7, EmulatorObjectKind::kWeapon, 0, "Polearm"},
    {8, EmulatorObjectKind::kWeapon, 0, "Normal Staff"},
    {9, EmulatorObjectKind::kWeapon, 0, "Bow (Long, Recurve, and Composite Bows)"},
    {10, EmulatorObjectKind::kWeapon, 0, "Shortbow / Crossbow "},
    {11, EmulatorObjectKind::kWeapon, 0, "Sword"},
    {12, EmulatorObjectKind::kWeapon, 0, "Hammer"},
    {13, EmulatorObjectKind::kWeapon, 0, "Axe"},
    {14, EmulatorObjectKind::kWeapon, 0, "Midgard Spear"},
    {15, EmulatorObjectKind::kWeapon, 0, "Bow (Long, Recurve, and Composite Bows)"},
    {16, EmulatorObjectKind::kWeapon, 0, "Throwing Weapons"},
    {17, EmulatorObjectKind::kWeapon, 0, "Axe"},
    {18, EmulatorObjectKind::kWeapon, 0, "Bow (Long, Recurve, and Composite Bows)"},
    {19, EmulatorObjectKind::kWeapon, 0, "Blades"},
    {20, EmulatorObjectKind::kWeapon, 0, "Blunt"},
    {21, EmulatorObjectKind::kWeapon, 0, "Piercing"},
    {22, EmulatorObjectKind::kWeapon, 0, "Large Weapon"},
    {23, EmulatorObjectKind::kWeapon, 0, "Celtic Spear"},
    {24, EmulatorObjectKind::kWeapon, 0, "Flexible"},
    {25, EmulatorObjectKind::kWeapon, 0, "Hand To Hand"},
    {26, EmulatorObjectKind::kWeapon, 0, "Scythe"},
    {27, EmulatorObjectKind::kWeapon, 0, "Fist Wraps"},
    {28, EmulatorObjectKind::kWeapon, 0, "Mauler Staff"},
    {31, EmulatorObjectKind::kArmor, 0, ""},
    {32, EmulatorObjectKind::kArmor, 1, ""},
    {33, EmulatorObjectKind::kArmor, 2, ""},
    {34, EmulatorObjectKind::kArmor, 3, ""},
    {35, EmulatorObjectKind::kArmor, 4, ""},
    {36, EmulatorObjectKind::kArmor, 5, ""},
    {37, EmulatorObjectKind::kArmor, 3, ""},
    {38, EmulatorObjectKind::kArmor, 4, ""},
    {41, EmulatorObjectKind::kJewellery, 0, ""},
    {42, EmulatorObjectKind::kShield, 0, ""},
    {45, EmulatorObjectKind::kInstrument, 0, "Instrument"},
};

struct SlotRow {
  int ItemType;
  EmulatorSlot Slot;
  int SlotKind;  // position in SlotKindList() for worn slots
};

constexpr SlotRow kSlots[] = {
    {10, EmulatorSlot::kRightHand, 13}, {11, EmulatorSlot::kLeftHand, 14},
    {12, EmulatorSlot::kTwoHand, 20},   {13, EmulatorSlot::kRanged, 21},
    {21, EmulatorSlot::kWorn, 8},   // helm
    {22, EmulatorSlot::kWorn, 10},  // hands
    {23, EmulatorSlot::kWorn, 12},  // feet
    {24, EmulatorSlot::kWorn, 1},   // jewel
    {25, EmulatorSlot::kWorn, 7},   // torso
    {26, EmulatorSlot::kWorn, 3},   // cloak
    {27, EmulatorSlot::kWorn, 11},  // legs
    {28, EmulatorSlot::kWorn, 9},   // arms
    {29, EmulatorSlot::kWorn, 2},   // neck
    {32, EmulatorSlot::kWorn, 4},   // waist
    {33, EmulatorSlot::kWorn, 6},   // left wrist
    {34, EmulatorSlot::kWorn, 6},   // right wrist
    {35, EmulatorSlot::kWorn, 5},   // left ring
    {36, EmulatorSlot::kWorn, 5},   // right ring
    {37, EmulatorSlot::kWorn, 22},  // mythirian
};

struct ClassRow {
  int Id;
  int Index;  // our class index
};

constexpr ClassRow kClasses[] = {
    {2, 0},   {13, 1},  {6, 2},   {10, 3},  {33, 4},  {9, 5},   {60, 6},  {11, 7},
    {4, 8},   {12, 9},  {1, 10},  {19, 11}, {3, 12},  {8, 13},  {5, 14},  {7, 15},
    {55, 16}, {39, 17}, {48, 18}, {43, 19}, {45, 20}, {47, 21}, {40, 22}, {41, 23},
    {44, 24}, {62, 25}, {42, 26}, {49, 27}, {50, 28}, {56, 29}, {58, 30}, {46, 31},
    {31, 32}, {30, 33}, {26, 34}, {25, 35}, {61, 36}, {29, 37}, {32, 38}, {23, 39},
    {28, 40}, {24, 41}, {27, 42}, {21, 43}, {34, 44}, {59, 45}, {22, 46},
};

// The server counts realms 1 Albion, 2 Midgard, 3 Hibernia; 0 is every realm.
constexpr std::array<int, 4> kRealms = {3, 0, 2, 1};

}  // namespace

EmulatorProperty EmulatorPropertyOf(int propertyId) {
  if (propertyId >= 0 && propertyId < kPropertyIds) {
    const short row = kPropertyRowOfId[static_cast<std::size_t>(propertyId)];
    if (row >= 0) {
      const PropertyRow& p = kProperties[row];
      return {std::string(p.Name), p.Code};
    }
  }
  return {"property " + std::to_string(propertyId), 0};
}

std::optional<EmulatorObject> EmulatorObjectOf(int objectType) {
  for (const ObjectRow& row : kObjects) {
    if (row.Id == objectType) return EmulatorObject{row.Kind, row.Armor, row.WeaponType};
  }
  return std::nullopt;
}

std::optional<EmulatorSlotPlace> EmulatorSlotOf(int itemType) {
  for (const SlotRow& row : kSlots) {
    if (row.ItemType == itemType) return EmulatorSlotPlace{row.Slot, row.SlotKind};
  }
  return std::nullopt;
}

int ClassOfEmulatorClass(int classId) {
  for (const ClassRow& row : kClasses) {
    if (row.Id == classId) return row.Index;
  }
  return -1;
}

int RealmOfEmulatorRealm(int realm) {
  return realm >= 0 && realm < static_cast<int>(kRealms.size())
             ? kRealms[static_cast<std::size_t>(realm)]
             : 3;
}

}  // namespace qm
