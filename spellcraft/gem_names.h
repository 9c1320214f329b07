#pragma once
// Names and crafting materials of the gems of a crafted item. A gem is a bonus
// code as stored in rows 1..4 of a crafted item (the Mauler skills as
// 185..189) at a tier of its value ladder; only codes 20, 21 and 22 depend on
// the character's realm (0 Albion, 1 Hibernia, 2 Midgard).
#include <array>
#include <string>
#include <string_view>

namespace qm {

inline constexpr int kGemQualityCount = 10;  // Lo .. Ra

// Dusts and liquids in the order of the report's material tally.
enum class GemDust : int {
  kEssenceOfLife,
  kGroundDraconicScales,
  kGroundCaerStone,
  kUnseelieDust,
  kGroundGiantBone,
  kGroundBlessedUndeadBone,
  kFairyDust,
  kGroundVendoBone,
  kBloodiedBattlefieldDirt,
  kGroundCaveCrystal,
  kOtherWorldlyDust,
  kSootFromNiflheim,
};
inline constexpr int kGemDustCount = 12;

enum class GemLiquid : int {
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
};
inline constexpr int kGemLiquidCount = 11;

// The gem's name: quality word of the tier followed by the gem kind, e.g.
// "Perfect fiery essence jewel"; a missing part is left out.
std::string GemName(int code, int tier, int realm);
// "base , dust | liquid", e.g. "1 Ra , 37 Essence of Life | 10 Draconic Fire";
// empty parts keep their separators.
std::string GemMaterials(int code, int tier, int realm);

// What one gem adds to a material tally, as the materials text reads.
struct GemMaterialCounts {
  int Quality = -1;  // base gem 0..9 (Lo .. Ra); -1 for a tier outside 0..9
  int Dust = -1;     // a GemDust, or -1 when the gem takes none
  long long DustCount = 0;
  // Count per GemLiquid; the mixed liquids of codes 20..22 add to Draconic
  // Fire, Treant Blood and Mystic Energy alike.
  std::array<long long, kGemLiquidCount> Liquids{};
};
GemMaterialCounts GemMaterialCountsOf(int code, int tier, int realm);

// Names as the materials text writes them (each with its leading blank).
std::string_view GemDustText(GemDust dust);
std::string_view GemLiquidText(GemLiquid liquid);
// "1 Lo" .. "1 Ra"; empty outside 0..9.
std::string_view GemBaseText(int tier);
// "Raw " .. "Perfect "; empty outside 0..9.
std::string_view GemQualityWord(int tier);

}  // namespace qm
