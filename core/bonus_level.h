#pragma once
// The bonus level of an item as a number. It is a property of the record
// (converted legacy items store it), so it lives beside the record; the
// display texts of all four item measures are built on it in engine/.
#include "core/item_record.h"

namespace qm {

// The computed or stored bonus level, after every override.
int BonusLevelValue(const TItemRecord& item);
// Rounding to the nearest integer with halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace qm
