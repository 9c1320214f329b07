#pragma once
// The designs of one spellcrafted piece as whole choices: up to four gems of
// different kinds, one tier each, whose imbue points (the highest gem counted
// twice) stay within the piece's limit. Given a worth for every gem tier, it
// finds the worthiest design, or every design worth at least a threshold.
#include <cstdint>
#include <vector>

#include "optimizer/model.h"

namespace qm {

// Positions in the piece's Gems, ascending.
using PieceDesign = std::vector<std::uint16_t>;

struct PricedDesign {
  PieceDesign Gems;
  double Worth = 0;
};

class DesignSearch {
 public:
  explicit DesignSearch(const CraftedPiece& piece);

  // The design with the largest sum of worth[g] over its gems; worth has one
  // entry per gem column of the piece and none may be negative.
  PricedDesign Best(const std::vector<double>& worth) const;

  // Every maximal design (no gem can be added or raised a tier within the
  // limit) worth at least threshold; stops with false once more than limit
  // designs qualify.
  bool AllWorthAtLeast(const std::vector<double>& worth, double threshold, std::size_t limit,
                       std::vector<PricedDesign>& out) const;

 private:
  struct Kind {
    std::size_t First = 0;  // the kind's tiers are Gems[First .. First + Count)
    std::size_t Count = 0;
  };
  std::vector<Kind> kinds_;
  std::vector<int> cost_;  // per gem column, in quarter points
  int limit_ = 0;          // in quarter points: sum + highest at most this
};

}  // namespace qm
