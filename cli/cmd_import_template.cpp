// import-template FILE [--out OUT.qmc] [--json]: another planner's template
// (or one of ours) shown as the program reads it, and written as a .qmc.
// What the file could not carry goes to standard error one line each, and
// with --json into the warnings array.
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "cli/record_json.h"
#include "cli/record_text.h"
#include "core/file_io.h"
#include "core/template_file.h"
#include "interop/template_open.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "import-template FILE [--out OUT.qmc] [--json]";

int RunImportTemplate(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"json"}, {"out"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::string& path = args->Positional()[0];
  const std::optional<std::string> out = args->Value("out");
  if (out && (out->empty() || KindOfPath(*out) != RecordFileKind::kTemplate)) {
    return UsageError(context, "--out needs a .qmc path", kUsage);
  }
  auto opened = OpenAnyTemplate(path);
  if (!opened.Ok()) return InputError(context, opened.Error());
  OpenedTemplate& tpl = opened.Value();
  for (const std::string& line : tpl.Warnings) context.err << path << ": " << line << '\n';
  if (out) {
    const Status saved = WriteTemplateFile(*out, tpl.Record, tpl.Record.VaultMark, {path});
    if (!saved.Ok()) return InputError(context, saved.error);
  }
  if (args->Has("json")) {
    nlohmann::json json{{"format", TemplateFormatText(tpl.Format)},
                        {"template", TemplateToJson(tpl.Record)},
                        {"warnings", tpl.Warnings},
                        {"written", out ? nlohmann::json(*out) : nlohmann::json()}};
    context.out << json.dump(2) << '\n';
  } else {
    context.out << TemplateFormatText(tpl.Format) << ": " << path << '\n';
    for (const std::string& line : TemplateLines(tpl.Record)) context.out << line << '\n';
  }
  return kExitOk;
}

}  // namespace

constexpr Command kImportTemplateCommand{"import-template", kUsage, RunImportTemplate};

}  // namespace qm::cli
