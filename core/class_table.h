#pragma once
// The class table: realm, acuity stat, armour, shield and the eight skill rows
// of each of the 47 classes. Any index above 46 is "no class": realm 3, no
// acuity, no skill rows, so no lookup ever reads outside the table.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace qm {

inline constexpr int kNoRealm = 3;
inline constexpr std::uint8_t kEmptySkillRow = 255;
// Display-only rows that no bonus reaches.
inline constexpr std::uint8_t kChantsRow = 250;
inline constexpr std::uint8_t kSavageryRow = 251;
inline constexpr std::uint8_t kPacificationRow = 252;

enum AcuityKind : std::uint16_t {
  kAcuityNone = 0,
  kAcuityPiety,
  kAcuityIntelligence,
  kAcuityEmpathy,
  kAcuityCharisma
};
enum ArmorGrade : std::uint8_t { kCloth = 0, kLeather, kStudded, kChain, kPlate };
enum ShieldSize : std::uint16_t {
  kNoShield = 0,
  kSmallShield = 15,
  kMediumShield = 16,
  kLargeShield = 17
};

// What a class keeps in the Ranged slot: a two-handed weapon, a ranged weapon
// or instrument, or nothing at all (the slot refuses to open).
enum class RangedSlotUse : std::uint8_t { kTwoHanded, kRangedWeapon, kUnusable };

struct SkillRow {
  std::uint8_t Code = kEmptySkillRow;
  std::string_view Label;
};

struct ClassInfo {
  std::string_view Text;  // the class combo's text, blanks included
  int Realm = kNoRealm;
  std::uint16_t Acuity = kAcuityNone;
  std::uint8_t MaxArmor = kCloth;
  std::uint16_t Shield = kNoShield;
  bool PlaysInstrument = false;
  bool UsesBow = false;
  bool LeftHandWeapon = false;
  RangedSlotUse Ranged = RangedSlotUse::kTwoHanded;
  std::array<SkillRow, 8> Rows{};
};

inline constexpr int kClassTableSize = 47;

// The row of a class; the "no class" row for any index outside 0..46.
const ClassInfo& ClassOf(int classIndex);
// Realm of a class index: 0..2, or 3 above 46.
int RealmOfClass(int classIndex);
// "Alb", "Hib", "Mid"; empty for 3.
std::string_view RealmShortName(int realm);

}  // namespace qm
