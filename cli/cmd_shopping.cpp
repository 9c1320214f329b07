// shopping FILE.qmc [--json]: the crafter's shopping list of a template, as
// the quickbar export window copies it: each spellcrafted piece with its gems
// and their materials, then the totals grouped as a crafter buys them.
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/text.h"
#include "report/shopping_list.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "shopping FILE.qmc [--json]";

nlohmann::ordered_json CountsJson(const std::vector<MaterialCount>& counts) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const MaterialCount& count : counts)
    json.push_back({{"name", Cp1252ToUtf8(count.Name)}, {"count", count.Count}});
  return json;
}

nlohmann::ordered_json ShoppingJson(const ShoppingList& list) {
  nlohmann::ordered_json pieces = nlohmann::ordered_json::array();
  for (const ShoppingPiece& piece : list.Pieces) {
    nlohmann::ordered_json gems = nlohmann::ordered_json::array();
    for (const ShoppingGem& gem : piece.Gems)
      gems.push_back({{"code", gem.Code},
                      {"tier", gem.Tier},
                      {"name", Cp1252ToUtf8(gem.Name)},
                      {"materials", Cp1252ToUtf8(gem.Materials)}});
    pieces.push_back({{"slot", piece.Slot},
                      {"slotName", Cp1252ToUtf8(piece.SlotName)},
                      {"gems", std::move(gems)}});
  }
  return {{"pieces", std::move(pieces)},
          {"totals",
           {{"dusts", CountsJson(list.Totals.Dusts)},
            {"liquids", CountsJson(list.Totals.Liquids)},
            {"gems", CountsJson(list.Totals.Gems)}}}};
}

int RunShopping(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {"json"}, {}, error);
  if (!args || !ExpectPositionals(*args, {"FILE.qmc"}, error))
    return UsageError(context, error, kUsage);
  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  const ShoppingList list = BuildShoppingList(tpl.Value());
  if (args->Has("json")) {
    context.out << ShoppingJson(list).dump(2) << '\n';
    return kExitOk;
  }
  for (const std::string& line : ShoppingListLines(list)) context.out << Cp1252ToUtf8(line) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kShoppingCommand{"shopping", kUsage, RunShopping};

}  // namespace qm::cli
