// optimize FILE [options]: the template optimizer run on a template of any
// kind with the player's vault: the best template it finds for the goal, how
// far from the best possible it may be, the gems of every crafted piece, and
// the proposed template written as a .qmc with --out.
#include <ostream>
#include <set>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/optimize_output.h"
#include "cli/optimize_request.h"
#include "cli/program_files.h"
#include "cli/record_files.h"
#include "cli/terminal_progress.h"
#include "cli/vault_file.h"
#include "core/file_io.h"
#include "core/template_file.h"
#include "optimizer/solve.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage =
    "optimize FILE [--vault QMV] [--weight FIGURE=W]... [--order FIGURE,FIGURE,...] "
    "[--min FIGURE=V]... [--lock SLOTS] [--craft SLOTS] [--empty SLOTS] [--from-vault SLOTS] "
    "[--verified-only | --owned NAMES.txt] [--level L] [--quality Q] "
    "[--overcharge N | --min-success P [--skill S]] [--no-toa-gems] [--time-limit S] "
    "[--out OUT.qmc] [--json]";

// The longest names file we read: a name per line of every vault entry is far less.
constexpr std::size_t kMostOwnedNamesBytes = 16u << 20;

Result<std::set<std::string>> ReadOwnedNames(const std::string& path) {
  auto bytes = ReadFileBytes(path, kMostOwnedNamesBytes);
  if (!bytes.Ok()) return Result<std::set<std::string>>::Failure(bytes.Error());
  const auto& data = bytes.Value();
  return ParseOwnedNames(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

// Why the request can change nothing at all, or empty when it can.
std::string NothingToChange(const OptimizerRequest& request, const std::string& vaultPath) {
  bool crafted = false;
  bool fromVault = false;
  for (SlotMode mode : request.Modes) {
    crafted = crafted || mode == SlotMode::kSpellcraft;
    fromVault = fromVault || mode == SlotMode::kFromVault;
  }
  if (crafted || (fromVault && !request.Vault.Items.empty())) return {};
  if (fromVault)
    return "nothing to optimize: the vault \"" + vaultPath +
           "\" offers no entries to choose from and no slot is spellcrafted";
  return "nothing to optimize: every slot is kept or left empty";
}

int RunOptimize(CommandContext& context) {
  std::string error;
  const auto args =
      Args::Parse(context.args, {std::begin(kOptimizeFlagOptions), std::end(kOptimizeFlagOptions)},
                  {std::begin(kOptimizeValueOptions), std::end(kOptimizeValueOptions)}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error))
    return UsageError(context, error, kUsage);
  auto read = ReadOptimizeOptions(*args);
  if (!read.Ok()) return UsageError(context, read.Error(), kUsage);
  const OptimizeOptions& options = read.Value();
  if (options.OutPath &&
      (options.OutPath->empty() || KindOfPath(*options.OutPath) != RecordFileKind::kTemplate))
    return UsageError(context, "--out needs a .qmc path", kUsage);

  const std::string& path = args->Positional()[0];
  auto tpl = LoadAnyTemplate(path, context.err);
  if (!tpl.Ok()) return InputError(context, tpl.Error());
  auto goals = OptimizeGoals(options, tpl.Value().ClassIndex);
  if (!goals.Ok()) return UsageError(context, goals.Error(), kUsage);

  const std::string vaultPath = options.VaultPath.value_or(DefaultVaultPath());
  if (vaultPath.empty()) return InputError(context, "no vault found: name one with --vault QMV");
  Vault vault;
  if (const std::string failure = LoadVaultFile(vaultPath, vault); !failure.empty())
    return InputError(context, failure);
  std::set<std::string> owned;
  if (options.Choice == VaultChoice::kOwned) {
    auto names = ReadOwnedNames(options.OwnedPath);
    if (!names.Ok()) return InputError(context, names.Error());
    owned = std::move(names.Value());
  }
  const ChosenEntries entries = ChooseEntries(vault.Entries(), options.Choice, owned);

  OptimizerRequest request;
  request.Template = tpl.Value();
  request.Modes = OptimizeSlotModes(options, request.Template);
  request.Vault = entries.View();
  request.Spellcraft = options.Spellcraft;
  request.Goals = std::move(goals.Value());
  request.FillOrder = options.Order;
  request.TimeLimitSeconds = options.TimeLimitSeconds;
  if (std::string nothing = NothingToChange(request, vaultPath); !nothing.empty())
    return InputError(context, nothing);

  TerminalProgress progress(context.err, IsTerminalErrorStream(context.err));
  request.Progress = progress.Callback();
  JobOutcome<OptimizerResult> outcome = Optimize(request);
  progress.Clear();
  if (!outcome.IsFinished())
    return InputError(context, outcome.End() == JobEnd::kFailed ? outcome.Message()
                                                                : "the optimizer was stopped");
  OptimizerResult& result = outcome.Value();
  // The proposal is made of this vault's entries, and says so as a save would.
  const auto vaultMark = static_cast<std::uint8_t>(vault.Version());
  result.Template.VaultMark = vaultMark;
  if (options.OutPath) {
    const Status saved =
        WriteTemplateFile(*options.OutPath, result.Template, vaultMark, {path, vaultPath});
    if (!saved.Ok()) return InputError(context, saved.error);
  }
  if (options.Json) {
    context.out << OptimizeJson(result).dump(2) << '\n';
    return kExitOk;
  }
  for (const std::string& line : OptimizeLines(result)) context.out << line << '\n';
  if (options.OutPath) context.out << "Written " << *options.OutPath << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kOptimizeCommand{"optimize", kUsage, RunOptimize};

}  // namespace qm::cli
