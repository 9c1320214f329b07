#include "optimizer/utility_goals.h"

#include <string_view>

#include "engine/stat_block.h"
#include "optimizer/figures.h"

namespace qm {
namespace {

struct FigureWeight {
  std::string_view Figure;
  double Weight;
};

// One point of a stat counts two thirds, a hit point a quarter, a resist two;
// the ToA and PvE figures count one.
constexpr FigureWeight kFieldWeights[] = {
    {"Strength", 1 / 1.5},
    {"Constitution", 1 / 1.5},
    {"Dexterity", 1 / 1.5},
    {"Quickness", 1 / 1.5},
    {"Acuity", 1 / 1.5},
    {"HitPoints", 0.25},
    {"PowerPool", 1},
    {"Crush", 2},
    {"Slash", 2},
    {"Thrust", 2},
    {"Heat", 2},
    {"Cold", 2},
    {"Energy", 2},
    {"Matter", 2},
    {"Body", 2},
    {"Spirit", 2},
    {"ArmorFactor", 1},
    {"MeleeSpeed", 1},
    {"MeleeDamage", 1},
    {"StyleDamage", 1},
    {"SpellSpeed", 1},
    {"SpellDamage", 1},
    {"SpellRange", 1},
    {"SpellDuration", 1},
    {"HealingBonus", 1},
    {"BuffBonus", 1},
    {"DebuffBonus", 1},
    {"CashDrops", 1},
    {"EvadeBonus", 1},
    {"BlockBonus", 1},
    {"ParryBonus", 1},
    {"BladeturnBonus", 1},
    {"NegativeEffects", 1},
    {"Concentration", 1},
    {"Reactionary", 1},
    {"DefensiveBonus", 1},
};
// A point of a skill counts five.
constexpr double kSkillWeight = 5;

}  // namespace

std::vector<FigureGoal> UtilityGoals(int classIndex) {
  const std::vector<std::string> names = FigureNames(classIndex);
  std::vector<FigureGoal> goals;
  for (const std::string& name : names) {
    // Every figure that is not a field of the totals is a skill row.
    double weight = StatFieldOfName(name) ? 0 : kSkillWeight;
    for (const FigureWeight& entry : kFieldWeights)
      if (entry.Figure == name) weight = entry.Weight;
    if (weight > 0) goals.push_back({name, weight, std::nullopt});
  }
  return goals;
}

}  // namespace qm
