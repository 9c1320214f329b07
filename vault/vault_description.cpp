#include "vault/vault_description.h"

#include <cstdint>
#include <iterator>

#include "core/bonus_catalogue.h"
#include "core/bonus_level.h"
#include "core/class_table.h"
#include "core/decimal_text.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "engine/item_measures.h"

namespace qm {
namespace {

constexpr std::string_view kRealmLines[] = {"Realm : Albion", "Realm : Hibernia", "Realm : Midgard",
                                            "Realm : Universal"};
constexpr std::string_view kShieldLines[] = {"Shield Size : Small", "Shield Size : Medium",
                                             "Shield Size : Large",
                                             "Shield Size : Maximum Size class can use"};
constexpr int kFirstShieldSlotKind = 24;
constexpr int kFirstShieldWeaponType = 27;
constexpr int kMythirianKind = 6;
constexpr int kAbsorbByClass = 6;

// "Normal Proc ( 25v Lifedrain )"; the second effect of kind 4 closes without
// the blank, and kind 5 shows no value.
std::string EffectLine(const TItemRecord& item, int k) {
  const int kind = item.EffectKind[k];
  const std::string name(EffectName(item.EffectId[k]));
  if (kind == 5) return "Selectable Effects ( " + name + " )";
  std::string line(EntryOf(EffectKindList(), static_cast<std::size_t>(kind)));
  line += " ( ";
  if (item.EffectValue[k] != 0) line += std::to_string(item.EffectValue[k]) + "v ";
  line += name;
  line += (k == 1 && kind == 4) ? ")" : " )";
  return line;
}

}  // namespace

std::vector<std::string> NoItemsFoundLines() {
  return {
      "No items were found with those parameters. Please refine your search and try again.",
      "",
      "Possible Causes :",
      "",
      "Searching for a two-handed weapon in a one hand slot.",
      "Items of that absorb are not marked as usable by your class",
      "That statistic combination does not occur on items that are marked for this slot and "
      "your class.",
      "The item type doesn't occur in the slot being chosen. IE: Champion weapons are not armor.",
      "Etc, etc, etc..."};
}

std::string ShieldSizeLine(const TItemRecord& item) {
  const int bySlot = item.SlotKind - kFirstShieldSlotKind;
  if (bySlot >= 0 && bySlot < 4) return std::string(kShieldLines[bySlot]);
  const int byWeapon = item.WeaponType - kFirstShieldWeaponType;
  if (byWeapon >= 0 && byWeapon < 4) return std::string(kShieldLines[byWeapon]);
  return {};
}

VaultDescription DescribeVaultItem(const TItemRecord& item, std::uint8_t maxArmor) {
  VaultDescription d;
  auto& lines = d.Lines;
  lines.push_back(item.Name.Str());
  lines.emplace_back();
  lines.push_back("Item Level : " + std::to_string(item.Level));
  lines.push_back("Item Slot : " + std::string(EntryOf(SlotKindList(), item.SlotKind)));
  lines.push_back("Item Type : " + std::string(ItemTypeList().At(item.ItemType)));
  lines.push_back("Expansion : " + std::string(ExpansionList().At(item.Expansion)));
  if (item.Quality < kNoQuality) {
    lines.push_back("Quality   : " + std::string(EntryOf(QualityList(), item.Quality)) + "%");
  }
  lines.push_back("Source    : " + std::string(SourceList().At(item.Source)));
  lines.emplace_back();
  lines.push_back(item.Realm < 4 ? std::string(kRealmLines[item.Realm]) : "Realm : ");
  lines.emplace_back();
  lines.push_back(item.Verified == 1 ? "(Item Verified!)" : "(Item Unverified...)");
  if (item.Researched != 0) lines.push_back("(Being researched...)");

  if (item.EffectKind[0] == kMythirianKind) {
    d.Mythirian = true;
    lines.insert(lines.end(), {"", "Mythirian Information", ""});
    lines.emplace_back(EffectName(item.EffectId[0]));
    if (item.EffectKind[1] == kMythirianKind) {
      lines.emplace_back();
      lines.emplace_back(EffectName(item.EffectId[1]));
    }
    lines.emplace_back();
    lines.push_back("Notes : " + item.Note.Str());
    lines.emplace_back();
    lines.push_back("Usable by : All Classes (Mythirian)");
    return d;
  }

  lines.emplace_back();
  const int armor = item.Armor;
  if (armor >= 1 && armor <= 5) {
    lines.push_back("Absorb : " +
                    std::string(EntryOf(ArmorList(), static_cast<std::size_t>(armor))));
  } else if (armor == kAbsorbByClass) {
    lines.push_back("Absorb : " + std::string(EntryOf(ArmorList(), std::size_t{maxArmor} + 1)));
  }
  if (armor == 1 || (armor == kAbsorbByClass && maxArmor == 0)) {
    lines.push_back("AF : " + std::to_string(item.Level) + " ");
  } else if ((armor >= 2 && armor <= 5) || armor == kAbsorbByClass) {
    lines.push_back("AF : " + std::to_string(2 * item.Level) + " ");
  }
  if (item.WeaponType != 0) {
    lines.push_back("Weapon Type  : " + std::string(WeaponTypeList().At(item.WeaponType)));
    lines.push_back("Weapon Speed : " + std::string(EntryOf(SpeedList(), item.Speed)));
    lines.push_back("Max DPS : " + FormatOneDecimal(1.2 + 0.3 * item.Level) + " ");
  }
  if (std::string shield = ShieldSizeLine(item); !shield.empty()) lines.push_back(shield);
  lines.insert(lines.end(), {"", "Stats", ""});
  for (int row = 0; row < kBonusRows; ++row) {
    if (item.BonusCode[row] == 0) continue;
    lines.push_back(std::to_string(item.BonusValue[row]) + " " +
                    std::string(BonusName(item.BonusCode[row])));
  }
  if (item.EffectKind[0] != 0) {
    lines.insert(lines.end(), {"", "Procs", ""});
    if (item.EffectKind[0] <= 5) lines.push_back(EffectLine(item, 0));
  }
  if (item.EffectKind[1] != 0) {
    lines.emplace_back();
    if (item.EffectKind[1] <= 5) lines.push_back(EffectLine(item, 1));
  }
  lines.insert(lines.end(), {"", "Classes able to Use"});
  for (int c = 0; c < kClassCount; ++c) {
    if (item.ClassUsable[c] == 1) lines.emplace_back(ClassOf(c).Text);
  }
  lines.insert(lines.end(), {"", "Server Availability"});
  if (item.ServerNormal) lines.emplace_back("ToA Servers (Normal)");
  if (item.ServerClassic) lines.emplace_back("Classic Servers (Bossiney)");
  if (item.ServerCoop) lines.emplace_back("Cooperative Server (Gaheris)");
  if (item.ServerPvP) lines.emplace_back("PvP Servers (Mordred)");
  if (item.ServerOrigins) lines.emplace_back("Origin Server (Assumed)");
  lines.emplace_back();
  lines.push_back(NormalUtility(item) + " Utility");
  lines.push_back(ToAUtility(item) + " ToA Utility");
  lines.push_back(item.BonusLevelFixed == 1
                      ? "Bonus Level (Manual) : " + std::to_string(item.BonusLevel)
                      : "Bonus Level (Auto) : " + ComputeBonusLevel(item));
  lines.push_back("Bonus Count : " + BonusCount(item));
  lines.emplace_back();
  lines.push_back("Notes : " + item.Note.Str());
  return d;
}

bool CanEquipFromVault(const TItemRecord& item, const TTemplateRecord& tpl) {
  // A class index outside the table has no flag: nothing may be equipped.
  if (tpl.ClassIndex >= kClassCount || item.ClassUsable[tpl.ClassIndex] == 0) return false;
  const std::uint8_t serverFlags[] = {item.ServerNormal, item.ServerCoop, item.ServerClassic,
                                      item.ServerPvP, item.ServerOrigins};
  if (tpl.ServerType < 5 && serverFlags[tpl.ServerType] == 0) return false;
  const std::int64_t level = BonusLevelValue(item);
  return !(level > tpl.CharLevel && level < 51);
}

int EquipTargetSlot(const TItemRecord& item, bool leftHandWeapon, UserPort& user) {
  // Target slot by slot kind; the three asking kinds are worked out below.
  constexpr int kAsk = -1;
  static constexpr int kSlotOfKind[] = {0,     kJewel,     kNeck, kCloak,   kBelt,   kAsk,
                                        kAsk,  kChest,     kHead, kArms,    kHands,  kLegs,
                                        kFeet, kRightHand, kAsk,  kTwoHand, kRanged, kMyth};
  if (item.SlotKind >= std::size(kSlotOfKind)) return 0;
  const int slot = kSlotOfKind[item.SlotKind];
  if (slot != kAsk) return slot;
  int left = kRing1;
  int right = kRing2;
  std::string_view message = "Would you like to equip this in the left or right ring slot?";
  if (item.SlotKind == 6) {
    left = kWrist1;
    right = kWrist2;
    message = "Would you like to equip this in the left or right wrist slot?";
  } else if (item.SlotKind == 14) {
    if (item.WeaponType >= 26) return kLeftHand;
    if (!leftHandWeapon) return kRightHand;
    left = kLeftHand;
    right = kRightHand;
    message = "Would you like to equip this in the left or right weapon slot?";
  }
  const Answer answer = user.AskUser(message, "Which Slot?", "&Left", "&Right", "&Cancel", "");
  return answer == Answer::Ok ? left : (answer == Answer::Cancel ? right : 0);
}

}  // namespace qm
