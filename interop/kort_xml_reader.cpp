#include "interop/kort_xml_reader.h"

#include <cmath>
#include <string>

#include "core/item_lists.h"
#include "core/text.h"
#include "interop/kort_vocabulary.h"
#include "interop/read_limits.h"
#include "interop/xml_source.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

constexpr std::string_view kPhase = "Reading Kort's items";

// The first element's name, past the declaration, comments and a byte order mark.
std::string_view FirstElement(std::string_view head) {
  std::size_t at = 0;
  while ((at = head.find('<', at)) != std::string_view::npos) {
    if (at + 1 < head.size() && (head[at + 1] == '?' || head[at + 1] == '!')) {
      ++at;
      continue;
    }
    const std::size_t end = head.find_first_of(" \t\r\n/>", at + 1);
    return head.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
  }
  return {};
}

int SpeedTenths(std::string_view speed) {
  char* end = nullptr;
  const std::string text(speed);
  const double seconds = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !(seconds > 0.0) || seconds > 100.0) return 0;
  return static_cast<int>(std::lround(seconds * 10.0));
}

ForeignItem ItemOf(const pugi::xml_node& node) {
  ForeignItem item;
  item.Name = ChildText(node, "ItemName");
  item.Realm = KortRealm(ChildText(node, "Realm"));
  item.Level = LeadingNumber(ChildText(node, "Level"));
  item.Quality = LeadingNumber(ChildText(node, "ItemQuality"));
  item.BonusLevel = LeadingNumber(ChildText(node, "Bonus"));
  item.SpeedTenths = SpeedTenths(ChildText(node, "Speed"));
  item.Crafted = SameTextIgnoringCase(ChildText(node, "ActiveState"), "player");
  const XmlItemPlace place = XmlItemPlaceOf(Utf8ToCp1252(ChildText(node, "Location")),
                                            Utf8ToCp1252(ChildText(node, "TYPE")));
  item.SlotKind = place.SlotKind == 0 ? kUnknownSlotKind : place.SlotKind;
  item.Armor = place.Armor;
  if (place.WeaponType != 0) item.WeaponType = WeaponTypeList().At(place.WeaponType);
  for (const pugi::xml_node slot : node.children("SLOT")) {
    const std::string_view type = ChildText(slot, "Type");
    const std::string_view effect = ChildText(slot, "Effect");
    if (type.empty() || SameTextIgnoringCase(type, "Unused")) continue;  // an empty slot
    item.Bonuses.push_back({std::string(type) + " " + std::string(effect),
                            KortBonusCode(type, effect), LeadingNumber(ChildText(slot, "Amount"))});
  }
  return item;
}

}  // namespace

bool LooksLikeKortXml(std::string_view head) {
  return SameTextIgnoringCase(FirstElement(head), "SCItem");
}

Result<ReadOutcome> ReadKortXml(std::string_view text, ReadContext& context) {
  if (text.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  const XmlSource source(text);
  const pugi::xml_node root = source.Root();
  if (root.empty() || std::string_view(root.name()) != "SCItem") {
    return Result<ReadOutcome>::Failure("not a Kort item file (no <SCItem> element)");
  }
  ReportProgress(context.Progress, 0, text.size(), kPhase);
  ReadOutcome outcome;
  outcome.StoppedAt = source.StoppedAt();
  if (!source.ClosedBeforeStop(root)) return outcome;  // the one item breaks off
  ForeignItem item = ItemOf(root);
  if (item.Name.empty()) {
    context.Tally.Skip("no name", {});
  } else {
    outcome.Add(std::move(item), context);
  }
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace qm
