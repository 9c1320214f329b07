#include "optimizer/slot_choice.h"

#include "core/item_record.h"

namespace qm {
namespace {

constexpr std::uint8_t kItemTypeArtifact = 8;
constexpr std::uint8_t kItemTypeRulesetUnique = 16;

bool KeptByDefault(const TItemRecord& item) {
  return item.Unique != 0 || item.ItemType == kItemTypeUnique ||
         item.ItemType == kItemTypeArtifact || item.ItemType == kItemTypeMythirian ||
         item.ItemType == kItemTypeRulesetUnique;
}

}  // namespace

bool MayBeSpellcrafted(int slot) {
  return slot == kCloak || (slot >= kChest && slot <= kRanged);
}

std::array<SlotMode, kSlotCount> DefaultSlotModes(const TTemplateRecord& tpl) {
  std::array<SlotMode, kSlotCount> modes{};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const bool armour = slot >= kChest && slot <= kFeet;
    SlotMode mode = armour ? SlotMode::kSpellcraft : SlotMode::kFromVault;
    if (KeptByDefault(tpl.Slot(slot))) mode = SlotMode::kKeep;
    modes[static_cast<std::size_t>(slot - 1)] = mode;
  }
  return modes;
}

ChosenEntries ChooseEntries(std::span<const TItemRecord> vault, VaultChoice choice,
                            const std::set<std::string>& ownedNames) {
  ChosenEntries chosen;
  for (std::size_t i = 1; i < vault.size(); ++i) {
    const TItemRecord& item = vault[i];
    if (choice == VaultChoice::kVerified && item.Verified == 0) continue;
    if (choice == VaultChoice::kOwned && !ownedNames.contains(std::string(item.Name.View())))
      continue;
    chosen.Items.push_back(item);
    chosen.Indices.push_back(static_cast<long long>(i));
  }
  return chosen;
}

}  // namespace qm
