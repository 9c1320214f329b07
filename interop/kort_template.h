#pragma once
// Kort's calculator saves a whole character as an <SCTemplate>: name, realm,
// class, race, level, realm rank ("5L3": rank 5, level 3 within it),
// champion level and notes, then every item it knows as an <SCItem>, often
// several for one location (the crafted and the dropped one), and <Outfit>
// elements naming by TemplateIndex the item each location wears.
#include <string_view>

#include "core/result.h"
#include "interop/foreign_template.h"

namespace qm {

// True when the first element of the file is an <SCTemplate>.
bool LooksLikeKortTemplate(std::string_view head);

// The template in our record, with a warning for each thing it cannot hold.
// Refuses, naming fileName and the line, a file past 16 MiB, XML that is not
// well-formed, another root element, a number that is not one and a level
// outside 1-50.
Result<ForeignTemplate> ReadKortTemplate(std::string_view text, std::string_view fileName);

}  // namespace qm
