#pragma once
#include "core/template_record.h"

namespace qm {

// Empties every slot whose item the template may not hold: class flag, realm
// (Normal, Classic and Origins servers only), server flag, and crafted items
// outside the jewellery slots. A class index above 46 finds no flag set.
void EnforceTemplateRules(TTemplateRecord& tpl);

}  // namespace qm
