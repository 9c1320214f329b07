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
// The same text in pieces of at least pieceBytes (the last may be shorter),
// for a job that packs it as it goes: take(piece, entries written so far)
// gets each, and a false answer gives up with kVaultWritingStopped.
Status WriteVaultTextInPieces(
    std::span<const TItemRecord> entries, std::size_t pieceBytes,
    const std::function<bool(std::string_view piece, std::size_t written)>& take);
inline constexpr const char* kVaultWritingStopped = "the writing was stopped";
// The vault text packed as one zlib stream at level 1: the bytes of a vault file.
Result<std::vector<std::uint8_t>> PackVault(std::span<const TItemRecord> entries);
// Checks one record against everything the text can carry; empty when it
// can be written, else the field and the reason.
std::string WhyNotWritable(const TItemRecord& item);
// The same for the header entry, which also carries the vault version;
// names the entry.
std::string WhyHeaderNotWritable(const TItemRecord& header);

// The parts of the text, for a packer that writes it as entries come: the
// header lines with the entry count and the header entry (entry 0), and one
// entry after it. Both take records that passed their check above.
void AppendVaultHeadText(std::string& out, const TItemRecord& header, std::size_t count);
void AppendVaultEntryText(std::string& out, const TItemRecord& entry, std::size_t index);

}  // namespace qm
