#include "core/bonus_catalogue.h"

#include <array>
#include <span>

#include "core/text.h"

namespace qm {
namespace {

// The master list, indexed by code. Some names carry a trailing blank
// ("Crush Skill ", "Style Damage Vs. "); loaders match names with blanks
// significant, so those blanks are part of the vocabulary.
constexpr std::array<std::string_view, kMaxBonusCode + 1> kBonusNames = {
    "<Empty>",
    // 1..10 stats
    "Strength", "Constitution", "Dexterity", "Quickness", "Piety", "Intelligence", "Empathy",
    "Charisma", "Power Points", "Hit Points",
    // 11..19 resists
    "Crush Resist", "Slash Resist", "Thrust Resist", "Heat Resist", "Cold Resist", "Energy Resist",
    "Matter Resist", "Body Resist", "Spirit Resist",
    // 20..27 common skills
    "All Melee Skills", "All Casting Skills", "Focus: All Lines", "Shield Skill", "Parry Skill",
    "Stealth Skill", "Envenom Skill", "Critical Strike Skill",
    // 28..64 Albion
    "Slash Skill", "Crush Skill ", "Thrust Skill", "Two Hand Skill", "Polearm Skill", "Staff Skill",
    "Dual Wield Skill", "Longbow Skill", "Crossbow Skill", "Flexible Skill", "Body Magic",
    "Death Servant", "Deathsight", "Earth Magic", "Enhancements", "Fire Magic", "Rejuvenation",
    "Ice Magic", "Instruments", "Matter Magic", "Mind Magic", "Painworking", "Smiting",
    "Soulrending", "Spirit Animation", "Wind Magic", "Focus:Body", "Focus:Cold",
    "Focus:Death Servant", "Focus:Deathsight", "Focus:Earth", "Focus:Fire", "Focus:Matter",
    "Focus:Mind", "Focus:Painworking", "Focus:Spirit", "Focus:Wind",
    // 65..102 Hibernia
    "Blades Skill", "Blunt Skill", "Piercing Skill", "Scythe Skill", "Celtic Duel Skill",
    "Celtic Spear Skill", "Large Weapons Skill", "Recurve Bows Skill", "Arboreal Path",
    "Creeping Path", "Dementia", "Enchantments", "Ethereal Shriek", "Light Magic", "Mana Magic",
    "Mentalism", "Music", "Nature", "Nurture", "Phantasmal Wail", "Regrowth", "Shadow Mastery",
    "Spectral Guard", "Vampiiric Embrace", "Valor", "Verdant Path", "Void Magic", "Focus:Arboreal",
    "Focus:Creeping", "Focus:Enchantment", "Focus:Ethereal Shriek", "Focus:Light Magic",
    "Focus:Mana Magic", "Focus:Mentalism", "Focus:Phantasmal Wail", "Focus:Spectral Guard",
    "Focus:Verdant", "Focus:Void",
    // 103..133 Midgard
    "Sword Skill", "Axe Skill", "Hammer Skill", "Left Axe Skill", "Spear Skill",
    "Hand to Hand Skill", "Composite Bow Skill", "Thrown Weapons Skill", "Augmentation",
    "Battlesongs", "Beastcraft", "Bone Army", "Cursing Magic", "Darkness Magic", "Hexing Magic",
    "Mending", "Odin's Will", "Runecarving", "Stormcalling", "Cave Magic", "Summoning",
    "Suppression", "Witchcraft", "Focus:Bone Army", "Focus:Cursing", "Focus:Darkness",
    "Focus:Hexing", "Focus:Runecarving", "Focus:Summoning", "Focus:Suppression", "Focus:Witchcraft",
    // 134..146 caps and the acuity pair
    "Strength Cap", "Constitution Cap", "Dexterity Cap", "Quickness Cap", "Piety Cap",
    "Intelligence Cap", "Empathy Cap", "Charisma Cap", "Acuity", "Acuity Cap", "Power Cap",
    "Power Pool %", "Hit Points Cap",
    // 147..164 ToA
    "Fatigue", "Armor Factor", "Melee Speed", "Melee Damage", "Style Damage", "Spell Speed",
    "Spell Damage", "Spell Range", "Spell Pierce", "Spell Duration", "Archery Speed",
    "Archery Range", "Archery Damage", "Healing Bonus", "Buff Enhance", "Experience Bonus",
    "Realm Point Bonus", "Bounty Point Bonus",
    // 165..178 PvE, with 170 among them
    "Cash Drops Bonus (PvE)", "Evade Bonus (PvE)", "Blocking Bonus (PvE)", "Parry Bonus (PvE)",
    "Reduced XP Loss (PvE)", "Arcane Siphoning", "To Hit Bonus (PvE)", "Style Cost Reduce (PvE)",
    "Spell Cost Reduce (PvE)", "Ablative Bonus (PvE)", "Bladeturn Reinforce (PvE)",
    "Negative Effects (PvE)", "Concentrate Bonus (PvE)", "Reactionary Bonus (PvE)",
    // 179..190 later skills and odds
    "All Melee Skills", "All Casting Skills", "All Dual Wielding Skills", "All Archery Skills",
    "Defensive Bonus (PvE)", "Debuff Bonus", "Mauler Staff Skill", "Fist Wraps Skill", "Magnetism",
    "Power Strikes", "Aura Manipulation", "Fatigue Cap",
    // 191..198
    "Melee Speed Vs.", "Melee Damage Vs.", "Style Damage Vs. ", "Archery/Spell Speed Vs.",
    "Archery/Spell Damage Vs. ", "Archery/Spell Range Vs.", "Archery/Spell Pierce Vs.",
    "Essence Resist"};

// A short initialiser would leave empty names behind silently.
static_assert([] {
  for (std::string_view name : kBonusNames) {
    if (name.empty()) return false;
  }
  return true;
}());

constexpr std::array<std::string_view, kArchetypeCount> kArchetypeNames = {
    "<Select>",         "0. Attributes",       "1. Resistances",    "2. Common Skills",
    "3. Albion Skills", "4. Hibernian Skills", "5. Midgard Skills", "6. Cap Increases",
    "7. ToA Bonuses",   "8. PvE Bonuses",      "9. Full Listing"};

// The codes each archetype's list gives back, position 0 ("<Empty>") first.
// The three realm lists and the full listing are runs of consecutive codes.
constexpr std::array<std::uint8_t, 1> kSelectCodes = {0};
constexpr std::array<std::uint8_t, 13> kAttributeCodes = {0, 1, 2,   3, 4,  5,  6,
                                                          7, 8, 142, 9, 10, 145};
constexpr std::array<std::uint8_t, 11> kResistCodes = {0, 11, 12, 13, 14, 15, 17, 18, 19, 16, 198};
constexpr std::array<std::uint8_t, 16> kCommonSkillCodes = {0,  20, 21, 181, 182, 22,  23,  24,
                                                            25, 26, 27, 185, 186, 187, 188, 189};
constexpr std::array<std::uint8_t, 13> kCapCodes = {0,   134, 135, 136, 137, 138, 139,
                                                    140, 141, 143, 144, 146, 190};
constexpr std::array<std::uint8_t, 26> kToaCodes = {0,   145, 147, 148, 149, 150, 151, 152, 153,
                                                    154, 155, 156, 160, 161, 162, 163, 164, 170,
                                                    184, 191, 192, 193, 194, 195, 196, 197};
constexpr std::array<std::uint8_t, 15> kPveCodes = {0,   165, 166, 167, 168, 169, 171, 172,
                                                    173, 174, 175, 176, 177, 178, 183};

template <int First, int Last>
constexpr auto CodeRun() {
  std::array<std::uint8_t, Last - First + 2> codes{};
  for (int code = First; code <= Last; ++code) codes[code - First + 1] = code;
  return codes;
}
constexpr auto kAlbionCodes = CodeRun<28, 64>();
constexpr auto kHiberniaCodes = CodeRun<65, 102>();
constexpr auto kMidgardCodes = CodeRun<103, 133>();
constexpr auto kFullCodes = [] {
  std::array<std::uint8_t, kMaxBonusCode + 1> codes{};
  for (int code = 0; code <= kMaxBonusCode; ++code) codes[code] = code;
  return codes;
}();

constexpr std::array<std::span<const std::uint8_t>, kArchetypeCount> kArchetypeCodes = {
    kSelectCodes,  kAttributeCodes, kResistCodes, kCommonSkillCodes, kAlbionCodes, kHiberniaCodes,
    kMidgardCodes, kCapCodes,       kToaCodes,    kPveCodes,         kFullCodes,
};

// Archetype 1 shows its own wording rather than the catalogue names: the
// editors say "Acuity" and "Power Points (Not %)" to keep the flat power
// bonus apart from the ToA percentage.
constexpr std::array<std::string_view, 13> kAttributeTexts = {
    "<Empty>",   "Strength", "Constitution",         "Dexterity",
    "Quickness", "Piety",    "Intelligence",         "Empathy",
    "Charisma",  "Acuity",   "Power Points (Not %)", "Hit Points",
    "Power Pool"};
static_assert(kAttributeTexts.size() == kAttributeCodes.size());

// Codes that no list gives back but that items may still carry: the editors
// show them in the row of their twin. Saving the row from the combos then
// stores the twin's code, which the totals treat alike.
struct ShownAs {
  std::uint8_t Code;
  std::uint8_t Twin;
};
constexpr std::array<ShownAs, 5> kShownAsTwin = {{
    {157, 152},  // Archery Speed  -> Spell Speed
    {158, 154},  // Archery Range  -> Spell Range
    {159, 153},  // Archery Damage -> Spell Damage
    {179, 20},   // All Melee Skills (later code)
    {180, 21},   // All Casting Skills (later code)
}};

constexpr auto kPositionOfCode = [] {
  std::array<ArchetypePosition, kMaxBonusCode + 1> where{};
  // Archetypes 1..9 in order; a later list wins, so 145 (in both the
  // attributes and the ToA list) lands on its ToA row.
  for (int archetype = 1; archetype <= 9; ++archetype) {
    const auto codes = kArchetypeCodes[archetype];
    for (std::size_t position = 1; position < codes.size(); ++position) {
      where[codes[position]] = {archetype, static_cast<int>(position)};
    }
  }
  for (const ShownAs& alias : kShownAsTwin) where[alias.Code] = where[alias.Twin];
  return where;
}();

struct CodeRange {
  int First;
  int Last;
};

constexpr bool InRanges(std::span<const CodeRange> ranges, int code) {
  for (const CodeRange& r : ranges) {
    if (code >= r.First && code <= r.Last) return true;
  }
  return false;
}

// Crossbow (36) and Thrown Weapons (110) belong to no group on purpose:
// only bonuses of their own code raise them.
constexpr CodeRange kMeleeSkills[] = {{28, 33},   {37, 37},   {65, 68},  {70, 71},
                                      {103, 105}, {107, 108}, {185, 186}};
constexpr CodeRange kCastingSkills[] = {{38, 53}, {73, 91}, {111, 125}, {187, 189}};
constexpr CodeRange kDualWieldSkills[] = {{34, 34}, {69, 69}, {106, 106}};
constexpr CodeRange kArcherySkills[] = {{35, 35}, {72, 72}, {109, 109}};
constexpr CodeRange kFocusCodes[] = {{22, 22}, {54, 64}, {92, 102}, {126, 133}};

}  // namespace

std::string_view BonusName(int code) {
  if (code < 0 || code > kMaxBonusCode) return {};
  return kBonusNames[code];
}

std::string_view ArchetypeName(int archetype) {
  if (archetype < 0 || archetype >= kArchetypeCount) return {};
  return kArchetypeNames[archetype];
}

int ArchetypeListSize(int archetype) {
  if (archetype < 0 || archetype >= kArchetypeCount) return 0;
  return static_cast<int>(kArchetypeCodes[archetype].size());
}

std::string_view ArchetypeEntryText(int archetype, int position) {
  if (position < 0 || position >= ArchetypeListSize(archetype)) return {};
  if (archetype == 1) return kAttributeTexts[position];
  return kBonusNames[kArchetypeCodes[archetype][position]];
}

ArchetypePosition ArchetypeOfBonus(int code) {
  if (code < 0 || code > kMaxBonusCode) return {};
  return kPositionOfCode[code];
}

int BonusOfArchetype(int archetype, int position) {
  if (position < 0 || position >= ArchetypeListSize(archetype)) return 0;
  return kArchetypeCodes[archetype][position];
}

bool IsMeleeSkill(int code) {
  return InRanges(kMeleeSkills, code);
}
bool IsCastingSkill(int code) {
  return InRanges(kCastingSkills, code);
}
bool IsDualWieldSkill(int code) {
  return InRanges(kDualWieldSkills, code);
}
bool IsArcherySkill(int code) {
  return InRanges(kArcherySkills, code);
}
bool IsFocusBonus(int code) {
  return InRanges(kFocusCodes, code);
}

std::optional<int> BonusCodeOfName(std::string_view name) {
  for (int code = 0; code <= kMaxBonusCode; ++code) {
    if (SameTextIgnoringCase(kBonusNames[code], name)) return code;
  }
  return std::nullopt;
}

}  // namespace qm
