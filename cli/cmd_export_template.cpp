// export-template FILE --format zenkcraft --out OUT.znk: a template written
// in another planner's format. What that format cannot hold goes to
// standard error, one line each.
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/file_io.h"
#include "interop/template_open.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "export-template FILE --format zenkcraft --out OUT.znk";

int RunExportTemplate(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {}, {"format", "out"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::optional<std::string> format = args->Value("format");
  if (!format) return UsageError(context, "missing --format", kUsage);
  if (*format != "zenkcraft") {
    return UsageError(context, BadValueReason("--format", "zenkcraft", *format), kUsage);
  }
  const std::optional<std::string> out = args->Value("out");
  if (!out || out->empty()) return UsageError(context, "missing --out", kUsage);
  const std::string& path = args->Positional()[0];
  auto tpl = LoadAnyTemplate(path, context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  auto exported = ExportTemplate(tpl.Value(), TemplateFormat::kZenkcraft);
  if (!exported.Ok()) return InputError(context, exported.Error());
  for (const std::string& line : exported.Value().Warnings) {
    context.err << *out << ": " << line << '\n';
  }
  const Status written = WriteFileAtomically(*out, exported.Value().Text, {path});
  if (!written.Ok()) return InputError(context, written.error);
  return kExitOk;
}

}  // namespace

constexpr Command kExportTemplateCommand{"export-template", kUsage, RunExportTemplate};

}  // namespace qm::cli
