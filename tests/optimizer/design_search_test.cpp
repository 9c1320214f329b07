// The pricing of whole designs against a walk over every design of a piece:
// the best design it finds is the best there is, and the designs it lists
// above a threshold are exactly the maximal ones there.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "optimizer/design_search.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {

// Three gem kinds of four tiers each, costs as the calculator's ladders
// grow, and a limit that fits two or three of them.
CraftedPiece SmallPiece(std::mt19937& rng) {
  CraftedPiece piece;
  piece.ChargeLimit = 2.0 * (8 + static_cast<int>(rng() % 8)) + 1;
  for (int kind = 1; kind <= 5; ++kind) {
    double cost = 0.5 * static_cast<double>(1 + rng() % 3);
    for (int tier = 0; tier < 4; ++tier) {
      piece.Gems.push_back({kind, tier, tier + 1, cost, {}});
      cost += 0.5 * static_cast<double>(rng() % 4);
    }
  }
  return piece;
}

struct Walked {
  double Best = 0;
  std::vector<PieceDesign> Maximal;  // with their worth at least the threshold
};

// Every design: each kind at no tier or one, at most four gems, the sum of
// costs with the highest counted twice within the limit.
Walked WalkEveryDesign(const CraftedPiece& piece, const std::vector<double>& worth,
                       double threshold) {
  const std::size_t kinds = piece.Gems.size() / 4;
  auto fits = [&](const std::vector<int>& tiers) {
    double sum = 0, high = 0;
    int count = 0;
    for (std::size_t k = 0; k < kinds; ++k) {
      if (tiers[k] < 0) continue;
      const double cost = piece.Gems[k * 4 + static_cast<std::size_t>(tiers[k])].Cost;
      sum += cost;
      high = std::max(high, cost);
      ++count;
    }
    return count <= kGemSlotCount && sum + high <= piece.ChargeLimit;
  };
  Walked walked;
  std::vector<int> tiers(kinds, -1);
  while (true) {
    if (fits(tiers)) {
      double value = 0;
      PieceDesign design;
      for (std::size_t k = 0; k < kinds; ++k)
        if (tiers[k] >= 0) {
          value += worth[k * 4 + static_cast<std::size_t>(tiers[k])];
          design.push_back(static_cast<std::uint16_t>(k * 4 + static_cast<std::size_t>(tiers[k])));
        }
      walked.Best = std::max(walked.Best, value);
      bool maximal = true;
      for (std::size_t k = 0; k < kinds && maximal; ++k) {
        if (tiers[k] == 3) continue;
        std::vector<int> raised = tiers;
        ++raised[k];
        maximal = !fits(raised);
      }
      if (maximal && value >= threshold) walked.Maximal.push_back(design);
    }
    std::size_t k = 0;
    while (k < kinds && ++tiers[k] == 4) tiers[k++] = -1;
    if (k == kinds) break;
  }
  std::sort(walked.Maximal.begin(), walked.Maximal.end());
  return walked;
}

TEST(DesignSearch, PricesAndListsDesignsAsAWalkOverEveryDesign) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    const CraftedPiece piece = SmallPiece(rng);
    std::vector<double> worth;
    // Some gems worth nothing, as gems of figures already at their caps are.
    for (std::size_t g = 0; g < piece.Gems.size(); ++g)
      worth.push_back(rng() % 3 == 0 ? 0.0 : static_cast<double>(rng() % 50) / 4);
    for (std::size_t g = 1; g < worth.size(); ++g)
      if (g % 4 != 0) worth[g] = std::max(worth[g], worth[g - 1]);  // a tier never worth less

    const DesignSearch search(piece);
    const double threshold = static_cast<double>(rng() % 60) / 4;
    const Walked walked = WalkEveryDesign(piece, worth, threshold);
    const PricedDesign best = search.Best(worth);
    EXPECT_DOUBLE_EQ(best.Worth, walked.Best);

    std::vector<PricedDesign> listed;
    ASSERT_TRUE(search.AllWorthAtLeast(worth, threshold, 100000, listed));
    std::vector<PieceDesign> designs;
    for (const PricedDesign& design : listed) designs.push_back(design.Gems);
    std::sort(designs.begin(), designs.end());
    EXPECT_EQ(designs, walked.Maximal);
  }
}

}  // namespace
}  // namespace qm
