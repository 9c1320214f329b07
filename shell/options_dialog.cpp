#include "shell/options_dialog.h"

namespace qm {
namespace {

std::uint8_t MenuFlag(bool checked) {
  return checked ? 1 : 0;
}

}  // namespace

TfrmOptions::TfrmOptions(Settings& settings, UserPort& user) : settings_(settings), user_(user) {
  for (int i = 0; i < kLevelFilterCount; ++i) {
    view_.LevelFilter.Entries.push_back(std::to_string(kLowestLevelFilter + i));
  }
}

void TfrmOptions::FormShow(const OptionsMenuChecks& menu) {
  SettingsRecord& r = settings_.Record();
  if (settings_.SettingsExist()) {
    pendingDirectory_ = r.Temps;
    const int index = r.LVFilter - kLowestLevelFilter;
    // A filter outside 5 to 50 has no item; "50" (every item visible) is
    // offered instead, so OK can never store a filter the list cannot show.
    view_.LevelFilter.Selection =
        index >= 0 && index < kLevelFilterCount ? index : kLevelFilterCount - 1;
    view_.Cancel.Enabled = true;
    r.Quickbar = MenuFlag(menu[SettingToggle::Quickbar]);
    r.Utility = MenuFlag(menu[SettingToggle::UtilityDisplay]);
    r.StartMax = menu[SettingToggle::StartMaximized];
  } else {
    r.Start = settings_.FilesDirectory();
    r.Temps = settings_.FilesDirectory();
    pendingDirectory_ = r.Temps;
    view_.LevelFilter.Selection = kLevelFilterCount - 1;
    view_.Cancel.Enabled = false;
    r.Quickbar = 1;
    r.Utility = 1;
    r.StartMax = true;
  }
  view_.Directory.Text = pendingDirectory_;
  view_.Visible = true;
  NotifyViewChanged();
}

void TfrmOptions::DirectoryChange(std::string directory) {
  pendingDirectory_ = std::move(directory);
  view_.Directory.Text = pendingDirectory_;
  NotifyViewChanged();
}

void TfrmOptions::SLFilterChange(int index) {
  if (index < 0 || index >= kLevelFilterCount) return;
  view_.LevelFilter.Selection = index;
  NotifyViewChanged();
}

void TfrmOptions::OKBtnClick(const OptionsMenuChecks& menu) {
  SettingsRecord& r = settings_.Record();
  r.Temps = pendingDirectory_;
  r.LVFilter = static_cast<std::uint8_t>(view_.LevelFilter.Selection + kLowestLevelFilter);
  r.Quickbar = MenuFlag(menu[SettingToggle::Quickbar]);
  r.Utility = MenuFlag(menu[SettingToggle::UtilityDisplay]);
  settings_.SaveSettings();
  if (!settings_.SettingsExist()) user_.ShowMessage(kOptionsNotSavedMessage);
  view_.Visible = false;
  NotifyViewChanged();
}

void TfrmOptions::CancelBtnClick() {
  if (!view_.Cancel.Enabled) return;
  view_.Visible = false;
  NotifyViewChanged();
}

bool TfrmOptions::FormCloseQuery() {
  if (!settings_.SettingsExist()) return false;
  view_.Visible = false;
  NotifyViewChanged();
  return true;
}

}  // namespace qm
