#pragma once
// Kort's spellcraft calculator saves one item per file: an <SCItem> element
// with its location, name, level, quality and up to a dozen <SLOT> bonuses
// of a type ("Stat", "Resist", "Skill", "Focus", "Cap Increase", ...), an
// effect and an amount. The words are the ones our XML item import knows,
// so both read them through the same tables.
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

// True when the first element of the file is an <SCItem>.
bool LooksLikeKortXml(std::string_view head);

Result<ReadOutcome> ReadKortXml(std::string_view text, ReadContext& context);

}  // namespace qm
