#include "optimizer/model.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/class_table.h"
#include "optimizer/candidates.h"
#include "optimizer/slot_choice.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_limits.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {

constexpr int kRealmViewOffset = 4;  // Albion's view; Hibernia and Midgard follow
constexpr int kSharedViews[] = {1, 2, 3};

bool IsSkillGem(int gemIndex) {
  const GemCategory category = GemCategoryOf(gemIndex);
  return category == GemCategory::kSkill || category == GemCategory::kAllSkill ||
         category == GemCategory::kFocus;
}

Status CheckRequest(const OptimizerRequest& request) {
  if (!(request.TimeLimitSeconds > 0)) return Status::Failure("The time limit must be positive.");
  const SpellcraftOptions& craft = request.Spellcraft;
  if (craft.OverchargePoints < 0 || craft.OverchargePoints > kMaxOverchargePoints)
    return Status::Failure("The overcharge allowance must be 0 to 5 points.");
  if (craft.MinSuccessPercent && (*craft.MinSuccessPercent < 0 || *craft.MinSuccessPercent > 100))
    return Status::Failure("The least overcharge success must be 0 to 100 percent.");
  if (craft.MinSuccessPercent &&
      (craft.CraftSkill < kMinCraftSkill || craft.CraftSkill > kMaxCraftSkill))
    return Status::Failure("The spellcraft skill must be 1 to 1200.");
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (request.Mode(slot) == SlotMode::kSpellcraft && !MayBeSpellcrafted(slot))
      return Status::Failure("Slot " + std::to_string(slot) + " (" + std::string(SlotName(slot)) +
                             ") cannot be spellcrafted.");
  }
  if (request.Vault.Items.size() != request.Vault.VaultIndices.size())
    return Status::Failure("Every vault candidate needs its vault index.");
  return Status::Success();
}

Result<std::vector<ModelFigure>> GoalFigures(const OptimizerRequest& request,
                                             const TTemplateRecord& emptied) {
  std::vector<ModelFigure> figures;
  for (FigureParts& parts : CappedFigures(emptied))
    figures.push_back({std::move(parts), 0, std::nullopt});
  for (const FigureGoal& goal : request.Goals) {
    auto named = std::find_if(figures.begin(), figures.end(),
                              [&](const ModelFigure& f) { return f.Base.Name == goal.Figure; });
    if (named == figures.end())
      return Result<std::vector<ModelFigure>>::Failure("Unknown figure: " + goal.Figure + ".");
    if (!(goal.Weight >= 0))
      return Result<std::vector<ModelFigure>>::Failure("The weight of " + goal.Figure +
                                                       " must be a number not below 0.");
    named->Weight = goal.Weight;
    if (goal.Minimum) named->Minimum = goal.Minimum;
  }
  return figures;
}

std::vector<bool> RelevantMask(const std::vector<ModelFigure>& figures) {
  std::vector<bool> relevant;
  for (const ModelFigure& f : figures) relevant.push_back(f.Relevant());
  return relevant;
}

// How far each figure's value can usefully rise above its value on the
// emptied template: up to the highest cap the vault's cap raises and the cap
// increase limit allow. A slot holds one entry, so it raises a cap by at
// most its largest raise.
std::vector<int> RoomBelowCaps(const OptimizerModel& model) {
  std::vector<int> room;
  for (std::size_t f = 0; f < model.Figures.size(); ++f) {
    const FigureParts& base = model.Figures[f].Base;
    std::array<int, kSlotCount + 1> raise{};
    for (const ItemColumn& item : model.Items) {
      int& slot = raise[static_cast<std::size_t>(item.Slot)];
      slot = std::max(slot, item.Parts.CapBase[f]);
    }
    int cap = base.CapBase + base.CapIncreaseLimit;
    for (int r : raise) cap += r;
    room.push_back(cap - base.Value);
  }
  return room;
}

