#include "mainwin/optimize_window.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "core/decimal_text.h"
#include "core/text.h"
#include "mainwin/optimize_texts.h"
#include "optimizer/solve.h"
#include "spellcraft/overcharge_chance.h"

namespace qm {
namespace {

constexpr std::array<std::string_view, 4> kModeTexts = {"Keep", "From vault", "Spellcraft",
                                                        "Empty"};

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

template <typename Number>
std::optional<Number> Parse(const std::string& text) {
  std::string cleaned = Trimmed(text);
  std::replace(cleaned.begin(), cleaned.end(), ',', '.');
  Number value{};
  const auto [end, error] = std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), value);
  if (cleaned.empty() || error != std::errc() || end != cleaned.data() + cleaned.size())
    return std::nullopt;
  return value;
}

SpinBoxState Spin(int value, int minimum, int maximum) {
  return {value, minimum, maximum, true};
}

bool FoldedLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
  });
}

}  // namespace

std::vector<SlotMode> ModesOffered(int slot) {
  if (MayBeSpellcrafted(slot))
    return {SlotMode::kKeep, SlotMode::kFromVault, SlotMode::kSpellcraft, SlotMode::kEmpty};
  return {SlotMode::kKeep, SlotMode::kFromVault, SlotMode::kEmpty};
}

std::string_view SlotModeText(SlotMode mode) {
  return kModeTexts[static_cast<std::size_t>(mode)];
}

TfrmOptimize::TfrmOptimize(SettingsStorePort& store, std::span<const TItemRecord> vault)
    : store_(store), vault_(vault), settings_(LoadOptimizeSettings(store)) {
  std::set<std::string> distinct;
  for (std::size_t i = 1; i < vault_.size(); ++i) {
    verifiedCount_ += vault_[i].Verified != 0 ? 1 : 0;
    if (!Trimmed(vault_[i].Name.View()).empty()) distinct.emplace(vault_[i].Name.View());
  }
  names_.assign(distinct.begin(), distinct.end());
  std::stable_sort(names_.begin(), names_.end(), FoldedLess);
  for (std::string_view text : kVaultChoiceTexts) view_.Vault.Entries.emplace_back(text);
  view_.Busy.Disables = {"bOptimize", "bRestoreDefaults"};
  ClearResult();
  FilterOwned();
}

void TfrmOptimize::FormShow(const OptimizeTemplateRequest& request) {
  const ViewChange change(*this);
  source_ = request;
  defaultModes_ = DefaultSlotModes(request.Template);
  if (goalClass_ != request.Template.ClassIndex) {
    goalClass_ = request.Template.ClassIndex;
    goals_ = LoadGoalRows(store_, goalClass_);
  }
  view_.Page = 0;
  view_.Outcome = LabelState{};
  view_.Search = LabelState{};
  ClearResult();
  ShowSlots();
  ShowOwned();
  ShowSpellcraft();
  ShowGoals();
  UpdateOptimize();
}

void TfrmOptimize::PageChange(int page) {
  if (page == view_.Page || page < 0 || page > 2) return;
  const ViewChange change(*this);
  view_.Page = page;
}

SlotMode TfrmOptimize::ModeOf(int slot) const {
  const std::size_t s = static_cast<std::size_t>(slot - 1);
  const SlotMode mode = settings_.SlotChoices[s].value_or(defaultModes_[s]);
  // A choice kept from another slot's rules never asks the impossible.
  const std::vector<SlotMode> offered = ModesOffered(slot);
  return std::find(offered.begin(), offered.end(), mode) != offered.end() ? mode
                                                                          : SlotMode::kFromVault;
}

