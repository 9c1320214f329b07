#pragma once
// A template as another planner saved it, after its reader has put what it
// could into our record. Nothing is dropped silently: whatever the record
// cannot hold (an unknown bonus, an eleventh bonus, a class the realm does
// not have, a slot we cannot place) is one line in Warnings.
#include <array>
#include <string>
#include <vector>

#include "core/template_record.h"

namespace qm {

struct ForeignTemplate {
  TTemplateRecord Record = EmptyTemplate();
  // Slots whose item the source says a spellcrafter made. Their bonus rows
  // hold the gems' bonuses in gem order (code and value); the crafted-item
  // match turns them into our crafted encoding where the gems fit the realm's
  // gem tables, and leaves them plain items with the same bonuses otherwise.
  std::array<bool, kSlotCount> Crafted{};
  // One line each, "where: what" ("slot 9 Chest: unknown bonus \"Essence
  // Damage\" left out", "class \"Wizard\" does not exist in Midgard").
  std::vector<std::string> Warnings;
};

// A template written in another planner's format, with what that format
// cannot hold, one line each.
struct TemplateExport {
  std::string Text;
  std::vector<std::string> Warnings;
};

}  // namespace qm
