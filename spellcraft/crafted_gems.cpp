#include "spellcraft/crafted_gems.h"

#include "spellcraft/spellcraft_item.h"

namespace qm {
namespace {

// Rows 1..4 hold the gems, rows 5..8 their tiers (see spellcraft_item.h).
constexpr int kGemRowCount = 4;
constexpr int kTierRowOffset = 4;

}  // namespace

std::vector<CraftedPieceGems> CraftedPieces(const TTemplateRecord& tpl) {
  std::vector<CraftedPieceGems> pieces;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TItemRecord& item = tpl.Slot(slot);
    if (!IsSpellcrafted(item)) continue;
    CraftedPieceGems piece{slot, {}};
    for (int row = 0; row < kGemRowCount; ++row) {
      if (item.BonusCode[row] == 0) continue;
      piece.Gems.push_back({item.BonusCode[row], item.BonusValue[row + kTierRowOffset]});
    }
    if (!piece.Gems.empty()) pieces.push_back(std::move(piece));
  }
  return pieces;
}

}  // namespace qm
