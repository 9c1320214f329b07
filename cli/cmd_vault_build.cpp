// vault build: imports item sources of every kind into a vault file and
// reports what became of every item.
#include <chrono>
#include <ctime>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/terminal_progress.h"
#include "core/text.h"
#include "interop/item_import.h"

namespace qm::cli {
namespace {

constexpr std::string_view kBuildUsage = "vault build OUT.qmv SOURCE... [--label TEXT] [--json]";

std::string Today() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  return date;
}

nlohmann::json ReasonsJson(const std::vector<ReasonCount>& reasons) {
  auto list = nlohmann::json::array();
  for (const ReasonCount& r : reasons) {
    list.push_back({{"reason", r.Reason}, {"count", r.Count}, {"first_names", r.Names}});
  }
  return list;
}

nlohmann::json ReportJson(const ItemImportReport& report, const std::string& out) {
  auto sources = nlohmann::json::array();
  for (const SourceSummary& s : report.Sources) {
    nlohmann::json source = {{"path", s.Path}, {"files", s.Files}, {"items_read", s.ItemsRead}};
    if (s.Kind) {
      source["kind"] = SourceKindText(*s.Kind);
    } else {
      source["refused"] = s.Refusal;
    }
    if (!s.StoppedAt.empty()) source["stopped_at"] = s.StoppedAt;
    sources.push_back(std::move(source));
  }
  return {{"out", out},
          {"label", report.Label},
          {"origin", report.Origin},
          {"sources", sources},
          {"read", report.Read},
          {"imported", report.Imported},
          {"merged", report.Merged},
          {"skipped", report.Tally.SkippedCount()},
          {"skip_reasons", ReasonsJson(report.Tally.Skipped())},
          {"bonuses_left_out", ReasonsJson(report.Tally.BonusesLeftOut())},
          {"kept_to_look_at", ReasonsJson(report.Tally.Remarks())},
          {"packed_bytes", report.PackedBytes}};
}

int RunBuild(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {"json"}, {"label"}, error);
  if (!args || !ExpectPositionals(*args, {"OUT.qmv", "SOURCE"}, error, true)) {
    return UsageError(context, error, kBuildUsage);
  }
  if (args->Positional()[0].empty()) return UsageError(context, "OUT.qmv is empty", kBuildUsage);
  ItemImportRequest request;
  request.OutPath = args->Positional()[0];
  request.Sources.assign(args->Positional().begin() + 1, args->Positional().end());
  request.Date = Today();
  if (const auto label = args->Value("label")) request.Label = *label;

  TerminalProgress progress(context.err, IsTerminalErrorStream(context.err));
  const auto built = ImportItemSources(request, progress.Callback(), CancelToken());
  progress.Clear();
  if (!built.IsFinished()) return InputError(context, built.Message());
  const ItemImportReport& report = built.Value();
  if (args->Has("json")) {
    context.out << ReportJson(report, request.OutPath).dump(2) << '\n';
  } else {
    context.out << ItemImportReportText(report) << "packed " << report.Imported + 1
                << " entries into " << request.OutPath << " (" << report.PackedBytes << " bytes)\n";
  }
  return kExitOk;
}

}  // namespace

constexpr Command kVaultBuildCommand{"vault build", kBuildUsage, RunBuild};

}  // namespace qm::cli
