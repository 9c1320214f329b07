#pragma once
// The character attribute record: rebuilt from the class and race tables on
// every class or race change.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct TCharAttributes {
  std::array<std::uint16_t, 8> RaceStats{};
  std::uint16_t AcuityKind = 0;
  std::array<std::uint16_t, 9> RaceResists{};
  std::uint16_t ShieldSize = 0;
  std::array<std::uint8_t, 8> SkillRows{255, 255, 255, 255, 255, 255, 255, 255};
  bool PlaysInstrument = false;
  bool UsesBow = false;
  bool LeftHandWeapon = false;
  std::uint8_t MaxArmor = 0;
  std::string RaceName;  // the race last applied, "<None>" or empty before any
};

// Clears the class fields (rows 255, flags 0) and fills them from the class table.
void ApplyClass(TCharAttributes& attributes, int classIndex);
// Sets the race stats and resists by race name; "<None>" or an unknown name gives zeros.
void ApplyRace(TCharAttributes& attributes, std::string_view raceName);
// The lines of the race information box for the race last applied.
std::vector<std::string> RaceSummary(const TCharAttributes& attributes);

}  // namespace qm
