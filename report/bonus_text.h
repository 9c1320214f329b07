#pragma once
// Bonus lines that read as percentages get a "%" sign. Which ones do is
// decided by words in the line itself, so that one rule serves the item
// lists of the report and the slot summary alike.
#include <string_view>

namespace qm {

// Resists, pools, speeds, damage and the other percentage bonuses.
bool ReadsAsPercent(std::string_view line);
// The narrower rule for the fifth-slot bonus of a crafted item.
bool FifthSlotReadsAsPercent(std::string_view line);

}  // namespace qm
