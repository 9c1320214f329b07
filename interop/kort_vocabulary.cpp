#include "interop/kort_vocabulary.h"

#include <string>

#include "core/text.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

struct SlotWords {
  std::string_view Type;
  std::string_view Effect;
  int Code;
};

// Effects whose first words name a different catalogue entry ("Archery"
// would read as Archery Speed) or none at all.
constexpr SlotWords kOwnWords[] = {
    {"Skill", "Archery", 182},        {"Skill", "All Archery", 182},
    {"Skill", "All Dual Wield", 181}, {"Focus", "All Spell Lines", 22},
    {"Other Bonus", "AF", 148},
};

struct RealmWord {
  std::string_view Word;
  int Realm;
};

constexpr RealmWord kRealms[] = {
    {"Albion", 0},
    {"Hibernia", 1},
    {"Midgard", 2},
    {"All", 3},
};

}  // namespace

int KortBonusCode(std::string_view type, std::string_view effect) {
  for (const SlotWords& words : kOwnWords) {
    if (SameTextIgnoringCase(words.Type, type) && SameTextIgnoringCase(words.Effect, effect)) {
      return words.Code;
    }
  }
  const std::string effectText = Utf8ToCp1252(effect);
  // A focus slot names the line alone ("Fire"); the import reads focus lines
  // from texts that say "focus".
  if (SameTextIgnoringCase(type, "Focus")) return XmlBonusCode(type, effectText + " Focus");
  return XmlBonusCode(Utf8ToCp1252(type), effectText);
}

int KortRealm(std::string_view realm) {
  for (const RealmWord& word : kRealms) {
    if (SameTextIgnoringCase(word.Word, realm)) return word.Realm;
  }
  return 3;
}

}  // namespace qm
