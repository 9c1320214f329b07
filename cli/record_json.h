#pragma once
// JSON forms of the records, used by show, import, spellcraft and the tests:
// every field under its record name, arrays for repeated fields, texts as
// UTF-8 decoded from Windows-1252.
#include <nlohmann/json.hpp>

#include "core/item_record.h"
#include "core/template_record.h"

namespace qm::cli {

nlohmann::ordered_json ItemToJson(const TItemRecord& item);
nlohmann::ordered_json TemplateToJson(const TTemplateRecord& tpl);

}  // namespace qm::cli
