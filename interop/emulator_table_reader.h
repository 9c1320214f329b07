#pragma once
// OpenDAoC / Dawn of Light item tables as SQL dumps: the rows of
// `INSERT INTO itemtemplate` or `REPLACE INTO itemtemplate` statements. Only
// items someone wears are kept, and of those only the ones with a bonus or
// the weapons and armour of level 45 and above; every other row is counted
// in the tally by why it was left out.
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

// True when the start of a file looks like a dump of an item template table.
bool LooksLikeEmulatorTable(std::string_view head);

Result<ReadOutcome> ReadEmulatorTable(std::string_view text, ReadContext& context);

}  // namespace qm
