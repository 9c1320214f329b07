#include "salvage/salvage_model.h"

#include <algorithm>

namespace qm {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsWholeNumber(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// The value of a digit string, saturated just above the limit so that a long
// pasted number cannot overflow.
std::int64_t DigitValue(std::string_view digits) {
  std::int64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value > kMaxSalvageAmount) return kMaxSalvageAmount + 1;
  }
  return value;
}

// One run of the edit's change handler over its text.
std::string NormaliseOnce(std::string_view text) {
  // A pasted text that is not a whole number would otherwise fail the
  // range check; it counts as 0, so the edit says so.
  if (!IsWholeNumber(text)) return "0";
  if (DigitValue(text) > kMaxSalvageAmount) return std::to_string(kMaxSalvageAmount);
  if (text.size() > 1 && text.front() == '0') return std::string(text.substr(1));
  return std::string(text);
}

void ShowCoins(CoinBar& bar, const CoinSplit& coins) {
  const std::array<std::string, 4> texts = CoinPanelTexts(coins);
  for (std::size_t k = 0; k < texts.size(); ++k) bar.Panels[k].Text = texts[k];
}

}  // namespace

NormalisedAmount NormaliseAmount(std::string_view text, std::size_t caret) {
  std::string current(text);
  for (;;) {
    std::string next = NormaliseOnce(current);
    if (next == current) break;
    current = std::move(next);
  }
  // The outermost change handler sets the caret last, after every nested run.
  const std::size_t end = current.size();
  return {current, caret >= 1 ? std::min(caret, end) : end};
}

std::int32_t AmountOfText(std::string_view text) {
  if (!IsWholeNumber(text)) return 0;
  return static_cast<std::int32_t>(std::min<std::int64_t>(DigitValue(text), kMaxSalvageAmount));
}

TfrmSalvo::TfrmSalvo() {
  view_.RawValue.Caption.Text = "Raw :";
  view_.Cashbar.Caption.Text = "Trinket :";
  ClearClick();
}

NormalisedAmount TfrmSalvo::sChange(int tier, std::string_view text, std::size_t caret) {
  NormalisedAmount result = NormaliseAmount(text, caret);
  if (tier >= 0 && tier < kSalvageTierCount) view_.Amounts[tier].Text = result.Text;
  RawClick();
  return result;
}

void TfrmSalvo::UpDownClick(int tier, bool up) {
  if (tier < 0 || tier >= kSalvageTierCount) return;
  const std::int32_t amount = Amount(tier) + (up ? kSalvageSpinStep : -kSalvageSpinStep);
  SetAmount(tier, std::to_string(std::clamp(amount, 0, kMaxSalvageAmount)));
}

bool TfrmSalvo::sKeyPress(char key) {
  return IsDigit(key) || key == '\b';
}

void TfrmSalvo::ClearClick() {
  for (TextBoxState& amount : view_.Amounts) amount.Text = "0";
  RawClick();
}

void TfrmSalvo::RawClick() {
  std::array<std::int32_t, kSalvageTierCount> amounts{};
  for (int tier = 0; tier < kSalvageTierCount; ++tier) amounts[tier] = Amount(tier);
  rawTotal_ = SalvageTotal(amounts, PriceTable::kRaw);
  trinketTotal_ = SalvageTotal(amounts, PriceTable::kTrinket);
  ShowCoins(view_.RawValue, SplitCoins(rawTotal_));
  ShowCoins(view_.Cashbar, SplitCoins(trinketTotal_));
  NotifyViewChanged();
}

std::string TfrmSalvo::BarLine(const CoinBar& bar) {
  std::string line = bar.Caption.Text;
  for (const LabelState& panel : bar.Panels) line += ' ' + panel.Text;
  return line;
}

}  // namespace qm
