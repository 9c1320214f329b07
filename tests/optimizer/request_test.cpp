#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "optimizer/figures.h"
#include "optimizer/solve.h"
#include "optimizer/tie_break.h"
#include "optimizer/utility_goals.h"
#include "spellcraft/spellcraft_gems.h"

namespace qm {
namespace {

OptimizerRequest CraftedPieces(int pieces) {
  OptimizerRequest request;
  request.Template = EmptyTemplate();
  request.Template.ClassIndex = 1;
  request.Template.CharLevel = 50;
  request.Template.RealmRank = 1;
  for (int slot = kChest; slot < kChest + pieces; ++slot)
    request.Mode(slot) = SlotMode::kSpellcraft;
  request.Goals = UtilityGoals(request.Template.ClassIndex);
  return request;
}

TEST(OptimizerRequest, SaysWhatIsWrongWithARequest) {
  struct Case {
    void (*change)(OptimizerRequest&);
    const char* message;
  };
  const Case cases[] = {
      {[](OptimizerRequest& r) {
         r.Goals.push_back({"Luck", 1, std::nullopt});
       },
       "Unknown figure: Luck."},
      {[](OptimizerRequest& r) {
         r.Goals.push_back({"Strength", -1, std::nullopt});
       },
       "The weight of Strength must be a number not below 0."},
      {[](OptimizerRequest& r) {
         r.FillOrder = {"Strength", "Luck"};
       },
       "Unknown figure: Luck."},
      {[](OptimizerRequest& r) { r.TimeLimitSeconds = 0; }, "The time limit must be positive."},
      {[](OptimizerRequest& r) { r.Spellcraft.OverchargePoints = 6; },
       "The overcharge allowance must be 0 to 5 points."},
      {[](OptimizerRequest& r) { r.Mode(kRing1) = SlotMode::kSpellcraft; },
       "Slot 5 (Ring 1) cannot be spellcrafted."},
      {[](OptimizerRequest& r) { r.Spellcraft.MinSuccessPercent = 101; },
       "The least overcharge success must be 0 to 100 percent."},
  };
  for (const Case& c : cases) {
    OptimizerRequest request = CraftedPieces(1);
    c.change(request);
    const JobOutcome<OptimizerResult> outcome = Optimize(request);
    EXPECT_EQ(outcome.End(), JobEnd::kFailed);
    EXPECT_EQ(outcome.Message(), c.message);
  }
}

// A minimum no template reaches is named with the most its figure reaches,
// and the answer is the best template without it.
TEST(OptimizerRequest, NamesAMinimumNoTemplateReaches) {
  OptimizerRequest request = CraftedPieces(1);
  request.Goals.push_back({"HitPoints", 0, 100000});
  const JobOutcome<OptimizerResult> outcome = Optimize(request);
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  ASSERT_EQ(outcome.Value().Unmet.size(), 1u);
  const UnmetMinimum& unmet = outcome.Value().Unmet[0];
  // The piece's best hit point gem alone on top of the template.
  OptimizerRequest most = CraftedPieces(1);
  most.Goals = {{"HitPoints", 1, std::nullopt}};
  EXPECT_EQ(unmet.Best, static_cast<int>(Optimize(most).Value().Objective));
  EXPECT_EQ(UnmetText(unmet),
            "HitPoints at least 100000 cannot be met: at best " + std::to_string(unmet.Best) + ".");
}

// Of the templates worth the same, the answer takes one whose gems stop at
// the cap: a ring brings Strength near it, two pieces may add the rest, and
// no gem can go a tier lower (or out) without Strength falling short.
TEST(OptimizerRequest, SpendsNoGemTierAboveTheCap) {
  OptimizerRequest request = CraftedPieces(2);
  TItemRecord ring = EmptyItem();
  ring.Name.Assign("Strong ring");
  ring.SlotKind = static_cast<std::uint8_t>(SlotKindOf(kRing1));
  ring.Realm = 3;
  ring.Level = 1;
  ring.ServerNormal = ring.ServerCoop = ring.ServerPvP = ring.ServerClassic = 1;
  std::memset(ring.ClassUsable, 1, sizeof ring.ClassUsable);
  ring.BonusCode[0] = 1;  // Strength
  ring.BonusValue[0] = 50;
  request.Template.Slot(kRing1) = ring;
  request.Goals = {{"Strength", 1, std::nullopt}};
  // Both pieces at the Strength gem's dearest tier: worth as much as less.
  const Result<OptimizerModel> model = BuildModel(request);
  ASSERT_TRUE(model.Ok());
  ColumnChoice choice{{}, {}};
  for (const CraftedPiece& piece : model.Value().Pieces) {
    choice.Gems.emplace_back(piece.Gems.size(), false);
    for (std::size_t g = piece.Gems.size(); g-- > 0;)
      if (piece.Gems[g].GemIndex == 1) {
        choice.Gems.back()[g] = true;
        break;
      }
  }
  choice.Items.assign(model.Value().Items.size(), false);
  const double worth = LevelsOf(model.Value(), choice).Objective(model.Value());
  LowerWastedGems(model.Value(), choice);
  const FigureLevels levels = LevelsOf(model.Value(), choice);
  EXPECT_DOUBLE_EQ(levels.Objective(model.Value()), worth);
  for (std::size_t p = 0; p < choice.Gems.size(); ++p) {
    const std::vector<GemColumn>& gems = model.Value().Pieces[p].Gems;
    for (std::size_t g = 0; g < gems.size(); ++g) {
      if (!choice.Gems[p][g]) continue;
      ColumnChoice lower = choice;
      lower.Gems[p][g] = false;
      if (g > 0 && gems[g - 1].GemIndex == gems[g].GemIndex) lower.Gems[p][g - 1] = true;
      EXPECT_LT(LevelsOf(model.Value(), lower).Objective(model.Value()), worth) << p << " " << g;
    }
  }
}

// A least overcharge success becomes the most points over that still give it.
TEST(OptimizerRequest, ALeastSuccessBecomesAnAllowance) {
  struct Case {
    int skill, percent, points;
  };
  for (const Case& c : {Case{1000, 90, 4}, Case{1000, 80, 5}, Case{500, 80, 1}, Case{500, 95, 0}}) {
    SpellcraftOptions craft;
    craft.CraftSkill = c.skill;
    craft.MinSuccessPercent = c.percent;
    EXPECT_EQ(AllowedOvercharge(craft), c.points) << c.skill << " " << c.percent;
  }
}

// Six pieces of every gem are more than a fifth of a second proves: the
// answer says how far from the bound it may be, and the progress said so on
// the way.
TEST(OptimizerRequest, StopsAtTheTimeLimitWithTheBestTemplateAndItsGap) {
  OptimizerRequest request = CraftedPieces(6);
  request.TimeLimitSeconds = 0.2;
  int reports = 0;
  request.OnProgress = [&](const OptimizerProgress& progress) {
    ++reports;
    if (progress.Best) {
      EXPECT_GE(progress.Bound + 1e-9, *progress.Best);
    }
  };
  const JobOutcome<OptimizerResult> outcome = Optimize(request);
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  const OptimizerResult& result = outcome.Value();
  EXPECT_TRUE(result.Stopped);
  EXPECT_FALSE(result.Optimal);
  EXPECT_GT(result.Gap, 0);
  EXPECT_GE(result.Bound, result.Objective);
  EXPECT_GT(reports, 0);
}

// A cancel keeps the best template so far, marked as not proven.
TEST(OptimizerRequest, ACancelKeepsTheBestTemplateSoFar) {
  OptimizerRequest request = CraftedPieces(6);
  request.Cancel.Cancel();
  const JobOutcome<OptimizerResult> outcome = Optimize(request);
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  EXPECT_TRUE(outcome.Value().Stopped);
  EXPECT_FALSE(outcome.Value().Optimal);
  EXPECT_GT(outcome.Value().Objective, 0);
  EXPECT_GE(outcome.Value().Bound, outcome.Value().Objective);
  EXPECT_LT(outcome.Value().Gap, 1);
}

int CappedValue(const TTemplateRecord& tpl, std::string_view name) {
  for (const FigureParts& figure : CappedFigures(tpl))
    if (figure.Name == name) return figure.Capped();
  return -1;
}

// A small piece holds a full gem of one stat only: the fill order decides which.
TEST(OptimizerRequest, FillsTheOrderedFiguresFirst) {
  OptimizerRequest request;
  request.Template = EmptyTemplate();
  request.Template.ClassIndex = 1;
  request.Template.CharLevel = 50;
  request.Mode(kChest) = SlotMode::kSpellcraft;
  request.Spellcraft.ItemLevel = 10;
  request.Spellcraft.AllowedGems = {1, 2};  // Strength, Constitution
  request.Goals = {{"Strength", 1, std::nullopt}};
  const JobOutcome<OptimizerResult> weighted = Optimize(request);
  request.FillOrder = {"Constitution"};
  const JobOutcome<OptimizerResult> ordered = Optimize(request);
  ASSERT_TRUE(weighted.IsFinished() && ordered.IsFinished());

  const int strengthAlone = CappedValue(weighted.Value().Template, "Strength");
  const int constitutionFirst = CappedValue(ordered.Value().Template, "Constitution");
  EXPECT_EQ(constitutionFirst, strengthAlone);  // the same gem ladder and cost
  EXPECT_LT(CappedValue(ordered.Value().Template, "Strength"), strengthAlone);
  EXPECT_TRUE(ordered.Value().Optimal);
}

}  // namespace
}  // namespace qm
