// show FILE [--json]: a template (.qmc, .qmy) or an item (.qmx, .qmi).
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "cli/record_json.h"
#include "cli/record_text.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "show FILE [--json]";

int RunShow(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"json"}, {}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::string& path = args->Positional()[0];
  const bool json = args->Has("json");

  const RecordFileKind kind = KindOfPath(path);
  if (kind == RecordFileKind::kItem || kind == RecordFileKind::kOldItem) {
    auto item = LoadAnyItem(path);
    if (!item.Ok()) return InputError(context, item.Error());
    if (json) {
      context.out << ItemToJson(item.Value()).dump(2) << '\n';
    } else {
      for (const std::string& line : ItemLines(item.Value())) context.out << line << '\n';
    }
    return kExitOk;
  }
  // Every other file is a template of ours or of another planner, or refused.
  auto tpl = LoadAnyTemplate(path, context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  if (json) {
    context.out << TemplateToJson(tpl.Value()).dump(2) << '\n';
  } else {
    for (const std::string& line : TemplateLines(tpl.Value())) context.out << line << '\n';
  }
  return kExitOk;
}

}  // namespace

constexpr Command kShowCommand{"show", kUsage, RunShow};

}  // namespace qm::cli