void TfrmOptimize::ShowSlots() {
  view_.DefaultModes.Enabled =
      std::any_of(settings_.SlotChoices.begin(), settings_.SlotChoices.end(),
                  [](const auto& choice) { return choice.has_value(); });
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    OptimizeSlotView& row = view_.Slots[static_cast<std::size_t>(slot - 1)];
    const std::string item = Trimmed(source_.Template.Slot(slot).Name.View());
    row.Item = {item.empty() ? "(empty)" : item};
    row.Mode.Entries.clear();
    const std::vector<SlotMode> offered = ModesOffered(slot);
    for (SlotMode mode : offered) row.Mode.Entries.emplace_back(SlotModeText(mode));
    row.Mode.Selection =
        static_cast<int>(std::find(offered.begin(), offered.end(), ModeOf(slot)) - offered.begin());
  }
}

void TfrmOptimize::SlotModeChange(int slot, int index) {
  if (slot < 1 || slot > kSlotCount || Running()) return;
  const std::vector<SlotMode> offered = ModesOffered(slot);
  if (index < 0 || index >= static_cast<int>(offered.size())) return;
  const ViewChange change(*this);
  settings_.SlotChoices[static_cast<std::size_t>(slot - 1)] =
      offered[static_cast<std::size_t>(index)];
  SaveOptimizeSettings(store_, settings_, kSlotKeys);
  ShowSlots();
  UpdateOptimize();
}

void TfrmOptimize::DefaultModesClick() {
  if (Running()) return;
  const ViewChange change(*this);
  settings_.SlotChoices = {};
  SaveOptimizeSettings(store_, settings_, kSlotKeys);
  ShowSlots();
  UpdateOptimize();
}

void TfrmOptimize::VaultChange(int index) {
  if (index < 0 || index >= static_cast<int>(kVaultChoiceTexts.size()) || Running()) return;
  const ViewChange change(*this);
  settings_.Vault = static_cast<VaultChoice>(index);
  SaveOptimizeSettings(store_, settings_, kVaultKeys);
  ShowOwned();
  UpdateOptimize();
}

void TfrmOptimize::FilterOwned() {
  shownNames_.clear();
  const std::string part = Trimmed(view_.OwnedFilter.Text);
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (part.empty() || ContainsIgnoringCase(names_[i], part))
      shownNames_.push_back(static_cast<int>(i));
  ++ownedRowsRevision_;
}

void TfrmOptimize::ShowOwned() {
  view_.Vault.Selection = static_cast<int>(settings_.Vault);
  const bool owned = settings_.Vault == VaultChoice::kOwned;
  view_.OwnedFilter.Enabled = view_.OwnedList.Enabled = owned;
  const std::size_t count = settings_.Owned.size();
  view_.OwnedCount = {std::to_string(count) + (count == 1 ? " item" : " items") +
                      " marked as owned, of " + std::to_string(names_.size()) + "."};
  view_.OwnedCount.Enabled = owned;
}

void TfrmOptimize::OwnedFilterChange(const std::string& text) {
  if (text == view_.OwnedFilter.Text) return;
  const ViewChange change(*this);
  view_.OwnedFilter.Text = text;
  FilterOwned();
}

const std::string& TfrmOptimize::OwnedRowName(int row) const {
  return names_[static_cast<std::size_t>(shownNames_[static_cast<std::size_t>(row)])];
}

bool TfrmOptimize::OwnedRowChecked(int row) const {
  return settings_.Owned.contains(OwnedRowName(row));
}

void TfrmOptimize::OwnedCheck(int row, bool owned) {
  if (row < 0 || row >= OwnedRowCount() || OwnedRowChecked(row) == owned || Running()) return;
  const ViewChange change(*this);
  if (owned) {
    settings_.Owned.insert(OwnedRowName(row));
  } else {
    settings_.Owned.erase(OwnedRowName(row));
  }
  SaveOptimizeSettings(store_, settings_, kOwnedKeys);
  ShowOwned();
  UpdateOptimize();
}

