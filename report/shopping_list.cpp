#include "report/shopping_list.h"

#include <cctype>

#include "core/class_table.h"
#include "spellcraft/crafted_gems.h"
#include "spellcraft/gem_names.h"

namespace qm {
namespace {

// "1 Ra , 37 Essence of Life | 10 Draconic Fire" read as one list.
std::string MaterialsText(int code, int tier, int realm) {
  std::string text = GemMaterials(code, tier, realm);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] == '|' ? ',' : text[i];
    if (c == ',' && !out.empty() && out.back() == ' ') out.pop_back();
    out += c;
  }
  return out;
}

std::string GroupLine(std::string_view heading, const std::vector<MaterialCount>& counts) {
  std::string line(heading);
  for (std::size_t i = 0; i < counts.size(); ++i)
    line += (i == 0 ? " " : ", ") + std::to_string(counts[i].Count) + " " + counts[i].Name;
  return line;
}

}  // namespace

ShoppingList BuildShoppingList(const TTemplateRecord& tpl) {
  ShoppingList list;
  const int realm = RealmOfClass(tpl.ClassIndex);
  for (const CraftedPieceGems& piece : CraftedPieces(tpl)) {
    ShoppingPiece shopping{piece.Slot, std::string(SlotName(piece.Slot)), {}};
    for (const CraftedGem& gem : piece.Gems) {
      std::string name = GemName(gem.Code, gem.Tier, realm);
      if (name.empty()) name = "gem " + std::to_string(gem.Code);
      name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
      shopping.Gems.push_back(
          {gem.Code, gem.Tier, std::move(name), MaterialsText(gem.Code, gem.Tier, realm)});
      AddGemToTally(list.Tally, gem.Code, gem.Tier, realm);
    }
    list.Pieces.push_back(std::move(shopping));
  }
  list.Totals = GroupedMaterials(list.Tally);
  return list;
}

std::vector<std::string> ShoppingListLines(const ShoppingList& list) {
  if (list.Pieces.empty()) return {"The template has no spellcrafted pieces with gems."};
  std::vector<std::string> lines;
  for (const ShoppingPiece& piece : list.Pieces) {
    lines.push_back(piece.SlotName + ":");
    for (const ShoppingGem& gem : piece.Gems)
      lines.push_back("  " + gem.Name + ": " + gem.Materials);
  }
  lines.emplace_back("Totals:");
  lines.push_back(GroupLine("  Dusts:", list.Totals.Dusts));
  lines.push_back(GroupLine("  Liquids:", list.Totals.Liquids));
  lines.push_back(GroupLine("  Base gems:", list.Totals.Gems));
  return lines;
}

}  // namespace qm
