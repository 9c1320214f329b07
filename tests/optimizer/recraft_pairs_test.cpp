// Re-crafting pieces pair by pair reaches what the whole search proves when
// trades between pieces are all a template lacks.
#include <gtest/gtest.h>

#include "optimizer/recraft_pairs.h"
#include "optimizer/search_watch.h"
#include "optimizer/solve.h"

namespace qm {
namespace {

TEST(RecraftPairs, FromNoGemsReachesTheProvenBest) {
  const std::vector<std::vector<FigureGoal>> goals = {
      {{"Strength", 1, std::nullopt}},
      {{"Strength", 1, std::nullopt}, {"Constitution", 2, std::nullopt}, {"Crush", 1, 10}},
  };
  for (const auto& goal : goals) {
    OptimizerRequest request;
    request.Template = EmptyTemplate();
    request.Template.ClassIndex = 1;
    request.Template.CharLevel = 50;
    for (int slot = kChest; slot < kChest + 3; ++slot) request.Mode(slot) = SlotMode::kSpellcraft;
    request.Goals = goal;
    const JobOutcome<OptimizerResult> best = Optimize(request);
    ASSERT_TRUE(best.IsFinished()) << best.Message();
    ASSERT_TRUE(best.Value().Optimal);

    const auto model = BuildModel(request);
    ASSERT_TRUE(model.Ok());
    ColumnChoice choice;
    for (const CraftedPiece& piece : model.Value().Pieces)
      choice.Gems.emplace_back(piece.Gems.size(), false);
    const double reached =
        RecraftPairs(model.Value(), request, choice,
                     OptimizerClock::now() + std::chrono::seconds(10));
    EXPECT_DOUBLE_EQ(reached, best.Value().Objective);
    EXPECT_DOUBLE_EQ(LevelsOf(model.Value(), choice).Objective(model.Value()), reached);
  }
}

}  // namespace
}  // namespace qm
