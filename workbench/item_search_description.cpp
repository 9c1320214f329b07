#include "workbench/item_search_description.h"

#include <array>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/decimal_text.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "engine/item_measures.h"
#include "vault/vault_description.h"

namespace qm {
namespace {

constexpr int kMythirianKind = 6;
constexpr int kClothAbsorb = 1;
constexpr int kLastFixedAbsorb = 5;
constexpr int kClassAbsorb = 6;
constexpr int kLastQualityIndex = 31;
constexpr std::array<std::string_view, 4> kRealmLines = {"Realm : Albion", "Realm : Hibernia",
                                                         "Realm : Midgard", "Realm : Universal"};

std::string Text(std::string_view view) {
  return std::string(view);
}

}  // namespace

std::string SearchEffectLine(int kind, std::uint16_t effectId, std::uint16_t value) {
  if (kind < 1 || kind > 5) return {};
  std::string line = Text(EntryOf(EffectKindList(), static_cast<std::size_t>(kind))) + " ( ";
  // A selectable effect carries no strength worth printing.
  if (value != 0 && kind <= 4) line += std::to_string(value) + "v ";
  line += Text(EffectName(effectId));
  line += " )";
  return line;
}

std::vector<std::string> DescribeSearchItem(const TItemRecord& item, std::uint8_t maxArmor) {
  std::vector<std::string> lines;
  const std::string notes = "Notes : " + item.Note.Str();

  lines.push_back(item.Name.Str());
  lines.emplace_back();
  lines.push_back("Item Level : " + std::to_string(item.Level));
  lines.push_back("Item Type : " + Text(ItemTypeList().At(item.ItemType)));
  lines.push_back("Expansion : " + Text(ExpansionList().At(item.Expansion)));
  if (item.Quality <= kLastQualityIndex) {
    lines.push_back("Quality   : " + Text(EntryOf(QualityList(), item.Quality)) + "%");
  }
  lines.push_back("Source    : " + Text(SourceList().At(item.Source)));
  if (item.Realm < kRealmLines.size()) lines.push_back(Text(kRealmLines[item.Realm]));
  lines.push_back(item.Verified == 1 ? "(Item Verified!)" : "(Item Unverified...)");
  if (item.Researched == 1) lines.push_back("(Being researched...)");

  if (item.EffectKind[0] == kMythirianKind) {
    lines.insert(lines.end(), {"", "Mythirian Information", ""});
    lines.push_back(Text(EffectName(item.EffectId[0])));
    if (item.EffectKind[1] == kMythirianKind) {
      lines.emplace_back();
      lines.push_back(Text(EffectName(item.EffectId[1])));
    }
    lines.emplace_back();
    lines.push_back(notes);
    return lines;
  }

  const int absorb = item.Armor;
  const int level = item.Level;
  if (absorb >= kClothAbsorb && absorb <= kLastFixedAbsorb) {
    lines.push_back("Absorb : " + Text(EntryOf(ArmorList(), absorb)));
    const int factor = absorb == kClothAbsorb ? level : 2 * level;
    lines.push_back("AF : " + std::to_string(factor) + " ");
  } else if (absorb == kClassAbsorb) {
    lines.push_back("Absorb : " + Text(EntryOf(ArmorList(), maxArmor + 1u)));
    const int factor = maxArmor == 0 ? level : 2 * level;
    lines.push_back("AF : " + std::to_string(factor) + " ");
  }

  if (item.WeaponType != 0) {
    lines.push_back("Weapon Type  : " + Text(WeaponTypeList().At(item.WeaponType)));
    lines.push_back("Weapon Speed : " + Text(EntryOf(SpeedList(), item.Speed)));
    lines.push_back("DPS : " + FormatOneDecimal(level * 0.3 + 1.2) + " ");
  }
  if (std::string shield = ShieldSizeLine(item); !shield.empty()) lines.push_back(shield);

  lines.emplace_back();
  for (int row = 0; row < kBonusRows; ++row) {
    if (item.BonusCode[row] == 0) continue;
    lines.push_back(std::to_string(item.BonusValue[row]) + " " +
                    Text(BonusName(item.BonusCode[row])));
  }

  if (std::string first =
          SearchEffectLine(item.EffectKind[0], item.EffectId[0], item.EffectValue[0]);
      !first.empty()) {
    lines.push_back(first);
  }
  if (item.EffectKind[1] != 0) {
    lines.emplace_back();
    if (std::string second =
            SearchEffectLine(item.EffectKind[1], item.EffectId[1], item.EffectValue[1]);
        !second.empty()) {
      lines.push_back(second);
    }
  }

  lines.emplace_back();
  lines.push_back(NormalUtility(item) + " Utility");
  lines.push_back(ToAUtility(item) + " ToA Utility");
  lines.emplace_back();
  if (item.BonusLevelFixed == 1) {
    lines.push_back("Bonus Level (Manual) : " + std::to_string(item.BonusLevel));
  } else {
    lines.push_back("Bonus Level (Auto) : " + ComputeBonusLevel(item));
  }
  lines.emplace_back();
  lines.push_back(notes);
  return lines;
}

}  // namespace qm
