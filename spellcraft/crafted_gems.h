#pragma once
// The gems a template's spellcrafted pieces take, piece by piece in slot
// order: what the crafter has to make, for the shopping list and for the
// game's quickbar alike.
#include <vector>

#include "core/template_record.h"

namespace qm {

struct CraftedGem {
  int Code = 0;  // the bonus code of the gem's row
  int Tier = 0;  // the stored quality index, 0 (Raw) .. 9 (Perfect) in a sound file
  bool operator==(const CraftedGem&) const = default;
};

struct CraftedPieceGems {
  int Slot = 0;  // 1..19
  std::vector<CraftedGem> Gems;
};

// Every spellcrafted slot that holds at least one gem, slots in order, each
// with its gems in row order; a row with code 0 is an empty gem slot.
std::vector<CraftedPieceGems> CraftedPieces(const TTemplateRecord& tpl);

}  // namespace qm
