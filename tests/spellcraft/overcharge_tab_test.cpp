// The spellcraft tab's overcharge success: the skill box, the quality
// selector and the chance beside the charge, following every edit.
#include <gtest/gtest.h>

#include "core/template_record.h"
#include "spellcraft_test_support.h"

namespace qm::testing {
namespace {

// Level 51 plate, 37.5 points on a capacity of 32: five points over.
void FiveOver(SpellcraftCalculator& calc) {
  SetGem(calc, 1, 1, 9);   // Strength 29: 16
  SetGem(calc, 2, 2, 9);   // Constitution 29: 16
  SetGem(calc, 3, 3, 8);   // Dexterity 26: 15
  SetGem(calc, 4, 11, 4);  // Crush Resist 7: 12
}

TEST(OverchargeTab, TheChanceFollowsTheDesignTheSkillAndTheQuality) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  SpellcraftView view = calc.View();
  EXPECT_EQ(view.OverchargeSuccess.Text, "Overcharge success : 100%");
  EXPECT_EQ(view.Skill.Value, 1000);
  EXPECT_EQ(view.Skill.Minimum, 1);
  EXPECT_EQ(view.Skill.Maximum, 1200);
  ASSERT_EQ(view.Quality.Entries.size(), 7u);
  EXPECT_EQ(view.Quality.Entries.front(), "94");
  EXPECT_EQ(view.Quality.Text(), "100");

  FiveOver(calc);
  view = calc.View();
  ASSERT_EQ(view.Charge.Text, "37.5");
  EXPECT_EQ(view.OverchargeSuccess.Text, "Overcharge success : 90%");
  EXPECT_EQ(view.OverchargeSuccess.Colour, kBlue);

  calc.cQualityChange(99);
  EXPECT_EQ(calc.View().OverchargeSuccess.Text, "Overcharge success : 82%");
  EXPECT_EQ(calc.View().Quality.Text(), "99");
  calc.eSkillChange(500);
  EXPECT_EQ(calc.View().OverchargeSuccess.Text, "Overcharge success : 15%");
  EXPECT_EQ(calc.View().Skill.Value, 500);

  // A lighter resist gem brings the design to three over.
  calc.csChange(4, 3);  // Crush Resist 5: 8, charge 35.5
  EXPECT_EQ(calc.View().Charge.Text, "35.5");
  EXPECT_EQ(calc.State().OverchargeSuccess, 34 + 18 - 30 + 50 - 7);

  // Over the limit the item cannot be imbued: 0%, red like the charge.
  calc.csChange(4, 9);  // Crush Resist 17: 32, charge 40.0
  view = calc.View();
  ASSERT_FALSE(calc.State().Valid);
  EXPECT_EQ(view.OverchargeSuccess.Text, "Overcharge success : 0%");
  EXPECT_EQ(view.OverchargeSuccess.Colour, kRed);
  EXPECT_EQ(view.OverchargeSuccess.Colour, view.Charge.Colour);
}

TEST(OverchargeTab, QualityComesWithTheItemAndTheSkillStaysWithTheCrafter) {
  SpellcraftCalculator calc = OpenTab(ContextFor(kChest));
  FiveOver(calc);
  TItemRecord item = calc.BuildCraftedItem(CraftedItemVariant::kReturned);
  item.Quality = 26;  // 96

  calc.SetCraftSkill(850);
  calc.Open(item);
  EXPECT_EQ(calc.State().CraftSkill, 850) << "a new opening keeps the crafter's skill";
  EXPECT_EQ(calc.View().Quality.Text(), "96");
  // 34 + 6 - 70 + 85 + trunc(-5.25)
  EXPECT_EQ(calc.View().OverchargeSuccess.Text, "Overcharge success : 50%");

  calc.cQualityChange(100);
  calc.eSkillChange(1100);
  calc.btnUndoClick();
  EXPECT_EQ(calc.View().Quality.Text(), "96") << "undo returns to the item's quality";
  EXPECT_EQ(calc.State().CraftSkill, 1100);
  // Skill past 1000 counts as 1000: 34 + 6 - 70 + 100.
  EXPECT_EQ(calc.View().OverchargeSuccess.Text, "Overcharge success : 70%");

  // An item without a quality the chance knows is imbued at 100.
  calc.Open(EmptyItem());
  EXPECT_EQ(calc.View().Quality.Text(), "100");
  EXPECT_EQ(calc.State().CraftSkill, 1100);
}

}  // namespace
}  // namespace qm::testing