void TfrmOptimize::ShowSpellcraft() {
  view_.ItemLevel = Spin(settings_.ItemLevel, 1, 51);
  view_.Quality = Spin(settings_.Quality, 94, 100);
  const bool points = settings_.Overcharge == OverchargeLimit::kPoints;
  view_.LimitPoints = {points, true};
  view_.LimitSuccess = {!points, true};
  view_.Points = Spin(settings_.OverchargePoints, 0, 5);
  view_.Points.Enabled = points;
  view_.Success = Spin(settings_.SuccessPercent, 0, 100);
  view_.Success.Enabled = !points;
  view_.Skill = {"at Spellcraft Skill " + std::to_string(ClampCraftSkill(source_.CraftSkill))};
  view_.Skill.Enabled = !points;
  view_.SkillGems = {settings_.SkillGems, true};
  view_.TimeLimit = Spin(settings_.TimeLimitSeconds, 0, 3600);
}

// Every spellcraft number goes through here: clamped, kept, shown.
void TfrmOptimize::ChangeSpellcraft(int OptimizeSettings::*field, int value, int low, int high) {
  if (Running()) return;
  const ViewChange change(*this);
  settings_.*field = std::clamp(value, low, high);
  SaveOptimizeSettings(store_, settings_, kSpellcraftKeys);
  ShowSpellcraft();
}

void TfrmOptimize::ItemLevelChange(int level) {
  ChangeSpellcraft(&OptimizeSettings::ItemLevel, level, 1, 51);
}

void TfrmOptimize::QualityChange(int quality) {
  ChangeSpellcraft(&OptimizeSettings::Quality, quality, 94, 100);
}

void TfrmOptimize::PointsChange(int points) {
  ChangeSpellcraft(&OptimizeSettings::OverchargePoints, points, 0, 5);
}

void TfrmOptimize::SuccessChange(int percent) {
  ChangeSpellcraft(&OptimizeSettings::SuccessPercent, percent, 0, 100);
}

void TfrmOptimize::LimitChange(OverchargeLimit limit) {
  if (Running()) return;
  const ViewChange change(*this);
  settings_.Overcharge = limit;
  SaveOptimizeSettings(store_, settings_, kSpellcraftKeys);
  ShowSpellcraft();
}

void TfrmOptimize::SkillGemsClick(bool allowed) {
  if (Running()) return;
  const ViewChange change(*this);
  settings_.SkillGems = allowed;
  SaveOptimizeSettings(store_, settings_, kSpellcraftKeys);
  ShowSpellcraft();
}

void TfrmOptimize::TimeLimitChange(int seconds) {
  if (Running()) return;
  const ViewChange change(*this);
  settings_.TimeLimitSeconds = std::clamp(seconds, 0, 3600);
  SaveOptimizeSettings(store_, settings_, kTimeKeys);
  ShowSpellcraft();
  UpdateOptimize();
}

void TfrmOptimize::ShowGoals() {
  view_.Goals.clear();
  for (const GoalRow& row : goals_) {
    view_.Goals.push_back({{FigureCaption(row.Figure), WeightText(row.Weight),
                            row.Minimum ? std::to_string(*row.Minimum) : "",
                            row.Order > 0 ? std::to_string(row.Order) : ""}});
  }
}

void TfrmOptimize::GoalEdit(int row, int column, const std::string& text) {
  if (row < 0 || row >= static_cast<int>(goals_.size()) || Running()) return;
  const ViewChange change(*this);  // a refused text shows the cell as it was
  GoalRow& goal = goals_[static_cast<std::size_t>(row)];
  const bool empty = Trimmed(text).empty();
  if (column == 1) {
    const auto weight = empty ? std::optional<double>(0) : Parse<double>(text);
    if (weight && *weight >= 0) goal.Weight = *weight;
  } else if (column == 2) {
    const auto minimum = Parse<int>(text);
    if (empty || minimum) goal.Minimum = empty ? std::nullopt : minimum;
  } else if (column == 3) {
    const auto order = empty ? std::optional<int>(0) : Parse<int>(text);
    if (order && *order >= 0) goal.Order = *order;
  }
  SaveGoalRows(store_, goalClass_, goals_);
  ShowGoals();
  UpdateOptimize();
}

