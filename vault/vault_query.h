#pragma once
// The one query every vault search runs: the criteria tested against each
// entry in vault-index order, producing the names and indices that match.
#include <string>
#include <vector>

#include "core/item_record.h"
#include "ports/ports.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

namespace qm {

inline constexpr const char* kNoItemsFound = "No items found";

// What the caller of a search knows beyond the criteria.
struct VaultQueryContext {
  // On while the item workbench is showing, with the character's level.
  bool BonusLevelLimit = false;
  int CharacterLevel = 50;
  // The character's class properties for the hand rules.
  int ShieldSize = 0;  // 0 none, 15 small, 16 medium, 17 large
  bool LeftHandWeapon = false;
  ShellPort* Shell = nullptr;  // busy pointer while the vault is walked
};

// Two parallel lists in vault-index order; when nothing matches, the single
// placeholder line "No items found" with index 0.
struct VaultQueryResult {
  std::vector<std::string> Names;
  std::vector<int> Indices;
  std::size_t Size() const { return Names.size(); }
};

bool EntryMatches(const TItemRecord& entry, const TVaultFilter& filter,
                  const VaultQueryContext& context);
// Replaces result with the entries of vault that match.
void RunVaultQuery(const Vault& vault, const TVaultFilter& filter, const VaultQueryContext& context,
                   VaultQueryResult& result);
VaultQueryResult RunVaultQuery(const Vault& vault, const TVaultFilter& filter,
                               const VaultQueryContext& context);

}  // namespace qm
