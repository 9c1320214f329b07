#pragma once
// The reading side of the vault text: one forward pass over the inflated text
// held in memory, without a copy per line and without a heap allocation per
// line or per entry.
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"
#include "vault/vault.h"

namespace qm {

// Header and entries. entries is made exactly the header count long, every
// byte zero, before the first entry is read; entries the text lacks stay so.
VaultLoadStatus ParseVaultText(std::string_view text, const VaultLoadOptions& options,
                               std::vector<TItemRecord>& entries);

// Entries alone, as the readable item files hold them (no header); every
// entry the text starts is returned. Errors name the line.
Result<std::vector<TItemRecord>> ParseVaultEntries(std::string_view text);

}  // namespace qm
