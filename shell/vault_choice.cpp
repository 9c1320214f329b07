#include "shell/vault_choice.h"

namespace qm {

VaultChoiceMenu VaultChoiceMenuOf(const Settings& settings) {
  VaultChoiceMenu menu;
  menu.Item.Caption = kUseBundledVaultItem.caption;
  menu.Item.Checked = settings.Record().UseBundledVault;
  menu.Item.Enabled = settings.UserVaultExists();
  menu.Tip = menu.Item.Enabled ? kUseBundledVaultTip : kNoUserVaultTip;
  return menu;
}

bool ToggleBundledVault(Settings& settings, UserPort& user) {
  if (!settings.UserVaultExists()) return false;
  bool& useBundled = settings.Record().UseBundledVault;
  useBundled = !useBundled;
  settings.SaveSettings();
  user.ShowMessage(useBundled ? kBundledVaultNextStartMessage : kUserVaultNextStartMessage);
  return true;
}

}  // namespace qm
