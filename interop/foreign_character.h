#pragma once
// The character of another planner's template (name, realm, class, race) in
// our record. Planners name classes and races as the game does; where our
// tables spell one differently ("Sorceror", "Half-Ogres") a small table of
// the game's spellings bridges them. What does not fit is a warning:
// "class \"Wizard\" does not exist in Midgard".
#include <string_view>

#include "interop/foreign_template.h"

namespace qm {

struct CharacterWords {
  std::string_view Name;
  std::string_view Realm;
  std::string_view Class;
  std::string_view Race;
};

// 0 Albion, 1 Hibernia, 2 Midgard; -1 for any other text.
int RealmNamed(std::string_view name);

// Sets CharName, ClassIndex and RaceIndex from the words (UTF-8), adding a
// warning for a name that does not fit, an unknown realm, class or race, and
// a class or race the named realm does not have. A class we cannot place
// leaves the realm's first class (Armsman without a realm) in the record.
void PlaceCharacter(const CharacterWords& words, ForeignTemplate& tpl);

}  // namespace qm
