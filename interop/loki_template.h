#pragma once
// Loki's templates (.mmr): an XML <character> with its name, level, realm,
// class and race as attributes, the optimizer's settings, and <items>, one
// <item> per location holding both a <crafted> and a <drop> variant, of which
// its origin attribute names the one in use. A crafted variant's gem amounts
// are tier indices into the gem's value ladder; a drop's are the values.
#include <string_view>

#include "core/result.h"
#include "interop/foreign_template.h"

namespace qm {

// True when the first element of the file is a <character>.
bool LooksLikeLokiTemplate(std::string_view head);

// The template in our record, with a warning for each thing it cannot hold.
// Refuses, naming fileName and the line, a file past 16 MiB, XML that is not
// well-formed, another root element, a number that is not one and a level
// outside 1-50.
Result<ForeignTemplate> ReadLokiTemplate(std::string_view text, std::string_view fileName);

}  // namespace qm
