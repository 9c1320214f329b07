#pragma once
// The crafter's shopping list of a template: every spellcrafted piece with
// its gems and what each takes, then the materials of all of them added up
// by the report's material tally, grouped as a crafter buys them (dusts,
// liquids, base gems). As text it pastes into the game's chat or a note.
#include <string>
#include <vector>

#include "core/template_record.h"
#include "report/material_tally.h"

namespace qm {

struct ShoppingGem {
  int Code = 0;
  int Tier = 0;
  std::string Name;       // "Perfect fiery essence jewel"
  std::string Materials;  // "1 Ra, 37 Essence of Life, 10 Draconic Fire"
};

struct ShoppingPiece {
  int Slot = 0;
  std::string SlotName;  // "Chest"
  std::vector<ShoppingGem> Gems;
};

struct ShoppingList {
  std::vector<ShoppingPiece> Pieces;
  MaterialTally Tally;
  MaterialGroups Totals;
};

ShoppingList BuildShoppingList(const TTemplateRecord& tpl);
// The list as lines of text; a template without crafted pieces says so.
std::vector<std::string> ShoppingListLines(const ShoppingList& list);

}  // namespace qm
