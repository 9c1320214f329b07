#pragma once
// Every quillmark-cli command, each defined in its cmd_*.cpp. The dispatcher
// lists them in one table: a command that only registered itself from a
// static object would be dropped when the commands are linked from a library.
#include <span>

#include "cli/command.h"

namespace qm::cli {

extern const Command kBreakdownCommand;
extern const Command kCompareCommand;
extern const Command kConvertCommand;
extern const Command kExportTemplateCommand;
extern const Command kGemCommand;
extern const Command kImportCommand;
extern const Command kImportTemplateCommand;
extern const Command kOptimizeCommand;
extern const Command kQuickbarCommand;
extern const Command kReportCommand;
extern const Command kSalvageCommand;
extern const Command kShoppingCommand;
extern const Command kShowCommand;
extern const Command kSpellcraftCommand;
extern const Command kSummaryCommand;
extern const Command kTotalsCommand;
extern const Command kUtilityCommand;
extern const Command kVaultBuildCommand;
extern const Command kVaultDescribeCommand;
extern const Command kVaultInfoCommand;
extern const Command kVaultPackCommand;
extern const Command kVaultSearchCommand;
extern const Command kVaultUnpackCommand;

// The commands above, each once.
std::span<const Command* const> AllCommands();

}  // namespace qm::cli
