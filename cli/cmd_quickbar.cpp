// quickbar FILE.qmc --ini PATH ...: the template's spellcrafted gems onto a
// quickbar of a character's settings file of the game, as the export window
// writes them: the keys and the buttons they replace, then the backup it
// kept. --dry-run shows the keys and writes nothing.
#include <ctime>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/program_files.h"
#include "cli/record_files.h"
#include "core/class_table.h"
#include "core/file_io.h"
#include "core/text.h"
#include "interop/game_process.h"
#include "interop/quickbar_export.h"
#include "interop/quickbar_recipes.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage =
    "quickbar FILE.qmc --ini PATH [--bar 1-3] [--page 1-10] [--slot 1-10] "
    "[--server-kind KIND | --recipes TABLE] [--realm-switch] [--dry-run]";

Result<RecipeTable> LoadRecipes(const Args& args) {
  if (const auto file = args.Value("recipes")) return ReadRecipeTable(*file);
  const std::string kind = args.Value("server-kind").value_or(std::string(kDefaultServerKind));
  const std::string directory = ProgramDirectory();
  const std::string path = FindRecipeTable(directory, kind);
  if (!path.empty()) return ReadRecipeTable(path);
  std::string shipped;
  for (const std::string& known : ShippedServerKinds(directory))
    shipped += (shipped.empty() ? "" : ", ") + known;
  return Result<RecipeTable>::Failure("no recipe table for the server kind \"" + kind +
                                      "\" (shipped: " + (shipped.empty() ? "none" : shipped) +
                                      "); give one with --recipes TABLE");
}

int RunQuickbar(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {"dry-run", "realm-switch"},
                                {"ini", "bar", "page", "slot", "server-kind", "recipes"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE.qmc"}, error))
    return UsageError(context, error, kUsage);
  const auto iniPath = args->Value("ini");
  if (!iniPath || iniPath->empty()) return UsageError(context, "missing --ini PATH", kUsage);
  if (args->Has("server-kind") && args->Has("recipes"))
    return UsageError(context, "--server-kind and --recipes exclude each other", kUsage);
  std::optional<long long> bar, page, slot;
  if (!ReadNumberOption(*args, "bar", 1, kQuickbarBars, bar, error) ||
      !ReadNumberOption(*args, "page", 1, kQuickbarPages, page, error) ||
      !ReadNumberOption(*args, "slot", 1, kQuickbarPageSlots, slot, error))
    return UsageError(context, error, kUsage);
  const QuickbarPlacement at{static_cast<int>(bar.value_or(1)), static_cast<int>(page.value_or(1)),
                             static_cast<int>(slot.value_or(1))};

  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  auto recipes = LoadRecipes(*args);
  if (!recipes.Ok()) return InputError(context, recipes.Error());
  if (Status writable = CheckIniWritable(*iniPath); !writable.Ok())
    return InputError(context, writable.error);
  auto ini = ReadGameIni(*iniPath);
  if (!ini.Ok()) return InputError(context, ini.Error());
  if (Status character = CheckCharacterFile(ini.Value()); !character.Ok())
    return InputError(context, FileMessage(*iniPath, character.error));
  auto plan = PlanQuickbar(CraftedPieces(tpl.Value()), RealmOfClass(tpl.Value().ClassIndex),
                           recipes.Value(), ini.Value(), at, args->Has("realm-switch"));
  if (!plan.Ok()) return InputError(context, plan.Error());

  context.out << '[' << plan.Value().Section << "]\n";
  for (const QuickbarButton& button : plan.Value().Buttons) {
    context.out << button.Key << '=' << button.Value << '\t' << Cp1252ToUtf8(button.Caption);
    if (button.Count > 1) context.out << " x" << button.Count;
    context.out << '\t' << (button.Replaces ? "replaces " + *button.Replaces : "free") << '\n';
  }
  for (const std::string& unknown : plan.Value().Unknown)
    context.out << "no recipe: " << Cp1252ToUtf8(unknown) << '\n';
  if (args->Has("dry-run")) return kExitOk;

  if (const auto game = FindRunningGame())
    return InputError(context,
                      "close the game first: it writes the character's settings when "
                      "it closes (running: process " +
                          *game + ")");
  const auto backup = WriteQuickbar(*iniPath, ini.Value(), plan.Value(), std::time(nullptr));
  if (!backup.Ok()) return InputError(context, backup.Error());
  context.out << "backup: " << backup.Value() << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kQuickbarCommand{"quickbar", kUsage, RunQuickbar};

}  // namespace qm::cli
