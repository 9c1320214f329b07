#include <gtest/gtest.h>

#include <array>
#include <string>

#include "salvage/salvage_model.h"
#include "salvage/salvage_prices.h"
#include "support/view_counter.h"

namespace qm {
namespace {

constexpr int kBronze = 0;
constexpr int kArcanium = 9;

std::string Bar(const CoinBar& bar) {
  return TfrmSalvo::BarLine(bar);
}

TEST(SalvageValues, CoinBarsFollowTheAmounts) {
  struct Case {
    const char* what;
    std::array<int, kSalvageTierCount> amounts;
    const char* raw;
    const char* trinket;
  };
  const Case cases[] = {
      {"nothing", {}, "Raw : P: 0p G: 0g S: 0s C: 0c", "Trinket : P: 0p G: 0g S: 0s C: 0c"},
      {"one bronze", {1}, "Raw : P: 0p G: 0g S: 0s C: 4c", "Trinket : P: 0p G: 0g S: 0s C: 8c"},
      {"100 copper is one silver",
       {25},
       "Raw : P: 0p G: 0g S: 1s C: 0c",
       "Trinket : P: 0p G: 0g S: 2s C: 0c"},
      {"full arcanium",
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 32000},
       "Raw : P: 81p G: 648g S: 0s C: 0c",
       "Trinket : P: 160p G: 963g S: 20s C: 0c"},
      {"every tier full, beyond 32 bits",
       {32000, 32000, 32000, 32000, 32000, 32000, 32000, 32000, 32000, 32000},
       "Raw : P: 224p G: 572g S: 80s C: 0c",
       "Trinket : P: 442p G: 729g S: 60s C: 0c"},
      {"mixed tiers",
       {3, 1, 1, 0, 0, 0, 0, 0, 0, 0},
       "Raw : P: 0p G: 0g S: 3s C: 62c",
       "Trinket : P: 0p G: 0g S: 7s C: 14c"},
  };
  for (const Case& c : cases) {
    TfrmSalvo salvo;
    for (int tier = 0; tier < kSalvageTierCount; ++tier)
      salvo.SetAmount(tier, std::to_string(c.amounts[tier]));
    EXPECT_EQ(Bar(salvo.View().RawValue), c.raw) << c.what;
    EXPECT_EQ(Bar(salvo.View().Cashbar), c.trinket) << c.what;
  }
}

TEST(SalvageValues, LargestTrinketTotalIsExactIn64Bits) {
  TfrmSalvo salvo;
  for (int tier = 0; tier < kSalvageTierCount; ++tier) salvo.SetAmount(tier, "32000");
  EXPECT_EQ(salvo.TrinketTotal(), 4427296000ULL);
  EXPECT_EQ(salvo.RawTotal(), 2245728000ULL);
  salvo.ClearClick();
  salvo.SetAmount(kArcanium, "32000");
  EXPECT_EQ(salvo.RawTotal(), 816480000ULL);
  EXPECT_EQ(salvo.TrinketTotal(), 1609632000ULL);
}

TEST(SalvageValues, CoinSplitCarriesAtEachDenomination) {
  EXPECT_EQ(SplitCoins(99), (CoinSplit{0, 0, 0, 99}));
  EXPECT_EQ(SplitCoins(9999), (CoinSplit{0, 0, 99, 99}));
  EXPECT_EQ(SplitCoins(10000), (CoinSplit{0, 1, 0, 0}));
  EXPECT_EQ(SplitCoins(9999999), (CoinSplit{0, 999, 99, 99}));
  EXPECT_EQ(SplitCoins(10000000), (CoinSplit{1, 0, 0, 0}));
  EXPECT_EQ(CoinPanelTexts({12, 345, 6, 78}),
            (std::array<std::string, 4>{"P: 12p", "G: 345g", "S: 6s", "C: 78c"}));
}

TEST(SalvageAmounts, EditNormalisation) {
  struct Case {
    const char* typed;
    std::size_t caret;
    const char* text;
    std::size_t finalCaret;
  };
  const Case cases[] = {
      {"", 0, "0", 1},                           // emptied edit
      {"32005", 5, "32000", 5},                  // typing 5 after "3200"
      {"99999999999999999999", 20, "32000", 5},  // far beyond any integer
      {"32000", 5, "32000", 5},
      {"07", 2, "7", 1},   // typed after the zero
      {"70", 1, "70", 1},  // typed before the zero stays
      {"007", 3, "7", 1},  // pasted: runs again until no leading zero
      {"00", 2, "0", 1},
      {"0032001", 7, "32000", 5},  // the range check runs before the zero removal
      {"12abc", 5, "0", 1},        // pasted text that is not a whole number
      {"-5", 2, "0", 1},
      {" 5", 2, "0", 1},
      {"150", 0, "150", 3},    // caret before the first character goes to the end
      {"1500", 2, "1500", 2},  // caret inside the text is kept
  };
  for (const Case& c : cases) {
    const NormalisedAmount result = NormaliseAmount(c.typed, c.caret);
    EXPECT_EQ(result.Text, c.text) << '"' << c.typed << '"';
    EXPECT_EQ(result.Caret, c.finalCaret) << '"' << c.typed << '"';
  }
}

TEST(SalvageAmounts, PastedGarbageCountsAsZeroAndRecomputes) {
  TfrmSalvo salvo;
  salvo.SetAmount(kBronze, "25");
  ASSERT_EQ(Bar(salvo.View().RawValue), "Raw : P: 0p G: 0g S: 1s C: 0c");
  salvo.SetAmount(kBronze, "2x5");
  EXPECT_EQ(salvo.View().Amounts[kBronze].Text, "0");
  EXPECT_EQ(salvo.Amount(kBronze), 0);
  EXPECT_EQ(Bar(salvo.View().RawValue), "Raw : P: 0p G: 0g S: 0s C: 0c");
}

TEST(SalvageAmounts, TextToAmount) {
  EXPECT_EQ(AmountOfText("123"), 123);
  EXPECT_EQ(AmountOfText("0123"), 123);
  EXPECT_EQ(AmountOfText(""), 0);
  EXPECT_EQ(AmountOfText("1e3"), 0);
  EXPECT_EQ(AmountOfText("40000"), kMaxSalvageAmount);
}

TEST(SalvageWindow, ClearAndKeys) {
  TfrmSalvo salvo;
  for (int tier = 0; tier < kSalvageTierCount; ++tier)
    EXPECT_EQ(salvo.View().Amounts[tier].Text, "0");
  salvo.SetAmount(3, "17");
  salvo.SetAmount(kArcanium, "2");
  ASSERT_NE(salvo.RawTotal(), 0u);
  salvo.ClearClick();
  for (int tier = 0; tier < kSalvageTierCount; ++tier)
    EXPECT_EQ(salvo.View().Amounts[tier].Text, "0");
  EXPECT_EQ(salvo.RawTotal(), 0u);
  EXPECT_EQ(salvo.TrinketTotal(), 0u);

  for (char key = '0'; key <= '9'; ++key) EXPECT_TRUE(TfrmSalvo::sKeyPress(key)) << key;
  EXPECT_TRUE(TfrmSalvo::sKeyPress('\b'));
  for (const char key : {'-', '+', ' ', 'a', '.', ',', '\r'})
    EXPECT_FALSE(TfrmSalvo::sKeyPress(key)) << key;
}

TEST(SalvageWindow, SpinButtonsStepByAHundredWithinTheRange) {
  TfrmSalvo salvo;
  salvo.UpDownClick(kBronze, true);
  EXPECT_EQ(salvo.View().Amounts[kBronze].Text, "100");
  EXPECT_EQ(Bar(salvo.View().RawValue), "Raw : P: 0p G: 0g S: 4s C: 0c");
  salvo.UpDownClick(kBronze, false);
  salvo.UpDownClick(kBronze, false);
  EXPECT_EQ(salvo.View().Amounts[kBronze].Text, "0");
  salvo.SetAmount(kArcanium, "31950");
  salvo.UpDownClick(kArcanium, true);
  EXPECT_EQ(salvo.View().Amounts[kArcanium].Text, "32000");
  salvo.SetAmount(kArcanium, "50");
  salvo.UpDownClick(kArcanium, false);
  EXPECT_EQ(salvo.View().Amounts[kArcanium].Text, "0");
}

TEST(SalvageWindow, TierTableMatchesTheEdits) {
  const auto tiers = SalvageTiers();
  ASSERT_EQ(tiers.size(), static_cast<std::size_t>(kSalvageTierCount));
  EXPECT_EQ(tiers.front().Label, "Bronze / Copper");
  EXPECT_EQ(tiers.front().EditName, "sBronze");
  EXPECT_EQ(tiers.back().Label, "Arcanium / Arcanite");
  EXPECT_EQ(tiers.back().EditName, "sArcanium");
  // Every tier is worth more than the one below it, and more as a trinket.
  for (std::size_t i = 0; i < tiers.size(); ++i) {
    EXPECT_GT(tiers[i].TrinketPrice, tiers[i].RawPrice) << i;
    if (i > 0) {
      EXPECT_GT(tiers[i].RawPrice, tiers[i - 1].RawPrice) << i;
    }
  }
}

TEST(SalvageCalculator, EachCommandAnnouncesOnce) {
  using testing::AnnouncementsOf;
  TfrmSalvo salvo;
  EXPECT_EQ(AnnouncementsOf(salvo, [&] { salvo.sChange(2, "0150", 4); }), 1);
  EXPECT_EQ(AnnouncementsOf(salvo, [&] { salvo.UpDownClick(2, true); }), 1);
  EXPECT_EQ(salvo.View().Amounts[2].Text, "250");
  EXPECT_EQ(AnnouncementsOf(salvo, [&] { salvo.UpDownClick(10, true); }), 0);
  EXPECT_EQ(AnnouncementsOf(salvo, [&] { salvo.ClearClick(); }), 1);
}

}  // namespace
}  // namespace qm
