#pragma once
// What the player set in the Optimize Template window, kept in the settings
// store between runs: the slots they chose a mode for, which vault entries
// count and the names they own, the spellcraft limits, the time limit, and
// per class the goal they gave each figure.
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "optimizer/optimizer_request.h"
#include "optimizer/slot_choice.h"
#include "ports/ports.h"

namespace qm {

enum class OverchargeLimit : std::uint8_t {
  kPoints,   // whole points over the capacity
  kSuccess,  // the least overcharge success at the crafter's skill
};

// One figure's goal as the goal table shows it. Order 0: not in the fill
// order; 1, 2, ...: filled in that order before the weighted goal.
struct GoalRow {
  std::string Figure;
  double Weight = 0;
  std::optional<int> Minimum;
  int Order = 0;
  bool operator==(const GoalRow&) const = default;
};

struct OptimizeSettings {
  // The mode the player chose for a slot; a slot without one takes the
  // template's default (DefaultSlotModes), so a unique item stays by itself.
  std::array<std::optional<SlotMode>, kSlotCount> SlotChoices{};
  VaultChoice Vault = VaultChoice::kAll;
  std::set<std::string> Owned;  // item names, Windows-1252
  int ItemLevel = 51;
  int Quality = 99;
  OverchargeLimit Overcharge = OverchargeLimit::kPoints;
  int OverchargePoints = 0;
  int SuccessPercent = 90;
  bool SkillGems = true;
  int TimeLimitSeconds = 30;
  bool operator==(const OptimizeSettings&) const = default;
};

// The groups of values a command changes; each is written on its own, so
// marking one owned name does not rewrite the spellcraft limits.
enum OptimizeKeys : unsigned {
  kSlotKeys = 1,
  kVaultKeys = 2,
  kOwnedKeys = 4,
  kSpellcraftKeys = 8,
  kTimeKeys = 16,
  kAllOptimizeKeys = 31,
};

// Every value the store holds, the default for each it lacks or holds out of range.
OptimizeSettings LoadOptimizeSettings(SettingsStorePort& store);
void SaveOptimizeSettings(SettingsStorePort& store, const OptimizeSettings& settings,
                          unsigned keys);

// Every figure of the class with the utility measure's weight, no minimum
// and no place in the fill order.
std::vector<GoalRow> DefaultGoalRows(int classIndex);
// The class's goal as last saved, figure by figure over the defaults.
std::vector<GoalRow> LoadGoalRows(SettingsStorePort& store, int classIndex);
void SaveGoalRows(SettingsStorePort& store, int classIndex, const std::vector<GoalRow>& rows);

}  // namespace qm
