#pragma once
// The four ratings of one item shown beside each slot, and the column of
// nineteen ratings with its total. Each measure comes as the display text
// and, for callers that add measures up, as a number.
#include <array>
#include <string>

#include "core/item_record.h"
#include "core/template_record.h"

namespace qm {

// Utility modes, as the setting stores them.
inline constexpr int kUtilityNormal = 0;
inline constexpr int kUtilityToA = 1;
inline constexpr int kUtilityBonusLevel = 2;
inline constexpr int kUtilityBonusCount = 3;
inline constexpr int kUtilityModeCount = 4;

// Weighted sum of the stats, hit points, resists and skills of the rows.
double NormalUtilityValue(const TItemRecord& item);
// NormalUtilityValue plus the cap increases and ToA and PvE bonuses.
double ToAUtilityValue(const TItemRecord& item);
// Rows (1 to 4, 9 and 10 of a crafted item; all ten of any other) holding a
// value above 0; codes are not looked at.
int BonusCountValue(const TItemRecord& item);

std::string NormalUtility(const TItemRecord& item);
std::string ToAUtility(const TItemRecord& item);
// The item's bonus level (BonusLevelValue), exact, with no decimals.
std::string ComputeBonusLevel(const TItemRecord& item);
std::string BonusCount(const TItemRecord& item);

// The utility column: one text per slot (weapon configuration plays no
// part) and the total label's text.
struct UtilityColumn {
  std::array<std::string, kSlotCount> SlotTexts;  // SlotTexts[s - 1] is slot s
  std::string TotalText;
};

// Mode 0 "Total Utility : ", 1 "Total ToA : ", 2 "Average Bonus LV : ",
// 3 "Total Bonus Count : ". The total adds the numbers as the slot texts show
// them (already rounded to one decimal), so the column always adds up. Mode 2
// averages over the slots whose text is neither "0" nor "0.0". A mode outside
// 0..3 is shown as mode 0.
UtilityColumn ShowUtility(const TTemplateRecord& tpl, int mode);

}  // namespace qm
