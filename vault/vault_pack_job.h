#pragma once
// Writing and packing a whole vault as one step of a job: a vault of a
// hundred thousand entries takes a while, so the step reports its progress
// in entries and gives up when asked. The text is packed a piece at a time
// as it is written, never held whole.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"
#include "ports/job.h"

namespace qm {

inline constexpr std::string_view kPackingPhase = "Packing the vault";

// The bytes of a vault file of entries (the header entry first). A failure
// with cancelled set means the token stopped it.
Result<std::vector<std::uint8_t>> PackVaultEntries(std::span<const TItemRecord> entries,
                                                   const ProgressCallback& progress,
                                                   const CancelToken& cancel, bool& cancelled);

}  // namespace qm
