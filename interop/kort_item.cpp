#include "interop/kort_item.h"

#include <string>

#include "core/item_lists.h"
#include "core/text.h"
#include "interop/kort_vocabulary.h"
#include "interop/xml_source.h"
#include "vault/xml_import.h"

namespace qm {

ForeignItem KortItemOf(const pugi::xml_node& scItem) {
  ForeignItem item;
  item.Name = ChildText(scItem, "ItemName");
  item.Realm = KortRealm(ChildText(scItem, "Realm"));
  item.Level = LeadingNumber(ChildText(scItem, "Level"));
  item.Quality = LeadingNumber(ChildText(scItem, "ItemQuality"));
  item.BonusLevel = LeadingNumber(ChildText(scItem, "Bonus"));
  item.SpeedTenths = SecondsAsTenths(ChildText(scItem, "Speed"));
  item.Crafted = SameTextIgnoringCase(ChildText(scItem, "ActiveState"), "player");
  const XmlItemPlace place = XmlItemPlaceOf(Utf8ToCp1252(ChildText(scItem, "Location")),
                                            Utf8ToCp1252(ChildText(scItem, "TYPE")));
  item.SlotKind = place.SlotKind == 0 ? kUnknownSlotKind : place.SlotKind;
  item.Armor = place.Armor;
  if (place.WeaponType != 0) item.WeaponType = WeaponTypeList().At(place.WeaponType);
  for (const pugi::xml_node slot : scItem.children("SLOT")) {
    const std::string_view type = ChildText(slot, "Type");
    const std::string_view effect = ChildText(slot, "Effect");
    if (type.empty() || SameTextIgnoringCase(type, "Unused")) continue;  // an empty slot
    item.Bonuses.push_back({std::string(type) + " " + std::string(effect),
                            KortBonusCode(type, effect), LeadingNumber(ChildText(slot, "Amount"))});
  }
  return item;
}

}  // namespace qm
