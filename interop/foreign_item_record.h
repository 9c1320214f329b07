#pragma once
// Turns a foreign item into a vault entry. Bonuses we have a code for go into
// the ten bonus rows, the same code twice adding up; a bonus we cannot map is
// named in the tally and left out, and the entry's notes say it is
// unverified. An item is skipped, with its reason in the tally, when its
// bonuses do not fit ten rows or when every bonus it had was one we cannot map.
#include <optional>

#include "core/item_record.h"
#include "interop/foreign_item.h"
#include "interop/import_tally.h"

namespace qm {

inline constexpr const char* kTooManyBonuses = "more than ten bonuses";
inline constexpr const char* kNoBonusLeft = "no bonus left after the unknown ones";
inline constexpr const char* kNoName = "no name";
inline constexpr const char* kSlotUnknown = "slot unknown (set it in the workbench)";

std::optional<TItemRecord> ForeignItemRecord(const ForeignItem& item, SourceKind kind,
                                             ImportTally& tally);

}  // namespace qm
