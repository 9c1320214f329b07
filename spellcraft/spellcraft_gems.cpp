#include "spellcraft/spellcraft_gems.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace qm {
namespace {

// The gem bonus list. The trailing blanks of "All Casting ", "Slash " and
// "Crush " belong to the names.
constexpr std::array<std::string_view, kGemBonusCount> kGemBonusNames = {"<Empty>",
                                                                         "Strength",
                                                                         "Constitution",
                                                                         "Dexterity",
                                                                         "Quickness",
                                                                         "Piety",
                                                                         "Intelligence",
                                                                         "Empathy",
                                                                         "Charisma",
                                                                         "Power",
                                                                         "Hit Points",
                                                                         "Crush Resist",
                                                                         "Slash Resist",
                                                                         "Thrust Resist",
                                                                         "Heat Resist",
                                                                         "Cold Resist",
                                                                         "Energy Resist",
                                                                         "Matter Resist",
                                                                         "Body Resist",
                                                                         "Spirit Resist",
                                                                         "All Melee",
                                                                         "All Casting ",
                                                                         "Focus: All Lines",
                                                                         "Shield Skill",
                                                                         "Parry Skill",
                                                                         "Stealth",
                                                                         "Envenom",
                                                                         "Critical Strike",
                                                                         "Slash ",
                                                                         "Crush ",
                                                                         "Thrust",
                                                                         "Two Hand",
                                                                         "Polearm",
                                                                         "Staff",
                                                                         "Dual Wield",
                                                                         "Long Bow",
                                                                         "Crossbow",
                                                                         "Flexible",
                                                                         "Body",
                                                                         "Death Servant",
                                                                         "Deathsight",
                                                                         "Earth",
                                                                         "Enhancements",
                                                                         "Fire",
                                                                         "Rejuvenation",
                                                                         "Ice",
                                                                         "Instruments",
                                                                         "Matter",
                                                                         "Mind",
                                                                         "Painworking",
                                                                         "Smiting",
                                                                         "Soulrending",
                                                                         "Spirit Animation",
                                                                         "Wind",
                                                                         "Focus:Body",
                                                                         "Focus:Cold",
                                                                         "Focus:Death Servant",
                                                                         "Focus:Deathsight",
                                                                         "Focus:Earth",
                                                                         "Focus:Fire",
                                                                         "Focus:Matter",
                                                                         "Focus:Mind",
                                                                         "Focus:Painworking",
                                                                         "Focus:Spirit",
                                                                         "Focus:Wind",
                                                                         "Blades",
                                                                         "Blunt",
                                                                         "Piercing",
                                                                         "Scythe",
                                                                         "Celtic Duel",
                                                                         "Celtic Spear",
                                                                         "Large Weapons",
                                                                         "Recurve Bows",
                                                                         "Arboreal Path",
                                                                         "Creeping Path",
                                                                         "Dementia",
                                                                         "Enchantments",
                                                                         "Ethereal Shriek",
                                                                         "Light",
                                                                         "Mana",
                                                                         "Mentalism",
                                                                         "Music",
                                                                         "Nature",
                                                                         "Nurture",
                                                                         "Phantasmal Wail",
                                                                         "Regrowth",
                                                                         "Shadow Mastery",
                                                                         "Spectral Guard",
                                                                         "Vampiiric Embrace",
                                                                         "Valor",
                                                                         "Verdant Path",
                                                                         "Void",
                                                                         "Focus:Arboreal",
                                                                         "Focus:Creeping",
                                                                         "Focus:Enchantment",
                                                                         "Focus:Ethereal Shriek",
                                                                         "Focus:Light Magic",
                                                                         "Focus:Mana Magic",
                                                                         "Focus:Mentalism",
                                                                         "Focus:Phantasmal Wail",
                                                                         "Focus:Spectral Guard",
                                                                         "Focus:Verdant",
                                                                         "Focus:Void",
                                                                         "Swords",
                                                                         "Axe",
                                                                         "Hammer",
                                                                         "Left Axe",
                                                                         "Spear",
                                                                         "Hand to Hand",
                                                                         "Composite Bow",
                                                                         "Thrown Weapons",
                                                                         "Augmentation",
                                                                         "Battlesongs",
                                                                         "Beastcraft",
                                                                         "Bone Army",
                                                                         "Cursing",
                                                                         "Darkness",
                                                                         "Hexing",
                                                                         "Mending",
                                                                         "Odin's Will",
                                                                         "Runecarving",
                                                                         "Stormcalling",
                                                                         "Cave Magic",
                                                                         "Summoning",
                                                                         "Suppression",
                                                                         "Witchcraft",
                                                                         "Focus:Bone Army",
                                                                         "Focus:Cursing",
                                                                         "Focus:Darkness",
                                                                         "Focus:Hexing",
                                                                         "Focus:Runecarving",
                                                                         "Focus:Summoning",
                                                                         "Focus:Suppression",
                                                                         "Focus:Witchcraft",
                                                                         "Mauler Staff",
                                                                         "Fist Wraps",
                                                                         "Magnetism",
                                                                         "Power Strikes",
                                                                         "Aura Manipulation"};

// Indexes 134..138 stand for the Mauler skills, whose codes start at 185.
constexpr int kMaulerFirstIndex = 134;
constexpr int kMaulerCodeOffset = 51;

constexpr std::array<std::string_view, kGemArchetypeCount> kArchetypeNames = {
    "<Select>",         "0. Attributes",       "1. Resistances",    "2. Common Skills",
    "3. Albion Skills", "4. Hibernian Skills", "5. Midgard Skills", "6. Full Listing"};

// A run of consecutive gem indexes, [First, Last].
struct IndexRun {
  int First;
  int Last;
};

template <std::size_t N>
constexpr int RunsLength(const std::array<IndexRun, N>& runs) {
  int total = 0;
  for (const IndexRun& run : runs) total += run.Last - run.First + 1;
  return total;
}

template <int Length, std::size_t N>
constexpr std::array<unsigned char, Length> Expand(const std::array<IndexRun, N>& runs) {
  std::array<unsigned char, Length> out{};
  std::size_t at = 0;
  for (const IndexRun& run : runs)
    for (int i = run.First; i <= run.Last; ++i) out[at++] = static_cast<unsigned char>(i);
  return out;
}

constexpr std::array<IndexRun, 1> kAttributeRuns = {{{1, 10}}};
constexpr std::array<IndexRun, 1> kResistRuns = {{{11, 19}}};
constexpr std::array<IndexRun, 2> kCommonRuns = {{{20, 27}, {134, 138}}};
constexpr std::array<IndexRun, 1> kAlbionRuns = {{{28, 64}}};
constexpr std::array<IndexRun, 1> kHiberniaRuns = {{{65, 102}}};
constexpr std::array<IndexRun, 1> kMidgardRuns = {{{103, 133}}};
constexpr std::array<IndexRun, 1> kFullRuns = {{{1, 138}}};

constexpr auto kAttributeView = Expand<RunsLength(kAttributeRuns)>(kAttributeRuns);
constexpr auto kResistView = Expand<RunsLength(kResistRuns)>(kResistRuns);
constexpr auto kCommonView = Expand<RunsLength(kCommonRuns)>(kCommonRuns);
constexpr auto kAlbionView = Expand<RunsLength(kAlbionRuns)>(kAlbionRuns);
constexpr auto kHiberniaView = Expand<RunsLength(kHiberniaRuns)>(kHiberniaRuns);
constexpr auto kMidgardView = Expand<RunsLength(kMidgardRuns)>(kMidgardRuns);
constexpr auto kFullView = Expand<RunsLength(kFullRuns)>(kFullRuns);

// The bonus selector's list per archetype; "<Select>" offers none.
constexpr std::array<std::span<const unsigned char>, kGemArchetypeCount> kArchetypeViews = {
    std::span<const unsigned char>{},
    kAttributeView,
    kResistView,
    kCommonView,
    kAlbionView,
    kHiberniaView,
    kMidgardView,
    kFullView};

// Category of each gem index, as runs over the list.
struct CategoryRun {
  int First;
  int Last;
  GemCategory Category;
};

constexpr std::array<CategoryRun, 13> kCategoryRuns = {{
    {1, 8, GemCategory::kStat},
    {9, 9, GemCategory::kPower},
    {10, 10, GemCategory::kHitPoints},
    {11, 19, GemCategory::kResist},
    {20, 21, GemCategory::kAllSkill},
    {22, 22, GemCategory::kFocus},
    {23, 53, GemCategory::kSkill},
    {54, 64, GemCategory::kFocus},
    {65, 91, GemCategory::kSkill},
    {92, 102, GemCategory::kFocus},
    {103, 125, GemCategory::kSkill},
    {126, 133, GemCategory::kFocus},
    {134, 138, GemCategory::kSkill},
}};

constexpr std::array<int, 10> kStatLadder = {2, 5, 8, 11, 14, 17, 20, 23, 26, 29};
constexpr std::array<int, 10> kPowerResistLadder = {1, 2, 3, 5, 7, 9, 11, 13, 15, 17};
constexpr std::array<int, 10> kHitPointLadder = {4, 12, 20, 28, 36, 44, 52, 60, 68, 76};
constexpr std::array<int, 1> kAllSkillLadder = {1};
constexpr std::array<int, 10> kFocusLadder = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
constexpr std::array<int, 8> kSkillLadder = {1, 2, 3, 4, 5, 6, 7, 8};

// The stat divisor; extended precision keeps the truncated costs exact.
constexpr long double kStatCostDivisor = 1.725L;

}  // namespace

