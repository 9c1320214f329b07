#pragma once
// Plain-text listings of records for the terminal: every field a player would
// look at, every bonus by its catalogue name.
#include <string>
#include <vector>

#include "core/item_record.h"
#include "core/template_record.h"

namespace qm::cli {

std::vector<std::string> ItemLines(const TItemRecord& item);
std::vector<std::string> TemplateLines(const TTemplateRecord& tpl);

}  // namespace qm::cli
