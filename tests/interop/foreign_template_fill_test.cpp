// What every foreign template reader shares: the character's class and race
// by the game's names, and the weapon configuration from the weapons in use.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interop/foreign_character.h"
#include "interop/foreign_template_slots.h"

namespace qm {
namespace {

TEST(ForeignCharacter, ClassAndRaceByTheGamesNames) {
  struct Case {
    std::string_view Realm, Class, Race;
    int ClassIndex, RaceIndex;
    std::string Warning;  // empty: none
  };
  for (const Case& c : {
           Case{"Albion", "Sorcerer", "Half Ogre", 13, 3, ""},
           Case{"Hibernia", "Mauler", "Shar", 25, 6, ""},
           Case{"Midgard", "Mauler", "Troll", 36, 6, ""},
           Case{"", "Warden", "", 31, 0, ""},
           Case{"Midgard", "Druid", "Celt", 21, 1,
                "class \"Druid\" does not exist in Midgard; Hibernia's is taken"},
           Case{"Albion", "Cleric", "Troll", 2, 0,
                "race \"Troll\" does not exist in Albion; left out"},
           Case{"Albion", "Cleric", "Gnome", 2, 0, "race \"Gnome\" unknown; left out"},
           Case{"Midgard", "Bard", "Celt", 18, 1,
                "class \"Bard\" does not exist in Midgard; Hibernia's is taken"},
           Case{"Midgard", "Jester", "Troll", 32, 6,
                "class \"Jester\" unknown; Berserker stands in"},
           Case{"Avalon", "Cleric", "", 2, 0, "realm \"Avalon\" unknown; the class decides it"},
       }) {
    ForeignTemplate tpl;
    PlaceCharacter({"Someone", c.Realm, c.Class, c.Race}, tpl);
    EXPECT_EQ(tpl.Record.ClassIndex, c.ClassIndex) << c.Class;
    EXPECT_EQ(tpl.Record.RaceIndex, c.RaceIndex) << c.Class << " " << c.Race;
    EXPECT_EQ(tpl.Warnings,
              c.Warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Warning})
        << c.Class;
  }
}

TEST(ForeignTemplateSlots, WeaponConfigurationFollowsTheWeaponsInUse) {
  struct Case {
    std::vector<int> Equipped;
    int Config;
    bool Warned;
  };
  for (const Case& c : {
           Case{{kRightHand, kLeftHand}, 0, false},
           Case{{kRightHand}, 0, false},
           Case{{kLeftHand, kTwoHand}, 1, false},
           Case{{kTwoHand}, 2, false},
           Case{{kRanged}, 3, false},
           Case{{}, 4, false},
           Case{{kRightHand, kTwoHand}, 2, true},
       }) {
    SlotCandidates candidates;
    for (int slot = kRightHand; slot <= kRanged; ++slot) {
      SlotCandidate weapon;
      weapon.Item.Name = "Weapon";
      weapon.Equipped = std::find(c.Equipped.begin(), c.Equipped.end(), slot) != c.Equipped.end();
      candidates[static_cast<std::size_t>(slot - 1)].push_back(weapon);
    }
    ForeignTemplate tpl;
    FillSlots(candidates, tpl);
    EXPECT_EQ(tpl.Record.WeaponConfig, c.Config) << c.Equipped.size();
    EXPECT_EQ(tpl.Warnings.size(), c.Warned ? 1u : 0u) << c.Config;
  }
}

}  // namespace
}  // namespace qm
