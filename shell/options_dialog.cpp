#include "shell/options_dialog.h"

namespace qm {
namespace {

std::uint8_t MenuFlag(bool checked) {
  return checked ? 1 : 0;
}

}  // namespace

TfrmOptions::TfrmOptions(Settings& settings, UserPort& user) : settings_(settings), user_(user) {
  for (int i = 0; i < kLevelFilterCount; ++i) {
    view_.levelFilterItems[static_cast<std::size_t>(i)] = std::to_string(kLowestLevelFilter + i);
  }
}

void TfrmOptions::FormShow(const OptionsMenuChecks& menu) {
  SettingsRecord& r = settings_.Record();
  if (settings_.SettingsExist()) {
    pendingDirectory_ = r.Temps;
    const int index = r.LVFilter - kLowestLevelFilter;
    // A filter outside 5 to 50 has no item; "50" (every item visible) is
    // offered instead, so OK can never store a filter the list cannot show.
    view_.levelFilterIndex =
        index >= 0 && index < kLevelFilterCount ? index : kLevelFilterCount - 1;
    view_.cancelEnabled = true;
    r.Quickbar = MenuFlag(menu[SettingToggle::Quickbar]);
    r.Utility = MenuFlag(menu[SettingToggle::UtilityDisplay]);
    r.StartMax = menu[SettingToggle::StartMaximized];
  } else {
    r.Start = settings_.FilesDirectory();
    r.Temps = settings_.FilesDirectory();
    pendingDirectory_ = r.Temps;
    view_.levelFilterIndex = kLevelFilterCount - 1;
    view_.cancelEnabled = false;
    r.Quickbar = 1;
    r.Utility = 1;
    r.StartMax = true;
  }
  view_.directory = pendingDirectory_;
  view_.visible = true;
  NotifyViewChanged();
}

void TfrmOptions::DirectoryChange(std::string directory) {
  pendingDirectory_ = std::move(directory);
  view_.directory = pendingDirectory_;
  NotifyViewChanged();
}

void TfrmOptions::SLFilterChange(int index) {
  if (index < 0 || index >= kLevelFilterCount) return;
  view_.levelFilterIndex = index;
  NotifyViewChanged();
}

void TfrmOptions::OKBtnClick(const OptionsMenuChecks& menu) {
  SettingsRecord& r = settings_.Record();
  r.Temps = pendingDirectory_;
  r.LVFilter = static_cast<std::uint8_t>(view_.levelFilterIndex + kLowestLevelFilter);
  r.Quickbar = MenuFlag(menu[SettingToggle::Quickbar]);
  r.Utility = MenuFlag(menu[SettingToggle::UtilityDisplay]);
  settings_.SaveSettings();
  if (!settings_.SettingsExist()) user_.ShowMessage(kOptionsNotSavedMessage);
  view_.visible = false;
  NotifyViewChanged();
}

void TfrmOptions::CancelBtnClick() {
  if (!view_.cancelEnabled) return;
  view_.visible = false;
  NotifyViewChanged();
}

bool TfrmOptions::FormCloseQuery() {
  if (!settings_.SettingsExist()) return false;
  view_.visible = false;
  NotifyViewChanged();
  return true;
}

}  // namespace qm
