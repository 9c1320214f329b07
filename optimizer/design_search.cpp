#include "optimizer/design_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();
constexpr int kSlots = kGemSlotCount;

// Gem costs are whole, half or quarter points; in quarters they are exact.
int Quarters(double points) {
  return static_cast<int>(std::lround(points * 4));
}

}  // namespace

DesignSearch::DesignSearch(const CraftedPiece& piece) {
  for (std::size_t g = 0; g < piece.Gems.size(); ++g) {
    cost_.push_back(Quarters(piece.Gems[g].Cost));
    if (g == 0 || piece.Gems[g].GemIndex != piece.Gems[g - 1].GemIndex) kinds_.push_back({g, 0});
    ++kinds_.back().Count;
  }
  limit_ = Quarters(piece.ChargeLimit);
  // Whole-point costs make the table four times smaller.
  int unit = limit_;
  for (int c : cost_) unit = std::gcd(unit, c);
  if (unit > 1) {
    for (int& c : cost_) c /= unit;
    limit_ /= unit;
  }
}

PricedDesign DesignSearch::Best(const std::vector<double>& worth) const {
  // The highest gem's cost is tried level by level: with every gem at most
  // that dear, the design fits when its sum stays within the limit less that
  // cost once more. The true highest level gives the best design.
  std::vector<int> levels;
  for (std::size_t g = 0; g < cost_.size(); ++g)
    if (worth[g] > 0) levels.push_back(cost_[g]);
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());

  // Kinds without a tier worth anything take no part.
  std::vector<Kind> kinds;
  for (const Kind& kind : kinds_)
    for (std::size_t t = 0; t < kind.Count; ++t)
      if (worth[kind.First + t] > 0) {
        kinds.push_back(kind);
        break;
      }
  PricedDesign best;
  const std::size_t kindCount = kinds.size();
  for (int high : levels) {
    const int budget = limit_ - high;
    if (budget < high) break;  // not even the highest gem alone fits
    const std::size_t width = static_cast<std::size_t>(budget + 1);
    const std::size_t layer = (kSlots + 1) * width;
    std::vector<double> value((kindCount + 1) * layer, kNone);
    std::vector<std::int16_t> taken((kindCount + 1) * layer, -1);
    auto at = [&](std::size_t k, int n, int c) {
      return k * layer + static_cast<std::size_t>(n) * width + static_cast<std::size_t>(c);
    };
    value[at(0, 0, 0)] = 0;
    for (std::size_t k = 0; k < kindCount; ++k) {
      const Kind& kind = kinds[k];
      for (int n = 0; n <= kSlots; ++n) {
        for (int c = 0; c <= budget; ++c) {
          const double here = value[at(k, n, c)];
          if (here == kNone) continue;
          if (here > value[at(k + 1, n, c)]) {
            value[at(k + 1, n, c)] = here;
            taken[at(k + 1, n, c)] = -1;
          }
          if (n == kSlots) continue;
          for (std::size_t t = 0; t < kind.Count; ++t) {
            const std::size_t g = kind.First + t;
            const int next = c + cost_[g];
            if (worth[g] <= 0 || cost_[g] > high || next > budget) continue;
            const std::size_t to = at(k + 1, n + 1, next);
            if (here + worth[g] > value[to]) {
              value[to] = here + worth[g];
              taken[to] = static_cast<std::int16_t>(t);
            }
          }
        }
      }
    }
    int bestN = 0, bestC = 0;
    for (int n = 0; n <= kSlots; ++n)
      for (int c = 0; c <= budget; ++c)
        if (value[at(kindCount, n, c)] > value[at(kindCount, bestN, bestC)]) bestN = n, bestC = c;
    const double found = value[at(kindCount, bestN, bestC)];
    if (found <= best.Worth) continue;
    best.Worth = found;
    best.Gems.clear();
    for (std::size_t k = kindCount; k-- > 0;) {
      const std::int16_t t = taken[at(k + 1, bestN, bestC)];
      if (t < 0) continue;
      const std::size_t g = kinds[k].First + static_cast<std::size_t>(t);
      best.Gems.push_back(static_cast<std::uint16_t>(g));
      bestN -= 1;
      bestC -= cost_[g];
    }
    std::reverse(best.Gems.begin(), best.Gems.end());
  }
  return best;
}

