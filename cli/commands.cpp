#include "cli/commands.h"

namespace qm::cli {
namespace {

constexpr const Command* kCommands[] = {
    &kBreakdownCommand,      &kConvertCommand,        &kGemCommand,       &kImportCommand,
    &kReportCommand,         &kSalvageCommand,        &kShowCommand,      &kSpellcraftCommand,
    &kSummaryCommand,        &kTotalsCommand,         &kUtilityCommand,   &kVaultBuildCommand,
    &kVaultDescribeCommand,  &kVaultInfoCommand,      &kVaultPackCommand, &kVaultSearchCommand,
    &kVaultUnpackCommand,    &kCompareCommand,        &kQuickbarCommand,  &kShoppingCommand,
    &kImportTemplateCommand, &kExportTemplateCommand, &kOptimizeCommand,
};

}  // namespace

std::span<const Command* const> AllCommands() {
  return kCommands;
}

}  // namespace qm::cli
