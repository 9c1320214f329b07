#include "report/slot_summary.h"

#include <array>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/decimal_text.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "report/bonus_text.h"

namespace qm {
namespace {

constexpr std::string_view kBlank = " ";
constexpr std::string_view kEmptyItemName = " ";

// A crafted item keeps its armour as the spellcraft tab's own index:
// 0 cloth .. 4 plate, 5 not armour.
constexpr std::array<std::string_view, 5> kCraftedAbsorb = {"0%", "10%", "19%", "27%", "34%"};
constexpr int kCraftedNotArmour = 5;
// Rows of a crafted item: gems in rows 1..4, the fifth-slot bonus in rows 9 and 10.
constexpr int kCraftedGemRows = 4;
constexpr int kFifthSlotRow = 8;
constexpr int kSecondFifthSlotRow = 9;
// Armour list entries of other items: 0 "N/A", 1 cloth .. 5 plate, 6 the class's best.
constexpr int kArmourOfClass = 6;
constexpr int kClothArmour = 1;
constexpr int kPlateArmour = 5;

std::string BonusLine(const TItemRecord& item, int row) {
  return std::to_string(item.BonusValue[row]) + " " + std::string(BonusName(item.BonusCode[row]));
}

std::string BonusLabel(const TItemRecord& item, int row) {
  return item.BonusCode[row] != 0 ? BonusLine(item, row) : std::string(kBlank);
}

std::string AfLabel(int armourFactor) {
  return "AF : " + std::to_string(armourFactor) + " ";
}

void FillCrafted(const TItemRecord& item, ItemLabels& labels) {
  for (int row = 0; row < kCraftedGemRows; ++row) labels.stat[row] = BonusLabel(item, row);
  if (item.BonusCode[kFifthSlotRow] != 0) {
    labels.stat[kCraftedGemRows] = BonusLine(item, kFifthSlotRow);
    if (item.BonusCode[kSecondFifthSlotRow] != 0)
      labels.stat[kCraftedGemRows + 1] = BonusLine(item, kSecondFifthSlotRow);
  }
  // An index beyond the tab's six entries is treated as not armour.
  const int armour = item.Armor;
  if (armour < kCraftedNotArmour) {
    labels.statAbs = "Absorb : " + std::string(kCraftedAbsorb[armour]);
    labels.statAF = AfLabel(armour == 0 ? item.Level : 2 * item.Level);
  } else {
    labels.statAbs = "";
    labels.statAF = kBlank;
  }
}

void FillOther(const TItemRecord& item, int maxArmour, ItemLabels& labels) {
  for (int row = 0; row < kBonusRows; ++row) labels.stat[row] = BonusLabel(item, row);
  // The "best grade of the class" entry shows the grade itself (list entry
  // grade + 1); an index outside the armour list shows nothing.
  int armour = item.Armor;
  if (armour == kArmourOfClass) armour = maxArmour + 1;
  if (armour >= kClothArmour && armour <= kPlateArmour) {
    labels.statAbs = "Absorb : " + std::string(EntryOf(ArmorList(), armour));
    labels.statAF = AfLabel(armour == kClothArmour ? item.Level : 2 * item.Level);
  }
  if (item.WeaponType != 0) {
    labels.statAF = "DPS : " + FormatOneDecimal(item.Level * 0.3 + 1.2) + " ";
  }
  for (int effect = 0; effect < kEffectRows; ++effect) {
    if (item.EffectKind[effect] == 0) continue;
    std::string& label = effect == 0 ? labels.statProc1 : labels.statProc2;
    label = std::string(EntryOf(EffectKindList(), item.EffectKind[effect])) + " ( " +
            std::string(EffectName(item.EffectId[effect])) + " )";
  }
}

// "5 Crush Resist" reads "5% Crush Resist".
void AddPercentSigns(ItemLabels& labels) {
  for (std::string& label : labels.stat) {
    if (!ReadsAsPercent(label)) continue;
    const std::size_t blank = label.find(' ');
    if (blank != std::string::npos) label.insert(blank, "%");
  }
}

bool IsLong(const std::string& text) {
  return text.size() > 2;
}

std::vector<std::string> InfoLines(const TItemRecord& item, const ItemLabels& labels) {
  std::vector<std::string> lines;
  auto addIfLong = [&](const std::string& text) {
    if (IsLong(text)) lines.push_back(text);
  };
  lines.push_back("Item: " + item.Name.Str());
  lines.emplace_back(kBlank);
  lines.emplace_back("<== Basics ==>");
  lines.emplace_back(kBlank);
  if (item.Unique != 0) lines.emplace_back("(Manual Edit / RoG item)");
  lines.push_back(labels.statLevel);
  addIfLong(labels.statAF);
  addIfLong(labels.statAbs);
  lines.emplace_back(kBlank);
  lines.emplace_back("<== Stats ==>");
  lines.emplace_back(kBlank);
  for (const std::string& stat : labels.stat) addIfLong(stat);
  lines.emplace_back(kBlank);
  if (IsLong(labels.statProc1)) lines.emplace_back("<== Procs ==>");
  lines.emplace_back(kBlank);
  addIfLong(labels.statProc1);
  addIfLong(labels.statProc2);
  return lines;
}

}  // namespace

SlotSummaryView SlotSummary(const TItemRecord& item, int maxArmour) {
  SlotSummaryView view;
  if (item.Name.View() == kEmptyItemName) {
    view.Panel.Caption = "Item: No item";
    return view;
  }
  view.Panel.Caption = "Item: " + item.Name.Str();

  ItemLabels labels;
  labels.stat.fill(std::string(kBlank));
  labels.statAbs = kBlank;
  labels.statAF = kBlank;
  labels.statQuality = kBlank;
  labels.statProc1 = kBlank;
  labels.statProc2 = kBlank;
  if (item.Crafted != 0)
    FillCrafted(item, labels);
  else
    FillOther(item, maxArmour, labels);
  labels.statLevel = "Level : " + std::to_string(item.Level) + " ";
  AddPercentSigns(labels);

  view.Panel.Lines = InfoLines(item, labels);
  view.Labels = std::move(labels);
  return view;
}

}  // namespace qm
