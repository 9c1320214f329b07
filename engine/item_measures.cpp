#include "engine/item_measures.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "core/bonus_level.h"
#include "core/decimal_text.h"

namespace qm {
namespace {

enum class Weight : std::uint8_t {
  kNone,
  kStat,     // v / 1.5
  kQuarter,  // v / 4
  kOne,      // v
  kTwo,      // 2v
  kFive,     // 5v
};

struct WeightRange {
  int First;
  int Last;
  Weight What;
};

// Codes not listed rate nothing: power, focus, fatigue, spell pierce, the
// experience, realm and bounty bonuses, the cost and loss reductions, the
// "Vs." bonuses and the catalogue's last codes.
constexpr WeightRange kNormalWeights[] = {
    {1, 8, Weight::kStat},     {142, 142, Weight::kStat}, {10, 10, Weight::kQuarter},
    {11, 19, Weight::kTwo},    {20, 21, Weight::kFive},   {23, 53, Weight::kFive},
    {65, 91, Weight::kFive},   {103, 125, Weight::kFive}, {179, 182, Weight::kFive},
    {185, 189, Weight::kFive},
};

// What the ToA rating adds on top of the normal one.
constexpr WeightRange kToAWeights[] = {
    {146, 146, Weight::kQuarter}, {134, 141, Weight::kOne}, {143, 145, Weight::kOne},
    {148, 154, Weight::kOne},     {156, 161, Weight::kOne}, {165, 168, Weight::kOne},
    {174, 178, Weight::kOne},     {183, 184, Weight::kOne},
};

using WeightTable = std::array<Weight, 256>;

template <std::size_t N>
constexpr WeightTable BuildWeights(const WeightRange (&ranges)[N], WeightTable table) {
  for (const WeightRange& range : ranges) {
    for (int code = range.First; code <= range.Last; ++code) table[code] = range.What;
  }
  return table;
}

constexpr WeightTable kNormalTable = BuildWeights(kNormalWeights, WeightTable{});
// The two lists never share a code, so the ToA table is the normal one with
// more entries, and both ratings add their rows in the same order.
constexpr WeightTable kToATable = BuildWeights(kToAWeights, kNormalTable);

static_assert(kToATable[9] == Weight::kNone && kToATable[22] == Weight::kNone);
static_assert(kToATable[155] == Weight::kNone && kToATable[190] == Weight::kNone);
static_assert(kNormalTable[146] == Weight::kNone && kToATable[10] == Weight::kQuarter);

double Rate(Weight weight, std::int32_t value) {
  const double v = value;
  switch (weight) {
    case Weight::kNone:
      return 0.0;
    case Weight::kStat:
      return v / 1.5;
    case Weight::kQuarter:
      return v / 4.0;
    case Weight::kOne:
      return v;
    case Weight::kTwo:
      return 2.0 * v;
    case Weight::kFive:
      return 5.0 * v;
  }
  return 0.0;
}

double Rating(const WeightTable& table, const TItemRecord& item) {
  double sum = 0.0;
  for (int row = 0; row < kBonusRows; ++row) {
    sum += Rate(table[item.BonusCode[row]], item.BonusValue[row]);
  }
  return sum;
}

// The number a one-decimal text shows, in tenths ("-12.3" -> -123). Adding
// tenths keeps the column total exact however many slots are summed.
long long TenthsOfText(std::string_view text) {
  long long tenths = 0;
  bool negative = false;
  for (char c : text) {
    if (c == '-') negative = true;
    if (c >= '0' && c <= '9') tenths = tenths * 10 + (c - '0');
  }
  return negative ? -tenths : tenths;
}

std::string TextOfTenths(long long tenths) {
  const bool negative = tenths < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(tenths)
                                                : static_cast<unsigned long long>(tenths);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

long long WholeOfText(std::string_view text) {
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

double NormalUtilityValue(const TItemRecord& item) {
  return Rating(kNormalTable, item);
}

double ToAUtilityValue(const TItemRecord& item) {
  return Rating(kToATable, item);
}

int BonusCountValue(const TItemRecord& item) {
  // A crafted item keeps gem bookkeeping in rows 5 to 8; only the four gem
  // rows and the two fifth-slot rows carry bonuses.
  constexpr int kCraftedRows[] = {0, 1, 2, 3, 8, 9};
  int count = 0;
  if (item.Crafted == 1) {
    for (int row : kCraftedRows) count += item.BonusValue[row] > 0;
  } else {
    for (int row = 0; row < kBonusRows; ++row) count += item.BonusValue[row] > 0;
  }
  return count;
}

std::string NormalUtility(const TItemRecord& item) {
  return FormatOneDecimal(NormalUtilityValue(item));
}

std::string ToAUtility(const TItemRecord& item) {
  return FormatOneDecimal(ToAUtilityValue(item));
}

std::string ComputeBonusLevel(const TItemRecord& item) {
  return std::to_string(BonusLevelValue(item));
}

std::string BonusCount(const TItemRecord& item) {
  return std::to_string(BonusCountValue(item));
}

UtilityColumn ShowUtility(const TTemplateRecord& tpl, int mode) {
  if (mode < 0 || mode >= kUtilityModeCount) mode = kUtilityNormal;
  UtilityColumn column;
  long long tenths = 0;  // modes 0 and 1
  long long whole = 0;   // modes 2 and 3
  int shown = 0;         // mode 2: slots with a level to average
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TItemRecord& item = tpl.Slot(slot);
    std::string& text = column.SlotTexts[slot - 1];
    switch (mode) {
      case kUtilityNormal:
      case kUtilityToA: {
        const DecimalText shownText = FixedDecimals(
            mode == kUtilityNormal ? NormalUtilityValue(item) : ToAUtilityValue(item), 1);
        text = shownText.View();
        tenths += TenthsOfText(shownText.View());
        break;
      }
      case kUtilityBonusLevel:
        text = ComputeBonusLevel(item);
        whole += WholeOfText(text);
        if (text != "0" && text != "0.0") ++shown;
        break;
      default:
        text = BonusCount(item);
        whole += WholeOfText(text);
        break;
    }
  }
  switch (mode) {
    case kUtilityNormal:
      column.TotalText = "Total Utility : " + TextOfTenths(tenths);
      break;
    case kUtilityToA:
      column.TotalText = "Total ToA : " + TextOfTenths(tenths);
      break;
    case kUtilityBonusLevel: {
      const double average =
          shown == 0 ? static_cast<double>(whole) : static_cast<double>(whole) / shown;
      column.TotalText = "Average Bonus LV : " + FormatOneDecimal(average);
      break;
    }
    default:
      column.TotalText = "Total Bonus Count : " + std::to_string(whole);
      break;
  }
  return column;
}

}  // namespace qm
