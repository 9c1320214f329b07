// The Optimize Template window's model: every choice comes back from the
// settings store, Optimize says why it cannot start, the request carries
// what the player set, and an answer shows as a comparison the player may
// apply or discard.
#include <gtest/gtest.h>

#include <vector>

#include "mainwin/optimize_texts.h"
#include "mainwin/optimize_window.h"
#include "support/fake_ports.h"
#include "tools/samples.h"

namespace qm {
namespace {

constexpr int kArmsman = 1;

std::vector<TItemRecord> SmallVault() {
  std::vector<TItemRecord> vault(1);
  InitItem(vault[0]);
  for (const char* name : {"Gold Ring", "\xC9p\xE9\x65|Pipe", "amber necklace"})
    vault.push_back(samples::MakeItem(name, {{1, 5}}));
  return vault;
}

OptimizeTemplateRequest Armsman() {
  OptimizeTemplateRequest request;
  request.Template = EmptyTemplate();
  request.Template.ClassIndex = kArmsman;
  request.Template.CharLevel = 50;
  request.CraftSkill = 1100;
  return request;
}

int Row(const TfrmOptimize& model, std::string_view figure) {
  const auto& goals = model.Goals();
  for (std::size_t r = 0; r < goals.size(); ++r)
    if (goals[r].Figure == figure) return static_cast<int>(r);
  return -1;
}

struct OptimizeWindow : ::testing::Test {
  testing::FakeSettingsStore store;
  std::vector<TItemRecord> vault = SmallVault();
  TfrmOptimize model{store, vault};
  void SetUp() override { model.FormShow(Armsman()); }
};

TEST_F(OptimizeWindow, EveryChoiceComesBackInTheNextWindow) {
  model.SlotModeChange(kNeck, 0);  // keep
  model.VaultChange(static_cast<int>(VaultChoice::kOwned));
  model.OwnedFilterChange("P");
  ASSERT_EQ(model.OwnedRowCount(), 1);  // names are matched whatever their case
  model.OwnedCheck(0, true);
  model.ItemLevelChange(60);  // clamped
  model.QualityChange(97);
  model.LimitChange(OverchargeLimit::kSuccess);
  model.SuccessChange(75);
  model.SkillGemsClick(false);
  model.TimeLimitChange(5);
  const int hits = Row(model, "HitPoints");
  model.GoalEdit(hits, 1, "0,5");
  model.GoalEdit(hits, 2, "200");
  model.GoalEdit(hits, 3, "1");
  model.GoalEdit(hits, 1, "lots");  // refused: the cell stays

  TfrmOptimize again(store, vault);
  again.FormShow(Armsman());
  EXPECT_EQ(again.Settings(), model.Settings());
  EXPECT_EQ(again.Goals(), model.Goals());
  EXPECT_EQ(again.Settings().ItemLevel, 51);
  EXPECT_EQ(again.Settings().Owned, std::set<std::string>{"\xC9p\xE9\x65|Pipe"});
  EXPECT_EQ(again.View().Goals[static_cast<std::size_t>(hits)].Cells,
            (std::array<std::string, 4>{"Hit Points", "0.5", "200", "1"}));
  EXPECT_EQ(again.View().Skill.Text, "at Spellcraft Skill 1100");
  EXPECT_EQ(again.View().Slots[kNeck - 1].Mode.Text(), "Keep");

  again.RestoreDefaultsClick();
  EXPECT_EQ(again.Goals(), DefaultGoalRows(kArmsman));
  EXPECT_TRUE(again.View().DefaultModes.Enabled);
  again.DefaultModesClick();
  EXPECT_EQ(again.View().Slots[kNeck - 1].Mode.Text(), "From vault");
  EXPECT_FALSE(again.View().DefaultModes.Enabled);
}

TEST_F(OptimizeWindow, SaysWhyItCannotStart) {
  struct Case {
    void (*change)(TfrmOptimize&);
    std::string_view hint;
  };
  const Case cases[] = {
      {[](TfrmOptimize&) {}, ""},
      {[](TfrmOptimize& m) {
         for (int slot = 1; slot <= kSlotCount; ++slot) m.SlotModeChange(slot, 0);
       },
       kHintNoSlot},
      {[](TfrmOptimize& m) { m.TimeLimitChange(0); }, kHintNoTime},
      {[](TfrmOptimize& m) {
         for (int row = 0; row < static_cast<int>(m.Goals().size()); ++row) m.GoalEdit(row, 1, "");
       },
       kHintNoGoal},
      {[](TfrmOptimize& m) {
         for (int slot = kChest; slot <= kFeet; ++slot) m.SlotModeChange(slot, 0);
         m.VaultChange(static_cast<int>(VaultChoice::kOwned));
       },
       kHintNoOwned},
  };
  for (const Case& c : cases) {
    testing::FakeSettingsStore fresh;
    TfrmOptimize window(fresh, vault);
    window.FormShow(Armsman());
    c.change(window);
    EXPECT_EQ(window.View().Hint.Text, c.hint);
    EXPECT_EQ(window.View().Optimize.Enabled, c.hint.empty()) << c.hint;
    EXPECT_EQ(window.OptimizeClick(), c.hint.empty()) << c.hint;
  }
}

TEST_F(OptimizeWindow, TheRequestCarriesWhatThePlayerSet) {
  model.LimitChange(OverchargeLimit::kSuccess);
  model.GoalEdit(Row(model, "Strength"), 3, "2");
  model.GoalEdit(Row(model, "Dexterity"), 3, "1");
  model.GoalEdit(Row(model, "HitPoints"), 2, "300");
  ASSERT_TRUE(model.OptimizeClick());
  const OptimizerRequest& request = model.Request();
  EXPECT_EQ(request.Mode(kChest), SlotMode::kSpellcraft);
  EXPECT_EQ(request.Mode(kRing1), SlotMode::kFromVault);
  EXPECT_EQ(request.Vault.Items.size(), 3u);
  EXPECT_EQ(request.Spellcraft.MinSuccessPercent, 90);
  EXPECT_EQ(request.Spellcraft.CraftSkill, 1100);
  EXPECT_EQ(request.FillOrder, (std::vector<std::string>{"Dexterity", "Strength"}));
  const auto hits = std::find_if(request.Goals.begin(), request.Goals.end(),
                                 [](const FigureGoal& g) { return g.Figure == "HitPoints"; });
  ASSERT_NE(hits, request.Goals.end());
  EXPECT_EQ(hits->Minimum, 300);
  EXPECT_TRUE(model.View().Busy.Busy);
  EXPECT_FALSE(model.OptimizeClick());  // one search at a time
}

// Cancel keeps the best template so far: shown as not proven, set against
// the current one, applied through the main window's command only on Apply.
TEST_F(OptimizeWindow, ACancelledSearchShowsItsBestTemplateNotProven) {
  std::vector<TTemplateRecord> applied;
  OptimizeTemplateRequest request = Armsman();
  request.Apply = [&](const TTemplateRecord& tpl) { applied.push_back(tpl); };
  model.FormShow(request);
  ASSERT_TRUE(model.OptimizeClick());
  model.CancelClick();
  EXPECT_EQ(model.View().Progress.Phase, kCancellingPhase);

  OptimizerResult result;
  result.Template = request.Template;
  result.Template.Slot(kNeck) = vault[3];
  result.Objective = 12.5;
  result.Bound = 20;
  result.Gap = 0.375;
  result.Stopped = true;
  result.Unmet = {{"HitPoints", 200, 180}};
  model.JobEnded(JobOutcome<OptimizerResult>::Finished(result));
  EXPECT_EQ(
      model.View().Outcome.Text.rfind(
          "Objective 12.5, bound 20.0, gap 37.50%: not proven, stopped by Cancel. The current "
          "template scores ",
          0),
      0u);
  EXPECT_EQ(model.View().Unmet.Text, "Hit Points at least 200 cannot be met: at best 180.");
  EXPECT_EQ(model.View().Page, 2);
  ASSERT_FALSE(model.View().Compare.empty());
  EXPECT_EQ(model.View().Compare[0].Colour, kBlue);  // the necklace's strength rises
  EXPECT_TRUE(applied.empty());

  ASSERT_TRUE(model.ApplyClick());
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0].Slot(kNeck).Name.View(), "amber necklace");
  EXPECT_FALSE(model.View().Apply.Enabled);
}