void TfrmOptimize::RestoreDefaultsClick() {
  if (Running()) return;
  const ViewChange change(*this);
  goals_ = DefaultGoalRows(goalClass_);
  SaveGoalRows(store_, goalClass_, goals_);
  ShowGoals();
  UpdateOptimize();
}

std::string_view TfrmOptimize::Hint() const {
  bool vaultSlot = false, craftSlot = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    vaultSlot = vaultSlot || ModeOf(slot) == SlotMode::kFromVault;
    craftSlot = craftSlot || ModeOf(slot) == SlotMode::kSpellcraft;
  }
  if (!vaultSlot && !craftSlot) return kHintNoSlot;
  if (settings_.TimeLimitSeconds <= 0) return kHintNoTime;
  const bool goal = std::any_of(goals_.begin(), goals_.end(), [](const GoalRow& row) {
    return row.Weight > 0 || row.Minimum || row.Order > 0;
  });
  if (!goal) return kHintNoGoal;
  if (!craftSlot) {
    if (settings_.Vault == VaultChoice::kOwned && settings_.Owned.empty()) return kHintNoOwned;
    const bool items =
        settings_.Vault == VaultChoice::kVerified ? verifiedCount_ > 0 : vault_.size() > 1;
    if (!items) return kHintNoItems;
  }
  return {};
}

void TfrmOptimize::UpdateOptimize() {
  const std::string_view hint = Running() ? std::string_view() : Hint();
  view_.Hint = {std::string(hint)};
  view_.Hint.Visible = !hint.empty();
  view_.Optimize.Enabled = hint.empty();
  view_.RestoreDefaults.Enabled = true;
  // Lines with nothing to say take no room.
  view_.Search.Visible = !view_.Search.Text.empty();
  view_.Outcome.Visible = !view_.Outcome.Text.empty();
}

void TfrmOptimize::ClearResult() {
  proposal_.reset();
  view_.Unmet = LabelState{};
  view_.Compare.clear();
  view_.Crafted = TableState{};
  view_.Crafted.Captions = {"Slot", "Gems", "Imbue"};
  view_.Apply.Enabled = view_.Discard.Enabled = false;
}

void TfrmOptimize::BuildRequest() {
  request_ = OptimizerRequest{};
  request_.Template = source_.Template;
  bool vaultSlot = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    request_.Mode(slot) = ModeOf(slot);
    vaultSlot = vaultSlot || ModeOf(slot) == SlotMode::kFromVault;
  }
  chosen_ = vaultSlot ? ChooseEntries(vault_, settings_.Vault, settings_.Owned) : ChosenEntries{};
  request_.Vault = chosen_.View();
  SpellcraftOptions& craft = request_.Spellcraft;
  craft.ItemLevel = settings_.ItemLevel;
  craft.Quality = settings_.Quality;
  craft.CraftSkill = ClampCraftSkill(source_.CraftSkill);
  craft.AllowSkillGems = settings_.SkillGems;
  if (settings_.Overcharge == OverchargeLimit::kPoints) {
    craft.OverchargePoints = settings_.OverchargePoints;
  } else {
    craft.MinSuccessPercent = settings_.SuccessPercent;
  }
  std::vector<const GoalRow*> ordered;
  for (const GoalRow& row : goals_) {
    if (row.Weight > 0 || row.Minimum)
      request_.Goals.push_back({row.Figure, row.Weight, row.Minimum});
    if (row.Order > 0) ordered.push_back(&row);
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const GoalRow* a, const GoalRow* b) { return a->Order < b->Order; });
  for (const GoalRow* row : ordered) request_.FillOrder.push_back(row->Figure);
  request_.TimeLimitSeconds = settings_.TimeLimitSeconds;
  token_ = CancelToken();
  request_.Cancel = token_;
  search_ = std::make_shared<SearchSlot>();
  request_.OnProgress = [slot = search_](const OptimizerProgress& progress) {
    const std::lock_guard hold(slot->Lock);
    slot->Latest = progress;
  };
}