std::string_view GemBonusName(int index) {
  if (index < 0 || index >= kGemBonusCount) return {};
  return kGemBonusNames[static_cast<std::size_t>(index)];
}

int GemCodeOfIndex(int index) {
  if (index <= 0 || index >= kGemBonusCount) return 0;
  return index >= kMaulerFirstIndex ? index + kMaulerCodeOffset : index;
}

int GemIndexOfCode(int code) {
  if (code > 0 && code < kMaulerFirstIndex) return code;
  const int index = code - kMaulerCodeOffset;
  if (index >= kMaulerFirstIndex && index < kGemBonusCount) return index;
  return 0;
}

std::string_view GemArchetypeName(int archetype) {
  if (archetype < 0 || archetype >= kGemArchetypeCount) return {};
  return kArchetypeNames[static_cast<std::size_t>(archetype)];
}

std::span<const unsigned char> GemArchetypeView(int archetype) {
  if (archetype < 0 || archetype >= kGemArchetypeCount) return {};
  return kArchetypeViews[static_cast<std::size_t>(archetype)];
}

int GemArchetypeEntryCount(int archetype) {
  if (archetype < 0 || archetype >= kGemArchetypeCount) return 0;
  return 1 + static_cast<int>(GemArchetypeView(archetype).size());
}

