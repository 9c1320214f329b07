#pragma once
// Spellcrafted pieces of another planner's template, rebuilt as our crafted
// designs where their bonuses are gems our tables know.
#include "interop/foreign_template.h"

namespace qm {

// For every slot marked Crafted: when its bonuses are at most four distinct
// gems of the template's realm, each with a value on its gem's ladder
// (followed, with four gems or three for the legendary rows, by exactly the
// bonus of a fifth-slot row), the item becomes our crafted encoding, which
// the workbench's spellcraft tab opens as a design; its name, level, quality
// and notes stay. Any other crafted piece stays a plain item with the same bonuses.
void MatchCraftedItems(ForeignTemplate& tpl);

}  // namespace qm
