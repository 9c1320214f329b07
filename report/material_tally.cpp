#include "report/material_tally.h"

#include <string_view>

namespace qm {
namespace {

// The shopping list prints the counters in its own order and wording.
template <typename Material>
struct PrintedCounter {
  Material Index;
  std::string_view Text;
};

constexpr std::array<std::string_view, kGemQualityCount> kGemTexts = {
    " Lo gem(s)",  " Um gem(s)",  " On gem(s)", " Ee gem(s)",   " Pal gem(s)",
    " Mon gem(s)", " Ros gem(s)", " Zo gem(s)", " Kath gem(s)", " Ra gem(s)"};

constexpr std::array<PrintedCounter<GemDust>, kGemDustCount> kDustPrintOrder = {{
    {GemDust::kBloodiedBattlefieldDirt, " Bloodied Battlefield Dirt"},
    {GemDust::kEssenceOfLife, " Essence of Life "},
    {GemDust::kGroundBlessedUndeadBone, " Ground Blessed Undead Bone"},
    {GemDust::kGroundCaerStone, " Ground Caer Stone"},
    {GemDust::kGroundCaveCrystal, " Ground Cave Crystal"},
    {GemDust::kGroundGiantBone, " Ground Giant Bone"},
    {GemDust::kFairyDust, " Fairy Dust"},
    {GemDust::kUnseelieDust, " Unseelie Dust"},
    {GemDust::kGroundVendoBone, " Ground Vendo Bone"},
    {GemDust::kOtherWorldlyDust, " Other Worldly Dust"},
    {GemDust::kSootFromNiflheim, " Soot from Niflheim"},
    {GemDust::kGroundDraconicScales, " Ground Draconic Scales"},
}};

constexpr std::array<PrintedCounter<GemLiquid>, kGemLiquidCount> kLiquidPrintOrder = {{
    {GemLiquid::kAirElementalEssence, " Air Elemental Essence"},
    {GemLiquid::kDraconicFire, " Draconic Fire"},
    {GemLiquid::kFrostFromAWasteland, " Frost From a Wasteland"},
    {GemLiquid::kGiantBlood, " Giant Blood"},
    {GemLiquid::kHeatFromAnUnearthlyPyre, " Heat From an Unearthly Pyre"},
    {GemLiquid::kLeviathanBlood, " Leviathan Blood"},
    {GemLiquid::kMysticEnergy, " Mystic Energy"},
    {GemLiquid::kSunLight, " Sun Light"},
    {GemLiquid::kSwampFog, " Swamp Fog"},
    {GemLiquid::kTreantBlood, " Treant Blood"},
    {GemLiquid::kUndeadAshAndHolyWater, " Undead Ash and Holy Water"},
}};

// Counters wrap like the 32-bit integers they are, whatever a stored tier held.
void Grow(std::int32_t& counter, long long amount) {
  counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) +
                                      static_cast<std::uint32_t>(amount));
}

template <typename Material, std::size_t N>
void AddCounterLines(const std::array<std::int32_t, N>& counters,
                     const std::array<PrintedCounter<Material>, N>& order,
                     std::vector<std::string>& lines) {
  for (const auto& printed : order) {
    const std::int32_t count = counters[static_cast<std::size_t>(printed.Index)];
    if (count > 0) lines.push_back(std::to_string(count) + std::string(printed.Text));
  }
}

std::string TrimmedName(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

template <typename Material, std::size_t N>
std::vector<MaterialCount> CountsOf(const std::array<std::int32_t, N>& counters,
                                    const std::array<PrintedCounter<Material>, N>& order) {
  std::vector<MaterialCount> counts;
  for (const auto& printed : order) {
    const std::int32_t count = counters[static_cast<std::size_t>(printed.Index)];
    if (count > 0) counts.push_back({TrimmedName(printed.Text), count});
  }
  return counts;
}

}  // namespace

void AddGemToTally(MaterialTally& tally, int code, std::int32_t quality, int realm) {
  const GemMaterialCounts counts = GemMaterialCountsOf(code, quality, realm);
  // A quality index from outside the gem ladder names no gem to buy.
  if (counts.Quality >= 0 && counts.Quality < kGemQualityCount) ++tally.Gems[counts.Quality];
  if (counts.Dust >= 0 && counts.Dust < kGemDustCount)
    Grow(tally.Dusts[counts.Dust], counts.DustCount);
  for (int liquid = 0; liquid < kGemLiquidCount; ++liquid)
    Grow(tally.Liquids[liquid], counts.Liquids[liquid]);
}

std::vector<std::string> MaterialLines(const MaterialTally& tally) {
  std::vector<std::string> lines;
  for (int quality = 0; quality < kGemQualityCount; ++quality)
    if (tally.Gems[quality] > 0)
      lines.push_back(std::to_string(tally.Gems[quality]) + std::string(kGemTexts[quality]));
  lines.emplace_back("");
  AddCounterLines(tally.Dusts, kDustPrintOrder, lines);
  lines.emplace_back("");
  AddCounterLines(tally.Liquids, kLiquidPrintOrder, lines);
  return lines;
}

MaterialGroups GroupedMaterials(const MaterialTally& tally) {
  MaterialGroups groups;
  groups.Dusts = CountsOf(tally.Dusts, kDustPrintOrder);
  groups.Liquids = CountsOf(tally.Liquids, kLiquidPrintOrder);
  for (int quality = 0; quality < kGemQualityCount; ++quality)
    if (tally.Gems[quality] > 0)
      groups.Gems.push_back({std::string(GemBaseText(quality).substr(2)), tally.Gems[quality]});
  return groups;
}

}  // namespace qm
