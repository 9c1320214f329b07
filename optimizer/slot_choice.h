#pragma once
// What the optimizer's callers offer before the player changes anything:
// which slots stay, which come from the vault and which are spellcrafted, and
// which vault entries may be chosen.
#include <array>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "optimizer/optimizer_request.h"

namespace qm {

// The slots the workbench spellcrafts: the cloak, the armour and the weapons.
bool MayBeSpellcrafted(int slot);

// Slots holding a unique, artifact or Myth item stay; the other jewellery,
// cloak, belt, weapon and Myth slots come from the vault; the six armour
// pieces are spellcrafted.
std::array<SlotMode, kSlotCount> DefaultSlotModes(const TTemplateRecord& tpl);

enum class VaultChoice : std::uint8_t {
  kAll,       // every entry
  kVerified,  // entries marked verified
  kOwned,     // entries whose names the player marked as owned
};

// The entries of the vault the optimizer may choose from, with their vault
// indices; the header entry (index 0) never counts.
struct ChosenEntries {
  std::vector<TItemRecord> Items;
  std::vector<long long> Indices;
  VaultCandidates View() const { return {Items, Indices}; }
};
ChosenEntries ChooseEntries(std::span<const TItemRecord> vault, VaultChoice choice,
                            const std::set<std::string>& ownedNames);

}  // namespace qm
