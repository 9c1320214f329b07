#include "cli/record_text.h"

#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "core/race_table.h"
#include "core/text.h"

namespace qm::cli {
namespace {

std::string Utf8(std::string_view text) {
  return Cp1252ToUtf8(text);
}

// A list text, or the raw index when the list does not hold it.
std::string Named(std::string_view text, unsigned index) {
  return text.empty() ? "#" + std::to_string(index) : Utf8(text);
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

std::string Servers(const TItemRecord& item) {
  std::string servers;
  auto add = [&](bool on, const char* name) {
    if (!on) return;
    if (!servers.empty()) servers += ", ";
    servers += name;
  };
  add(item.ServerNormal == 1, "Normal");
  add(item.ServerCoop == 1, "Coop");
  add(item.ServerPvP == 1, "PvP");
  add(item.ServerClassic == 1, "Classic");
  add(item.ServerOrigins == 1, "Origins");
  return servers.empty() ? "none" : servers;
}

std::string Classes(const TItemRecord& item) {
  int count = 0;
  std::string classes;
  for (int c = 0; c < kClassCount; ++c) {
    if (item.ClassUsable[c] != 1) continue;
    ++count;
    if (!classes.empty()) classes += ", ";
    classes += Trimmed(ClassOf(c).Text);
  }
  if (count == kClassCount) return "all classes";
  return count == 0 ? "none" : classes;
}

bool IsEmptyItem(const TItemRecord& item) {
  if (item.Name.View() != " ") return false;
  for (int row = 0; row < kBonusRows; ++row)
    if (item.BonusCode[row] != 0) return false;
  return item.EffectKind[0] == 0 && item.EffectKind[1] == 0;
}

void AddBonusLines(const TItemRecord& item, const std::string& indent,
                   std::vector<std::string>& lines) {
  for (int row = 0; row < kBonusRows; ++row) {
    const int code = item.BonusCode[row];
    if (code == 0 && item.BonusValue[row] == 0) continue;
    std::string name = Utf8(BonusName(code));
    if (name.empty()) name = "<unknown bonus " + std::to_string(code) + ">";
    lines.push_back(indent + "Bonus " + std::to_string(row + 1) + ": " + name + " " +
                    std::to_string(item.BonusValue[row]));
  }
  for (int k = 0; k < kEffectRows; ++k) {
    if (item.EffectKind[k] == 0 && item.EffectId[k] == 0 && item.EffectValue[k] == 0) continue;
    std::string name = Utf8(EffectName(item.EffectId[k]));
    if (name.empty()) name = "<unknown effect " + std::to_string(item.EffectId[k]) + ">";
    lines.push_back(indent + "Effect " + std::to_string(k + 1) + ": " +
                    Named(EntryOf(EffectKindList(), item.EffectKind[k]), item.EffectKind[k]) +
                    ": " + name + " (" + std::to_string(item.EffectValue[k]) + ")");
  }
}

// A crafted item keeps its gems in rows 1..4, their tiers in the values of
// rows 5..8, the fifth-slot bonus in rows 9 and 10 and the autonaming flag
// where other items keep BonusLevelFixed.
void AddCraftedLines(const TItemRecord& item, const std::string& indent,
                     std::vector<std::string>& lines) {
  for (int gem = 0; gem < 4; ++gem) {
    if (item.BonusCode[gem] == 0) continue;
    lines.push_back(indent + "Gem " + std::to_string(gem + 1) + ": " +
                    Utf8(BonusName(item.BonusCode[gem])) + " " +
                    std::to_string(item.BonusValue[gem]) + " (tier " +
                    std::to_string(item.BonusValue[gem + 4]) + ")");
  }
  for (int row = 8; row < kBonusRows; ++row) {
    if (item.BonusCode[row] == 0) continue;
    lines.push_back(indent + "Fifth slot: " + Utf8(BonusName(item.BonusCode[row])) + " " +
                    std::to_string(item.BonusValue[row]));
  }
}

constexpr std::string_view kCraftedArmour[] = {"0%", "10%", "19%", "27%", "34%", "Non-Armor"};

}  // namespace

std::vector<std::string> ItemLines(const TItemRecord& item) {
  std::vector<std::string> lines;
  auto field = [&](std::string_view label, const std::string& value) {
    std::string line(label);
    line.resize(12, ' ');
    lines.push_back(line + ": " + value);
  };
  field("Name", Utf8(item.Name.View()));
  field("Type", Named(ItemTypeList().At(item.ItemType), item.ItemType));
  field("Realm", Named(EntryOf(RealmList(), item.Realm), item.Realm));
  field("Level", std::to_string(item.Level));
  field("Expansion", Named(ExpansionList().At(item.Expansion), item.Expansion));
  field("Slot kind", Named(EntryOf(SlotKindList(), item.SlotKind), item.SlotKind));
  field("Armour", item.Crafted == 1
                      ? Named(item.Armor < 6 ? kCraftedArmour[item.Armor] : "", item.Armor)
                      : Named(EntryOf(ArmorList(), item.Armor), item.Armor));
  field("Weapon type", Named(WeaponTypeList().At(item.WeaponType), item.WeaponType));
  field("Speed", Named(EntryOf(SpeedList(), item.Speed), item.Speed));
  field("Quality", item.Quality > 31 ? std::string("not set")
                                     : Named(EntryOf(QualityList(), item.Quality), item.Quality));
  field("Crafted", item.Crafted ? "yes" : "no");
  field("Unique", item.Unique ? "yes" : "no");
  field("Servers", Servers(item));
  field("Classes", Classes(item));
  field("Status", item.Researched ? "researched" : item.Verified ? "verified" : "unverified");
  if (item.Crafted == 1) {
    field("Autonaming", item.BonusLevelFixed ? "on" : "off");
  } else {
    field("Bonus level", item.BonusLevelFixed ? std::to_string(item.BonusLevel) + " (fixed)"
                                              : std::to_string(item.BonusLevel) + " (computed)");
  }
  field("Source", Named(SourceList().At(item.Source), item.Source));
  field("Note", Utf8(item.Note.View()));
  if (item.Crafted == 1) {
    AddCraftedLines(item, "", lines);
  } else {
    AddBonusLines(item, "", lines);
  }
  return lines;
}

std::vector<std::string> TemplateLines(const TTemplateRecord& tpl) {
  std::vector<std::string> lines;
  const ClassInfo& info = ClassOf(tpl.ClassIndex);
  const auto races = RaceList(tpl.ClassIndex);
  const std::string race = tpl.RaceIndex < races.size() ? std::string(races[tpl.RaceIndex])
                                                        : "#" + std::to_string(tpl.RaceIndex);
  lines.push_back("Character   : " + Utf8(tpl.CharName.View()));
  lines.push_back("Class       : " + Named(Trimmed(info.Text), tpl.ClassIndex) + " (" +
                  std::to_string(tpl.ClassIndex) + ")");
  lines.push_back("Race        : " + race + " (" + std::to_string(tpl.RaceIndex) + ")");
  lines.push_back("Level       : " + std::to_string(tpl.CharLevel));
  lines.push_back("Realm rank  : RR" + std::to_string(tpl.RealmRank));
  lines.push_back("Server      : " +
                  Named(EntryOf(ServerTypeList(), tpl.ServerType), tpl.ServerType));
  lines.push_back("Champion    : " + std::string(tpl.ChampionFlag == 1 ? "yes" : "no"));
  lines.push_back("Weapons     : " + Named(WeaponConfigText(tpl.WeaponConfig), tpl.WeaponConfig) +
                  " (" + std::to_string(tpl.WeaponConfig) + ")");
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TItemRecord& item = tpl.Slot(slot);
    std::string head = std::to_string(slot);
    if (head.size() < 2) head.insert(0, " ");
    head += " " + std::string(SlotName(slot));
    head.resize(12, ' ');
    if (IsEmptyItem(item)) {
      lines.push_back(head + ": (empty)");
      continue;
    }
    std::string name = head + ": " + Utf8(item.Name.View());
    if (item.Crafted) name += "  [crafted]";
    lines.push_back(name);
    if (item.Crafted == 1) {
      AddCraftedLines(item, "              ", lines);
    } else {
      AddBonusLines(item, "              ", lines);
    }
  }
  return lines;
}

}  // namespace qm::cli
