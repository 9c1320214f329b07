// breakdown FILE CODE: the stat breakdown panel of one bonus code for the
// template, under its own weapon configuration and totals.
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/text.h"
#include "engine/totals.h"
#include "report/stat_breakdown.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "breakdown FILE CODE";

int RunBreakdown(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"FILE", "CODE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const auto code = ParseNumberArgument("CODE", args->Positional()[1], 0, 255, error);
  if (!code) return UsageError(context, error, kUsage);
  // Labels tagged 0 explain nothing.
  if (*code == 0) return InputError(context, "bonus code 0 has no breakdown");
  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());

  const TotalsAndCaps figures = ComputeTotals(tpl.Value());
  const PanelText panel =
      StatBreakdown(static_cast<int>(*code), tpl.Value(), tpl.Value().WeaponConfig, figures.Totals);
  context.out << Cp1252ToUtf8(panel.Caption) << '\n';
  for (const std::string& line : panel.Lines) context.out << Cp1252ToUtf8(line) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kBreakdownCommand{"breakdown", kUsage, RunBreakdown};

}  // namespace qm::cli
