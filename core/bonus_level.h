#pragma once
// The bonus level of an item as a number. It is a property of the record
// (converted legacy items store it), so it lives beside the record; the
// display texts of all four item measures are built on it in engine/.
#include <cstdint>

#include "core/item_record.h"

namespace qm {

// The computed or stored bonus level, after every override. Rows near the
// ends of the 32-bit range take a computed level far past them, so it is
// 64 bits wide and exact for any rows.
std::int64_t BonusLevelValue(const TItemRecord& item);
// numerator / denominator (denominator above 0) rounded to the nearest
// integer, halves to the even neighbour.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator);

}  // namespace qm
