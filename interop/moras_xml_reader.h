#pragma once
// Moras item exports: a <daoc_items> document of many <item> elements, each
// with a name, a position ("CHEST", "WEAPONS", ...), realm, level, quality,
// an <armor> or <weapon> kind, class restrictions and <effect id="..."> bonuses.
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

// True when the start of a file looks like a Moras export.
bool LooksLikeMorasXml(std::string_view head);

Result<ReadOutcome> ReadMorasXml(std::string_view text, ReadContext& context);

}  // namespace qm
