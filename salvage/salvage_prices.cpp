#include "salvage/salvage_prices.h"

namespace qm {
namespace {

// Trinket prices are not a fixed multiple of the raw ones, so both columns are kept.
constexpr std::array<SalvageTier, kSalvageTierCount> kTiers{{
    {"Bronze / Copper", "sBronze", 4, 8},
    {"Iron / Ferrite", "sIron", 70, 138},
    {"Steel / Quartz", "sSteel", 280, 552},
    {"Alloy / Dolomite", "sAlloy", 840, 1656},
    {"Fine Alloy / Cobalt", "sFineAlloy", 2520, 4968},
    {"Mithril / Carbide", "sMithril", 5040, 9936},
    {"Adamantium / Saphire", "sAdamantium", 7560, 14904},
    {"Asterite / Diamond", "sAsterite", 11340, 22356},
    {"Netherium / Netherite", "sNetherium", 17010, 33534},
    {"Arcanium / Arcanite", "sArcanium", 25515, 50301},
}};

constexpr std::uint64_t kCopperPerSilver = 100;
constexpr std::uint64_t kCopperPerGold = 10000;
constexpr std::uint64_t kCopperPerPlatinum = 10000000;

}  // namespace

std::span<const SalvageTier> SalvageTiers() {
  return kTiers;
}

std::uint64_t SalvageTotal(const std::array<std::int32_t, kSalvageTierCount>& amounts,
                           PriceTable table) {
  // Amounts are signed only because the window reads them as integers; a
  // negative amount cannot be entered and counts as nothing.
  std::uint64_t total = 0;
  for (int tier = 0; tier < kSalvageTierCount; ++tier) {
    if (amounts[tier] <= 0) continue;
    const std::uint64_t price =
        table == PriceTable::kRaw ? kTiers[tier].RawPrice : kTiers[tier].TrinketPrice;
    total += static_cast<std::uint64_t>(amounts[tier]) * price;
  }
  return total;
}

CoinSplit SplitCoins(std::uint64_t copper) {
  CoinSplit coins;
  coins.Platinum = copper / kCopperPerPlatinum;
  coins.Gold = (copper / kCopperPerGold) % 1000;
  coins.Silver = (copper / kCopperPerSilver) % 100;
  coins.Copper = copper % 100;
  return coins;
}

std::array<std::string, 4> CoinPanelTexts(const CoinSplit& coins) {
  return {"P: " + std::to_string(coins.Platinum) + "p", "G: " + std::to_string(coins.Gold) + "g",
          "S: " + std::to_string(coins.Silver) + "s", "C: " + std::to_string(coins.Copper) + "c"};
}

}  // namespace qm
