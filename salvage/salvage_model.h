#pragma once
// The salvage calculator window (TfrmSalvo) without its widgets: ten amount
// edits, the normalisation that runs whenever one of them changes, and the two
// value bars (raw and trinket) that every change recomputes. The window is
// created once and keeps its amounts between openings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "salvage/salvage_prices.h"

namespace qm {

inline constexpr std::int32_t kMaxSalvageAmount = 32000;
inline constexpr std::int32_t kSalvageSpinStep = 100;  // UpDown1 .. UpDown10
inline constexpr std::string_view kSalvageLabelHint = "Click to enter specific amounts";
inline constexpr std::string_view kSalvageCaption = "Scrapwise v1.2";

// One status bar: a caption panel and the four coin panels.
struct CoinBar {
  LabelState Caption;
  std::array<LabelState, 4> Panels;  // platinum, gold, silver, copper
};

struct SalvageView {
  std::array<TextBoxState, kSalvageTierCount> Amounts;  // the tiers' EditName: sBronze ..
  CoinBar RawValue;                                     // RawValue: "Raw :"
  CoinBar Cashbar;                                      // cashbar: "Trinket :"
};

// An amount text after normalisation and where the caret ends up.
struct NormalisedAmount {
  std::string Text;
  std::size_t Caret = 0;
};

// Normalises an edited amount text, repeating (as putting the text back
// counts as another change) until nothing changes: empty -> "0", anything
// that is not a whole number -> "0", above 32000 -> "32000", one leading zero
// removed per round. The caret goes back where it was when it stood after the
// first character, otherwise to the end of the text.
NormalisedAmount NormaliseAmount(std::string_view text, std::size_t caret);

// The amount an edit text stands for: its whole-number value, 0 when it is
// empty or not a whole number, values beyond 32000 read as 32000.
std::int32_t AmountOfText(std::string_view text);

// Every command announces once: each ends in one recomputation of the bars.
class TfrmSalvo : public ViewNotifier {
 public:
  // Runs ClearClick once, as creating the window does.
  TfrmSalvo();

  // sChange: the edit of tier 0..9 now holds text with the caret at caret;
  // normalises it and recomputes. Returns the normalised text and caret.
  NormalisedAmount sChange(int tier, std::string_view text, std::size_t caret);
  // Convenience for scripts and the CLI: the text typed with the caret at its end.
  void SetAmount(int tier, std::string_view text) { sChange(tier, text, text.size()); }
  // sKeyPress: only the digits and backspace reach an edit.
  static bool sKeyPress(char key);
  // A click on the spin button of tier 0..9: the amount moves by 100 within
  // 0..32000 and the edit changes as if typed.
  void UpDownClick(int tier, bool up);
  // ClearClick: every edit to "0", then recompute.
  void ClearClick();
  // RawClick: reads the ten amounts and rewrites both bars.
  void RawClick();

  const SalvageView& View() const { return view_; }
  std::int32_t Amount(int tier) const { return AmountOfText(view_.Amounts[tier].Text); }
  std::uint64_t RawTotal() const { return rawTotal_; }
  std::uint64_t TrinketTotal() const { return trinketTotal_; }

  // A bar as the command line prints it: caption and panels joined by blanks.
  static std::string BarLine(const CoinBar& bar);

 private:
  SalvageView view_;
  std::uint64_t rawTotal_ = 0;
  std::uint64_t trinketTotal_ = 0;
};

}  // namespace qm
