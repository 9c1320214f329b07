// convert IN OUT: a template of any kind the program opens written as a .qmc
// template.
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/file_io.h"
#include "core/template_file.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "convert IN OUT.qmc";

int RunConvert(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"IN", "OUT.qmc"}, error)) {
    return UsageError(context, error, kUsage);
  }
  if (args->Positional()[1].empty()) return UsageError(context, "OUT.qmc is empty", kUsage);
  const std::string& in = args->Positional()[0];
  const std::string& out = args->Positional()[1];
  // A template written under an old template's or an item's name would be
  // taken for one and read wrongly.
  const RecordFileKind outKind = KindOfPath(out);
  if ((outKind != RecordFileKind::kTemplate && outKind != RecordFileKind::kUnknown) ||
      IsVaultPath(out)) {
    return InputError(context, FileMessage(out,
                                           "names another kind of file; convert writes .qmc "
                                           "templates only, nothing written"));
  }
  auto tpl = LoadAnyTemplate(in, context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  // Without the program's vault at hand the mark keeps what the file held.
  const Status saved = WriteTemplateFile(out, tpl.Value(), tpl.Value().VaultMark, {in});
  if (!saved.Ok()) return InputError(context, saved.error);
  return kExitOk;
}

}  // namespace

constexpr Command kConvertCommand{"convert", kUsage, RunConvert};

}  // namespace qm::cli
