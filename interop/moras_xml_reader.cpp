#include "interop/moras_xml_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/item_lists.h"
#include "core/text.h"
#include "interop/moras_vocabulary.h"
#include "interop/read_limits.h"
#include "interop/xml_source.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

constexpr std::string_view kPhase = "Reading Moras items";
constexpr std::size_t kProgressEvery = 256;  // items between progress reports

// The number after a label inside a text ("Bonus level: 47"), 0 when absent.
int NumberAfter(std::string_view text, std::string_view label) {
  const std::size_t at = text.find(label);
  return at == std::string_view::npos ? 0 : LeadingNumber(text.substr(at + label.size()));
}

// The database id at the end of an item's address (".../items?id=137478").
std::string IdOfAddress(std::string_view address) {
  const std::size_t at = address.rfind("id=");
  return at == std::string_view::npos ? std::string() : std::string(address.substr(at + 3));
}

std::vector<int> ClassesOf(const pugi::xml_node& item) {
  std::vector<int> classes;
  for (const pugi::xml_node restriction : item.children("class_restriction")) {
    // Numbered restrictions name no class we can tell.
    for (const int c : XmlClassesNamed(Utf8ToCp1252(restriction.text().get()))) {
      if (std::find(classes.begin(), classes.end(), c) == classes.end()) classes.push_back(c);
    }
  }
  std::sort(classes.begin(), classes.end());
  return classes;
}

ForeignItem ItemOf(const pugi::xml_node& node) {
  ForeignItem item;
  item.Name = ChildText(node, "name");
  item.SourceId = IdOfAddress(ChildText(node, "online_url"));
  const auto realm = IndexInList(RealmList(), ChildText(node, "realm"));
  item.Realm = realm ? static_cast<int>(*realm) : kAllRealms;
  item.Level = LeadingNumber(ChildText(node, "level"));
  item.Quality = LeadingNumber(ChildText(node, "quality"));
  item.BonusLevel = NumberAfter(ChildText(node, "description"), "Bonus level:");
  const MorasPlace place = MorasPlaceOf(ChildText(node, "position"), ChildText(node, "weapon"));
  item.SlotKind = place.SlotKind;
  item.WeaponType = place.WeaponType;
  item.Armor = MorasArmor(ChildText(node, "armor"));
  item.Classes = ClassesOf(node);
  for (const pugi::xml_node effect : node.children("effect")) {
    std::string id = effect.attribute("id").value();
    if (id.empty()) id = "effect without id";
    const int code = MorasEffectCode(id);
    item.Bonuses.push_back({std::move(id), code, LeadingNumber(effect.text().get())});
  }
  return item;
}

}  // namespace

bool LooksLikeMorasXml(std::string_view head) {
  return head.find("<daoc_items") != std::string_view::npos ||
         (head.find("<item>") != std::string_view::npos &&
          head.find("<position>") != std::string_view::npos);
}

Result<ReadOutcome> ReadMorasXml(std::string_view text, ReadContext& context) {
  if (text.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  const XmlSource source(text);
  const pugi::xml_node root = source.Root();
  const bool oneItem = std::string_view(root.name()) == "item";
  if (root.empty() || (!oneItem && !root.child("item"))) {
    return Result<ReadOutcome>::Failure("not a Moras item export (no <item> elements)");
  }
  ReadOutcome outcome;
  ReportProgress(context.Progress, 0, text.size(), kPhase);
  std::size_t read = 0;
  const auto readItem = [&](const pugi::xml_node& node) {
    if (!source.ClosedBeforeStop(node)) return false;
    ForeignItem item = ItemOf(node);
    if (item.Name.empty()) {
      context.Tally.Skip("no name", item.SourceId);
    } else {
      outcome.Add(std::move(item), context);
    }
    if (++read % kProgressEvery == 0) {
      const std::ptrdiff_t offset = std::max<std::ptrdiff_t>(0, node.offset_debug());
      ReportProgress(context.Progress, static_cast<std::uint64_t>(offset), text.size(), kPhase);
    }
    return true;
  };
  if (oneItem) {
    readItem(root);
  } else {
    for (const pugi::xml_node node : root.children("item")) {
      if (context.Cancel.Cancelled()) return outcome;
      if (!readItem(node)) break;
    }
  }
  outcome.StoppedAt = source.StoppedAt();
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace qm
