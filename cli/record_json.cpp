#include "cli/record_json.h"

#include "core/text.h"

namespace qm::cli {
namespace {

template <typename T, std::size_t N>
nlohmann::ordered_json Array(const T (&values)[N]) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const T& value : values) array.push_back(value);
  return array;
}

std::string Utf8(std::string_view text) {
  return Cp1252ToUtf8(text);
}

}  // namespace

nlohmann::ordered_json ItemToJson(const TItemRecord& item) {
  nlohmann::ordered_json json;
  json["Name"] = Utf8(item.Name.View());
  json["ItemType"] = item.ItemType;
  json["Realm"] = item.Realm;
  json["Expansion"] = item.Expansion;
  json["Level"] = item.Level;
  json["SlotKind"] = item.SlotKind;
  json["Armor"] = item.Armor;
  json["WeaponType"] = item.WeaponType;
  json["Crafted"] = item.Crafted;
  json["Unique"] = item.Unique;
  json["ServerCoop"] = item.ServerCoop;
  json["ServerPvP"] = item.ServerPvP;
  json["ServerClassic"] = item.ServerClassic;
  json["ServerNormal"] = item.ServerNormal;
  json["ClassUsable"] = Array(item.ClassUsable);
  json["Verified"] = item.Verified;
  json["Researched"] = item.Researched;
  json["Reserved"] = item.Reserved;
  json["ServerOrigins"] = item.ServerOrigins;
  json["BonusCode"] = Array(item.BonusCode);
  json["BonusLevel"] = item.BonusLevel;
  json["BonusLevelFixed"] = item.BonusLevelFixed;
  json["BonusValue"] = Array(item.BonusValue);
  json["EffectKind"] = Array(item.EffectKind);
  json["EffectId"] = Array(item.EffectId);
  json["Note"] = Utf8(item.Note.View());
  json["Quality"] = item.Quality;
  json["EffectValue"] = Array(item.EffectValue);
  json["Speed"] = item.Speed;
  json["Source"] = item.Source;
  return json;
}

nlohmann::ordered_json TemplateToJson(const TTemplateRecord& tpl) {
  nlohmann::ordered_json json;
  json["CharName"] = Utf8(tpl.CharName.View());
  json["CharLevel"] = tpl.CharLevel;
  json["RealmRank"] = tpl.RealmRank;
  json["ClassIndex"] = tpl.ClassIndex;
  json["ServerType"] = tpl.ServerType;
  json["RaceIndex"] = tpl.RaceIndex;
  json["VaultMark"] = tpl.VaultMark;
  nlohmann::ordered_json slots = nlohmann::ordered_json::array();
  for (const TItemRecord& item : tpl.Slots) slots.push_back(ItemToJson(item));
  json["Slots"] = std::move(slots);
  json["WeaponConfig"] = tpl.WeaponConfig;
  json["ChampionFlag"] = tpl.ChampionFlag;
  json["Reserved"] = tpl.Reserved;
  json["EffectIdsGlobal"] = tpl.EffectIdsGlobal;
  return json;
}

}  // namespace qm::cli
