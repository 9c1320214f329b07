#include "shell/options_menu.h"

namespace qm {
namespace {

int RadioMark(int value, std::size_t itemCount) {
  return value >= 0 && static_cast<std::size_t>(value) < itemCount ? value : -1;
}

}  // namespace

void ApplySettingToggle(Settings& settings, SettingToggle toggle, bool checked) {
  SettingsRecord& r = settings.Record();
  const std::uint8_t flag = checked ? 1 : 0;
  switch (toggle) {
    case SettingToggle::UtilityDisplay:
      r.Utility = flag;
      break;
    case SettingToggle::Quickbar:
      r.Quickbar = flag;
      break;
    case SettingToggle::WeaponSlot:
      r.WSlot = checked;
      break;
    case SettingToggle::FifthSlot:
      r.Fifthslot = checked;
      break;
    case SettingToggle::VerifiedOnly:
      r.VerifiedOnly = checked;
      break;
    case SettingToggle::StartMaximized:
      r.StartMax = checked;
      break;
  }
  settings.SaveSettings();
}

bool ChooseDefaultServer(Settings& settings, int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= kServerTypeItems.size()) return false;
  if (!kServerTypeItems[static_cast<std::size_t>(item)].enabled) return false;
  settings.Record().Server = static_cast<std::uint8_t>(item);
  settings.SaveSettings();
  return true;
}

void ChooseUtilityType(Settings& settings, int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= kUtilityTypeItems.size()) return;
  settings.Record().UtilSetting = static_cast<std::uint8_t>(item);
  settings.SaveSettings();
}

int NextUtilityType(int current) {
  return (current + 1) % static_cast<int>(kUtilityTypeItems.size());
}

OptionsMenuChecks ApplyDisplaySettingsOnShow(Settings& settings) {
  OptionsMenuChecks checks;
  const SettingsRecord& r = settings.Record();
  checks[SettingToggle::Quickbar] = r.Quickbar != 0;
  checks[SettingToggle::UtilityDisplay] = r.Utility != 0;
  settings.SaveSettings();
  ApplySettingToggle(settings, SettingToggle::Quickbar, checks[SettingToggle::Quickbar]);
  ApplySettingToggle(settings, SettingToggle::UtilityDisplay,
                     checks[SettingToggle::UtilityDisplay]);
  checks.utilityType = RadioMark(r.UtilSetting, kUtilityTypeItems.size());
  checks[SettingToggle::VerifiedOnly] = r.VerifiedOnly;
  checks[SettingToggle::StartMaximized] = r.StartMax;
  checks[SettingToggle::WeaponSlot] = r.WSlot;
  checks[SettingToggle::FifthSlot] = r.Fifthslot;
  checks.serverType = RadioMark(r.Server, kServerTypeItems.size());
  return checks;
}

}  // namespace qm
