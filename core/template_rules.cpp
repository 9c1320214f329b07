#include "core/template_rules.h"

#include <iterator>

#include "core/class_table.h"

namespace qm {
namespace {

// The server flag of each server type, in server-type order.
constexpr std::uint8_t TItemRecord::*kServerFlag[] = {
    &TItemRecord::ServerNormal, &TItemRecord::ServerCoop, &TItemRecord::ServerClassic,
    &TItemRecord::ServerPvP, &TItemRecord::ServerOrigins};

bool ExistsOnServer(const TItemRecord& item, int serverType) {
  // An unknown server type names no flag to test.
  if (serverType < 0 || serverType >= static_cast<int>(std::size(kServerFlag))) return true;
  return item.*kServerFlag[serverType] == 1;
}

// Cloak and the armour and weapon slots may not hold crafted items after a
// class or server change; jewellery keeps them.
bool RefusesCraftedItems(int slot) {
  return slot == kCloak || slot >= kChest;
}

bool BreaksRules(const TTemplateRecord& tpl, int slot) {
  const TItemRecord& item = tpl.Slot(slot);
  const bool classAllowed = tpl.ClassIndex < kClassCount && item.ClassUsable[tpl.ClassIndex] == 1;
  if (!classAllowed) return true;
  const bool realmMatters =
      tpl.ServerType == kNormal || tpl.ServerType == kClassic || tpl.ServerType == kOrigins;
  if (realmMatters && item.Realm != 3 && item.Realm != RealmOfClass(tpl.ClassIndex)) return true;
  if (!ExistsOnServer(item, tpl.ServerType)) return true;
  return RefusesCraftedItems(slot) && item.Crafted != 0;
}

}  // namespace

void EnforceTemplateRules(TTemplateRecord& tpl) {
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (BreaksRules(tpl, slot)) InitItem(tpl.Slot(slot));
}

}  // namespace qm
