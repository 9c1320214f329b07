#pragma once
// The writing side of the vault text: the exact text the loader reads, and
// its packing into a vault file. The writer refuses any record the text would
// not give back unchanged (a "~" or line end inside a text, a list position
// without a text of its own, a bonus value longer than five characters, a
// stored bonus level above 99, ...), naming the entry and the field, so a
// packed vault always loads as it was written.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"

namespace qm {

// The fixed third header line, whatever the date.
inline constexpr const char* kVaultDateLine = "Vault Date:6/22/2009";

// The whole vault text, CR LF line ends; entry 0 is the header entry whose
// first effect value is the vault version.
Result<std::string> WriteVaultText(std::span<const TItemRecord> entries);
// The same for a job: keepGoing(entries written so far) is asked after each
// entry, and a false answer gives up the text with kVaultWritingStopped.
Result<std::string> WriteVaultText(std::span<const TItemRecord> entries,
                                   const std::function<bool(std::size_t written)>& keepGoing);
inline constexpr const char* kVaultWritingStopped = "the writing was stopped";
// The vault text packed as one zlib stream at level 1: the bytes of a vault file.
Result<std::vector<std::uint8_t>> PackVault(std::span<const TItemRecord> entries);
// Checks one record against everything the text can carry; empty when it
// can be written, else the field and the reason.
std::string WhyNotWritable(const TItemRecord& item);

}  // namespace qm