bool DesignSearch::AllWorthAtLeast(const std::vector<double>& worth, double threshold,
                                   std::size_t limit, std::vector<PricedDesign>& out) const {
  const std::size_t kindCount = kinds_.size();
  // The most the kinds from k on can still add with n more gems, costs aside.
  std::vector<double> kindBest(kindCount, 0);
  for (std::size_t k = 0; k < kindCount; ++k)
    for (std::size_t t = 0; t < kinds_[k].Count; ++t)
      kindBest[k] = std::max(kindBest[k], worth[kinds_[k].First + t]);
  std::vector<std::array<double, kSlots + 1>> reach(kindCount + 1);
  for (std::size_t k = kindCount + 1; k-- > 0;) {
    std::vector<double> rest(kindBest.begin() + static_cast<std::ptrdiff_t>(k), kindBest.end());
    std::sort(rest.rbegin(), rest.rend());
    reach[k][0] = 0;
    for (int n = 1; n <= kSlots; ++n)
      reach[k][static_cast<std::size_t>(n)] =
          reach[k][static_cast<std::size_t>(n - 1)] +
          (static_cast<std::size_t>(n) <= rest.size() ? rest[static_cast<std::size_t>(n - 1)] : 0);
  }

  std::vector<int> tierOf(kindCount, -1);
  bool complete = true;
  auto fits = [&](int sum, int high) { return sum + high <= limit_; };
  auto maximal = [&](int count, int sum, int high) {
    for (std::size_t k = 0; k < kindCount; ++k) {
      const Kind& kind = kinds_[k];
      if (tierOf[k] < 0) {
        const int c = cost_[kind.First];
        if (count < kSlots && fits(sum + c, std::max(high, c))) return false;
        continue;
      }
      const std::size_t t = static_cast<std::size_t>(tierOf[k]);
      if (t + 1 >= kind.Count) continue;
      const int now = cost_[kind.First + t];
      const int raised = cost_[kind.First + t + 1];
      // The highest may be the gem being raised; a raise only makes it higher.
      if (fits(sum - now + raised, std::max(high, raised))) return false;
    }
    return true;
  };
  auto walk = [&](auto&& self, std::size_t k, int count, int sum, int high, double value) -> void {
    if (!complete) return;
    if (value + reach[k][static_cast<std::size_t>(kSlots - count)] < threshold) return;
    if (k == kindCount) {
      if (!maximal(count, sum, high)) return;
      if (out.size() >= limit) {
        complete = false;
        return;
      }
      PricedDesign design;
      design.Worth = value;
      for (std::size_t j = 0; j < kindCount; ++j)
        if (tierOf[j] >= 0)
          design.Gems.push_back(
              static_cast<std::uint16_t>(kinds_[j].First + static_cast<std::size_t>(tierOf[j])));
      out.push_back(std::move(design));
      return;
    }
    self(self, k + 1, count, sum, high, value);
    if (count == kSlots) return;
    const Kind& kind = kinds_[k];
    for (std::size_t t = 0; t < kind.Count; ++t) {
      const std::size_t g = kind.First + t;
      const int c = cost_[g];
      if (!fits(sum + c, std::max(high, c))) break;  // dearer tiers fit no better
      tierOf[k] = static_cast<int>(t);
      self(self, k + 1, count + 1, sum + c, std::max(high, c), value + worth[g]);
    }
    tierOf[k] = -1;
  };
  walk(walk, 0, 0, 0, 0, 0.0);
  return complete;
}

}  // namespace qm
