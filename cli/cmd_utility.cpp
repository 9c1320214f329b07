// utility FILE --mode M: the utility column of a template, one slot text per
// line in slot order, then the total label's text.
#include <ostream>
#include <string>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "engine/item_measures.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "utility FILE --mode 0|1|2|3";

int RunUtility(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {"mode"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  if (!args->Has("mode")) return UsageError(context, "missing --mode", kUsage);
  std::optional<long long> mode;
  if (!ReadNumberOption(*args, "mode", 0, kUtilityModeCount - 1, mode, error)) {
    return UsageError(context, error, kUsage);
  }

  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  const UtilityColumn column = ShowUtility(tpl.Value(), static_cast<int>(*mode));
  for (const std::string& text : column.SlotTexts) context.out << text << '\n';
  context.out << column.TotalText << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kUtilityCommand{"utility", kUsage, RunUtility};

}  // namespace qm::cli
