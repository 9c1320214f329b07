#pragma once
// The Optimize Template window TfrmOptimize without its widgets. The player
// says what each slot may become, which vault items count (all, the verified
// ones, or the names they marked as owned), how pieces may be spellcrafted,
// what each figure is worth and how long the search may take; every choice is
// kept in the settings store. Optimize hands the window a request to run as a
// job; its progress shows the best template so far, the bound and the gap,
// and Cancel keeps the best template found, marked as not proven. The result
// sets the current template against the proposal as the comparison window
// does, lists the crafted pieces' gems, and Apply hands the proposal to the
// main window as one step of its history.
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "mainwin/comparison_window.h"
#include "mainwin/optimize_settings.h"
#include "optimizer/optimizer_request.h"
#include "optimizer/slot_choice.h"
#include "ports/job.h"
#include "ports/ports.h"
#include "ports/sub_windows.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

// The answer is known here by name only: the optimizer's solver header
// brings names of its own that the windows beside this one also use.
struct OptimizerResult;

inline constexpr std::string_view kOptimizeCaption = "Optimize Template";
inline constexpr std::array<std::string_view, 4> kGoalColumns = {"Figure", "Weight", "Minimum",
                                                                 "Fill Order"};
inline constexpr std::array<std::string_view, 3> kVaultChoiceTexts = {
    "All vault items", "Verified vault items only", "Only items I own"};

inline constexpr std::string_view kHintNoSlot =
    "Every slot is kept or left empty: let a slot come from the vault or be spellcrafted.";
inline constexpr std::string_view kHintNoTime = "Give the search more than 0 seconds.";
inline constexpr std::string_view kHintNoGoal =
    "Give a figure a weight above 0, a minimum or a place in the fill order.";
inline constexpr std::string_view kHintNoOwned =
    "Mark the items you own, or let the optimizer choose from more of the vault.";
inline constexpr std::string_view kHintNoItems =
    "The vault holds no item to choose: spellcraft a slot, or choose all vault items.";
inline constexpr std::string_view kCancellingPhase =
    "Stopping; the best template found so far is kept.";

// A slot's row: the item it holds and what it may become (cbMode<Slot>).
struct OptimizeSlotView {
  LabelState Item;  // lItem<Slot>
  ComboState Mode;  // entries as ModesOffered(slot)
};

// A row of the goal table (gGoals), cells as kGoalColumns.
struct GoalLineView {
  std::array<std::string, 4> Cells;
  bool operator==(const GoalLineView&) const = default;
};

struct OptimizeView {
  std::string Caption{kOptimizeCaption};
  int Page = 0;  // tabPages: 0 slots and items, 1 goal and spellcraft, 2 result
  std::array<OptimizeSlotView, kSlotCount> Slots;
  ControlState DefaultModes;  // bDefaultModes: enabled while a slot has a mode of the player's
  ComboState Vault;           // cbVault
  TextBoxState OwnedFilter;   // eOwnedFilter
  ControlState OwnedList;     // lvOwned; its rows through OwnedRowCount and OwnedRow
  LabelState OwnedCount;      // lOwnedCount
  SpinBoxState ItemLevel;     // seItemLevel
  SpinBoxState Quality;       // seQuality
  CheckState LimitPoints;     // rbPoints
  SpinBoxState Points;        // sePoints
  CheckState LimitSuccess;    // rbSuccess
  SpinBoxState Success;       // seSuccess
  LabelState Skill;           // lSkill: the crafter's skill the success is taken at
  CheckState SkillGems;       // cbSkillGems
  std::vector<GoalLineView> Goals;          // gGoals
  ControlState RestoreDefaults;             // bRestoreDefaults
  SpinBoxState TimeLimit;                   // seTimeLimit
  ControlState Optimize;                    // bOptimize
  LabelState Hint;                          // lHint: why Optimize is disabled
  ProgressState Progress;                   // JobProgress
  LabelState Search;                        // lSearch: best so far, bound, gap
  BusyState Busy;                           // while the search runs; disables the settings
  LabelState Outcome;                       // lOutcome: the result's figures, or why it failed
  LabelState Unmet;                         // lUnmet: the minimums no template meets
  std::vector<ComparisonLineView> Compare;  // gCompare: current (A) against proposal (B)
  TableState Crafted;                       // tCrafted: slot, gems, imbue points
  ControlState Apply;                       // bApply
  ControlState Discard;                     // bDiscard
};