std::string_view GemArchetypeEntryText(int archetype, int position) {
  if (position < 0 || position >= GemArchetypeEntryCount(archetype)) return {};
  if (archetype == kSelectArchetype) return kChooseArchetypeText;
  return GemBonusName(GemIndexOfArchetypeEntry(archetype, position));
}

int GemIndexOfArchetypeEntry(int archetype, int position) {
  const auto view = GemArchetypeView(archetype);
  if (position <= 0 || position > static_cast<int>(view.size())) return 0;
  return view[static_cast<std::size_t>(position - 1)];
}

int GemArchetypeEntryOf(int archetype, int index) {
  if (archetype < 0 || archetype >= kGemArchetypeCount) return -1;
  if (index == 0) return 0;
  const auto view = GemArchetypeView(archetype);
  for (std::size_t i = 0; i < view.size(); ++i)
    if (view[i] == index) return static_cast<int>(i) + 1;
  return -1;
}

GemCategory GemCategoryOf(int index) {
  for (const CategoryRun& run : kCategoryRuns)
    if (index >= run.First && index <= run.Last) return run.Category;
  return GemCategory::kEmpty;
}

std::span<const int> GemValueLadder(int index) {
  switch (GemCategoryOf(index)) {
    case GemCategory::kStat:
      return kStatLadder;
    case GemCategory::kPower:
    case GemCategory::kResist:
      return kPowerResistLadder;
    case GemCategory::kHitPoints:
      return kHitPointLadder;
    case GemCategory::kAllSkill:
      return kAllSkillLadder;
    case GemCategory::kFocus:
      return kFocusLadder;
    case GemCategory::kSkill:
      return kSkillLadder;
    case GemCategory::kEmpty:
      break;
  }
  return {};
}

double GemImbueCost(int index, int value) {
  const double v = value;
  switch (GemCategoryOf(index)) {
    case GemCategory::kStat:
      return static_cast<double>(std::trunc(static_cast<long double>(value) / kStatCostDivisor));
    case GemCategory::kPower:
    case GemCategory::kResist:
      return value <= 1 ? v : (v - 1) * 2;
    case GemCategory::kHitPoints:
      return v / 4;
    case GemCategory::kAllSkill:
    case GemCategory::kFocus:
      return 1;
    case GemCategory::kSkill:
      return value <= 1 ? v : (v - 1) * 5;
    case GemCategory::kEmpty:
      break;
  }
  return 0;
}

}  // namespace qm
