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

void TfrmGearMain::ChangeClass(int classIndex) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Class");
  const int old = tpl_.ClassIndex;
  idle_ = false;
  if (itemsPlaced_) {
    const Answer answer = user_.AskUser(
        "Switching classes will remove items that cannot be equipped by the new class, along with "
        "crafted items. Do you wish to continue?",
        kMakeCompatibleTitle, "Check &Items", "&Cancel Change", "", "");
    if (answer != Answer::Ok) {
      view_.Class.Selection = old < kClassTableSize ? old : -1;
      NotifyViewChanged();  // the combo goes back to the old class
      idle_ = true;
      return;
    }
  }
  view_.Class.Selection = classIndex;
  ApplyClassChange(classIndex, true);
  idle_ = true;
}

void TfrmGearMain::ApplyClassChange(int classIndex, bool fromUser) {
  tpl_.ClassIndex = static_cast<std::uint8_t>(classIndex);
  if (fromUser && itemsPlaced_) EnforceTemplateRules(tpl_);
  MarkChanged();

  ApplyClass(attributes_, classIndex);
  ApplyClassToDisplay(view_.Figures, classIndex);

  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (slot != kMyth) view_.Slots[static_cast<std::size_t>(slot - 1)].Button.Enabled = true;
  view_.Slots[kMyth - 1].Button.Enabled = view_.Champion.Checked;
  view_.Weapon.Enabled = true;
  view_.Weapon.Selection = tpl_.WeaponConfig <= 4 ? tpl_.WeaponConfig : -1;
  view_.Report.Enabled = true;
  Recalc();
  SetSaveEnabled(true);

  FillRaceCombo();
  ChangeRace(0);
}

void TfrmGearMain::ChangeRace(int comboIndex) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Race");
  view_.Race.Selection =
      comboIndex >= 0 && comboIndex < static_cast<int>(view_.Race.Entries.size()) ? comboIndex : -1;
  const std::string race = view_.Race.Text();
  ApplyRace(attributes_, race);
  Recalc();
  view_.InfoLines.clear();
  if (!race.empty() && race != kNoRace) view_.InfoLines = RaceSummary(attributes_);
  MarkChanged();
}

void TfrmGearMain::RaceMouseEnter() {
  const ViewBatch batch(*this);
  SetActiveControl("cbRace");
  ChangeRace(view_.Race.Selection);
}

void TfrmGearMain::ChangeServerType(int serverType) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Server");
  const int old = tpl_.ServerType;
  idle_ = false;
  if (itemsPlaced_) {
    const Answer answer = user_.AskUser(
        "Changing the server type will remove items that cannot be found on that server type, and "
        "crafted items, continue?",
        kMakeCompatibleTitle, "Check &Items", "&Cancel", "", "");
    if (answer != Answer::Ok) {
      view_.Server.Selection = old <= kOrigins ? old : -1;
      NotifyViewChanged();
      idle_ = true;
      return;
    }
  }
  view_.Server.Selection = serverType;
  ApplyServerChange(serverType, true);
  idle_ = true;
}

void TfrmGearMain::ApplyServerChange(int serverType, bool fromUser) {
  tpl_.ServerType = static_cast<std::uint8_t>(serverType);
  if (fromUser && itemsPlaced_) EnforceTemplateRules(tpl_);
  MarkChanged();
  SetSaveEnabled(true);
  Recalc();
}

void TfrmGearMain::SetChampion(bool checked) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Champion Level");
  view_.Champion.Checked = checked;
  tpl_.ChampionFlag = checked ? 1 : 0;
  SlotRowView& myth = view_.Slots[kMyth - 1];
  myth.Button.Enabled = checked && SlotButtonsActive();
  if (!checked) {
    InitItem(tpl_.Slot(kMyth));
    myth.Name.Text = " ";
  }
  MarkChanged();
  SetSaveEnabled(true);
  Recalc();  // an emptied Myth slot changes the figures at once
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
  // OK, the starting item on Cancel, which undoes the live preview.
  idle_ = false;
  const WorkbenchOutcome outcome = workbench_.RunWorkbench(
      request,
      [this](int previewSlot, const TItemRecord& item) { PreviewSlot(previewSlot, item); });
  idle_ = true;
  const ViewBatch batch(*this);
  if (outcome.CraftSkill && *outcome.CraftSkill != settings_.Record().CraftSkill) {
    settings_.Record().CraftSkill = *outcome.CraftSkill;
    settings_.SaveSettings();
  }
  tpl_.Slot(slot) = outcome.Item;

  view_.Slots[static_cast<std::size_t>(slot - 1)].Name.Text = tpl_.Slot(slot).Name.Str();
  unchanged_ = false;
  itemsPlaced_ = true;
  SetSaveEnabled(true);
  Recalc();
  step.Finish();
}

void TfrmGearMain::PreviewSlot(int slot, const TItemRecord& item) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change " + std::string(SlotName(slot)) + " Item");
  if (slot >= 1 && slot <= kSlotCount) tpl_.Slot(slot) = item;
  Recalc();
}

void TfrmGearMain::ClearSlot(int slot) {
  const ViewBatch batch(*this);
  if (slot < 1 || slot > kSlotCount) return;
  const HistoryStep step(*this, "Clear " + std::string(SlotName(slot)) + " Slot");
  LabelState& name = view_.Slots[static_cast<std::size_t>(slot - 1)].Name;
  if (name.Text.empty() || name.Text == " ") {
    user_.Beep();
    return;
  }
  if (user_.AskYesNo("Do you wish to clear this slot?", "Empty Slot?")) {
    InitItem(tpl_.Slot(slot));
    name.Text = " ";
    unchanged_ = false;
    SetSaveEnabled(true);
  }
  Recalc();
}

void TfrmGearMain::ClearAllSlots() {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Clear All Items");
  if (user_.AskUser("Do you wish to clear all item slots?", "Empty ALL Item Slots?",
                    "&Empty All Slots", "&Cancel", "", "") != Answer::Ok)
    return;
  for (TItemRecord& item : tpl_.Slots) InitItem(item);
  unchanged_ = false;
  SetSaveEnabled(true);
  for (auto& row : view_.Slots) {
    row.Name.Text = " ";
    row.Utility.Text = "0.0";
  }
  itemsPlaced_ = false;
  Recalc();
}

void TfrmGearMain::SetWeaponConfig(int index) {
  const ViewBatch batch(*this);
  const HistoryStep step(*this, "Change Weapon Selection");
  tpl_.WeaponConfig = static_cast<std::uint8_t>(index);
  view_.Weapon.Selection = index >= 0 && index <= 4 ? index : -1;
  Recalc();
  unchanged_ = false;
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
  idle_ = false;
  windows_.Open("report", request);
  idle_ = true;
}

void TfrmGearMain::OpenVaultBrowser() {
  windows_.Open("browser", {});  // the browser equips through OpenSlot
  Recalc();
}

void TfrmGearMain::OpenSalvageCalculator() {
  windows_.Open("salvage", {});
}

void TfrmGearMain::OpenOptions() {
  idle_ = false;
  windows_.Open("options", {});
  idle_ = true;
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
