#include "interop/loki_template.h"

#include <string>

#include "core/text.h"
#include "interop/foreign_character.h"
#include "interop/foreign_template_slots.h"
#include "interop/kort_vocabulary.h"
#include "interop/loki_vocabulary.h"
#include "interop/quoted_text.h"
#include "interop/template_xml.h"
#include "interop/xml_source.h"
#include "spellcraft/spellcraft_gems.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

std::string_view Attribute(const pugi::xml_node& node, const char* name) {
  return node.attribute(name).as_string();
}

class LokiReading {
 public:
  LokiReading(std::string_view text, std::string_view fileName)
      : xml_(text, fileName, "a Loki template", "character") {}

  Result<ForeignTemplate> Read() {
    if (!xml_.Ok()) return Result<ForeignTemplate>::Failure(xml_.Error());
    const pugi::xml_node root = xml_.Root();
    PlaceCharacter({Attribute(root, "name"), Attribute(root, "realm"), Attribute(root, "class"),
                    Attribute(root, "race")},
                   tpl_);
    if (const auto level = xml_.Level(root, Attribute(root, "level"))) {
      tpl_.Record.CharLevel = static_cast<std::uint8_t>(*level);
    }
    SlotCandidates candidates;
    for (const pugi::xml_node item : root.child("items").children("item"))
      ReadItem(item, candidates);
    if (!xml_.Ok()) return Result<ForeignTemplate>::Failure(xml_.Error());
    FillSlots(candidates, tpl_);
    return std::move(tpl_);
  }

 private:
  void ReadItem(const pugi::xml_node& node, SlotCandidates& candidates) {
    const std::string_view loc = Attribute(node, "loc");
    const std::string_view origin = Attribute(node, "origin");
    const bool crafted = SameTextIgnoringCase(origin, "crafted");
    if (!crafted && !SameTextIgnoringCase(origin, "drop")) {
      tpl_.Warnings.push_back("item at " + QuotedText(loc) + ": origin " + QuotedText(origin) +
                              " unknown; its dropped variant is read");
    }
    const int slot = LokiSlot(loc);
    const std::string where = slot != 0 ? SlotWhere(slot) : "item at " + QuotedText(loc);
    SlotCandidate inUse;
    inUse.Preferred = true;
    inUse.Equipped = !SameTextIgnoringCase(Attribute(node, "equip"), "no");
    inUse.Item = ItemOf(node.child(crafted ? "crafted" : "drop"), crafted, slot, where);
    if (slot == 0) {
      if (!inUse.Item.Bonuses.empty()) {
        tpl_.Warnings.push_back(where + ": a location we cannot place; " +
                                QuotedText(inUse.Item.Name) + " left out");
      }
      return;
    }
    // Loki keeps the variant not in use beside it; it counts nothing, but
    // what it holds is named when it is left out.
    SlotCandidate other;
    other.Equipped = false;
    other.Item = NamesOf(node.child(crafted ? "drop" : "crafted"), !crafted);
    auto& here = candidates[static_cast<std::size_t>(slot - 1)];
    here.push_back(std::move(inUse));
    here.push_back(std::move(other));
  }

  // A variant's name and the names of its gems, nothing read that could fail.
  static ForeignItem NamesOf(const pugi::xml_node& variant, bool crafted) {
    ForeignItem item;
    item.Name = Attribute(variant, "name");
    item.Crafted = crafted;
    for (const pugi::xml_node gem : variant.children("gem")) {
      const std::string_view type = ChildText(gem, "type");
      if (!type.empty() && !SameTextIgnoringCase(type, "Unused")) {
        item.Bonuses.push_back({GemName(type, ChildText(gem, "effect")), 0, 0});
      }
    }
    return item;
  }

  static std::string GemName(std::string_view type, std::string_view effect) {
    return effect.empty() ? std::string(type) : std::string(type) + " " + std::string(effect);
  }

  ForeignItem ItemOf(const pugi::xml_node& variant, bool crafted, int slot,
                     const std::string& where) {
    ForeignItem item;
    item.Name = Attribute(variant, "name");
    item.Crafted = crafted;
    item.Realm = KortRealm(Attribute(variant, "realm"));
    item.Level = xml_.Number(variant, Attribute(variant, "level"), "item level").value_or(0);
    item.Quality = xml_.Number(variant, Attribute(variant, "quality"), "quality").value_or(0);
    const pugi::xml_node info = variant.child("info");
    item.BonusLevel =
        xml_.Number(info.child("bonus"), ChildText(info, "bonus"), "bonus level").value_or(0);
    item.SpeedTenths = SecondsAsTenths(ChildText(info, "speed"));
    const XmlItemPlace place =
        XmlItemPlaceOf(SlotName(slot), Utf8ToCp1252(ChildText(info, "type")));
    item.Armor = place.Armor;
    for (const pugi::xml_node gem : variant.children("gem")) AddGem(gem, crafted, where, item);
    return item;
  }

  void AddGem(const pugi::xml_node& gem, bool crafted, const std::string& where,
              ForeignItem& item) {
    const std::string_view type = ChildText(gem, "type");
    const std::string_view effect = ChildText(gem, "effect");
    if (type.empty() || SameTextIgnoringCase(type, "Unused")) return;
    const std::string name = GemName(type, effect);
    const int code = LokiBonusCode(type, effect);
    if (code == 0) {  // named in a warning when the item is placed
      item.Bonuses.push_back({name, 0, 0});
      return;
    }
    const std::optional<int> amount =
        xml_.Number(gem.child("amount"), ChildText(gem, "amount"), "gem amount");
    if (!amount) return;
    if (!crafted) {
      item.Bonuses.push_back({name, code, *amount});
      return;
    }
    const int gemIndex = GemIndexOfCode(code);
    const std::span<const int> ladder = GemValueLadder(gemIndex);
    if (gemIndex == 0) {
      tpl_.Warnings.push_back(where + ": no gem gives " + QuotedText(name) + "; left out");
    } else if (*amount < 0 || *amount >= static_cast<int>(ladder.size())) {
      tpl_.Warnings.push_back(where + ": gem " + QuotedText(name) + " has tier index " +
                              std::to_string(*amount) + ", past the last of ours (" +
                              std::to_string(ladder.size() - 1) + "); left out");
    } else {
      item.Bonuses.push_back({name, code, ladder[static_cast<std::size_t>(*amount)]});
    }
  }

  TemplateXml xml_;
  ForeignTemplate tpl_;
};

}  // namespace

bool LooksLikeLokiTemplate(std::string_view head) {
  return FirstElementName(head) == "character";
}

Result<ForeignTemplate> ReadLokiTemplate(std::string_view text, std::string_view fileName) {
  return LokiReading(text, fileName).Read();
}

}  // namespace qm
