#include "core/class_table.h"

#include <initializer_list>

namespace qm {
namespace {

constexpr int kAlb = 0;
constexpr int kHib = 1;
constexpr int kMid = 2;

// One table row. Flags are spelled as in the class sheet: "I" plays
// instruments, "B" uses a bow, "L" wields a left-hand weapon; "R" keeps a
// ranged weapon or instrument in the Ranged slot, "X" cannot use that slot.
constexpr ClassInfo Row(int realm, std::string_view text, std::uint16_t acuity, std::uint8_t armor,
                        std::uint16_t shield, std::string_view flags,
                        std::initializer_list<SkillRow> rows) {
  ClassInfo info;
  info.Text = text;
  info.Realm = realm;
  info.Acuity = acuity;
  info.MaxArmor = armor;
  info.Shield = shield;
  info.PlaysInstrument = flags.find('I') != std::string_view::npos;
  info.UsesBow = flags.find('B') != std::string_view::npos;
  info.LeftHandWeapon = flags.find('L') != std::string_view::npos;
  if (flags.find('R') != std::string_view::npos) info.Ranged = RangedSlotUse::kRangedWeapon;
  if (flags.find('X') != std::string_view::npos) info.Ranged = RangedSlotUse::kUnusable;
  std::size_t i = 0;
  for (const SkillRow& row : rows) info.Rows[i++] = row;
  return info;
}

constexpr auto kNone = kAcuityNone;
constexpr auto kPie = kAcuityPiety;
constexpr auto kInt = kAcuityIntelligence;
constexpr auto kEmp = kAcuityEmpathy;
constexpr auto kCha = kAcuityCharisma;

// Class texts keep the blanks the class combo shows ("(Alb) Cleric "); the
// vault and the templates only ever store the index.
constexpr std::array<ClassInfo, kClassTableSize> kClasses = {{
    Row(kAlb, "(Alb) Armsman", kNone, kPlate, kLargeShield, "R",
        {{23, "Shield"},
         {24, "Parry"},
         {31, "Two Hand"},
         {32, "Polearms"},
         {28, "Slash+"},
         {29, "Crush"},
         {30, "Thrust+"},
         {36, "Crossbows"}}),
    Row(kAlb, "(Alb) Cabalist", kInt, kCloth, kNoShield, "",
        {{38, "Body"}, {47, "Matter"}, {52, "Spirit"}}),
    Row(kAlb, "(Alb) Cleric ", kPie, kChain, kMediumShield, "X",
        {{44, "Rejuve"}, {42, "Enhance"}, {50, "Smite"}}),
    Row(kAlb, "(Alb) Friar ", kPie, kLeather, kSmallShield, "",
        {{33, "Staff"}, {24, "Parry"}, {44, "Rejuve"}, {42, "Enhance"}}),
    Row(kAlb, "(Alb) Heretic ", kPie, kCloth, kSmallShield, "X",
        {{44, "Rejuve"}, {42, "Enhance"}, {23, "Shield"}, {37, "Flexible"}, {29, "Crush"}}),
    Row(kAlb, "(Alb) Infiltrator", kNone, kLeather, kSmallShield, "LR",
        {{25, "Stealth"},
         {26, "Envenom"},
         {34, "Dual Wield"},
         {27, "Critical Strike"},
         {28, "Slash"},
         {30, "Thrust"}}),
    Row(kAlb, "(Alb) Mauler", kNone, kLeather, kNoShield, "L",
        {{185, "Mauler Staff"},
         {186, "Fist Wraps"},
         {187, "Magnetism"},
         {188, "Power Strike"},
         {189, "Auras"}}),
    Row(kAlb, "(Alb) Mercenary", kNone, kChain, kMediumShield, "LR",
        {{23, "Shield"},
         {24, "Parry"},
         {34, "Dual Wield"},
         {28, "Slash+"},
         {29, "Crush"},
         {30, "Thrust+"}}),
    Row(kAlb, "(Alb) Minstrel", kCha, kChain, kSmallShield, "IR",
        {{46, "Instrument+"}, {25, "Stealth"}, {28, "Slash"}, {30, "Thrust"}}),
    Row(kAlb, "(Alb) Necromancer", kInt, kCloth, kNoShield, "",
        {{40, "Deathsight"}, {49, "Painworking"}, {39, "Death Servant"}}),
    Row(kAlb, "(Alb) Paladin", kPie, kPlate, kLargeShield, "",
        {{23, "Shield"},
         {24, "Parry"},
         {31, "Two Hand"},
         {28, "Slash+"},
         {29, "Crush"},
         {30, "Thrust"},
         {kChantsRow, "Chants+"}}),
    Row(kAlb, "(Alb) Reaver ", kPie, kChain, kLargeShield, "X",
        {{23, "Shield"},
         {24, "Parry"},
         {37, "Flexible+"},
         {51, "Soulrending"},
         {28, "Slash+"},
         {29, "Crush"},
         {30, "Thrust"}}),
    Row(kAlb, "(Alb) Scout", kNone, kStudded, kSmallShield, "BR",
        {{25, "Stealth"}, {35, "Archery (L.Bow)+"}, {23, "Shield"}, {28, "Slash"}, {30, "Thrust"}}),
    Row(kAlb, "(Alb) Sorceror", kInt, kCloth, kNoShield, "",
        {{38, "Body"}, {47, "Matter"}, {48, "Mind"}}),
    Row(kAlb, "(Alb) Theurgist", kInt, kCloth, kNoShield, "",
        {{53, "Wind"}, {45, "Ice"}, {41, "Earth"}}),
    Row(kAlb, "(Alb) Wizard", kInt, kCloth, kNoShield, "",
        {{43, "Fire"}, {45, "Ice"}, {41, "Earth"}}),
    Row(kHib, "(Hib) Animist ", kInt, kCloth, kNoShield, "",
        {{73, "Arboreal"}, {74, "Creeping"}, {90, "Verdant"}}),
    Row(kHib, "(Hib) Bainshee ", kInt, kCloth, kNoShield, "",
        {{87, "Spectral Guard"}, {84, "Phantasmal Wail"}, {77, "Ethereal Shriek"}}),
    Row(kHib, "(Hib) Bard ", kCha, kStudded, kSmallShield, "IR",
        {{85, "Regrowth"}, {83, "Nurture"}, {81, "Music"}, {65, "Blades"}, {66, "Blunt"}}),
    Row(kHib, "(Hib) Blademaster ", kNone, kStudded, kMediumShield, "LR",
        {{23, "Shield"},
         {24, "Parry"},
         {69, "Celtic Duel"},
         {65, "Blades"},
         {66, "Blunt"},
         {67, "Pierce"}}),
    Row(kHib, "(Hib) Champion ", kInt, kChain, kLargeShield, "",
        {{89, "Valor"},
         {23, "Shield"},
         {24, "Parry"},
         {71, "Large Weapon"},
         {65, "Blades"},
         {66, "Blunt"},
         {67, "Pierce"}}),
    Row(kHib, "(Hib) Druid", kEmp, kChain, kSmallShield, "X",
        {{85, "Regrowth"}, {83, "Nurture"}, {82, "Nature"}}),
    Row(kHib, "(Hib) Eldritch ", kInt, kCloth, kNoShield, "",
        {{78, "Light"}, {79, "Mana"}, {91, "Void"}}),
    Row(kHib, "(Hib) Enchanter ", kInt, kCloth, kNoShield, "",
        {{78, "Light"}, {79, "Mana"}, {76, "Enchantments"}}),
    Row(kHib, "(Hib) Hero", kNone, kChain, kLargeShield, "R",
        {{23, "Shield"},
         {24, "Parry"},
         {71, "Large Weapon"},
         {70, "Celtic Spear"},
         {65, "Blades"},
         {66, "Blunt"},
         {67, "Pierce"}}),
    Row(kHib, "(Hib) Mauler ", kNone, kLeather, kNoShield, "L",
        {{185, "Mauler Staff"},
         {186, "Fist Wraps"},
         {187, "Magnetism"},
         {188, "Power Strike"},
         {189, "Auras"}}),
    Row(kHib, "(Hib) Mentalist ", kInt, kCloth, kNoShield, "",
        {{78, "Light"}, {79, "Moon"}, {80, "Mentalism"}}),
    Row(kHib, "(Hib) Nightshade ", kNone, kLeather, kSmallShield, "LX",
        {{25, "Stealth+"},
         {26, "Envenom"},
         {69, "Celtic Duel"},
         {27, "Critical Strike"},
         {65, "Blades"},
         {67, "Pierce"},
         {kEmptySkillRow, "Nightshade Magic"}}),
    Row(kHib, "(Hib) Ranger ", kNone, kStudded, kSmallShield, "BLR",
        {{25, "Stealth"},
         {72, "Archery (R.Bow)+"},
         {69, "Celtic Duel"},
         {65, "Blades"},
         {67, "Piercing"}}),
    Row(kHib, "(Hib) Valewalker ", kInt, kCloth, kNoShield, "",
        {{73, "Arboreal"}, {24, "Parry"}, {68, "Scythe"}}),
    Row(kHib, "(Hib) Vampiir ", kNone, kLeather, kNoShield, "X",
        {{67, "Piercing"}, {88, "Vampiir Embrace"}, {86, "Shadow Mastery"}, {75, "Dementia"}}),
    Row(kHib, "(Hib) Warden ", kEmp, kChain, kLargeShield, "R",
        {{85, "Regrowth"},
         {83, "Nurture"},
         {23, "Shield"},
         {24, "Parry"},
         {65, "Blades"},
         {66, "Blunt"}}),
    Row(kMid, "(Mid) Berserker ", kNone, kStudded, kSmallShield, "L",
        {{106, "Left Axe"}, {24, "Parry"}, {104, "Axe"}, {105, "Hammer"}, {103, "Sword"}}),
    Row(kMid, "(Mid) Bonedancer ", kPie, kCloth, kNoShield, "",
        {{116, "Darkness"}, {124, "Suppression"}, {114, "Bone Army"}}),
    Row(kMid, "(Mid) Healer ", kPie, kChain, kSmallShield, "",
        {{118, "Mending"}, {111, "Augmentation"}, {kPacificationRow, "Pacification"}}),
    Row(kMid, "(Mid) Hunter ", kNone, kStudded, kNoShield, "BR",
        {{25, "Stealth"},
         {109, "Archery (C.Bow)+"},
         {113, "Beastcraft"},
         {103, "Sword"},
         {107, "Spear"}}),
    Row(kMid, "(Mid) Mauler ", kNone, kLeather, kNoShield, "L",
        {{185, "Mauler Staff"},
         {186, "Fist Wraps"},
         {187, "Magnetism"},
         {188, "Power Strike"},
         {189, "Auras"}}),
    Row(kMid, "(Mid) Runemaster ", kPie, kCloth, kNoShield, "",
        {{116, "Darkness"}, {124, "Suppression"}, {120, "Runecarving"}}),
    Row(kMid, "(Mid) Savage ", kNone, kStudded, kNoShield, "L",
        {{24, "Parry"},
         {108, "Hand 2 Hand"},
         {103, "Sword"},
         {104, "Axe"},
         {105, "Hammer"},
         {kSavageryRow, "Savagery"}}),
    Row(kMid, "(Mid) Shadowblade", kNone, kLeather, kSmallShield, "L",
        {{25, "Stealth+"},
         {26, "Envenom"},
         {27, "Critical Strike"},
         {106, "Left Axe"},
         {104, "Axe"},
         {103, "Sword"}}),
    Row(kMid, "(Mid) Shaman ", kPie, kChain, kSmallShield, "",
        {{118, "Mending"}, {111, "Augmentation"}, {122, "Cave Magic"}}),
    Row(kMid, "(Mid) Skald ", kCha, kChain, kMediumShield, "",
        {{24, "Parry"}, {112, "Battlesongs"}, {104, "Axe"}, {105, "Hammer"}, {103, "Sword"}}),
    Row(kMid, "(Mid) Spiritmaster ", kPie, kCloth, kNoShield, "",
        {{116, "Darkness"}, {124, "Suppression"}, {123, "Summoning"}}),
    Row(kMid, "(Mid) Thane ", kPie, kChain, kLargeShield, "",
        {{121, "Stormcalling"},
         {24, "Parry"},
         {23, "Shield"},
         {105, "Hammer"},
         {104, "Axe"},
         {103, "Sword"}}),
    Row(kMid, "(Mid) Valkyrie ", kPie, kChain, kLargeShield, "",
        {{119, "Odin's Will"},
         {103, "Sword"},
         {107, "Spear"},
         {23, "Shield"},
         {24, "Parry"},
         {118, "Mending"}}),
    Row(kMid, "(Mid) Warlock ", kPie, kCloth, kNoShield, "",
        {{115, "Cursing"}, {117, "Hexing"}, {125, "Witchcraft"}}),
    Row(kMid, "(Mid) Warrior ", kNone, kChain, kLargeShield, "",
        {{24, "Parry"},
         {23, "Shield"},
         {110, "Thrown Weapon"},
         {104, "Axe+"},
         {105, "Hammer+"},
         {103, "Sword+"}}),
}};

// A class index read from a file is not validated; anything out of range
// meets this row instead of memory past the table.
// A class the table does not know cannot use the Ranged slot either.
constexpr ClassInfo kNoClass = [] {
  ClassInfo info;
  info.Ranged = RangedSlotUse::kUnusable;
  return info;
}();

constexpr std::array<std::string_view, 3> kRealmShortNames = {"Alb", "Hib", "Mid"};

}  // namespace

const ClassInfo& ClassOf(int classIndex) {
  if (classIndex < 0 || classIndex >= kClassTableSize) return kNoClass;
  return kClasses[classIndex];
}

int RealmOfClass(int classIndex) {
  return ClassOf(classIndex).Realm;
}

std::string_view RealmShortName(int realm) {
  if (realm < 0 || realm >= static_cast<int>(kRealmShortNames.size())) return {};
  return kRealmShortNames[realm];
}

}  // namespace qm
