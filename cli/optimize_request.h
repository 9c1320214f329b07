#pragma once
// The optimize command's options read into what the optimizer is asked. The
// options are checked in two steps: their form before any file is read, the
// figure names once the template has said which class they belong to; a
// failure of either is bad usage, with the reason for the usage line.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/optimize_options.h"
#include "core/result.h"
#include "optimizer/optimizer_request.h"
#include "optimizer/slot_choice.h"

namespace qm::cli {

inline constexpr std::string_view kOptimizeValueOptions[] = {
    "vault", "weight", "order",   "min",        "lock",        "craft", "empty",      "from-vault",
    "owned", "level",  "quality", "overcharge", "min-success", "skill", "time-limit", "out"};
inline constexpr std::string_view kOptimizeFlagOptions[] = {"verified-only", "no-toa-gems", "json"};

struct OptimizeOptions {
  std::vector<FigureNumber> Weights;   // empty: the utility goal of the class
  std::vector<FigureNumber> Minimums;  // whole numbers
  std::vector<std::string> Order;
  // The mode each slot option names, applied over the template's defaults.
  std::array<std::optional<SlotMode>, kSlotCount> SlotModes{};
  VaultChoice Choice = VaultChoice::kAll;
  std::string OwnedPath;  // the names file of --owned
  SpellcraftOptions Spellcraft;
  double TimeLimitSeconds = 30;
  std::optional<std::string> VaultPath;
  std::optional<std::string> OutPath;
  bool Json = false;
};

// The options' form: numbers in their ranges, slot lists, options that
// exclude each other, a slot named by two slot options.
Result<OptimizeOptions> ReadOptimizeOptions(const Args& args);

// The goal for the template's class: the weights given (or the class's
// utility goal) with the minimums; a figure the class does not have, or one
// weighted or bounded twice, is refused by name.
Result<std::vector<FigureGoal>> OptimizeGoals(const OptimizeOptions& options, int classIndex);

// The template's default slot modes with the options' slots over them.
std::array<SlotMode, kSlotCount> OptimizeSlotModes(const OptimizeOptions& options,
                                                   const TTemplateRecord& tpl);

}  // namespace qm::cli