TEST_F(OptimizeWindow, AFailureIsShownAndDiscardChangesNothing) {
  ASSERT_TRUE(model.OptimizeClick());
  model.JobEnded(JobOutcome<OptimizerResult>::Failed("No template meets the minimums."));
  EXPECT_EQ(model.View().Outcome.Text, "Optimize Failed: No template meets the minimums.");
  EXPECT_EQ(model.View().Outcome.Colour, kRed);
  EXPECT_FALSE(model.View().Apply.Enabled);
  EXPECT_FALSE(model.ApplyClick());
  EXPECT_TRUE(model.View().Optimize.Enabled);
}

TEST(OptimizeTexts, ReadAsThePlayerReadsThem) {
  EXPECT_EQ(FigureCaption("ArmorFactor"), "Armor Factor");
  EXPECT_EQ(FigureCaption("Two Handed (skill)"), "Two Handed (skill)");
  EXPECT_EQ(WeightText(1 / 1.5), "0.667");
  EXPECT_EQ(WeightText(2), "2");
  EXPECT_EQ(SearchLine({std::nullopt, 30, 0}), "No template yet, bound 30.0.");
  EXPECT_EQ(SearchLine({10, 30, 2.0 / 3}), "Best so far 10.0, bound 30.0, gap 66.67%.");
}

}  // namespace
}  // namespace qm
