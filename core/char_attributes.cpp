#include "core/char_attributes.h"

#include <optional>

#include "core/class_table.h"
#include "core/race_table.h"
#include "core/text.h"

namespace qm {
namespace {

// Labels of the race information box, padded so the colons line up.
constexpr std::string_view kStatLabels[] = {
    "Strength     : ", "Constitution : ", "Dexterity    : ", "Quickness    : ",
    "Piety        : ", "Intelligence : ", "Empathy      : ", "Charisma     : ",
};

struct ResistLine {
  std::string_view Label;
  std::size_t Index;  // into RaceResists
};
// The box lists Matter before Energy, unlike the record's field order.
constexpr ResistLine kResistLines[] = {
    {"Crush  : ", 0}, {"Slash  : ", 1}, {"Thrust : ", 2}, {"Heat   : ", 3}, {"Cold   : ", 4},
    {"Matter : ", 6}, {"Energy : ", 5}, {"Body   : ", 7}, {"Spirit : ", 8},
};

}  // namespace

void ApplyClass(TCharAttributes& attributes, int classIndex) {
  // Clear first so that nothing of the previous class survives.
  attributes.SkillRows.fill(kEmptySkillRow);
  attributes.PlaysInstrument = false;
  attributes.UsesBow = false;
  attributes.LeftHandWeapon = false;

  const ClassInfo& info = ClassOf(classIndex);
  for (std::size_t row = 0; row < info.Rows.size(); ++row) {
    attributes.SkillRows[row] = info.Rows[row].Code;
  }
  attributes.AcuityKind = info.Acuity;
  attributes.MaxArmor = info.MaxArmor;
  attributes.ShieldSize = info.Shield;
  attributes.PlaysInstrument = info.PlaysInstrument;
  attributes.UsesBow = info.UsesBow;
  attributes.LeftHandWeapon = info.LeftHandWeapon;
}

void ApplyRace(TCharAttributes& attributes, std::string_view raceName) {
  const std::optional<RaceValues> race = RaceValuesOf(raceName);
  attributes.RaceStats = race ? race->Stats : decltype(attributes.RaceStats){};
  attributes.RaceResists = race ? race->Resists : decltype(attributes.RaceResists){};
  attributes.RaceName = std::string(raceName);
}

std::vector<std::string> RaceSummary(const TCharAttributes& attributes) {
  // "<None>" clears the box rather than describing a race.
  if (attributes.RaceName.empty() || SameTextIgnoringCase(attributes.RaceName, kNoRace)) {
    return {};
  }
  std::vector<std::string> lines;
  lines.push_back("Race Information for " + attributes.RaceName);
  lines.emplace_back();
  lines.emplace_back("Stats");
  for (std::size_t i = 0; i < attributes.RaceStats.size(); ++i) {
    lines.push_back(std::string(kStatLabels[i]) + std::to_string(attributes.RaceStats[i]));
  }
  lines.emplace_back();
  lines.emplace_back("Resists");
  for (const ResistLine& resist : kResistLines) {
    lines.push_back(std::string(resist.Label) +
                    std::to_string(attributes.RaceResists[resist.Index]) + "%");
  }
  return lines;
}

}  // namespace qm
