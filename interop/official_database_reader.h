#pragma once
// The publisher's downloadable item database: one JSON document whose
// "items" array holds every item with its realm, slot, requirements and
// bonus rows of (type, id, value), and a separate metadata document that
// names those numbers. The reader walks the document one item at a time and
// keeps only the items a character can wear.
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

// True when the first bytes of a file look like the item database: a JSON
// object that names an "items" array.
bool LooksLikeOfficialDatabase(std::string_view head);

// Reads the items of itemsJson. metadataJson may be empty: the built-in
// copy of the database's ids then maps the bonuses, and a bonus we have no
// code for is named "type T id I"; with the metadata its own names are used,
// and its names also map ids the built-in copy does not know.
Result<ReadOutcome> ReadOfficialDatabase(std::string_view itemsJson, std::string_view metadataJson,
                                         ReadContext& context);

}  // namespace qm
