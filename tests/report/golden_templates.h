#pragma once
// The characters whose whole reports are kept as reference files.
#include <string>
#include <vector>

#include "core/template_record.h"

namespace qm::testing {

struct GoldenTemplate {
  std::string Name;  // file name stem, e.g. "albion-wizard"
  TTemplateRecord Template;
};

// A new character with no items; an Albion caster with acuity items and
// crafted armour; a Midgard tank with a shield and all four weapon slots
// filled; a Hibernian with a Myth item and ToA and PvE bonuses.
std::vector<GoldenTemplate> GoldenTemplates();

}  // namespace qm::testing
