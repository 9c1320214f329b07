#include "cli/optimize_request.h"

#include <algorithm>

#include "optimizer/figures.h"
#include "optimizer/utility_goals.h"

namespace qm::cli {
namespace {

using Options = Result<OptimizeOptions>;

struct SlotOption {
  std::string_view Name;
  SlotMode Mode;
};
// In the order they apply; each slot may be named by one of them only.
constexpr SlotOption kSlotOptions[] = {
    {"lock", SlotMode::kKeep},
    {"craft", SlotMode::kSpellcraft},
    {"empty", SlotMode::kEmpty},
    {"from-vault", SlotMode::kFromVault},
};

std::string_view SlotOptionOf(SlotMode mode) {
  for (const SlotOption& option : kSlotOptions)
    if (option.Mode == mode) return option.Name;
  return {};
}

bool ReadSlotOptions(const Args& args, OptimizeOptions& options, std::string& error) {
  for (const SlotOption& option : kSlotOptions) {
    const std::string what = "--" + std::string(option.Name);
    std::vector<int> named;
    for (const std::string& text : args.Values(option.Name)) {
      auto slots = ParseSlotList(what, text);
      if (!slots.Ok()) {
        error = slots.Error();
        return false;
      }
      named.insert(named.end(), slots.Value().begin(), slots.Value().end());
    }
    for (int slot : named) {
      auto& mode = options.SlotModes[static_cast<std::size_t>(slot - 1)];
      if (mode && *mode != option.Mode) {
        error = "slot " + std::to_string(slot) + " is named by both --" +
                std::string(SlotOptionOf(*mode)) + " and " + what;
        return false;
      }
      mode = option.Mode;
    }
  }
  return true;
}

bool ReadFigureNumbers(const Args& args, std::string_view name, bool wholeNumber,
                       std::vector<FigureNumber>& into, std::string& error) {
  for (const std::string& text : args.Values(name)) {
    auto parsed = ParseFigureNumber("--" + std::string(name), text, wholeNumber);
    if (!parsed.Ok()) {
      error = parsed.Error();
      return false;
    }
    into.push_back(parsed.Value());
  }
  return true;
}

bool ReadSpellcraft(const Args& args, SpellcraftOptions& spellcraft, std::string& error) {
  std::optional<long long> level, quality, overcharge, success, skill;
  if (!ReadNumberOption(args, "level", 1, 51, level, error) ||
      !ReadNumberOption(args, "quality", 94, 100, quality, error) ||
      !ReadNumberOption(args, "overcharge", 0, 5, overcharge, error) ||
      !ReadNumberOption(args, "min-success", 0, 100, success, error) ||
      !ReadNumberOption(args, "skill", 1, 1200, skill, error))
    return false;
  if (overcharge && success) {
    error = "--overcharge and --min-success exclude each other";
    return false;
  }
  if (skill && !success) {
    error = "--skill goes with --min-success";
    return false;
  }
  spellcraft.ItemLevel = static_cast<int>(level.value_or(51));
  spellcraft.Quality = static_cast<int>(quality.value_or(99));
  spellcraft.OverchargePoints = static_cast<int>(overcharge.value_or(0));
  if (success) spellcraft.MinSuccessPercent = static_cast<int>(*success);
  spellcraft.CraftSkill = static_cast<int>(skill.value_or(1000));
  spellcraft.AllowSkillGems = !args.Has("no-toa-gems");
  return true;
}

bool KnownFigure(const std::vector<std::string>& names, const std::string& figure) {
  return std::find(names.begin(), names.end(), figure) != names.end();
}

}  // namespace

Result<OptimizeOptions> ReadOptimizeOptions(const Args& args) {
  OptimizeOptions options;
  std::string error;
  if (!ReadFigureNumbers(args, "weight", false, options.Weights, error) ||
      !ReadFigureNumbers(args, "min", true, options.Minimums, error) ||
      !ReadSlotOptions(args, options, error) || !ReadSpellcraft(args, options.Spellcraft, error))
    return Options::Failure(error);
  if (const auto order = args.Value("order")) {
    auto figures = ParseFigureList("--order", *order);
    if (!figures.Ok()) return Options::Failure(figures.Error());
    options.Order = figures.Value();
  }
  if (args.Has("verified-only") && args.Has("owned"))
    return Options::Failure("--verified-only and --owned exclude each other");
  if (args.Has("verified-only")) options.Choice = VaultChoice::kVerified;
  if (const auto owned = args.Value("owned")) {
    if (owned->empty()) return Options::Failure("--owned needs a file name");
    options.Choice = VaultChoice::kOwned;
    options.OwnedPath = *owned;
  }
  if (const auto seconds = args.Value("time-limit")) {
    const auto value = ParseDecimal(*seconds);
    if (!value || *value <= 0)
      return Options::Failure(BadValueReason("--time-limit", "seconds above 0", *seconds));
    options.TimeLimitSeconds = *value;
  }
  options.VaultPath = args.Value("vault");
  if (options.VaultPath && options.VaultPath->empty())
    return Options::Failure("--vault needs a file name");
  options.OutPath = args.Value("out");
  options.Json = args.Has("json");
  return options;
}

Result<std::vector<FigureGoal>> OptimizeGoals(const OptimizeOptions& options, int classIndex) {
  using Goals = Result<std::vector<FigureGoal>>;
  const std::vector<std::string> names = FigureNames(classIndex);
  std::vector<FigureGoal> goals;
  if (options.Weights.empty()) goals = UtilityGoals(classIndex);
  for (const FigureNumber& weight : options.Weights) {
    if (!KnownFigure(names, weight.Figure))
      return Goals::Failure("--weight names an unknown figure: " + weight.Figure);
    for (const FigureGoal& goal : goals)
      if (goal.Figure == weight.Figure)
        return Goals::Failure("--weight gives " + weight.Figure + " twice");
    goals.push_back({weight.Figure, weight.Number, std::nullopt});
  }
  for (const FigureNumber& minimum : options.Minimums) {
    if (!KnownFigure(names, minimum.Figure))
      return Goals::Failure("--min names an unknown figure: " + minimum.Figure);
    auto goal = std::find_if(goals.begin(), goals.end(),
                             [&](const FigureGoal& g) { return g.Figure == minimum.Figure; });
    if (goal == goals.end()) goal = goals.insert(goals.end(), {minimum.Figure, 0, std::nullopt});
    if (goal->Minimum) return Goals::Failure("--min gives " + minimum.Figure + " twice");
    goal->Minimum = static_cast<int>(minimum.Number);
  }
  for (const std::string& figure : options.Order)
    if (!KnownFigure(names, figure))
      return Goals::Failure("--order names an unknown figure: " + figure);
  return goals;
}

std::array<SlotMode, kSlotCount> OptimizeSlotModes(const OptimizeOptions& options,
                                                   const TTemplateRecord& tpl) {
  std::array<SlotMode, kSlotCount> modes = DefaultSlotModes(tpl);
  for (std::size_t s = 0; s < modes.size(); ++s)
    if (options.SlotModes[s]) modes[s] = *options.SlotModes[s];
  return modes;
}

}  // namespace qm::cli
