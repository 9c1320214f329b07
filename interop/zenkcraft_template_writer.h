#pragma once
// Our template in Zenkcraft's format (.znk), so a player can take it there.
#include "core/template_record.h"
#include "interop/foreign_template.h"

namespace qm {

// Every slot and bonus Zenkcraft can hold, in the element order Zenkcraft
// writes; spellcrafted items as "Spellcraft" with their gems' and fifth
// slot's bonuses. Warnings name what the format cannot hold: effects and
// procs, our item types it has no word for, bonuses without a Zenkcraft
// word, and the realm rank, server, champion flag and weapon choice it lacks.
TemplateExport WriteZenkcraftTemplate(const TTemplateRecord& tpl);

}  // namespace qm
