#include "report/report_window.h"

#include <utility>

#include "core/class_table.h"
#include "core/race_table.h"
#include "engine/item_measures.h"
#include "report/report_files.h"

namespace qm {

MainWindowReadings ReadingsFromTemplate(const TTemplateRecord& tpl, int utilityMode) {
  MainWindowReadings readings;
  readings.ClassText = std::string(ClassOf(tpl.ClassIndex).Text);
  const std::vector<std::string_view> races = RaceList(tpl.ClassIndex);
  readings.RaceIndex = tpl.RaceIndex < races.size() ? tpl.RaceIndex : 0;
  readings.RaceText = races.empty() ? std::string(kNoRace) : std::string(races[readings.RaceIndex]);
  readings.SlotMeasures = ShowUtility(tpl, utilityMode).SlotTexts;
  return readings;
}

TSCReport::TSCReport(std::string startFolder) : startFolder_(std::move(startFolder)) {
  context_.ReportCopy = EmptyTemplate();
}

void TSCReport::SetReportTemplate(const TTemplateRecord& tpl) {
  context_.ReportCopy = tpl;
  for (int config = 0; config < kWeaponChoiceCount; ++config)
    weaponChecks_[config] = tpl.WeaponConfig == config;
  NotifyViewChanged();
}

void TSCReport::SetMainWindowReadings(MainWindowReadings readings) {
  context_.MainWindow = std::move(readings);
}

void TSCReport::BuildReport() {
  document_ = qm::BuildReport(context_);
  NotifyViewChanged();
}

void TSCReport::ChooseContent(ReportContent content) {
  context_.Options.Content = content;
  BuildReport();
}

void TSCReport::ChooseWeapon(int config) {
  if (config < 0 || config >= kWeaponChoiceCount) return;
  context_.ReportCopy.WeaponConfig = static_cast<std::uint8_t>(config);
  for (int choice = 0; choice < kWeaponChoiceCount; ++choice)
    weaponChecks_[choice] = choice == config;
  BuildReport();
}

void TSCReport::ToggleDisplayRace() {
  context_.Options.DisplayRace = !context_.Options.DisplayRace;
  BuildReport();
}

void TSCReport::ToggleDisplayCap() {
  context_.Options.DisplayCap = !context_.Options.DisplayCap;
  BuildReport();
}

void TSCReport::ToggleNotes() {
  context_.Options.Notes = !context_.Options.Notes;
  BuildReport();
}

void TSCReport::ToggleExpansion() {
  context_.Options.Expansion = !context_.Options.Expansion;
  BuildReport();
}

void TSCReport::ToggleDisplayUtility() {
  context_.Options.DisplayUtility = !context_.Options.DisplayUtility;
  BuildReport();
}

bool TSCReport::EditLines(std::vector<std::string> lines) {
  if (!manualEditing_) return false;
  document_.Lines = std::move(lines);
  NotifyViewChanged();
  return true;
}

bool TSCReport::WeaponChecked(int config) const {
  return config >= 0 && config < kWeaponChoiceCount && weaponChecks_[config];
}

ReportWindowView TSCReport::View() const {
  const ReportOptions& options = context_.Options;
  ReportWindowView view;
  view.AllStats1.Checked = options.Content == ReportContent::kAllStatsAndItems;
  view.Mats.Checked = options.Content == ReportContent::kMaterialList;
  view.NameOnly1.Checked = options.Content == ReportContent::kItemNamesOnly;
  view.StatsOnly1.Checked = options.Content == ReportContent::kStatsOnly;
  // The weapon items in configuration order: left/right, shield/two hand, two handed, ranged, none.
  view.LeftRightHand1.Checked = weaponChecks_[0];
  view.ShieldTwoHand1.Checked = weaponChecks_[1];
  view.TwoHanded1.Checked = weaponChecks_[2];
  view.Ranged1.Checked = weaponChecks_[3];
  view.None1.Checked = weaponChecks_[4];
  view.DisplayRace.Checked = options.DisplayRace;
  view.DisplayCap.Checked = options.DisplayCap;
  view.Notes1.Checked = options.Notes;
  view.Expansion1.Checked = options.Expansion;
  view.DisplayUtility1.Checked = options.DisplayUtility;
  view.ManualEditing1.Checked = manualEditing_;
  view.Rpt = {document_.Lines, !manualEditing_};
  return view;
}

FileDialogRequest TSCReport::TextSaveRequest() const {
  return {"Save Spellcraft Report", "Text files|*.TXT", "txt", startFolder_, "report.txt", true};
}

FileDialogRequest TSCReport::HtmlSaveRequest() const {
  return {"Save Spellcraft Report",
          "HTML Files|*.HTM;*.HTML",
          "html",
          startFolder_,
          "report.html",
          true};
}

Status TSCReport::SaveasText(FileDialogPort& dialogs, UserPort& user) {
  return Save(dialogs, user, TextSaveRequest(), false);
}

Status TSCReport::SaveasHTML(FileDialogPort& dialogs, UserPort& user) {
  return Save(dialogs, user, HtmlSaveRequest(), true);
}

Status TSCReport::Save(FileDialogPort& dialogs, UserPort& user, const FileDialogRequest& request,
                       bool html) {
  const std::string path = dialogs.AskSavePath(request);
  if (path.empty()) return Status::Success();
  const Status status =
      html ? SaveReportHtml(path, document_.Lines, context_.ReportCopy.CharName.View())
           : SaveReportText(path, document_.Lines);
  if (!status.Ok()) user.ShowMessage(status.error);
  return status;
}

}  // namespace qm
