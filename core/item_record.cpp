#include "core/item_record.h"

#include <cstring>

namespace qm {

void InitItem(TItemRecord& item) {
  item.Name.Length = 1;
  item.Name.Chars[0] = ' ';
  item.Note.Length = 0;
  item.ItemType = 0;
  item.Realm = 3;
  item.Expansion = 0;
  item.Level = 51;
  item.SlotKind = 0;
  item.Armor = 0;
  item.WeaponType = 0;
  item.Crafted = 0;
  item.Unique = 0;
  item.ServerCoop = 1;
  item.ServerPvP = 1;
  item.ServerClassic = 1;
  item.ServerNormal = 1;
  std::memset(item.ClassUsable, 0, sizeof item.ClassUsable);
  item.Verified = 0;
  item.Researched = 0;
  item.Reserved = 0;
  item.ServerOrigins = 1;
  std::memset(item.BonusCode, 0, sizeof item.BonusCode);
  std::memset(item.BonusValue, 0, sizeof item.BonusValue);
  item.BonusLevel = 0;
  item.BonusLevelFixed = 0;
  for (int k = 0; k < kEffectRows; ++k) {
    item.EffectKind[k] = 0;
    item.EffectId[k] = 0;
    item.EffectValue[k] = 0;
  }
  item.Quality = kNoQuality;
  item.Speed = 0;
  item.Source = 0;
}

TItemRecord EmptyItem() {
  TItemRecord item;
  std::memset(&item, 0, sizeof item);
  InitItem(item);
  return item;
}

std::uint16_t ItemBonusSum(const TItemRecord& item, int code) {
  std::uint16_t sum = 0;
  for (int row = 0; row < kBonusRows; ++row)
    if (item.BonusCode[row] == code)
      sum = static_cast<std::uint16_t>(sum + static_cast<std::uint16_t>(item.BonusValue[row]));
  return sum;
}

}  // namespace qm
