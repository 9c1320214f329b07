#pragma once
// The spellcrafting shopping list of the report: gems by quality, dusts and
// liquids, added up over every gem of the crafted items listed, and printed
// as the report's materials section.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "spellcraft/gem_names.h"

namespace qm {

struct MaterialTally {
  // Gem counters by quality index 0..9 (Lo .. Ra).
  std::array<std::int32_t, kGemQualityCount> Gems{};
  // Dust and liquid counters, indexed by GemDust and GemLiquid.
  std::array<std::int32_t, kGemDustCount> Dusts{};
  std::array<std::int32_t, kGemLiquidCount> Liquids{};
  bool operator==(const MaterialTally&) const = default;
};

// Adds the materials of one gem (bonus code, stored quality index, the
// character's realm): one base gem of its quality, and the dust and liquid
// counts its material text shows. A quality index outside 0..9 counts no gem.
void AddGemToTally(MaterialTally& tally, int code, std::int32_t quality, int realm);

// The lines after the "<== Spellcraft Materials Needed ==>" header: gems,
// "", dusts, "", liquids, each only with a count above 0, in shopping order.
std::vector<std::string> MaterialLines(const MaterialTally& tally);

// The same counts grouped the way a crafter buys them, each group in the
// materials section's order and only with counts above 0; names without the
// count ("Essence of Life", "Draconic Fire", "Ra").
struct MaterialCount {
  std::string Name;
  std::int32_t Count = 0;
};
struct MaterialGroups {
  std::vector<MaterialCount> Dusts;
  std::vector<MaterialCount> Liquids;
  std::vector<MaterialCount> Gems;
};
MaterialGroups GroupedMaterials(const MaterialTally& tally);

}  // namespace qm