// The modes a slot offers, in its combo's order: only the slots the
// workbench spellcrafts offer Spellcraft.
std::vector<SlotMode> ModesOffered(int slot);
std::string_view SlotModeText(SlotMode mode);

class TfrmOptimize : public ViewNotifier {
 public:
  // vault: the loaded vault's entries, entry 0 its header; it must outlive the model.
  TfrmOptimize(SettingsStorePort& store, std::span<const TItemRecord> vault);

  // Opens over the main window's template; the settings stay from last time.
  void FormShow(const OptimizeTemplateRequest& request);
  void PageChange(int page);

  void SlotModeChange(int slot, int index);
  // bDefaultModes: every slot back to what the template suggests.
  void DefaultModesClick();
  void VaultChange(int index);
  void OwnedFilterChange(const std::string& text);
  // A row of the filtered owned list marked or unmarked.
  void OwnedCheck(int row, bool owned);
  void ItemLevelChange(int level);
  void QualityChange(int quality);
  void LimitChange(OverchargeLimit limit);
  void PointsChange(int points);
  void SuccessChange(int percent);
  void SkillGemsClick(bool allowed);
  // A cell of the goal table edited: column 1 weight, 2 minimum, 3 fill order.
  // Text that is no such number leaves the cell as it was.
  void GoalEdit(int row, int column, const std::string& text);
  void RestoreDefaultsClick();
  void TimeLimitChange(int seconds);

  // True when a search is to start: the window runs Request() with Token().
  bool OptimizeClick();
  const OptimizerRequest& Request() const { return request_; }
  const CancelToken& Token() const { return token_; }
  bool Running() const { return view_.Busy.Busy; }
  void JobProgressed(const JobProgress& progress);
  void CancelClick();
  void JobEnded(const JobOutcome<OptimizerResult>& outcome);

  // Hands the proposal to the main window; true when there was one (the window closes).
  bool ApplyClick();
  void DiscardClick();

  const OptimizeView& View() const { return view_; }
  const OptimizeSettings& Settings() const { return settings_; }
  const std::vector<GoalRow>& Goals() const { return goals_; }
  // The owned-names list as the filter shows it; its revision moves when
  // the rows do, not when a mark does.
  int OwnedRowCount() const { return static_cast<int>(shownNames_.size()); }
  const std::string& OwnedRowName(int row) const;
  bool OwnedRowChecked(int row) const;
  std::uint64_t OwnedRowsRevision() const { return ownedRowsRevision_; }

 private:
  // The latest report of the search, left by the job's thread.
  struct SearchSlot {
    std::mutex Lock;
    std::optional<OptimizerProgress> Latest;
  };

  SlotMode ModeOf(int slot) const;
  void ShowSlots();
  void ShowSpellcraft();
  void ChangeSpellcraft(int OptimizeSettings::*field, int value, int low, int high);
  void ShowGoals();
  void ShowOwned();
  void FilterOwned();
  void UpdateOptimize();
  std::string_view Hint() const;
  void ClearResult();
  void BuildRequest();

  SettingsStorePort& store_;
  std::span<const TItemRecord> vault_;
  std::size_t verifiedCount_ = 0;
  std::vector<std::string> names_;  // distinct vault item names, sorted
  std::vector<int> shownNames_;     // indices into names_ the filter lets through
  std::uint64_t ownedRowsRevision_ = 0;

  OptimizeTemplateRequest source_;
  std::array<SlotMode, kSlotCount> defaultModes_{};
  OptimizeSettings settings_;
  std::vector<GoalRow> goals_;
  int goalClass_ = -1;

  ChosenEntries chosen_;  // the vault entries the running search may choose
  OptimizerRequest request_;
  CancelToken token_;
  std::shared_ptr<SearchSlot> search_;
  std::optional<TTemplateRecord> proposal_;
  TfrmCompare comparison_;
  OptimizeView view_;
};

}  // namespace qm
