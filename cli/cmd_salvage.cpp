// salvage A1 .. A10: the raw and trinket values of a stock of salvaged metal,
// one amount per tier from Bronze to Arcanium, as the calculator's two bars.
#include <algorithm>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "salvage/salvage_model.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "salvage A1 A2 A3 A4 A5 A6 A7 A8 A9 A10";

int RunSalvage(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(
                   *args, {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10"}, error)) {
    return UsageError(context, error, kUsage);
  }
  static_assert(kSalvageTierCount == 10, "the usage line names ten amounts");
  TfrmSalvo salvo;
  for (int tier = 0; tier < kSalvageTierCount; ++tier) {
    const std::string& amount = args->Positional()[static_cast<std::size_t>(tier)];
    // The window only lets digits in; the command is as strict and names the
    // offending amount. Large numbers are held to 32000 as the edits do.
    if (amount.empty() ||
        !std::all_of(amount.begin(), amount.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return InputError(context, "amount " + std::to_string(tier + 1) + " ('" + amount +
                                     "') is not a whole number");
    salvo.SetAmount(tier, amount);
  }
  context.out << TfrmSalvo::BarLine(salvo.View().RawValue) << '\n'
              << TfrmSalvo::BarLine(salvo.View().Cashbar) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kSalvageCommand{"salvage", kUsage, RunSalvage};

}  // namespace qm::cli
