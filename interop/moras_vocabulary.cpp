#include "interop/moras_vocabulary.h"

#include "core/text.h"

namespace qm {
namespace {

struct EffectRow {
  std::string_view Id;
  int Code;
};

constexpr EffectRow kEffects[] = {
    {"STRENGTH", 1},
    {"CONSTITUTION", 2},
    {"DEXTERITY", 3},
    {"QUICKNESS", 4},
    {"PIETY", 5},
    {"INTELLIGENCE", 6},
    {"EMPATHY", 7},
    {"CHARISMA", 8},
    {"POWER", 9},
    {"HITPOINTS", 10},
    {"ACUITY", 142},
    {"RES_CRUSH", 11},
    {"RES_SLASH", 12},
    {"RES_THRUST", 13},
    {"RES_HEAT", 14},
    {"RES_COLD", 15},
    {"RES_ENERGY", 16},
    {"RES_MATTER", 17},
    {"RES_BODY", 18},
    {"RES_SPIRIT", 19},
    {"ALL_MELEE_BONUS", 20},
    {"ALL_MAGIC_BONUS", 21},
    {"ALL_MAGIC_FOCUS", 22},
    {"ALL_DUAL_WIELD_BONUS", 181},
    {"ALL_ARCHERY_BONUS", 182},
    {"SHIELD", 23},
    {"PARRY", 24},
    {"STEALTH", 25},
    {"ENVENOM", 26},
    {"CRITICAL_STRIKE", 27},
    {"STAFF", 33},
    {"DUAL_WIELD", 34},
    {"CELTIC_DUAL", 69},
    {"SWORD", 103},
    {"AXE", 104},
    {"HAMMER", 105},
    {"HAND2HAND", 108},
    {"CAP_STRENGTH", 134},
    {"CAP_CONSTITUTION", 135},
    {"CAP_DEXTERITY", 136},
    {"CAP_QUICKNESS", 137},
    {"CAP_PIETY", 138},
    {"CAP_INTELLIGENCE", 139},
    {"CAP_EMPATHY", 140},
    {"CAP_CHARISMA", 141},
    {"CAP_ACUITY", 143},
    {"CAP_POWER", 144},
    {"CAP_HITPOINTS", 146},
    {"POWER_PERCENTAGE_BONUS", 145},
    {"FATIGUE", 147},
    {"AF_BONUS", 148},
    {"MELEE_SPEED_BONUS", 149},
    {"MELEE_DAMAGE_BONUS", 150},
    {"STYLE_DAMAGE_BONUS", 151},
    {"CASTING_SPEED_BONUS", 152},
    {"SPELL_DAMAGE_BONUS", 153},
    {"SPELL_RANGE_BONUS", 154},
    {"RESIST_PIERCE", 155},
    {"SPELL_DURATION_BONUS", 156},
    {"HEALING_BONUS", 160},
    {"BUFF_BONUS", 161},
    {"BUFF_EFFECTIVENESS", 161},
    {"ARCANE_SIPHON", 170},
    {"DEBUFF_BONUS", 184},
    {"REDUCE_MAGIC_RESISTS", 184},
};

struct PositionRow {
  std::string_view Position;
  int SlotKind;
};

constexpr PositionRow kPositions[] = {
    {"JEWEL", 1},     {"NECKLACE", 2}, {"CLOAK", 3},      {"BELT", 4},    {"RINGS", 5},
    {"BRACELETS", 6}, {"CHEST", 7},    {"HELMETS", 8},    {"BRACERS", 9}, {"GLOVES", 10},
    {"LEGS", 11},     {"SHOES", 12},   {"MYTHIRIAN", 22},
};

struct WeaponRow {
  std::string_view Word;
  int SlotKind;
  std::string_view WeaponType;
};

constexpr int kRightHand = 13;
constexpr int kLeftHand = 14;
constexpr int kTwoHanded = 20;
constexpr int kRanged = 21;
constexpr std::string_view kBows = "Bow (Long, Recurve, and Composite Bows)";
constexpr std::string_view kShortBows = "Shortbow / Crossbow ";

constexpr WeaponRow kWeapons[] = {
    {"SLASH", kRightHand, "Slash"},
    {"SLASH_LEFT", kLeftHand, "Slash"},
    {"CRUSH", kRightHand, "Crush"},
    {"CRUSH_LEFT", kLeftHand, "Crush"},
    {"THRUST", kRightHand, "Thrust"},
    {"THRUST_LEFT", kLeftHand, "Thrust"},
    {"FLEXIBLE", kRightHand, "Flexible"},
    {"BLADES", kRightHand, "Blades"},
    {"BLUNT", kRightHand, "Blunt"},
    {"PIERCE", kRightHand, "Piercing"},
    {"SWORD", kRightHand, "Sword"},
    {"AXE", kRightHand, "Axe"},
    {"HAMMER", kRightHand, "Hammer"},
    {"CLAWS", kRightHand, "Hand To Hand"},
    {"TWO_HAND", kTwoHanded, "Two Handed"},
    {"POLEARM", kTwoHanded, "Polearm"},
    {"STAFF", kTwoHanded, "Normal Staff"},
    {"LARGE_WEAPON", kTwoHanded, "Large Weapon"},
    {"LARGE_WEAPONRY", kTwoHanded, "Large Weapon"},
    {"SCYTHE", kTwoHanded, "Scythe"},
    {"SWORD_2H", kTwoHanded, "Sword"},
    {"AXE_2H", kTwoHanded, "Axe"},
    {"HAMMER_2H", kTwoHanded, "Hammer"},
    {"LONGBOW", kRanged, kBows},
    {"CROSSBOW", kRanged, kShortBows},
    {"SHORTBOW", kRanged, kShortBows},
    {"SHIELD_SMALL", 24, ""},
    {"SHIELD_MEDIUM", 25, ""},
    {"SHIELD_LARGE", 26, ""},
};

struct ArmorRow {
  std::string_view Word;
  int Armor;
};

constexpr ArmorRow kArmors[] = {
    {"CLOTH", 1}, {"LEATHER", 2}, {"STUDDED", 3}, {"REINFORCED", 3},
    {"CHAIN", 4}, {"SCALE", 4},   {"PLATE", 5},
};

}  // namespace

int MorasEffectCode(std::string_view effectId) {
  for (const EffectRow& row : kEffects) {
    if (SameTextIgnoringCase(row.Id, effectId)) return row.Code;
  }
  return 0;
}

MorasPlace MorasPlaceOf(std::string_view position, std::string_view weapon) {
  for (const PositionRow& row : kPositions) {
    if (SameTextIgnoringCase(row.Position, position)) return {row.SlotKind, {}};
  }
  for (const WeaponRow& row : kWeapons) {
    if (SameTextIgnoringCase(row.Word, weapon)) return {row.SlotKind, row.WeaponType};
  }
  return {};
}

int MorasArmor(std::string_view armor) {
  for (const ArmorRow& row : kArmors) {
    if (SameTextIgnoringCase(row.Word, armor)) return row.Armor;
  }
  return 0;
}

}  // namespace qm
