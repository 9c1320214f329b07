#pragma once
// What the optimizer is asked: the character, what each slot may become,
// which vault entries may be chosen, how pieces may be spellcrafted, and the
// goal, with the time it may take and the ways to watch and stop it.
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/template_record.h"
#include "ports/job.h"

namespace qm {

enum class SlotMode : std::uint8_t {
  kKeep,        // the current item stays (locked)
  kFromVault,   // one of the candidate vault entries, or nothing
  kSpellcraft,  // a spellcrafted design from the realm's gems
  kEmpty,       // the slot is left empty
};

// The vault entries the optimizer may choose from; Items[i] is the entry at
// vault index VaultIndices[i]. Entries that do not fit a slot or the
// character are ignored, so the whole vault may be passed.
struct VaultCandidates {
  std::span<const TItemRecord> Items;
  std::span<const long long> VaultIndices;
};

struct SpellcraftOptions {
  int ItemLevel = 51;
  int Quality = 99;
  int OverchargePoints = 0;  // whole points a design may go over its capacity, 0..5
  // Instead of the allowance: the least overcharge success in percent, at the
  // crafter's spellcraft skill, each design must keep. The allowance becomes
  // the most whole points over that still give it.
  std::optional<int> MinSuccessPercent;
  int CraftSkill = 1000;
  bool AllowSkillGems = true;    // skill, all-skill and focus gems
  std::vector<int> AllowedGems;  // gem bonus list indexes; empty: every gem of the realm
};

// A figure's name as CappedFigures gives it, with what is asked of it.
struct FigureGoal {
  std::string Figure;
  double Weight = 0;           // must not be negative
  std::optional<int> Minimum;  // min(value, cap) at least this
};

// Best objective so far (nothing before the first template), the proven
// bound and their relative gap.
struct OptimizerProgress {
  std::optional<double> Best;
  double Bound = 0;
  double Gap = 0;
};

struct OptimizerRequest {
  TTemplateRecord Template{};
  std::array<SlotMode, kSlotCount> Modes{};  // Modes[s - 1] is slot s; default keep
  VaultCandidates Vault;
  SpellcraftOptions Spellcraft;
  std::vector<FigureGoal> Goals;
  // Figures to fill first, one after another: each as far as it goes with the
  // ones before it kept at what they reached, then the weighted goal.
  std::vector<std::string> FillOrder;
  double TimeLimitSeconds = 30;
  CancelToken Cancel;
  std::function<void(const OptimizerProgress&)> OnProgress;
  ProgressCallback Progress;  // the same progress as a phase line

  SlotMode& Mode(int slot) { return Modes[static_cast<std::size_t>(slot - 1)]; }
  SlotMode Mode(int slot) const { return Modes[static_cast<std::size_t>(slot - 1)]; }
};

}  // namespace qm
