#include "core/race_table.h"

#include <span>

#include "core/class_table.h"
#include "core/text.h"

namespace qm {
namespace {

// Combo order per realm, "<None>" not included.
constexpr std::string_view kAlbionRaces[] = {"Avalonian", "Briton",   "Half-Ogres", "Highlander",
                                             "Inconnu",   "Minotaur", "Saracen"};
constexpr std::string_view kHiberniaRaces[] = {"Celt",     "Elf",  "Firbolg", "Lurikeen",
                                               "Minotaur", "Shar", "Sylvan"};
constexpr std::string_view kMidgardRaces[] = {"Dwarf",    "Frostalf", "Kobold", "Minotaur",
                                              "Norseman", "Troll",    "Valkyn"};
constexpr std::span<const std::string_view> kRealmRaces[] = {kAlbionRaces, kHiberniaRaces,
                                                             kMidgardRaces};

// Values by name. The Minotaur appears in every realm's combo but has one
// row, so its values cannot drift apart between realms.
//                                 Str  Con  Dex  Qui  Pie  Int  Emp  Cha
//                                 Crush Slash Thrust Heat Cold Energy Matter Body Spirit
constexpr RaceValues kRaces[] = {
    {"Briton", {60, 60, 60, 60, 60, 60, 60, 60}, {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Highlander", {70, 70, 50, 50, 60, 60, 60, 60}, {3, 2, 0, 0, 5, 0, 0, 0, 0}},
    {"Saracen", {50, 50, 80, 60, 60, 60, 60, 60}, {0, 2, 3, 5, 0, 0, 0, 0, 0}},
    {"Avalonian", {45, 45, 60, 70, 60, 80, 60, 60}, {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Inconnu", {50, 60, 70, 50, 60, 70, 60, 60}, {2, 0, 3, 5, 0, 0, 0, 0, 5}},
    {"Half-Ogres", {90, 70, 40, 40, 60, 60, 60, 60}, {0, 3, 2, 0, 0, 0, 5, 0, 0}},
    {"Celt", {60, 60, 60, 60, 60, 60, 60, 60}, {2, 3, 0, 0, 0, 0, 0, 0, 5}},
    {"Firbolg", {90, 60, 40, 40, 60, 60, 70, 60}, {3, 2, 0, 5, 0, 0, 0, 0, 0}},
    {"Elf", {40, 40, 75, 75, 60, 70, 60, 60}, {0, 2, 3, 0, 0, 0, 0, 0, 5}},
    {"Lurikeen", {40, 40, 80, 80, 60, 60, 60, 60}, {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Sylvan", {70, 60, 55, 45, 60, 70, 60, 60}, {3, 0, 2, 0, 0, 5, 5, 0, 0}},
    {"Shar", {60, 80, 50, 50, 60, 60, 60, 60}, {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Norseman", {70, 70, 50, 50, 60, 60, 60, 60}, {2, 3, 0, 0, 5, 0, 0, 0, 0}},
    {"Troll", {100, 70, 35, 35, 60, 60, 60, 60}, {0, 3, 2, 0, 0, 0, 5, 0, 0}},
    {"Dwarf", {60, 80, 50, 50, 60, 60, 60, 60}, {0, 2, 3, 0, 0, 0, 0, 5, 0}},
    {"Kobold", {50, 50, 70, 70, 60, 60, 60, 60}, {5, 0, 0, 0, 0, 5, 0, 0, 0}},
    {"Valkyn", {55, 45, 65, 75, 60, 60, 60, 60}, {0, 3, 2, 0, 5, 0, 0, 5, 0}},
    {"Frostalf", {55, 55, 55, 60, 75, 60, 60, 60}, {0, 2, 3, 0, 0, 0, 0, 0, 5}},
    {"Minotaur", {80, 60, 50, 40, 60, 60, 60, 60}, {4, 0, 0, 3, 3, 0, 0, 0, 0}},
};

}  // namespace

std::vector<std::string_view> RaceList(int classIndex) {
  std::vector<std::string_view> list{kNoRace};
  const int realm = RealmOfClass(classIndex);
  if (realm >= 0 && realm < kNoRealm) {
    const auto races = kRealmRaces[realm];
    list.insert(list.end(), races.begin(), races.end());
  }
  return list;
}

std::optional<RaceValues> RaceValuesOf(std::string_view name) {
  for (const RaceValues& race : kRaces) {
    if (SameTextIgnoringCase(race.Name, name)) return race;
  }
  return std::nullopt;
}

}  // namespace qm
