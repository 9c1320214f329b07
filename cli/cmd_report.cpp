// report FILE [--html] [--content all|materials|names|stats] [--weapons N]
//             [--hide race,caps,notes,expansion,utility] [--utility-mode M] [--out PATH]
// The template report as the report window builds it. The class text, race
// and per-slot measure texts are the ones the main window would show for the
// template; --out saves it as the window's save commands do.
#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_files.h"
#include "core/file_io.h"
#include "core/text.h"
#include "engine/item_measures.h"
#include "report/report_files.h"
#include "report/report_window.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage =
    "report FILE [--html] [--content all|materials|names|stats] [--weapons N] "
    "[--hide race,caps,notes,expansion,utility] [--utility-mode M] [--out PATH]";

struct ContentName {
  std::string_view Name;
  ReportContent Content;
};
constexpr std::array<ContentName, 4> kContents = {{
    {"all", ReportContent::kAllStatsAndItems},
    {"materials", ReportContent::kMaterialList},
    {"names", ReportContent::kItemNamesOnly},
    {"stats", ReportContent::kStatsOnly},
}};

// Applies --hide; false, with the name in unknown, for a name that is no toggle.
bool HideToggles(const std::string& list, ReportOptions& options, std::string& unknown) {
  std::stringstream names(list);
  std::string name;
  while (std::getline(names, name, ',')) {
    if (name == "race") {
      options.DisplayRace = false;
    } else if (name == "caps") {
      options.DisplayCap = false;
    } else if (name == "notes") {
      options.Notes = false;
    } else if (name == "expansion") {
      options.Expansion = false;
    } else if (name == "utility") {
      options.DisplayUtility = false;
    } else {
      unknown = name;
      return false;
    }
  }
  return true;
}

int RunReport(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"html"},
                          {"content", "weapons", "hide", "utility-mode", "out"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }

  ReportContext report;
  if (const auto content = args->Value("content")) {
    const auto found = std::find_if(kContents.begin(), kContents.end(),
                                    [&](const ContentName& c) { return c.Name == *content; });
    if (found == kContents.end()) {
      return UsageError(
          context, BadValueReason("--content", "all, materials, names or stats", *content), kUsage);
    }
    report.Options.Content = found->Content;
  }
  for (const std::string& hide : args->Values("hide")) {
    std::string unknown;
    if (!HideToggles(hide, report.Options, unknown)) {
      return UsageError(
          context, BadValueReason("--hide", "race, caps, notes, expansion or utility", unknown),
          kUsage);
    }
  }
  std::optional<long long> weapons;
  if (!ReadNumberOption(*args, "weapons", 0, 4, weapons, error)) {
    return UsageError(context, error, kUsage);
  }
  std::optional<long long> utilityMode = kUtilityNormal;
  if (!ReadNumberOption(*args, "utility-mode", 0, kUtilityModeCount - 1, utilityMode, error)) {
    return UsageError(context, error, kUsage);
  }
  const auto out = args->Value("out");
  if (out && out->empty()) return UsageError(context, kEmptyOutReason, kUsage);

  auto tpl = LoadAnyTemplate(args->Positional()[0], context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  report.ReportCopy = tpl.Value();
  if (weapons) report.ReportCopy.WeaponConfig = static_cast<std::uint8_t>(*weapons);
  report.MainWindow = ReadingsFromTemplate(tpl.Value(), static_cast<int>(*utilityMode));

  const ReportDocument document = BuildReport(report);
  const bool html = args->Has("html");
  const std::string_view name = report.ReportCopy.CharName.View();
  if (out) {
    // The bytes the window's save commands write, never over the template read.
    const Status saved = WriteFileAtomically(
        *out, html ? ReportHtmlBytes(document.Lines, name) : ReportTextBytes(document.Lines),
        {args->Positional()[0]});
    if (!saved.Ok()) return InputError(context, saved.error);
    return kExitOk;
  }
  if (html) {
    context.out << Cp1252ToUtf8(ReportHtmlBytes(document.Lines, name));
  } else {
    for (const std::string& line : document.Lines) context.out << Cp1252ToUtf8(line) << '\n';
  }
  return kExitOk;
}

}  // namespace

constexpr Command kReportCommand{"report", kUsage, RunReport};

}  // namespace qm::cli
