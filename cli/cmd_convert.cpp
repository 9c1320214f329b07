// convert IN OUT: a .qmc or .qmy template written as a .qmc template.
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/record_files.h"
#include "core/template_file.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "convert IN.qmc|IN.qmy OUT.qmc";

int RunConvert(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || args->Positional().size() != 2) return UsageError(context, kUsage);
  auto tpl = LoadAnyTemplate(args->Positional()[0]);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  // Without the program's vault at hand the mark keeps what the file held.
  const Status saved = WriteTemplateFile(args->Positional()[1], tpl.Value(), tpl.Value().VaultMark);
  if (!saved.Ok()) return InputError(context, saved.error);
  return kExitOk;
}

const CommandRegistration kConvert({"convert", kUsage, RunConvert});

}  // namespace
}  // namespace qm::cli
