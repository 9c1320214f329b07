#pragma once
// The main window's "&Options" menu as far as it keeps settings: check-mark
// items that each own one field, the two radio groups, and the step that sets
// all their marks when the main window is first shown. Every command ends by
// writing the whole settings record back.
#include <array>
#include <cstdint>

#include "shell/settings.h"

namespace qm {

enum class SettingToggle : std::uint8_t {
  UtilityDisplay,
  Quickbar,
  WeaponSlot,
  FifthSlot,
  VerifiedOnly,
  StartMaximized,
};

struct MenuItemText {
  const char* caption;
  const char* shortcut;  // empty when the item has none
  bool enabled;
};

inline constexpr std::array<MenuItemText, 6> kSettingToggleItems{{
    {"&Toggle Utility Display", "Ctrl+D", true},
    {"Toggle &Quickbar", "Ctrl+K", true},
    {"Automatically Select &Weapon Slot", "Ctrl+Alt+W", true},
    {"&Force Fifth Slot Calculation", "Ctrl+F", true},
    {"Show only &Verified", "Ctrl+V", true},
    {"Start &Maximized", "Ctrl+Z", true},
}};

// "&Default Server Type": the item's position is the stored server type.
// Origins templates can be loaded and shown, but not chosen as the default.
inline constexpr const char* kDefaultServerMenu = "&Default Server Type";
inline constexpr std::array<MenuItemText, 5> kServerTypeItems{{
    {"&Normal", "", true},
    {"&Cooperative", "", true},
    {"Cla&ssic", "", true},
    {"&PvP", "", true},
    {"&Origins", "", false},
}};

// "Utility Type Displayed": the item's position is the per-slot measure.
inline constexpr const char* kUtilityTypeMenu = "Utility Type Displayed";
inline constexpr std::array<MenuItemText, 4> kUtilityTypeItems{{
    {"&Normal Utility", "", true},
    {"&ToA Utility", "", true},
    {"&Bonus Level Average", "", true},
    {"&Gem Count Total", "", true},
}};

inline constexpr MenuItemText kRegisterFilesItem{"&Register Quillmark Files", "Ctrl+Alt+R", true};
inline constexpr const char* kRegisterFilesHint =
    "This option associates Quillmark's files with the program";
inline constexpr MenuItemText kMainOptionsItem{"Main &Options", "Ctrl+O", true};

// The marks of the settings items; -1 in a radio group means no item ticked.
struct OptionsMenuChecks {
  std::array<bool, kSettingToggleItems.size()> toggles{};
  int utilityType = 0;
  int serverType = 0;

  bool& operator[](SettingToggle t) { return toggles[static_cast<std::size_t>(t)]; }
  bool operator[](SettingToggle t) const { return toggles[static_cast<std::size_t>(t)]; }
};

// A check-mark item's command: its field takes the new mark, then the
// settings are written.
void ApplySettingToggle(Settings& settings, SettingToggle toggle, bool checked);

// A default-server item's command. A disabled item changes nothing and
// returns false.
bool ChooseDefaultServer(Settings& settings, int item);

// A utility-type item's command (the window recalculates afterwards).
void ChooseUtilityType(Settings& settings, int item);
// Clicking a measure or the utility total cycles 0, 1, 2, 3, 0.
int NextUtilityType(int current);

// Sets every mark when the main window is first shown. The quick bar and
// utility display marks start ticked and lose their tick for a field of 0;
// the settings are written, and the two toggles are applied (each writing
// again, and turning a field of 255 into 1). The result tells the window
// which panels to show and whether to stay maximized.
OptionsMenuChecks ApplyDisplaySettingsOnShow(Settings& settings);

}  // namespace qm
