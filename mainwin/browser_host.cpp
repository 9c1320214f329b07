#include "mainwin/browser_host.h"

namespace qm {

// The request lives only for this one opening, so it is cleared again as soon
// as the slot command returns.
void MainWindowBrowserHost::EquipVaultItem(int slot, const TItemRecord& item) {
  window_.OpenSlot(slot, AutoReturnRequest{item.Name.Str(), true});
}

}  // namespace qm