bool TfrmOptimize::OptimizeClick() {
  if (Running() || !Hint().empty()) return false;
  const ViewChange change(*this);
  BuildRequest();
  ClearResult();
  view_.Busy.Busy = true;
  view_.Progress = {0, 0, "Searching", true, true};
  view_.Search = {"No template yet."};
  view_.Outcome = LabelState{};
  UpdateOptimize();
  return true;
}

void TfrmOptimize::JobProgressed(const JobProgress& progress) {
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  view_.Progress.Done = progress.Done;
  view_.Progress.Total = progress.Total;
  view_.Progress.Phase = "Searching: " + std::to_string(progress.Done / 1000) + " of " +
                         std::to_string(progress.Total / 1000) + " s";
  std::optional<OptimizerProgress> latest;
  {
    const std::lock_guard hold(search_->Lock);
    latest = search_->Latest;
  }
  if (latest) view_.Search.Text = SearchLine(*latest);
}

void TfrmOptimize::CancelClick() {
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  token_.Cancel();
  view_.Progress.CancelEnabled = false;
  view_.Progress.Phase = kCancellingPhase;
}

void TfrmOptimize::JobEnded(const JobOutcome<OptimizerResult>& outcome) {
  if (!Running()) return;
  const ViewChange change(*this);
  view_.Busy.Busy = false;
  view_.Progress = ProgressState{};
  view_.Search = LabelState{};  // the outcome says where the search ended
  chosen_ = ChosenEntries{};
  request_.Vault = {};
  switch (outcome.End()) {
    case JobEnd::kFinished: {
      const OptimizerResult& result = outcome.Value();
      // Only the slots change: the character and its weapon choice stay the player's.
      TTemplateRecord proposal = source_.Template;
      for (int slot = 1; slot <= kSlotCount; ++slot)
        proposal.Slot(slot) = result.Template.Slot(slot);
      proposal_ = proposal;
      const double current = RequestObjective(request_, source_.Template);
      view_.Outcome = {OutcomeLine(result, token_.Cancelled()) + " The current template scores " +
                       FormatOneDecimal(current) +
                       (current > result.Objective ? ", more than the proposal." : ".")};
      view_.Outcome.Colour = result.Optimal ? kBlack : kMaroon;
      view_.Unmet = {UnmetText(result), kRed};
      view_.Unmet.Visible = !result.Unmet.empty();
      comparison_.ShowChangedOnly(true);
      comparison_.SetTemplates({source_.Template, proposal, "Current template", "Proposal"});
      view_.Compare = comparison_.View().Lines;
      view_.Crafted = CraftedTable(result);
      view_.Apply.Enabled = view_.Discard.Enabled = true;
      view_.Page = 2;
      break;
    }
    case JobEnd::kFailed:
      view_.Outcome = {"Optimize Failed: " + outcome.Message(), kRed};
      break;
    case JobEnd::kCancelled:
      view_.Outcome = {"Cancelled before the first template was found; nothing changed."};
      break;
  }
  UpdateOptimize();
}

bool TfrmOptimize::ApplyClick() {
  if (!proposal_ || Running()) return false;
  const TTemplateRecord proposal = *proposal_;
  {
    const ViewChange change(*this);
    ClearResult();
    view_.Outcome = LabelState{};
    view_.Search = LabelState{};
    view_.Page = 0;
    source_.Template = proposal;
    ShowSlots();
    UpdateOptimize();
  }
  if (source_.Apply) source_.Apply(proposal);
  return true;
}

void TfrmOptimize::DiscardClick() {
  if (!proposal_ || Running()) return;
  const ViewChange change(*this);
  ClearResult();
  view_.Outcome = {"The proposal was discarded; the template is as it was."};
  view_.Search = LabelState{};
  UpdateOptimize();
}

}  // namespace qm
