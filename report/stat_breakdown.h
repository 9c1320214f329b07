#pragma once
// The stat breakdown: when the mouse rests on a stat, resist, skill or bonus
// figure, the side panel explains it slot by slot, with the group, acuity and
// realm-rank bonuses that raise it and a sum of its own. A pure function of
// the bonus code, the template, the main window's weapon choice and the
// totals the main window computed last.
#include <string>
#include <vector>

#include "core/template_record.h"
#include "engine/stat_block.h"

namespace qm {

struct PanelText {
  std::string Caption;             // the caption of the StatBox group box
  std::vector<std::string> Lines;  // the lines of InfoLabel
};

// The breakdown of bonus code 1..255 ("Stat: " + its name as the caption).
// weaponConfig is the main window's weapon choice (0..4); totals are the
// main window's last totals, read for the group, acuity and acuity-cap
// bonuses. A weapon choice above 4 lets no weapon slot take part.
PanelText StatBreakdown(int code, const TTemplateRecord& tpl, int weaponConfig,
                        const TTotalsRecord& totals);

// Whether the item of slot 1..19 counts under a weapon choice: the four
// weapon slots only under the choices that use them, every other slot always.
bool SlotTakesPart(int slot, int weaponConfig);

}  // namespace qm
