#include "spellcraft/gem_names.h"

#include <cstddef>

namespace qm {
namespace {

constexpr std::array<std::string_view, kGemQualityCount> kQualityWords = {
    "Raw ",      "Uncut ",   "Rough ",    "Flawed ",   "Imperfect ",
    "Polished ", "Faceted ", "Precious ", "Flawless ", "Perfect "};

constexpr std::array<std::string_view, kGemQualityCount> kBaseGems = {
    "1 Lo", "1 Um", "1 On", "1 Ee", "1 Pal", "1 Mon", "1 Ros", "1 Zo", "1 Kath", "1 Ra"};

constexpr std::array<std::string_view, kGemDustCount> kDustTexts = {
    " Essence of Life",     " Ground Draconic Scales", " Ground Caer Stone",
    " Unseelie Dust",       " Ground Giant Bone",      " Ground Blessed Undead Bone",
    " Fairy Dust",          " Ground Vendo Bone",      " Bloodied Battlefield Dirt",
    " Ground Cave Crystal", " Other Worldly Dust",     " Soot from Niflheim"};

constexpr std::array<std::string_view, kGemLiquidCount> kLiquidTexts = {
    " Draconic Fire",
    " Treant Blood",
    " Swamp Fog",
    " Air Elemental Essence",
    " Heat From an Unearthly Pyre",
    " Frost From a Wasteland",
    " Leviathan Blood",
    " Undead Ash and Holy Water",
    " Mystic Energy",
    " Sun Light",
    " Giant Blood"};

// The all-skill and focus gems mix three liquids.
constexpr std::string_view kFocusMixText = " Draconic Fire, Mystic Energy & Treant Blood";
constexpr std::string_view kFixedMixText = "2 Draconic Fire, Mystic Energy & Treant Blood";
constexpr long long kFixedMixCount = 2;

// Dust per code, in the tally's own enumeration; two markers sit past its
// end: no dust, and the realm's dust of the two all-skill gems.
using Dust = GemDust;
constexpr Dust kNoDust = static_cast<Dust>(kGemDustCount);
constexpr Dust kRealmDust = static_cast<Dust>(kGemDustCount + 1);

// Dust count rules: A = 4 x tier + 1, B = 5 x tier + 1.
enum class Rule { kA, kB };

enum class Liquid : int {
  kDraconicFire,
  kTreantBlood,
  kSwampFog,
  kAirElementalEssence,
  kHeatFromAnUnearthlyPyre,
  kFrostFromAWasteland,
  kLeviathanBlood,
  kUndeadAshAndHolyWater,
  kMysticEnergy,
  kSunLight,
  kGiantBlood,
  kNone,
  kFocusMix,  // counted by tier like any liquid
  kFixedMix,  // a fixed two of each
};

// The table's own liquids are the tally's, plus the special cases.
static_assert(static_cast<int>(Liquid::kGiantBlood) == static_cast<int>(GemLiquid::kGiantBlood));
static_assert(static_cast<int>(Liquid::kNone) == kGemLiquidCount);

struct GemRow {
  std::string_view Kind;  // empty for no kind, and for the per-realm codes 20..22
  Dust DustKind;
  Rule DustRule;
  Liquid LiquidKind;
};

// Codes 0..133; every higher code has no kind, no dust and no liquid.
constexpr std::array<GemRow, 134> kGemRows = {{
    {{}, kNoDust, Rule::kA, Liquid::kNone},                                                   // 0
    {"fiery essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kDraconicFire},           // 1
    {"earthen essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kTreantBlood},          // 2
    {"vapor essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kSwampFog},               // 3
    {"airy essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kAirElementalEssence},     // 4
    {"watery essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kLeviathanBlood},        // 5
    {"dusty essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kUndeadAshAndHolyWater},  // 6
    {"heated essence jewel", Dust::kEssenceOfLife, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},                                                       // 7
    {"icy essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kFrostFromAWasteland},      // 8
    {"mystical essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kMysticEnergy},        // 9
    {"blood essence jewel", Dust::kEssenceOfLife, Rule::kA, Liquid::kGiantBlood},             // 10
    {"fiery shielding jewel", Dust::kGroundDraconicScales, Rule::kB, Liquid::kDraconicFire},  // 11
    {"watery shielding jewel", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kLeviathanBlood},  // 12
    {"airy shielding jewel", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kAirElementalEssence},  // 13
    {"heated shielding jewel", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kHeatFromAnUnearthlyPyre},  // 14
    {"icy shielding jewel", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kFrostFromAWasteland},                                                            // 15
    {"light shielding jewel", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSunLight},       // 16
    {"earthen shielding jewel", Dust::kGroundDraconicScales, Rule::kB, Liquid::kTreantBlood},  // 17
    {"dusty shielding jewel", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kUndeadAshAndHolyWater},                                                         // 18
    {"vapor shielding jewel", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},      // 19
    {{}, kRealmDust, Rule::kA, Liquid::kFixedMix},                                            // 20
    {{}, kRealmDust, Rule::kA, Liquid::kFixedMix},                                            // 21
    {{}, Dust::kGroundDraconicScales, Rule::kB, Liquid::kFocusMix},                           // 22
    {"fiery battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA, Liquid::kDraconicFire},  // 23
    {"vapor battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA, Liquid::kSwampFog},      // 24
    {"airy battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA,
     Liquid::kAirElementalEssence},  // 25
    {"dusty battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA,
     Liquid::kUndeadAshAndHolyWater},  // 26
    {"heated battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},                                                        // 27
    {"watery war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kLeviathanBlood},           // 28
    {"fiery war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kDraconicFire},              // 29
    {"dusty war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kUndeadAshAndHolyWater},     // 30
    {"heated war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kHeatFromAnUnearthlyPyre},  // 31
    {"earthen war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kTreantBlood},             // 32
    {"earthen battle jewel", Dust::kBloodiedBattlefieldDirt, Rule::kA, Liquid::kTreantBlood},  // 33
    {"icy war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kFrostFromAWasteland},         // 34
    {"airy war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kAirElementalEssence},        // 35
    {"vapor war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kSwampFog},                  // 36
    {"molten magma war sigil", Dust::kGroundCaerStone, Rule::kA, Liquid::kLeviathanBlood},     // 37
    {"heated evocation sigil", Dust::kGroundCaveCrystal, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},  // 38
    {"ashen fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA,
     Liquid::kUndeadAshAndHolyWater},                                                       // 39
    {"vacuous fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA, Liquid::kSwampFog},  // 40
    {"earthen evocation sigil", Dust::kGroundCaveCrystal, Rule::kA, Liquid::kTreantBlood},  // 41
    {"airy fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA,
     Liquid::kAirElementalEssence},                                                        // 42
    {"fiery evocation sigil", Dust::kGroundCaveCrystal, Rule::kA, Liquid::kDraconicFire},  // 43
    {"watery fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA,
     Liquid::kLeviathanBlood},  // 44
    {"icy evocation sigil", Dust::kGroundCaveCrystal, Rule::kA,
     Liquid::kFrostFromAWasteland},                                                       // 45
    {"vapor fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA, Liquid::kSwampFog},  // 46
    {"dusty evocation sigil", Dust::kGroundCaveCrystal, Rule::kA,
     Liquid::kUndeadAshAndHolyWater},                                                         // 47
    {"watery evocation sigil", Dust::kGroundCaveCrystal, Rule::kA, Liquid::kLeviathanBlood},  // 48
    {"salt encrusted fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA,
     Liquid::kMysticEnergy},                                                                  // 49
    {"fiery fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA, Liquid::kDraconicFire},  // 50
    {"steaming fervor sigil", Dust::kGroundBlessedUndeadBone, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},                                                // 51
    {"vapor evocation sigil", Dust::kGroundCaveCrystal, Rule::kA, Liquid::kSwampFog},  // 52
    {"airy evocation sigil", Dust::kGroundCaveCrystal, Rule::kA,
     Liquid::kAirElementalEssence},  // 53
    {"heated focus sigil", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kHeatFromAnUnearthlyPyre},                                                        // 54
    {"icy focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kFrostFromAWasteland},  // 55
    {"ashen focus sigil", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kUndeadAshAndHolyWater},                                                      // 56
    {"vacuous focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},     // 57
    {"earthen focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kTreantBlood},  // 58
    {"fiery focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kDraconicFire},   // 59
    {"dusty focus sigil", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kUndeadAshAndHolyWater},                                                        // 60
    {"watery focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kLeviathanBlood},  // 61
    {"salt encrusted focus sigil", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kMysticEnergy},                                                          // 62
    {"vapor focus sigil", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},  // 63
    {"airy focus sigil", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kAirElementalEssence},                                                            // 64
    {"watery war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kLeviathanBlood},        // 65
    {"fiery war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kDraconicFire},           // 66
    {"dusty war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kUndeadAshAndHolyWater},  // 67
    {"light war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kSunLight},               // 68
    {"icy war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kFrostFromAWasteland},      // 69
    {"earthen war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kTreantBlood},          // 70
    {"heated war spell stone", Dust::kUnseelieDust, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},                                                        // 71
    {"airy war spell stone", Dust::kUnseelieDust, Rule::kA, Liquid::kAirElementalEssence},     // 72
    {"steaming nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kSwampFog},            // 73
    {"oozing nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kTreantBlood},           // 74
    {"aberrant arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA, Liquid::kTreantBlood},  // 75
    {"vapor arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA, Liquid::kSwampFog},        // 76
    {"ethereal arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kLeviathanBlood},                                                               // 77
    {"fiery arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA, Liquid::kDraconicFire},  // 78
    {"watery arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kLeviathanBlood},                                                                // 79
    {"earthen arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA, Liquid::kTreantBlood},  // 80
    {"airy nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kAirElementalEssence},    // 81
    {"earthen nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kTreantBlood},         // 82
    {"fiery nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kDraconicFire},          // 83
    {"phantasmal arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kLeviathanBlood},                                                             // 84
    {"watery nature spell stone", Dust::kFairyDust, Rule::kA, Liquid::kLeviathanBlood},    // 85
    {"shadowy arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA, Liquid::kSwampFog},  // 86
    {"spectral arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kAirElementalEssence},  // 87
    {"embracing arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kFrostFromAWasteland},  // 88
    {"airy arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kAirElementalEssence},  // 89
    {"mineral encrusted nature spell stone", Dust::kFairyDust, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},  // 90
    {"icy arcane spell stone", Dust::kOtherWorldlyDust, Rule::kA,
     Liquid::kFrostFromAWasteland},                                                          // 91
    {"steaming focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},      // 92
    {"oozing focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kTreantBlood},     // 93
    {"vapor focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},         // 94
    {"ethereal focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},      // 95
    {"fiery focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kDraconicFire},     // 96
    {"watery focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kLeviathanBlood},  // 97
    {"earthen focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kTreantBlood},    // 98
    {"phantasmal focus stone", Dust::kGroundDraconicScales, Rule::kB, Liquid::kNone},        // 99
    {"spectral arcane focus stone", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kAirElementalEssence},  // 100
    {"mineral encrusted focus stone", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kHeatFromAnUnearthlyPyre},  // 101
    {"icy focus stone", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kFrostFromAWasteland},                                                           // 102
    {"watery war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kLeviathanBlood},           // 103
    {"earthen war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kTreantBlood},             // 104
    {"fiery war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kDraconicFire},              // 105
    {"icy war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kFrostFromAWasteland},         // 106
    {"heated war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kHeatFromAnUnearthlyPyre},  // 107
    {"lightning charged war rune", Dust::kGroundGiantBone, Rule::kA,
     Liquid::kLeviathanBlood},                                                                // 108
    {"airy war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kAirElementalEssence},        // 109
    {"vapor war rune", Dust::kGroundGiantBone, Rule::kA, Liquid::kSwampFog},                  // 110
    {"airy chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kAirElementalEssence},     // 111
    {"airy primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kAirElementalEssence},     // 112
    {"earthen primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kTreantBlood},          // 113
    {"ashen primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kUndeadAshAndHolyWater},  // 114
    {"blighted primal rune", Dust::kGroundVendoBone, Rule::kA,
     Liquid::kAirElementalEssence},                                                          // 115
    {"icy chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kFrostFromAWasteland},     // 116
    {"unholy primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kAirElementalEssence},  // 117
    {"watery chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kLeviathanBlood},       // 118
    {"valiant primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kSwampFog},            // 119
    {"heated chaos rune", Dust::kSootFromNiflheim, Rule::kA,
     Liquid::kHeatFromAnUnearthlyPyre},                                                       // 120
    {"fiery primal rune", Dust::kGroundVendoBone, Rule::kA, Liquid::kDraconicFire},           // 121
    {"fiery chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kDraconicFire},           // 122
    {"vapor chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kSwampFog},               // 123
    {"dusty chaos rune", Dust::kSootFromNiflheim, Rule::kA, Liquid::kUndeadAshAndHolyWater},  // 124
    {{}, kNoDust, Rule::kA, Liquid::kNone},                                                   // 125
    {"ashen focus rune", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kUndeadAshAndHolyWater},                                                         // 126
    {{}, Dust::kGroundDraconicScales, Rule::kB, Liquid::kNone},                               // 127
    {"icy focus rune", Dust::kGroundDraconicScales, Rule::kB, Liquid::kFrostFromAWasteland},  // 128
    {{}, Dust::kGroundDraconicScales, Rule::kB, Liquid::kNone},                               // 129
    {"heated focus rune", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kHeatFromAnUnearthlyPyre},                                              // 130
    {"vapor focus rune", Dust::kGroundDraconicScales, Rule::kB, Liquid::kSwampFog},  // 131
    {"dusty focus rune", Dust::kGroundDraconicScales, Rule::kB,
     Liquid::kUndeadAshAndHolyWater},                            // 132
    {{}, Dust::kGroundDraconicScales, Rule::kB, Liquid::kNone},  // 133
}};

// Codes 20, 21 and 22 by realm (Albion, Hibernia, Midgard).
constexpr int kFirstRealmCode = 20;
constexpr std::array<std::array<std::string_view, 3>, 3> kRealmKinds = {{
    {"finesse war sigil", "finesse spell stone", "finesse war rune"},
    {"finesse fervor sigil", "finesse nature spell stone", "finesse primal rune"},
    {"brilliant focus sigil", "brilliant focus stone", "brilliant focus rune"},
}};
constexpr std::array<std::array<Dust, 3>, 2> kRealmDusts = {{
    {Dust::kGroundCaerStone, Dust::kUnseelieDust, Dust::kGroundGiantBone},
    {Dust::kGroundBlessedUndeadBone, Dust::kFairyDust, Dust::kGroundVendoBone},
}};

const GemRow* RowOf(int code) {
  if (code < 0 || code >= static_cast<int>(kGemRows.size())) return nullptr;
  return &kGemRows[static_cast<std::size_t>(code)];
}

bool IsRealm(int realm) {
  return realm >= 0 && realm <= 2;
}

std::string_view KindOf(int code, int realm) {
  const GemRow* row = RowOf(code);
  if (row == nullptr) return {};
  if (code >= kFirstRealmCode && code < kFirstRealmCode + 3) {
    if (!IsRealm(realm)) return {};
    return kRealmKinds[static_cast<std::size_t>(code - kFirstRealmCode)]
                      [static_cast<std::size_t>(realm)];
  }
  return row->Kind;
}

Dust DustOf(const GemRow& row, int code, int realm) {
  if (row.DustKind != kRealmDust) return row.DustKind;
  if (!IsRealm(realm)) return kNoDust;
  return kRealmDusts[static_cast<std::size_t>(code - kFirstRealmCode)]
                    [static_cast<std::size_t>(realm)];
}

// Tiers come from item records; the counts are computed wide so no stored
// value can overflow them.
long long DustCountOf(Rule rule, int tier) {
  return (rule == Rule::kA ? 4LL : 5LL) * tier + 1;
}

}  // namespace

std::string_view GemQualityWord(int tier) {
  if (tier < 0 || tier >= kGemQualityCount) return {};
  return kQualityWords[static_cast<std::size_t>(tier)];
}

std::string_view GemBaseText(int tier) {
  if (tier < 0 || tier >= kGemQualityCount) return {};
  return kBaseGems[static_cast<std::size_t>(tier)];
}

std::string_view GemDustText(GemDust dust) {
  const int i = static_cast<int>(dust);
  if (i < 0 || i >= kGemDustCount) return {};
  return kDustTexts[static_cast<std::size_t>(i)];
}

std::string_view GemLiquidText(GemLiquid liquid) {
  const int i = static_cast<int>(liquid);
  if (i < 0 || i >= kGemLiquidCount) return {};
  return kLiquidTexts[static_cast<std::size_t>(i)];
}

std::string GemName(int code, int tier, int realm) {
  std::string name(GemQualityWord(tier));
  name += KindOf(code, realm);
  return name;
}

std::string GemMaterials(int code, int tier, int realm) {
  std::string dust;
  std::string liquid;
  if (const GemRow* row = RowOf(code)) {
    const Dust d = DustOf(*row, code, realm);
    if (d != kNoDust) {
      dust = std::to_string(DustCountOf(row->DustRule, tier));
      dust += kDustTexts[static_cast<std::size_t>(d)];
    }
    const long long liquidCount = static_cast<long long>(tier) + 1;
    switch (row->LiquidKind) {
      case Liquid::kNone:
        break;
      case Liquid::kFixedMix:
        liquid = kFixedMixText;
        break;
      case Liquid::kFocusMix:
        liquid = std::to_string(liquidCount) + std::string(kFocusMixText);
        break;
      default:
        liquid = std::to_string(liquidCount) +
                 std::string(kLiquidTexts[static_cast<std::size_t>(row->LiquidKind)]);
    }
  }
  std::string text(GemBaseText(tier));
  text += " , ";
  text += dust;
  text += " | ";
  text += liquid;
  return text;
}

GemMaterialCounts GemMaterialCountsOf(int code, int tier, int realm) {
  GemMaterialCounts counts;
  if (tier >= 0 && tier < kGemQualityCount) counts.Quality = tier;
  const GemRow* row = RowOf(code);
  if (row == nullptr) return counts;
  const Dust d = DustOf(*row, code, realm);
  if (d != kNoDust) {
    counts.Dust = static_cast<int>(d);
    counts.DustCount = DustCountOf(row->DustRule, tier);
  }
  const long long liquidCount = static_cast<long long>(tier) + 1;
  auto addMix = [&counts](long long n) {
    counts.Liquids[static_cast<std::size_t>(GemLiquid::kDraconicFire)] += n;
    counts.Liquids[static_cast<std::size_t>(GemLiquid::kTreantBlood)] += n;
    counts.Liquids[static_cast<std::size_t>(GemLiquid::kMysticEnergy)] += n;
  };
  switch (row->LiquidKind) {
    case Liquid::kNone:
      break;
    case Liquid::kFixedMix:
      addMix(kFixedMixCount);
      break;
    case Liquid::kFocusMix:
      addMix(liquidCount);
      break;
    default:
      counts.Liquids[static_cast<std::size_t>(row->LiquidKind)] += liquidCount;
  }
  return counts;
}

}  // namespace qm
