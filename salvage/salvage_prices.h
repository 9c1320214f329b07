#pragma once
// What salvaged metal is worth: the copper price of one unit of each of the
// ten metal tiers, sold raw or made into trinkets, and the split of a copper
// sum into the game's four coins.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qm {

inline constexpr int kSalvageTierCount = 10;

struct SalvageTier {
  std::string_view Label;      // "Bronze / Copper" ..
  std::string_view EditName;   // the amount edit of the calculator window
  std::uint32_t RawPrice;      // copper per unit sold raw
  std::uint32_t TrinketPrice;  // copper per unit made into trinkets
};

std::span<const SalvageTier> SalvageTiers();

enum class PriceTable { kRaw, kTrinket };

// Sum of amount x price over the ten tiers. The largest possible total
// (32000 of every tier as trinkets) needs more than 32 bits.
std::uint64_t SalvageTotal(const std::array<std::int32_t, kSalvageTierCount>& amounts,
                           PriceTable table);

// 100 copper = 1 silver, 100 silver = 1 gold, 1000 gold = 1 platinum.
struct CoinSplit {
  std::uint64_t Platinum = 0;
  std::uint64_t Gold = 0;
  std::uint64_t Silver = 0;
  std::uint64_t Copper = 0;
  bool operator==(const CoinSplit&) const = default;
};

CoinSplit SplitCoins(std::uint64_t copper);
// The four coin panels of a value bar: "P: 1p", "G: 2g", "S: 3s", "C: 4c".
std::array<std::string, 4> CoinPanelTexts(const CoinSplit& coins);

}  // namespace qm
