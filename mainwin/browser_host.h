#pragma once
// The vault browser's view of the main window: it reads the current template
// and character, and equips an item by running the slot command with the
// workbench's auto-return request set to the item's name, so the item goes
// through the same path (history, preview, recalculation) as a pick by hand.
#include "mainwin/main_window.h"
#include "vault/vault_browser.h"

namespace qm {

class MainWindowBrowserHost : public BrowserHost {
 public:
  MainWindowBrowserHost(TfrmGearMain& window, const Settings& settings)
      : window_(window), settings_(settings) {}

  const TTemplateRecord& CurrentTemplate() const override { return window_.Template(); }
  const TCharAttributes& CharAttributes() const override { return window_.Attributes(); }
  bool VerifiedOnlySetting() const override { return settings_.Record().VerifiedOnly; }
  void EquipVaultItem(int slot, const TItemRecord& item) override;

 private:
  TfrmGearMain& window_;
  const Settings& settings_;
};

}  // namespace qm
