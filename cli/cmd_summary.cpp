// summary FILE SLOT: the slot item summary panel of slot 1..19 for the
// template's class.
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/class_table.h"
#include "core/text.h"
#include "report/slot_summary.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "summary FILE SLOT";

int RunSummary(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"FILE", "SLOT"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const auto slot = ParseNumberArgument("SLOT", args->Positional()[1], 1, kSlotCount, error);
  if (!slot) return UsageError(context, error, kUsage);
  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());

  const TTemplateRecord& record = tpl.Value();
  const SlotSummaryView view =
      SlotSummary(record.Slot(static_cast<int>(*slot)), ClassOf(record.ClassIndex).MaxArmor);
  context.out << Cp1252ToUtf8(view.Panel.Caption) << '\n';
  for (const std::string& line : view.Panel.Lines) context.out << Cp1252ToUtf8(line) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kSummaryCommand{"summary", kUsage, RunSummary};

}  // namespace qm::cli
