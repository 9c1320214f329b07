#pragma once
// The optimizer's problem in linear form: the template with every slot that
// may change emptied, each figure's parts on it, and the columns that can be
// added back — one per vault candidate and slot, one per gem and tier of each
// spellcrafted piece — each with what it adds to the figures.
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "optimizer/optimizer_request.h"
#include "optimizer/slot_contribution.h"

namespace qm {

struct ModelFigure {
  FigureParts Base;  // on the emptied template
  double Weight = 0;
  std::optional<int> Minimum;
  bool Relevant() const { return Weight > 0 || Minimum.has_value(); }
};

struct ItemColumn {
  int Slot = 0;
  // The vault candidate, or the item the slot holds now, which stays on
  // offer so that the answer never loses it for want of a vault entry.
  const TItemRecord* Record = nullptr;
  SlotContribution Parts;
};

struct GemColumn {
  int GemIndex = 0;  // gem bonus list index
  int Tier = 0;      // position in the gem's value ladder
  int Value = 0;
  double Cost = 0;  // imbue points
  SlotContribution Parts;
};

struct CraftedPiece {
  int Slot = 0;
  int Level = 51;
  int ArmourIndex = 0;
  int Capacity = 0;
  // The largest sum of the gems' costs with the highest counted twice: twice
  // the charge the overcharge allowance lets the piece reach.
  double ChargeLimit = 0;
  std::vector<GemColumn> Gems;
};

struct OptimizerModel {
  TTemplateRecord Emptied{};
  std::vector<ModelFigure> Figures;
  std::vector<ItemColumn> Items;
  std::vector<CraftedPiece> Pieces;
};

// The gem bonus list indexes a realm's crafters can use: the attribute,
// resist and common views and the realm's own.
std::vector<int> RealmGems(int realm, bool allowSkillGems);

// Whole points a design may go over its capacity: the allowance, or the most
// that keep the least overcharge success asked for.
int AllowedOvercharge(const SpellcraftOptions& craft);

// Whether two pieces offer the same gems with the same worth and limit, so
// that either may take any design of the other.
bool SameDesignSpace(const CraftedPiece& a, const CraftedPiece& b);

// The model of a request; its item columns point into the request, which
// must outlive it. Or a one-line message saying what in the request
// is wrong (an unknown figure, a negative weight, a slot that cannot be
// spellcrafted, an allowance outside 0..5, a time limit that is not positive).
Result<OptimizerModel> BuildModel(const OptimizerRequest& request);

}  // namespace qm
