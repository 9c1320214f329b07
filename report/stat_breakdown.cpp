#include "report/stat_breakdown.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/item_record.h"

namespace qm {
namespace {

// The first block names the slots one way, the group blocks another; the
// group blocks never look at the Myth slot.
constexpr std::array<std::string_view, kSlotCount> kDirectLabels = {
    "Jewel : ",     "Neck : ",       "Cloak : ",   "Belt : ",     "Ring 1 : ",
    "Ring 2 : ",    "Wrist 1 : ",    "Wrist 2 : ", "Chest : ",    "Head : ",
    "Arms : ",      "Hands : ",      "Legs : ",    "Feet : ",     "Right Hand : ",
    "Left Hand : ", "Two-Handed : ", "Ranged : ",  "Mythirian : "};
constexpr std::array<std::string_view, kSlotCount - 1> kGroupLabels = {
    "Jewel : ",  "Neck : ",   "Cloak : ",      "Belt : ",      "Ring1 : ",      "Ring2 : ",
    "Wrist1 : ", "Wrist2 : ", "Chest : ",      "Head : ",      "Arms : ",       "Hands : ",
    "Legs : ",   "Feet : ",   "Right Hand : ", "Left Hand : ", "Two Handed : ", "Ranged : "};

// Codes of the acuity stats (Piety .. Charisma) and their cap increases.
constexpr int kFirstAcuityStat = 5;
constexpr int kLastAcuityStat = 8;
constexpr int kFirstAcuityStatCap = 138;
constexpr int kLastAcuityStatCap = 141;
constexpr int kAcuityCode = 142;
constexpr int kAcuityCapCode = 143;

// The skills that realm rank raises: every skill line that is neither a
// focus nor a group bonus.
bool IsRealmRankSkill(int code) {
  return (code >= 23 && code <= 53) || (code >= 65 && code <= 91) || (code >= 103 && code <= 125) ||
         (code >= 185 && code <= 189);
}

struct GroupBlock {
  bool (*Reaches)(int code);
  std::string_view Heading;
  std::uint8_t TTotalsRecord::*Total;
  std::array<int, 2> Codes;  // 0 = no second code
};

constexpr std::array<GroupBlock, 4> kGroupBlocks = {{
    {IsMeleeSkill, "All Melee effect : +", &TTotalsRecord::AllMelee, {20, 179}},
    {IsCastingSkill, "All Casting effect : +", &TTotalsRecord::AllCasting, {21, 180}},
    {IsDualWieldSkill, "All Dual Wield effect : +", &TTotalsRecord::AllDualWield, {181, 0}},
    {IsArcherySkill, "All Archery effect : +", &TTotalsRecord::AllArchery, {182, 0}},
}};

class Breakdown {
 public:
  Breakdown(const TTemplateRecord& tpl, int weaponConfig)
      : tpl_(tpl), weaponConfig_(weaponConfig) {}

  void Add(std::string line) { lines_.push_back(std::move(line)); }
  // The sum is a 16-bit accumulator: contributions wrap as they are added.
  void Count(int amount) { sum_ = static_cast<std::uint16_t>(sum_ + amount); }

  // The slot's line for code k when its item carries k at all.
  void SlotLine(int slot, std::string_view label, int code) {
    const std::uint16_t amount = ItemBonusSum(tpl_.Slot(slot), code);
    if (amount != 0) Add(std::string(label) + std::to_string(amount));
  }

  void DirectBlock(int code) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      if (!SlotTakesPart(slot, weaponConfig_)) continue;
      Count(ItemBonusSum(tpl_.Slot(slot), code));
      SlotLine(slot, kDirectLabels[slot - 1], code);
    }
  }

  // A bonus that reaches the code through one of its totals: the heading
  // with the whole total, then each slot's share of it.
  void TotalBlock(std::string_view heading, int total, std::array<int, 2> codes) {
    Add("");
    Add(std::string(heading) + std::to_string(total));
    Count(total);
    Add("");
    for (int slot = 1; slot < kMyth; ++slot) {
      if (!SlotTakesPart(slot, weaponConfig_)) continue;
      for (const int code : codes)
        if (code != 0) SlotLine(slot, kGroupLabels[slot - 1], code);
    }
  }

  std::vector<std::string> Finish() {
    Add("");
    Add("Stat Total : (" + std::to_string(sum_) + ")");
    return std::move(lines_);
  }

 private:
  const TTemplateRecord& tpl_;
  int weaponConfig_;
  std::vector<std::string> lines_;
  std::uint16_t sum_ = 0;
};

}  // namespace

bool SlotTakesPart(int slot, int weaponConfig) {
  switch (slot) {
    case kRightHand:
      return weaponConfig == 0;
    case kLeftHand:
      return weaponConfig == 0 || weaponConfig == 1;
    case kTwoHand:
      return weaponConfig == 1 || weaponConfig == 2;
    case kRanged:
      return weaponConfig == 3;
    default:
      return slot >= 1 && slot <= kSlotCount;
  }
}

PanelText StatBreakdown(int code, const TTemplateRecord& tpl, int weaponConfig,
                        const TTotalsRecord& totals) {
  const std::string name(BonusName(code));
  Breakdown breakdown(tpl, weaponConfig);
  breakdown.Add("Items that add to " + name);
  breakdown.Add("");
  breakdown.DirectBlock(code);

  for (const GroupBlock& group : kGroupBlocks)
    if (group.Reaches(code)) breakdown.TotalBlock(group.Heading, totals.*group.Total, group.Codes);

  // Acuity counts toward each of the four acuity stats, whichever of them
  // the class actually uses.
  if (code >= kFirstAcuityStat && code <= kLastAcuityStat) {
    breakdown.TotalBlock("Acuity Effect : +", totals.Acuity, {kAcuityCode, 0});
  } else if (IsRealmRankSkill(code)) {
    const int realmRankBonus = tpl.RealmRank - 1;
    breakdown.Add("");
    breakdown.Add("Realm Rank Effect : +" + std::to_string(realmRankBonus));
    breakdown.Count(realmRankBonus);
  } else if (code >= kFirstAcuityStatCap && code <= kLastAcuityStatCap) {
    breakdown.TotalBlock("Acuity Cap Effect : +", totals.AcuityCapInc, {kAcuityCapCode, 0});
  }
  return {"Stat: " + name, breakdown.Finish()};
}

}  // namespace qm
