#pragma once
// The "Stat Display" text of the workbench's Load Item tab: what the player
// reads about the selected vault entry before taking it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/item_record.h"

namespace qm {

// The lines shown for an entry. maxArmor is the character's best armour grade
// (0 cloth .. 4 plate), for items whose absorb follows the class.
std::vector<std::string> DescribeSearchItem(const TItemRecord& item, std::uint8_t maxArmor);

// "Normal Proc ( 25v Lifedrain )": one effect line; empty for a kind outside 1..5.
std::string SearchEffectLine(int kind, std::uint16_t effectId, std::uint16_t value);

}  // namespace qm
