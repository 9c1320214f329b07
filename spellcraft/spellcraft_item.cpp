#include "spellcraft/spellcraft_item.h"

#include <cstddef>
#include <cstring>

#include "spellcraft/spellcraft_gems.h"

namespace qm {
namespace {

constexpr int kFirstTierRow = 4;    // rows 5..8 hold the tiers
constexpr int kFifthRow = 8;        // row 9
constexpr int kSecondFifthRow = 9;  // row 10
constexpr int kGemsForFifthSlot = 4;
constexpr int kGemsForLegendary = 3;
constexpr std::uint8_t kCraftedExpansion = 1;
constexpr std::uint8_t kAllRealms = 3;
// The class flags, Verified, Researched and the reserved byte after them.
constexpr std::size_t kUsableBlockOffset = offsetof(TItemRecord, ClassUsable);
constexpr std::size_t kUsableBlockLength =
    offsetof(TItemRecord, ServerOrigins) - kUsableBlockOffset;
static_assert(kUsableBlockLength == 50);

}  // namespace

int GemCount(const TSpellcraftState& state, bool forceFifthSlot) {
  if (forceFifthSlot) return kGemSlotCount;
  int count = 0;
  for (const TSpellcraftGem& gem : state.Gems)
    if (gem.BonusIndex != 0) ++count;
  return count;
}

FifthSlotBonus SetFifth(const TSpellcraftState& state, bool forceFifthSlot) {
  const int gems = GemCount(state, forceFifthSlot);
  const bool applies = gems >= kGemsForFifthSlot ||
                       (gems >= kGemsForLegendary && IsLegendaryFifthSlot(state.FifthIndex));
  return applies ? FifthSlotBonusOf(state.FifthIndex) : FifthSlotBonus{};
}

TItemRecord BuildCraftedItem(const TSpellcraftState& state, const SpellcraftContext& context,
                             CraftedItemVariant variant) {
  const bool returned = variant == CraftedItemVariant::kReturned;
  TItemRecord item = EmptyItem();
  item.Name.Assign(state.Name);
  item.ItemType = kItemTypePlayerCrafted;
  item.Realm = kAllRealms;
  item.Expansion = kCraftedExpansion;
  item.Level = static_cast<std::uint8_t>(state.Level);
  item.Armor = static_cast<std::uint8_t>(state.ArmourIndex);
  item.Crafted = 1;
  item.ServerCoop = item.ServerPvP = item.ServerClassic = item.ServerNormal = 1;
  item.ServerOrigins = 1;
  if (returned) {
    std::memset(reinterpret_cast<unsigned char*>(&item) + kUsableBlockOffset, 1,
                kUsableBlockLength);
  }
  for (int k = 0; k < kGemSlotCount; ++k) {
    const TSpellcraftGem& gem = state.Gems[static_cast<std::size_t>(k)];
    if (gem.BonusIndex == 0) continue;
    item.BonusCode[k] = static_cast<std::uint8_t>(GemCodeOfIndex(gem.BonusIndex));
    item.BonusValue[k] = gem.Value;
    item.BonusValue[kFirstTierRow + k] = gem.TierIndex == kNoTier ? 0 : gem.TierIndex;
  }
  const FifthSlotBonus fifth = SetFifth(state, context.ForceFifthSlot);
  item.BonusCode[kFifthRow] = static_cast<std::uint8_t>(fifth.Code);
  item.BonusValue[kFifthRow] = fifth.Amount;
  item.BonusCode[kSecondFifthRow] = static_cast<std::uint8_t>(fifth.SecondCode);
  item.BonusValue[kSecondFifthRow] = fifth.SecondAmount;
  item.BonusLevelFixed = returned && state.AutoNaming ? 1 : 0;
  item.EffectKind[1] = static_cast<std::uint8_t>(state.FifthIndex);
  item.EffectId[1] =
      returned && context.UniversalRealm ? static_cast<std::uint16_t>(state.ChoiceIndex) : 0;
  return item;
}

bool IsSpellcrafted(const TItemRecord& item) {
  return item.Crafted == 1;
}

}  // namespace qm
