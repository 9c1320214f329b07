#pragma once
// The totals engine: what the counted items of a template add up to, and
// the caps those sums are judged against. A pure function of the template:
// it reads nothing else, keeps no state and allocates nothing, because it
// runs on every edit.
#include <cstdint>

#include "core/template_record.h"
#include "engine/stat_block.h"

namespace qm {

// Both records start on an even address, so their 16-bit fields are aligned
// even though the packed record itself only asks for byte alignment.
struct TotalsAndCaps {
  alignas(2) TTotalsRecord Totals;
  alignas(2) TCapsRecord Caps;
  friend bool operator==(const TotalsAndCaps& a, const TotalsAndCaps& b) {
    return a.Totals == b.Totals && a.Caps == b.Caps;
  }
};

// Visits Jewel .. Feet, the two weapon steps of the weapon configuration and
// the Myth slot's first row; the caps start from the level and realm rank and
// are raised by "Fatigue Cap" bonuses and the Myth rules.
TotalsAndCaps ComputeTotals(const TTemplateRecord& tpl);

// The bonus total of one skill line over the same counted items (the Myth
// slot aside), the group bonuses that reach the skill included; 16-bit sum.
std::uint16_t SkillBonusTotal(int code, const TTemplateRecord& tpl);

// The slot counted at step 1..16 of a totals walk, 0 where the step counts no
// item (a weapon step of a configuration that leaves it empty, or any
// configuration above 4).
int CountedSlot(const TTemplateRecord& tpl, int step);

inline constexpr int kCountedSteps = 16;

}  // namespace qm
