#pragma once
// The reading side of the vault text: one forward pass over the inflated text
// held in memory, without a copy per line and without a heap allocation per
// line or per entry.
#include <string>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"
#include "vault/vault.h"
#include "vault/zlib_stream.h"

namespace qm {

// The header checks alone (the marks, the count, the text's size for that
// count); entryCount gets the count.
VaultLoadStatus CheckVaultHeader(std::string_view text, const VaultLoadOptions& options,
                                 std::size_t& entryCount);

// Header and entries. entries is made exactly the header count long, every
// byte zero, before the first entry is read; entries the text lacks stay so.
// changes, when given, gets one line ("line N: ...") per place where the
// loaded records say less than, or other than, the text: a cut text or
// number, a text its list lacks, a line that is not read.
VaultLoadStatus ParseVaultText(std::string_view text, const VaultLoadOptions& options,
                               std::vector<TItemRecord>& entries,
                               std::vector<std::string>* changes = nullptr);

// How much text a vault may hold, judged from its first bytes (the bounder
// the inflater asks). Until the count line has come, the header may take
// kMaxHeaderTextBytes; once the text can no longer pass the header checks,
// inflating stops where it is and the parse refuses it; with a valid count,
// the text may take kMaxEntryTextBytes per entry, up to maxTextBytes.
TextBound VaultTextBound(std::string_view textSoFar, const VaultLoadOptions& options);
TextBounder VaultBounder(const VaultLoadOptions& options);

// Entries alone, as the readable item files hold them (no header); every
// entry the text starts is returned. Errors name the line.
Result<std::vector<TItemRecord>> ParseVaultEntries(std::string_view text);

}  // namespace qm
