#pragma once
// Caps: the largest bonus of each kind that still counts for a character of
// a given level and realm rank, and the effective cap a total is judged
// against once the items' cap increases are applied.
#include <cstdint>

#include "engine/stat_block.h"

namespace qm {

// The caps of a level and realm rank. Every fractional formula truncates
// toward zero; a level of 0 leaves every field 0.
TCapsRecord CapsForLevel(int level, int realmRank);

// The stat an acuity kind (1 Piety .. 4 Charisma) names and that stat's cap
// increase; Valid is false for kind 0 and for any kind above 4.
struct AcuityFields {
  bool Valid = false;
  StatField Stat = StatField::kAcuity;
  StatField CapInc = StatField::kAcuityCapInc;
};
AcuityFields AcuityFieldsOf(int acuityKind);

// The cap-increase total that raises the cap of field: the XCapInc total for
// Strength .. Quickness and HitPoints, "Acuity Cap" plus the class stat's cap
// increase for Acuity (taken in 16 bits), PowerCapInc for PowerPool; 0 for
// every other field and for Acuity without an acuity kind.
std::uint16_t CapIncreaseTotal(const TTotalsRecord& totals, StatField field, int acuityKind);
// The largest cap increase that counts for field (the caps record's own
// cap-increase field); 0 where CapIncreaseTotal is 0 by definition.
std::uint16_t CapIncreaseLimit(const TCapsRecord& caps, StatField field, int acuityKind);
// Whether field is one whose cap an item cap increase raises.
bool HasCapIncrease(StatField field, int acuityKind);

// The cap a total is judged against: caps.X plus the cap increase that
// counts (the smaller of total and limit) for the fields above; caps.X as the
// totals engine left it for every other field.
int EffectiveCap(const TCapsRecord& caps, const TTotalsRecord& totals, StatField field,
                 int acuityKind);

// The acuity figure of a class: the "Acuity" total plus the class stat's
// total; 0 for a class without acuity.
int AcuityTotal(const TTotalsRecord& totals, int acuityKind);

}  // namespace qm
