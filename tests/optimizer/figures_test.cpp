#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/class_table.h"
#include "engine/caps.h"
#include "optimizer/figures.h"
#include "tools/samples.h"

namespace qm {
namespace {

int ClassNamed(std::string_view name) {
  for (int c = 0; c < kClassCount; ++c)
    if (ClassOf(c).Text.substr(0, name.size()) == name) return c;
  return -1;
}

TEST(OptimizerFigures, ACapIncreaseCountsOnlyUpToItsLimit) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = static_cast<std::uint8_t>(ClassNamed("(Alb) Armsman"));
  tpl.CharLevel = 50;
  tpl.RealmRank = 1;
  tpl.Slot(kJewel) = samples::MakeItem("Jewel", {{1, 200}, {134, 99}});
  const TCapsRecord caps = CapsForLevel(50, 1);
  const int cap = caps.Strength + caps.StrengthCapInc;

  const std::vector<FigureParts> figures = CappedFigures(tpl);
  const std::vector<std::string> names = FigureNames(tpl.ClassIndex);
  const auto strength = std::find(names.begin(), names.end(), "Strength") - names.begin();
  EXPECT_EQ(figures[strength].Value, 200);
  EXPECT_EQ(figures[strength].Cap(), cap);
  std::vector<double> weights(names.size(), 0);
  weights[strength] = 2;
  EXPECT_DOUBLE_EQ(Objective(tpl, weights), 2.0 * cap);
}

// The goal names figures; a skill sharing a resist's name must not hide it.
TEST(OptimizerFigures, EveryClassNamesEachFigureOnce) {
  for (int c = 0; c <= kClassCount; ++c) {
    const std::vector<std::string> names = FigureNames(c);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << c;
  }
  const std::vector<std::string> armsman = FigureNames(ClassNamed("(Alb) Armsman"));
  EXPECT_NE(std::find(armsman.begin(), armsman.end(), "Crush (skill)"), armsman.end());
  EXPECT_NE(std::find(armsman.begin(), armsman.end(), "Crush"), armsman.end());
}

}  // namespace
}  // namespace qm
