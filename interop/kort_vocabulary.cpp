#include "interop/kort_vocabulary.h"

#include <string>

#include "core/template_record.h"
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
    {"Skill", "Archery", 182},
    {"Skill", "All Archery", 182},
    {"Skill", "All Dual Wield", 181},
    {"Focus", "All Spell Lines", 22},
    {"Focus", "Cursing", 127},
    {"Other Bonus", "AF", 148},
    {"Other Bonus", "% Power Pool", 145},
    {"Other Bonus", "Duration of Spells", 156},
    {"Other Bonus", "Healing Effectiveness", 160},
    {"Other Bonus", "Melee Combat Speed", 149},
    {"Other Bonus", "Spell Piercing", 155},
    {"Other Bonus", "Stat Buff Effectiveness", 161},
    {"Other Bonus", "Stat Debuff Effectiveness", 184},
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

struct SlotWord {
  std::string_view Location;
  int Slot;
};

constexpr SlotWord kSlots[] = {
    {"Jewel", kJewel},        {"Neck", kNeck},          {"Cloak", kCloak},
    {"Belt", kBelt},          {"Left Ring", kRing1},    {"Right Ring", kRing2},
    {"Left Wrist", kWrist1},  {"Right Wrist", kWrist2}, {"Chest", kChest},
    {"Head", kHead},          {"Arms", kArms},          {"Hands", kHands},
    {"Legs", kLegs},          {"Feet", kFeet},          {"Right Hand", kRightHand},
    {"Left Hand", kLeftHand}, {"2 Handed", kTwoHand},   {"Ranged", kRanged},
    {"Mythical", kMyth},
};

}  // namespace

int KortSlot(std::string_view location) {
  for (const SlotWord& word : kSlots) {
    if (SameTextIgnoringCase(word.Location, location)) return word.Slot;
  }
  return 0;
}

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
