#include "interop/zenkcraft_template_writer.h"

#include <cstdint>
#include <sstream>
#include <string>

#include <pugixml.hpp>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/item_lists.h"
#include "core/text.h"
#include "interop/zenkcraft_vocabulary.h"
#include "spellcraft/spellcraft_item.h"

namespace qm {
namespace {

constexpr int kLowestQuality = 70;
constexpr int kLastQualityIndex = 30;  // 100%
constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 50;
constexpr std::uint8_t kDefaultRealmRank = 1;
constexpr int kFifthIndexEffect = 1;  // a crafted item keeps its fifth-slot index there

void Add(pugi::xml_node parent, const char* name, const std::string& text) {
  pugi::xml_node node = parent.append_child(name);
  if (!text.empty()) node.text().set(text.c_str());
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

bool IsEmptySlot(const TItemRecord& item) {
  if (item.Name.View() != " " && item.Name.Size() != 0) return false;
  for (const std::uint8_t code : item.BonusCode) {
    if (code != 0) return false;
  }
  return true;
}

// Zenkcraft asks for a template id of nine digits starting with 1; ours is
// derived from the character, so the same template writes the same file.
std::string TemplateId(const TTemplateRecord& tpl) {
  std::uint32_t hash = 2166136261u;
  for (const char c : tpl.CharName.View())
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  hash = (hash ^ tpl.ClassIndex) * 16777619u;
  std::string digits = std::to_string(hash % 100000000u);
  return "1" + std::string(8 - digits.size(), '0') + digits;
}

class Writer {
 public:
  explicit Writer(const TTemplateRecord& tpl) : tpl_(tpl) {}

  TemplateExport Write() {
    pugi::xml_node declaration = document_.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    pugi::xml_node root = document_.append_child("PlayerSaveData");
    root.append_attribute("xmlns:xsd") = "http://www.w3.org/2001/XMLSchema";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    WriteCharacter(root);
    pugi::xml_node items = root.append_child("items");
    for (int position = 0; position < kSlotCount; ++position) {
      const int slot = ZenkcraftWriteOrder(position);
      if (!IsEmptySlot(tpl_.Slot(slot))) WriteItem(items, slot);
    }
    Add(root, "SF_TemplateID", TemplateId(tpl_));
    WriteWeapon(root);
    root.append_child("AutoTemplate_StatOrder");
    root.append_child("AutoTemplate_DisabledStats");
    std::ostringstream text;
    document_.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    out_.Text = text.str();
    return std::move(out_);
  }

 private:
  void WriteCharacter(pugi::xml_node root) {
    Add(root, "playerName", Cp1252ToUtf8(tpl_.CharName.View()));
    const int classIndex = tpl_.ClassIndex;
    if (classIndex >= kClassTableSize) out_.Warnings.push_back("no class chosen; none written");
    Add(root, "realm", std::string(ZenkcraftRealmWord(RealmOfClass(classIndex))));
    Add(root, "className", std::string(ZenkcraftClassWord(classIndex)));
    Add(root, "race", std::string(ZenkcraftRaceWord(classIndex, tpl_.RaceIndex)));
    int level = tpl_.CharLevel;
    if (level < kLowestLevel || level > kHighestLevel) {
      level = level < kLowestLevel ? kLowestLevel : kHighestLevel;
      out_.Warnings.push_back("level " + std::to_string(tpl_.CharLevel) + " written as " +
                              std::to_string(level));
    }
    Add(root, "level", std::to_string(level));
    if (tpl_.RealmRank != kDefaultRealmRank) {
      out_.Warnings.push_back("realm rank " + std::to_string(tpl_.RealmRank) +
                              " not carried (Zenkcraft keeps none)");
    }
    if (tpl_.ServerType != kNormal) {
      out_.Warnings.push_back("server type " + Quoted(EntryOf(ServerTypeList(), tpl_.ServerType)) +
                              " not carried");
    }
    if (tpl_.ChampionFlag == 0) out_.Warnings.push_back("champion flag not carried");
  }

  void WriteWeapon(pugi::xml_node root) {
    std::string_view word = ZenkcraftWeaponWord(tpl_.WeaponConfig);
    if (word.empty()) {
      word = ZenkcraftWeaponWord(0);
      out_.Warnings.push_back("weapon configuration " +
                              Quoted(WeaponConfigText(tpl_.WeaponConfig)) +
                              " not carried; Zenkcraft counts the right hand");
    }
    Add(root, "selectedWeaponType", std::string(word));
  }

  std::string SourceType(const TItemRecord& item, const std::string& where) {
    if (IsSpellcrafted(item)) return std::string(kZenkcraftSpellcraft);
    const std::optional<std::string_view> source = ZenkcraftSourceTypeOf(item.ItemType);
    if (source && *source != kZenkcraftSpellcraft) return std::string(*source);
    out_.Warnings.push_back(where + ": item type " + Quoted(ItemTypeList().At(item.ItemType)) +
                            " written as " + std::string(kZenkcraftDefaultSource));
    return std::string(kZenkcraftDefaultSource);
  }

  void WriteItem(pugi::xml_node items, int slot) {
    const TItemRecord& item = tpl_.Slot(slot);
    const bool crafted = IsSpellcrafted(item);
    const std::string where = "slot " + std::to_string(slot) + " " + std::string(SlotName(slot));
    pugi::xml_node node = items.append_child("Item");
    Add(node, "sourceType", SourceType(item, where));
    Add(node, "allowedPosition", std::string(ZenkcraftPositionOf(slot)));
    Add(node, "itemName", item.Name.View() == " " ? std::string() : Cp1252ToUtf8(item.Name.View()));
    Add(node, "itemNotes", Cp1252ToUtf8(item.Note.View()));
    Add(node, "numFeathers", "0");
    Add(node, "level", std::to_string(item.Level));
    const int quality = item.Quality <= kLastQualityIndex ? kLowestQuality + item.Quality
                                                          : kLowestQuality + kLastQualityIndex;
    Add(node, "quality", std::to_string(quality));
    Add(node, "itemEnabled", "true");
    Add(node, "AT_itemIncluded", "true");
    for (int k = 0; k < kEffectRows; ++k) {
      if (item.EffectKind[k] == 0 || (crafted && k == kFifthIndexEffect)) continue;
      out_.Warnings.push_back(where + ": effect " + std::to_string(k + 1) + " " +
                              Quoted(EntryOf(EffectKindList(), item.EffectKind[k])) +
                              " left out (Zenkcraft keeps no procs or charges)");
    }
    WriteStats(node.append_child("stats"), item, crafted, where);
  }

  // A crafted item's rows are its gems and fifth-slot bonuses without gaps;
  // a plain item's empty rows before a bonus become "Unused" entries, so
  // every bonus keeps its row.
  void WriteStats(pugi::xml_node stats, const TItemRecord& item, bool crafted,
                  const std::string& where) {
    int pendingGaps = 0;
    for (int row = 0; row < kBonusRows; ++row) {
      const int code = item.BonusCode[row];
      const std::optional<ZenkcraftBonusWords> words = ZenkcraftWordsOfCode(code);
      if (code != 0 && !words) {
        out_.Warnings.push_back(where + ": bonus " + Quoted(BonusName(code)) +
                                " has no Zenkcraft word, left out");
      }
      if (!words) {
        ++pendingGaps;
        continue;
      }
      for (; pendingGaps > 0 && !crafted; --pendingGaps) {
        pugi::xml_node unused = stats.append_child("StatEntry");
        Add(unused, "bonusType", std::string(kZenkcraftUnusedType));
        Add(unused, "bonusAmount", "0");
      }
      pendingGaps = 0;
      pugi::xml_node entry = stats.append_child("StatEntry");
      Add(entry, "bonusType", std::string(words->Type));
      Add(entry, "bonusAttribute", std::string(words->Attribute));
      Add(entry, "bonusAmount", std::to_string(item.BonusValue[row]));
    }
  }

  const TTemplateRecord& tpl_;
  pugi::xml_document document_;
  TemplateExport out_;
};

}  // namespace

TemplateExport WriteZenkcraftTemplate(const TTemplateRecord& tpl) {
  return Writer(tpl).Write();
}

}  // namespace qm