// A tier that fills every figure it raises to its highest cap, and raises no
// cap: the gem's higher tiers cost more and add nothing that counts.
bool FillsToTheCaps(const SlotContribution& parts, const std::vector<bool>& relevant,
                    const std::vector<int>& room) {
  for (std::size_t f = 0; f < parts.Value.size(); ++f) {
    if (!relevant[f]) continue;
    if (parts.CapBase[f] != 0 || parts.CapIncrease[f] != 0) return false;
    if (parts.Value[f] > 0 && parts.Value[f] < room[f]) return false;
  }
  return true;
}

CraftedPiece PieceOf(const OptimizerRequest& request, const TTemplateRecord& emptied,
                     const std::vector<FigureParts>& base, const std::vector<bool>& relevant,
                     const std::vector<int>& room, int slot) {
  const TTemplateRecord& tpl = request.Template;
  const SpellcraftOptions& craft = request.Spellcraft;
  CraftedPiece piece;
  piece.Slot = slot;
  piece.Level = ClampCraftLevel(craft.ItemLevel);
  const bool armour = slot >= kChest && slot <= kFeet;
  piece.ArmourIndex =
      armour ? std::clamp<int>(ClassOf(tpl.ClassIndex).MaxArmor, 0, kNonArmour - 1) : kNonArmour;
  piece.Capacity = ImbueCapacity(piece.Level, piece.ArmourIndex);
  // A charge of capacity + n + 0.5 is still n whole points over.
  piece.ChargeLimit = 2.0 * (piece.Capacity + AllowedOvercharge(craft)) + 1;

  const std::vector<int> gems = craft.AllowedGems.empty()
                                    ? RealmGems(RealmOfClass(tpl.ClassIndex), craft.AllowSkillGems)
                                    : craft.AllowedGems;
  for (int gem : gems) {
    const std::span<const int> ladder = GemValueLadder(gem);
    for (std::size_t tier = 0; tier < ladder.size(); ++tier) {
      TItemRecord item = EmptyItem();
      item.BonusCode[0] = static_cast<std::uint8_t>(GemCodeOfIndex(gem));
      item.BonusValue[0] = ladder[tier];
      GemColumn column{gem, static_cast<int>(tier), ladder[tier], GemImbueCost(gem, ladder[tier]),
                       ContributionOf(emptied, base, slot, item)};
      SlotContribution none = column.Parts;
      for (auto* v : {&none.Value, &none.CapBase, &none.CapIncrease}) v->assign(v->size(), 0);
      if (AtLeastAsGood(none, column.Parts, relevant)) break;  // no tier of it counts
      if (column.Cost * 2 > piece.ChargeLimit) break;          // this tier and above never fit
      // A gem whose first tier already lies wholly above the caps counts for nothing.
      bool useful = false;
      for (std::size_t f = 0; f < room.size(); ++f)
        useful = useful || (relevant[f] && column.Parts.Value[f] > 0 && room[f] > 0);
      if (!useful) break;
      const bool fills = FillsToTheCaps(column.Parts, relevant, room);
      piece.Gems.push_back(std::move(column));
      if (fills) break;
    }
  }
  return piece;
}

// No column adds more to a figure than the room below its highest cap: a
// column that would, fills it alone, so the figure's capped value is the same
// either way. The relaxation then cannot take a sliver of a large bonus to
// fill a cap exactly.
void ClipToRoom(OptimizerModel& model, const std::vector<int>& room) {
  auto clip = [&](SlotContribution& parts) {
    for (std::size_t f = 0; f < room.size(); ++f)
      parts.Value[f] = std::min(parts.Value[f], std::max(0, room[f]));
  };
  for (ItemColumn& item : model.Items) clip(item.Parts);
  for (CraftedPiece& piece : model.Pieces)
    for (GemColumn& gem : piece.Gems) clip(gem.Parts);
}

