#include "vault/vault_filter.h"

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/item_lists.h"

namespace qm {
namespace {

std::vector<std::string> Lead(std::string_view first, const std::vector<std::string>& rest) {
  std::vector<std::string> out;
  out.reserve(rest.size() + 1);
  out.emplace_back(first);
  out.insert(out.end(), rest.begin(), rest.end());
  return out;
}

}  // namespace

TVaultFilter& SharedVaultFilter() {
  static TVaultFilter filter;
  return filter;
}

std::vector<std::string> ITypeFilterChoices() {
  return Lead("<Item Type Filter>", ItemTypeList().Entries());
}

std::vector<std::string> SlotFilterChoices() {
  std::vector<std::string> out{"<Slot Filter>"};
  const auto kinds = SlotKindList();
  for (std::size_t i = 1; i < kinds.size(); ++i) out.emplace_back(kinds[i]);
  return out;
}

std::vector<std::string> ExpansionFilterChoices() {
  return Lead("<Expansion Filter>", ExpansionList().Entries());
}

std::vector<std::string> RealmFilterChoices() {
  return {"Albion", "Hibernia", "Midgard", "Universal (Unfiltered)", "Only Universal Items"};
}

std::vector<std::string> ClassFilterChoices() {
  std::vector<std::string> out{"<Class Filter>"};
  for (int c = 0; c < kClassTableSize; ++c) out.emplace_back(ClassOf(c).Text);
  out.emplace_back("(Int) No Classes Checked");
  return out;
}

std::vector<std::string> ServerFilterChoices() {
  return {"<Server Type Filter>",
          "<None>",
          "Normal",
          "Coop",
          "Classic",
          "PvP",
          "Origins",
          "Ywain",
          "Realm Free"};
}

std::vector<std::string> StatFilterChoices() {
  std::vector<std::string> out{"<Unfiltered>"};
  for (int code = 1; code <= kMaxBonusCode; ++code) out.emplace_back(BonusName(code));
  return out;
}

std::vector<std::string> ProcFilterChoices() {
  std::vector<std::string> out{"<No Proc Filter>"};
  const std::size_t count = EffectNameCount();
  for (std::size_t i = 0; i < count; ++i) out.emplace_back(EffectName(i));
  return out;
}

std::vector<std::string> ArmorFilterChoices() {
  return {"<Armor Filters>", "0%", "10%", "19%", "27%", "34%", "Class-based"};
}

std::vector<std::string> WeaponFilterChoices() {
  std::vector<std::string> out = WeaponTypeList().Entries();
  out.at(0) = "<Weapon Type Filter>";
  // The shield entries read as plurals in the filter.
  static constexpr std::string_view kShields[] = {"Small Shields", "Medium Shields",
                                                  "Large Shields", "Class-Sized Shields"};
  for (std::size_t i = 0; i < 4 && 27 + i < out.size(); ++i) out[27 + i] = kShields[i];
  return out;
}

}  // namespace qm
