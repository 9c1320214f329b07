#pragma once
// Which vault the program starts with: the player's own, once they have one,
// or the bundled sample. The choice is a setting that takes effect at the
// next start; switching never removes either file.
#include <string>

#include "ports/ports.h"
#include "ports/view_state.h"
#include "shell/options_menu.h"
#include "shell/settings.h"

namespace qm {

inline constexpr MenuItemText kUseBundledVaultItem{"&Use Bundled Vault", "", true};
inline constexpr const char* kUseBundledVaultTip =
    "Start with the bundled sample vault instead of your own vault";
inline constexpr const char* kNoUserVaultTip =
    "You have no vault of your own yet: import one with Tools > Import Item Database...";
inline constexpr const char* kBundledVaultNextStartMessage =
    "Quillmark starts with the bundled sample vault from its next start on.";
inline constexpr const char* kUserVaultNextStartMessage =
    "Quillmark starts with your own vault from its next start on.";

// "&Use Bundled Vault" (UseBundledVault1): ticked as the setting stands, and
// offered only while the player has a vault of their own; the tip says what
// the item does or why it is not offered.
struct VaultChoiceMenu {
  MenuItemState Item;
  std::string Tip;
};
VaultChoiceMenu VaultChoiceMenuOf(const Settings& settings);

// The item's command: flips the setting, writes the settings and says when
// it takes effect. Without a vault of the player's own nothing changes and
// false comes back.
bool ToggleBundledVault(Settings& settings, UserPort& user);

}  // namespace qm
