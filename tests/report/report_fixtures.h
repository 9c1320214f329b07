#pragma once
// Small builders of items and templates for the report tests.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/item_record.h"
#include "core/template_record.h"

namespace qm::testing {

using Row = std::pair<int, int>;  // bonus code, value

// A dropped item with the given rows (rows 1.. in order), level 50.
TItemRecord Item(std::string_view name, std::initializer_list<Row> rows);

struct Gem {
  int code;
  int value;
  int tier;
};
// A spellcrafted item as the spellcraft tab builds it: gems in rows 1..4 with
// their tiers in rows 5..8, the fifth-slot bonus in rows 9 and 10.
TItemRecord CraftedItem(std::string_view name, int level, int armourIndex,
                        std::initializer_list<Gem> gems, std::initializer_list<Row> fifth = {});

// A new template of the class: level 50, realm rank 1, the given weapon choice.
TTemplateRecord Template(std::string_view name, int classIndex, int weaponConfig = 4);

std::string Joined(const std::vector<std::string>& lines);

}  // namespace qm::testing

#include "report/template_report.h"

namespace qm::testing {

// The report of a template with the main window readings the template gives.
std::vector<std::string> ReportLines(const TTemplateRecord& tpl, const ReportOptions& options = {},
                                     int utilityMode = 0);
// The lines from the first line equal to `from` up to (not including) the
// first later line equal to `to`; empty when `from` is missing.
std::vector<std::string> Between(const std::vector<std::string>& lines, std::string_view from,
                                 std::string_view to);
bool HasLine(const std::vector<std::string>& lines, std::string_view line);

}  // namespace qm::testing