// Clipped, more entries of a slot are no better than another of it.
void DropDominatedItems(OptimizerModel& model, const std::vector<bool>& relevant) {
  std::vector<ItemColumn> kept;
  for (ItemColumn& item : model.Items) {
    // Among equals the one met first, the lower vault index, stays.
    const bool beaten = std::any_of(kept.begin(), kept.end(), [&](const ItemColumn& other) {
      return other.Slot == item.Slot && AtLeastAsGood(other.Parts, item.Parts, relevant);
    });
    if (beaten) continue;
    std::erase_if(kept, [&](const ItemColumn& other) {
      return other.Slot == item.Slot && AtLeastAsGood(item.Parts, other.Parts, relevant);
    });
    kept.push_back(std::move(item));
  }
  model.Items = std::move(kept);
}

}  // namespace

int AllowedOvercharge(const SpellcraftOptions& craft) {
  if (!craft.MinSuccessPercent) return craft.OverchargePoints;
  // The chance falls with every point over, so the allowance is the last
  // point count that still gives it.
  int points = 0;
  for (int n = 1; n <= kMaxOverchargePoints; ++n)
    if (OverchargeSuccess(n, 0, craft.CraftSkill, craft.Quality) >= *craft.MinSuccessPercent)
      points = n;
  return points;
}

bool SameDesignSpace(const CraftedPiece& a, const CraftedPiece& b) {
  if (a.ChargeLimit != b.ChargeLimit || a.Gems.size() != b.Gems.size()) return false;
  for (std::size_t g = 0; g < a.Gems.size(); ++g) {
    const GemColumn& x = a.Gems[g];
    const GemColumn& y = b.Gems[g];
    if (x.GemIndex != y.GemIndex || x.Tier != y.Tier || x.Parts.Value != y.Parts.Value ||
        x.Parts.CapBase != y.Parts.CapBase || x.Parts.CapIncrease != y.Parts.CapIncrease)
      return false;
  }
  return true;
}

std::vector<int> RealmGems(int realm, bool allowSkillGems) {
  std::set<int> gems;
  auto take = [&](int archetype) {
    for (unsigned char gem : GemArchetypeView(archetype))
      if (gem != 0 && (allowSkillGems || !IsSkillGem(gem))) gems.insert(gem);
  };
  for (int view : kSharedViews) take(view);
  if (realm >= 0 && realm <= 2) take(kRealmViewOffset + realm);
  return {gems.begin(), gems.end()};
}

Result<OptimizerModel> BuildModel(const OptimizerRequest& request) {
  if (Status status = CheckRequest(request); !status.Ok())
    return Result<OptimizerModel>::Failure(status.error);
  OptimizerModel model;
  model.Emptied = request.Template;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (request.Mode(slot) != SlotMode::kKeep) InitItem(model.Emptied.Slot(slot));

  auto figures = GoalFigures(request, model.Emptied);
  if (!figures.Ok()) return Result<OptimizerModel>::Failure(figures.Error());
  model.Figures = std::move(figures.Value());
  const std::vector<bool> relevant = RelevantMask(model.Figures);
  std::vector<FigureParts> base;
  for (const ModelFigure& f : model.Figures) base.push_back(f.Base);

  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (request.Mode(slot) != SlotMode::kFromVault) continue;
    for (std::size_t i : SlotCandidates(model.Emptied, slot, request.Vault, relevant)) {
      const TItemRecord& item = request.Vault.Items[i];
      model.Items.push_back({slot, &item, ContributionOf(model.Emptied, base, slot, item)});
    }
    const TItemRecord& current = request.Template.Slot(slot);
    if (!current.Name.View().empty() && MayWear(model.Emptied, slot, current))
      model.Items.push_back({slot, &current, ContributionOf(model.Emptied, base, slot, current)});
  }
  const std::vector<int> room = RoomBelowCaps(model);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (request.Mode(slot) == SlotMode::kSpellcraft)
      model.Pieces.push_back(PieceOf(request, model.Emptied, base, relevant, room, slot));
  }
  ClipToRoom(model, room);
  DropDominatedItems(model, relevant);
  return model;
}

}  // namespace qm
