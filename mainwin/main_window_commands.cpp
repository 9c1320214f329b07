// The main window's character operations, slot commands, options and panels.
#include <algorithm>
#include <optional>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/race_table.h"
#include "core/template_rules.h"
#include "engine/item_measures.h"
#include "mainwin/main_window.h"
#include "report/stat_breakdown.h"

namespace qm {
namespace {

constexpr const char* kMakeCompatibleTitle = "Make Compatible?";

constexpr int kHeretic = 4;

bool IsCraftableSlot(int slot) {
  return slot == kCloak || (slot >= kChest && slot <= kRanged);
}

}  // namespace

// ---- Character -----------------------------------------------------------

void TfrmGearMain::FillRaceCombo() {
  view_.Race.Entries.clear();
  for (std::string_view race : RaceList(tpl_.ClassIndex)) view_.Race.Entries.emplace_back(race);
  view_.Race.Selection = 0;
}

// A change that could remove items asks first once items are placed; the
// combo the user moved goes back when the answer is no.
bool TfrmGearMain::ConfirmCompatibleChange(const char* message, const char* cancelCaption) {
  if (!itemsPlaced_) return true;
  if (user_.AskUser(message, kMakeCompatibleTitle, "Check &Items", cancelCaption, "", "") ==
      Answer::Ok)
    return true;
  ShowRecord({});
  return false;
}

void TfrmGearMain::ChangeClass(int classIndex) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Class");
  if (!ConfirmCompatibleChange(
          "Switching classes will remove items that cannot be equipped by the new class, along "
          "with crafted items. Do you wish to continue?",
          "&Cancel Change"))
    return;
  tpl_.ClassIndex = static_cast<std::uint8_t>(classIndex);
  tpl_.RaceIndex = 0;  // a new class starts with the first race of its list
  if (itemsPlaced_) EnforceTemplateRules(tpl_);
  for (auto& row : view_.Slots) row.Button.Enabled = true;  // the Myth slot's follows the record
  view_.Weapon.Enabled = true;
  view_.Report.Enabled = true;
  ShowChangedRecord({.Class = true});
}

void TfrmGearMain::ChangeRace(int comboIndex) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Race");
  if (comboIndex >= 0 && comboIndex < static_cast<int>(view_.Race.Entries.size()))
    tpl_.RaceIndex = static_cast<std::uint8_t>(comboIndex);
  MarkChanged();
  ShowRecord({.Race = true});
}

void TfrmGearMain::RaceMouseEnter() {
  const ViewBatch batch(*this);
  SetActiveControl("cbRace");
  ChangeRace(view_.Race.Selection);
}

void TfrmGearMain::ChangeServerType(int serverType) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Server");
  if (!ConfirmCompatibleChange(
          "Changing the server type will remove items that cannot be found on that server type, "
          "and crafted items, continue?",
          "&Cancel"))
    return;
  tpl_.ServerType = static_cast<std::uint8_t>(serverType);
  if (itemsPlaced_) EnforceTemplateRules(tpl_);
  ShowChangedRecord({});
}

// Unchecking empties the Myth slot, and the figures change with it at once.
void TfrmGearMain::SetChampion(bool checked) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Champion Level");
  tpl_.ChampionFlag = checked ? 1 : 0;
  if (!checked) InitItem(tpl_.Slot(kMyth));
  ShowChangedRecord({});
}

// ---- Slots ---------------------------------------------------------------

