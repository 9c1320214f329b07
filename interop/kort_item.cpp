#include "interop/kort_item.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/item_lists.h"
#include "core/text.h"
#include "interop/kort_vocabulary.h"
#include "interop/xml_source.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

int SpeedTenths(std::string_view speed) {
  char* end = nullptr;
  const std::string text(speed);
  const double seconds = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !(seconds > 0.0) || seconds > 100.0) return 0;
  return static_cast<int>(std::lround(seconds * 10.0));
}

}  // namespace

ForeignItem KortItemOf(const pugi::xml_node& scItem) {
  ForeignItem item;
  item.Name = ChildText(scItem, "ItemName");
  item.Realm = KortRealm(ChildText(scItem, "Realm"));
  item.Level = LeadingNumber(ChildText(scItem, "Level"));
  item.Quality = LeadingNumber(ChildText(scItem, "ItemQuality"));
  item.BonusLevel = LeadingNumber(ChildText(scItem, "Bonus"));
  item.SpeedTenths = SpeedTenths(ChildText(scItem, "Speed"));
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
