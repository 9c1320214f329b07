#include "interop/foreign_character.h"

#include <string>

#include "core/class_table.h"
#include "core/item_lists.h"
#include "core/race_table.h"
#include "core/text.h"
#include "interop/quoted_text.h"

namespace qm {
namespace {

struct Spelling {
  std::string_view Game;  // as the game and the planners write it
  std::string_view Ours;  // as our tables write it
};

constexpr Spelling kClassSpellings[] = {{"Sorcerer", "Sorceror"}};
constexpr Spelling kRaceSpellings[] = {
    {"Half Ogre", "Half-Ogres"}, {"Half-Ogre", "Half-Ogres"}, {"Half Ogres", "Half-Ogres"}};

constexpr std::size_t kNameCapacity = 41;

template <std::size_t N>
std::string_view OurSpelling(std::string_view word, const Spelling (&table)[N]) {
  for (const Spelling& spelling : table) {
    if (SameTextIgnoringCase(spelling.Game, word)) return spelling.Ours;
  }
  return word;
}

// "(Hib) Animist " is "Animist": the class combo's realm tag and blanks are
// not part of the name.
std::string_view BareClassName(int classIndex) {
  std::string_view text = ClassOf(classIndex).Text;
  if (const std::size_t close = text.find(") "); close != std::string_view::npos) {
    text.remove_prefix(close + 2);
  }
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The class of that name in the realm, else in any realm; -1 when none has it.
int ClassNamed(std::string_view name, int realm, bool& inRealm) {
  name = OurSpelling(name, kClassSpellings);
  int any = -1;
  for (int c = 0; c < kClassTableSize; ++c) {
    if (!SameTextIgnoringCase(BareClassName(c), name)) continue;
    if (RealmOfClass(c) == realm) {
      inRealm = true;
      return c;
    }
    if (any < 0) any = c;
  }
  inRealm = false;
  return any;
}

int FirstClassOf(int realm) {
  for (int c = 0; c < kClassTableSize; ++c) {
    if (RealmOfClass(c) == realm) return c;
  }
  return 0;
}

void PlaceClass(const CharacterWords& words, int realm, ForeignTemplate& tpl) {
  bool inRealm = false;
  int classIndex = ClassNamed(words.Class, realm, inRealm);
  if (classIndex < 0) {
    classIndex = FirstClassOf(realm);
    tpl.Warnings.push_back("class " + QuotedText(words.Class) + " unknown; " +
                           std::string(BareClassName(classIndex)) + " stands in");
  } else if (realm >= 0 && !inRealm) {
    tpl.Warnings.push_back(
        "class " + QuotedText(words.Class) + " does not exist in " +
        std::string(RealmList()[static_cast<std::size_t>(realm)]) + "; " +
        std::string(RealmList()[static_cast<std::size_t>(RealmOfClass(classIndex))]) +
        "'s is taken");
  }
  tpl.Record.ClassIndex = static_cast<std::uint8_t>(classIndex);
}

void PlaceRace(const CharacterWords& words, ForeignTemplate& tpl) {
  tpl.Record.RaceIndex = 0;
  if (words.Race.empty()) return;
  const std::string_view race = OurSpelling(words.Race, kRaceSpellings);
  const auto races = RaceList(tpl.Record.ClassIndex);
  for (std::size_t i = 1; i < races.size(); ++i) {
    if (SameTextIgnoringCase(races[i], race)) {
      tpl.Record.RaceIndex = static_cast<std::uint8_t>(i);
      return;
    }
  }
  const int realm = RealmOfClass(tpl.Record.ClassIndex);
  tpl.Warnings.push_back(
      "race " + QuotedText(words.Race) +
      (RaceValuesOf(race)
           ? " does not exist in " + std::string(RealmList()[static_cast<std::size_t>(realm)])
           : std::string(" unknown")) +
      "; left out");
}

}  // namespace

int RealmNamed(std::string_view name) {
  for (int realm = 0; realm < 3; ++realm) {
    if (SameTextIgnoringCase(RealmList()[static_cast<std::size_t>(realm)], name)) return realm;
  }
  return -1;
}

void PlaceCharacter(const CharacterWords& words, ForeignTemplate& tpl) {
  const std::string name = Utf8ToCp1252(words.Name);
  tpl.Record.CharName.Assign(name);
  if (name.size() > kNameCapacity) {
    tpl.Warnings.push_back("name " + QuotedText(words.Name) + " cut to " +
                           std::to_string(kNameCapacity) + " characters");
  }
  const int realm = RealmNamed(words.Realm);
  if (realm < 0 && !words.Realm.empty()) {
    tpl.Warnings.push_back("realm " + QuotedText(words.Realm) + " unknown; the class decides it");
  }
  PlaceClass(words, realm, tpl);
  PlaceRace(words, tpl);
}

}  // namespace qm