void TfrmGearMain::OpenSlot(int slot, const AutoReturnRequest& autoReturn) {
  if (slot < 1 || slot > kSlotCount) return;
  if (!view_.Slots[static_cast<std::size_t>(slot - 1)].Button.Enabled) return;
  // The whole session is one step: its previews and the item it returns.
  HistoryStep step(
      *this, (autoReturn.Active ? "Equip " : "Change ") + std::string(SlotName(slot)) + " Item");
  // An auto-return opening never waits for the user, so its previews and the
  // placement reach the window as one change. Any other opening shows its
  // previews live, each announced on its own.
  std::optional<ViewBatch> wholeRun;
  if (autoReturn.Active) wholeRun.emplace(*this);

  WorkbenchRequest request;
  request.Slot = slot;
  request.StartingItem = tpl_.Slot(slot);
  request.Crafted = IsCraftableSlot(slot);
  request.Myth = slot == kMyth;
  request.ArmourSlot = slot >= kChest && slot <= kFeet;
  request.WeaponSlot = slot >= kRightHand && slot <= kRanged;
  request.SlotFilterIndex = SlotKindOf(slot);

  const int classIndex = tpl_.ClassIndex;
  const ClassInfo& info = ClassOf(classIndex);
  const bool champion = tpl_.ChampionFlag == 1;
  bool refused = false;
  if (slot == kRightHand) refused = !(info.MaxArmor > kCloth || champion || classIndex == kHeretic);
  if (slot == kLeftHand) refused = !(info.Shield != kNoShield || champion);
  if (slot == kRanged) {
    // A class without a ranged weapon searches its Ranged slot for two-handers.
    if (info.Ranged == RangedSlotUse::kTwoHanded) request.SlotFilterIndex = SlotKindOf(kTwoHand);
    refused = info.Ranged == RangedSlotUse::kUnusable;
  }
  if (refused) {
    user_.Beep();
    return;
  }

  const std::string name = request.StartingItem.Name.Str();
  if (name.find_first_not_of(' ') != std::string::npos) request.SearchName = name;

  if (settings_.Record().WSlot) {
    if (slot == kRightHand || slot == kLeftHand) SetWeaponConfig(0);
    if (slot == kTwoHand) SetWeaponConfig(2);
    if (slot == kRanged) SetWeaponConfig(3);
  }

  request.AutoReturn = autoReturn;
  request.Character = WorkbenchCharacter::Of(tpl_, view_.Champion.Checked);
  request.Settings.VerifiedOnly = settings_.Record().VerifiedOnly;
  request.Settings.ForceFifthSlot = settings_.Record().Fifthslot;
  request.Settings.StartFolder = settings_.StartFolder();
  request.Settings.CraftSkill = settings_.Record().CraftSkill;

  // The outcome's item goes into the slot either way: the returned item on
  // OK, the starting item on Cancel, which undoes the live preview. The
  // window stays busy until the step ends.
  const WorkbenchOutcome outcome = workbench_.RunWorkbench(
      request,
      [this](int previewSlot, const TItemRecord& item) { PreviewSlot(previewSlot, item); });
  const ViewBatch batch(*this);
  if (outcome.CraftSkill && *outcome.CraftSkill != settings_.Record().CraftSkill) {
    settings_.Record().CraftSkill = *outcome.CraftSkill;
    settings_.SaveSettings();
  }
  tpl_.Slot(slot) = outcome.Item;
  itemsPlaced_ = true;
  ShowChangedRecord({});
  step.Finish();
}

void TfrmGearMain::PreviewSlot(int slot, const TItemRecord& item) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change " + std::string(SlotName(slot)) + " Item");
  if (slot >= 1 && slot <= kSlotCount) tpl_.Slot(slot) = item;
  ShowRecord({});
}

void TfrmGearMain::ClearSlot(int slot) {
  const ViewBatch batch(*this);
  if (slot < 1 || slot > kSlotCount) return;
  const HistoryStep step(*this, "Clear " + std::string(SlotName(slot)) + " Slot");
  const std::string& name = view_.Slots[static_cast<std::size_t>(slot - 1)].Name.Text;
  if (name.empty() || name == " ") {
    user_.Beep();
    return;
  }
  if (user_.AskYesNo("Do you wish to clear this slot?", "Empty Slot?")) {
    InitItem(tpl_.Slot(slot));
    ShowChangedRecord({});
  } else {
    ShowRecord({});
  }
}

void TfrmGearMain::ClearAllSlots() {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Clear All Items");
  if (user_.AskUser("Do you wish to clear all item slots?", "Empty ALL Item Slots?",
                    "&Empty All Slots", "&Cancel", "", "") != Answer::Ok)
    return;
  for (TItemRecord& item : tpl_.Slots) InitItem(item);
  itemsPlaced_ = false;
  ShowChangedRecord({});
}

void TfrmGearMain::SetWeaponConfig(int index) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Weapon Selection");
  tpl_.WeaponConfig = static_cast<std::uint8_t>(index);
  MarkChanged();
  ShowRecord({});
}

// ---- Options, utility column and windows ----------------------------------

void TfrmGearMain::ToggleOption(SettingToggle toggle, bool checked) {
  const ViewBatch batch(*this);
  ApplySettingToggle(settings_, toggle, checked);
  view_.OptionChecks[toggle] = checked;
  if (toggle == SettingToggle::Quickbar) view_.QuickbarVisible = checked;
  if (toggle == SettingToggle::UtilityDisplay) ShowUtilityColumn(checked);
  NotifyViewChanged();
}

