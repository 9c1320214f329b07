#pragma once
// Races: the combo lists per realm and the base stats and resists by name.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qm {

struct RaceValues {
  std::string_view Name;
  std::array<std::uint16_t, 8> Stats{};  // Str, Con, Dex, Qui, Pie, Int, Emp, Cha
  // Crush, Slash, Thrust, Heat, Cold, Energy, Matter, Body, Spirit
  std::array<std::uint16_t, 9> Resists{};
};

inline constexpr std::string_view kNoRace = "<None>";

// The race combo of a class's realm: "<None>" first, then the realm's races.
// A class without realm gets only "<None>".
std::vector<std::string_view> RaceList(int classIndex);
// Values of a race by name (case ignored); nullopt for "<None>" and unknown names.
std::optional<RaceValues> RaceValuesOf(std::string_view name);

}  // namespace qm
