#include "interop/kort_template.h"

#include <algorithm>
#include <map>
#include <string>

#include "core/text.h"
#include "interop/foreign_character.h"
#include "interop/foreign_template_slots.h"
#include "interop/kort_item.h"
#include "interop/kort_vocabulary.h"
#include "interop/quoted_text.h"
#include "interop/template_xml.h"
#include "interop/xml_source.h"

namespace qm {
namespace {

constexpr int kLowestRank = 1;
constexpr int kHighestRank = 13;

// What the active outfit says of an item, by its TemplateIndex.
using Outfit = std::map<int, bool>;  // index -> equipped

class KortReading {
 public:
  KortReading(std::string_view text, std::string_view fileName)
      : xml_(text, fileName, "a Kort template", "SCTemplate") {}

  Result<ForeignTemplate> Read() {
    if (!xml_.Ok()) return Result<ForeignTemplate>::Failure(xml_.Error());
    const pugi::xml_node root = xml_.Root();
    PlaceCharacter({ChildText(root, "Name"), ChildText(root, "Realm"), ChildText(root, "Class"),
                    ChildText(root, "Race")},
                   tpl_);
    if (const auto level = xml_.Level(root.child("Level"), ChildText(root, "Level"))) {
      tpl_.Record.CharLevel = static_cast<std::uint8_t>(*level);
    }
    ReadRealmRank(root.child("RealmRank"));
    if (!ChildText(root, "Notes").empty()) {
      tpl_.Warnings.push_back("notes left out: our template has no place for them");
    }
    const Outfit outfit = ActiveOutfit(root);
    SlotCandidates candidates;
    for (const pugi::xml_node item : root.children("SCItem")) ReadItem(item, outfit, candidates);
    const std::optional<int> champion = xml_.Number(
        root.child("ChampionLevel"), ChildText(root, "ChampionLevel"), "champion level");
    if (!xml_.Ok()) return Result<ForeignTemplate>::Failure(xml_.Error());
    FillSlots(candidates, tpl_);
    // Only a champion opens the Myth slot, so an item there makes one.
    const bool mythItem = tpl_.Record.Slot(kMyth).Name.View() != " ";
    tpl_.Record.ChampionFlag = champion.value_or(0) > 0 || mythItem ? 1 : 0;
    return std::move(tpl_);
  }

 private:
  // "5L3" is rank 5; our record keeps the rank, which is what the caps and
  // skills count, not the level within it.
  void ReadRealmRank(const pugi::xml_node& node) {
    const std::string_view text = ChildText(node.parent(), "RealmRank");
    const std::size_t l = text.find_first_of("Ll");
    const auto rank = xml_.Number(node, text.substr(0, l), "realm rank");
    if (l != std::string_view::npos) (void)xml_.Number(node, text.substr(l + 1), "realm level");
    if (!rank) return;
    const int kept = std::clamp(*rank, kLowestRank, kHighestRank);
    if (kept != *rank) {
      tpl_.Warnings.push_back("realm rank " + QuotedText(text) + " is outside 1-13; " +
                              std::to_string(kept) + " kept");
    }
    tpl_.Record.RealmRank = static_cast<std::uint8_t>(kept);
  }

  // The outfit marked active, else the first one; empty when the file has none.
  Outfit ActiveOutfit(const pugi::xml_node& root) {
    pugi::xml_node chosen = root.child("Outfit");
    for (const pugi::xml_node outfit : root.children("Outfit")) {
      if (outfit.attribute("Active").as_int() == 1) {
        chosen = outfit;
        break;
      }
    }
    Outfit outfit;
    for (const pugi::xml_node entry : chosen.children("OutfitItem")) {
      const auto index = xml_.Number(entry, entry.attribute("Index").as_string(), "outfit index");
      const auto equipped =
          xml_.Number(entry, entry.attribute("Equipped").as_string(), "outfit equipped flag");
      if (index) outfit[*index] = equipped.value_or(1) != 0;
    }
    return outfit;
  }

  // Kort writes any number into a slot whose bonus it knows; other slots
  // (effects such as "20%") are named in a warning, not read.
  void CheckNumbers(const pugi::xml_node& node) {
    (void)xml_.Number(node.child("Level"), ChildText(node, "Level"), "item level");
    (void)xml_.Number(node.child("ItemQuality"), ChildText(node, "ItemQuality"), "quality");
    for (const pugi::xml_node slot : node.children("SLOT")) {
      if (KortBonusCode(ChildText(slot, "Type"), ChildText(slot, "Effect")) == 0) continue;
      (void)xml_.Number(slot.child("Amount"), ChildText(slot, "Amount"), "bonus amount");
    }
  }

  void ReadItem(const pugi::xml_node& node, const Outfit& outfit, SlotCandidates& candidates) {
    CheckNumbers(node);
    const std::string_view location = ChildText(node, "Location");
    const int slot = KortSlot(location);
    SlotCandidate candidate;
    candidate.Item = KortItemOf(node);
    const auto index =
        xml_.Number(node.child("TemplateIndex"), ChildText(node, "TemplateIndex"), "item index");
    const auto equipped =
        xml_.Number(node.child("Equipped"), ChildText(node, "Equipped"), "equipped flag");
    candidate.Equipped = equipped.value_or(1) != 0;
    if (const auto named = index ? outfit.find(*index) : outfit.end(); named != outfit.end()) {
      candidate.Preferred = true;
      candidate.Equipped = named->second;
    }
    if (slot == 0) {
      if (!candidate.Item.Bonuses.empty()) {
        tpl_.Warnings.push_back("item at " + QuotedText(location) +
                                ": a location we cannot place; " + QuotedText(candidate.Item.Name) +
                                " left out");
      }
      return;
    }
    candidates[static_cast<std::size_t>(slot - 1)].push_back(std::move(candidate));
  }

  TemplateXml xml_;
  ForeignTemplate tpl_;
};

}  // namespace

bool LooksLikeKortTemplate(std::string_view head) {
  return FirstElementName(head) == "SCTemplate";
}

Result<ForeignTemplate> ReadKortTemplate(std::string_view text, std::string_view fileName) {
  return KortReading(text, fileName).Read();
}

}  // namespace qm