void TfrmGearMain::ShowUtilityColumn(bool visible) {
  view_.UtilityVisible = visible;
  for (auto& row : view_.Slots) row.Utility.Visible = visible;
  view_.UtilityTotal.Visible = visible;
}

void TfrmGearMain::CycleUtilityMode() {
  ChooseUtilityMode(NextUtilityType(utilityMode_));
}

void TfrmGearMain::ChooseUtilityMode(int mode) {
  const ViewBatch batch(*this);
  mode = std::clamp(mode, 0, kUtilityModeCount - 1);
  ChooseUtilityType(settings_, mode);
  utilityMode_ = mode;
  view_.OptionChecks.utilityType = mode;
  Recalc();
}

void TfrmGearMain::ToggleUtilityDisplay() {
  ToggleOption(SettingToggle::UtilityDisplay, !view_.UtilityVisible);
}

void TfrmGearMain::RegisterFiles() {
  RegisterQuillmarkFiles(settings_, user_, shell_);
}

void TfrmGearMain::ToggleBundledVault() {
  const ViewBatch batch(*this);
  qm::ToggleBundledVault(settings_, user_);
  UpdateVaultMenu();
}

void TfrmGearMain::UpdateVaultMenu() {
  const ViewBatch batch(*this);
  view_.UseBundledVault = VaultChoiceMenuOf(settings_);
  NotifyViewChanged();
}

void TfrmGearMain::OpenReport() {
  if (view_.Class.Selection < 0) return;
  tpl_.RealmRank = static_cast<std::uint8_t>(view_.RealmRank.Selection + 1);
  ReportRequest request;
  request.Template = tpl_;
  request.ClassText = view_.Class.Text();
  request.RaceIndex = view_.Race.Selection;
  request.RaceText = view_.Race.Text();
  for (std::size_t i = 0; i < request.UtilityTexts.size(); ++i)
    request.UtilityTexts[i] = view_.Slots[i].Utility.Text;
  const BusyScope busy(*this);
  windows_.Open("report", request);
}

void TfrmGearMain::OpenVaultBrowser() {
  windows_.Open("browser", {});  // the browser equips through OpenSlot
  Recalc();
}

void TfrmGearMain::OpenSalvageCalculator() {
  windows_.Open("salvage", {});
}

void TfrmGearMain::OpenOptions() {
  {
    const BusyScope busy(*this);
    windows_.Open("options", {});
  }
  // OK rewrites the settings behind the option menu's marks.
  NotifyViewChanged();
}

void TfrmGearMain::OpenWebSite() {
  shell_.OpenInShell(kMakerWebSite);
}
void TfrmGearMain::OpenHerald() {
  shell_.OpenInShell(kHeraldWebSite);
}

// ---- Side panel ----------------------------------------------------------

void TfrmGearMain::StatEnter(int tag, bool senderIsLabel) {
  const ViewBatch batch(*this);
  if (!SlotButtonsActive() || !senderIsLabel || tag == 0) return;
  view_.InfoLines.clear();
  for (std::string& label : view_.SummaryLabels.stat) label.clear();
  for (std::string* label : {&view_.SummaryLabels.statAbs, &view_.SummaryLabels.statAF,
                             &view_.SummaryLabels.statLevel, &view_.SummaryLabels.statQuality,
                             &view_.SummaryLabels.statProc1, &view_.SummaryLabels.statProc2})
    label->clear();
  const int weapon = view_.Weapon.Selection >= 0 ? view_.Weapon.Selection : 5;
  PanelText panel = StatBreakdown(tag, tpl_, weapon, totals_.Totals);
  view_.StatBoxCaption = panel.Caption;
  view_.InfoLines = std::move(panel.Lines);
  NotifyViewChanged();
}

void TfrmGearMain::ItemMouseEnter(int slot) {
  const ViewBatch batch(*this);
  if (slot < 1 || slot > kSlotCount) return;
  SlotSummaryView summary = SlotSummary(tpl_.Slot(slot), attributes_.MaxArmor);
  view_.StatBoxCaption = summary.Panel.Caption;
  view_.InfoLines = std::move(summary.Panel.Lines);
  if (summary.Labels) view_.SummaryLabels = *summary.Labels;
  NotifyViewChanged();
}

void TfrmGearMain::SetActiveControl(const std::string& objectName) {
  // Leaving the name box ends its run of keystrokes as one step.
  if (objectName != "eName") history_.EndCoalescing();
  view_.ActiveControl = objectName;
  NotifyViewChanged();
}

}  // namespace qm
