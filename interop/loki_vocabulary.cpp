#include "interop/loki_vocabulary.h"

#include "core/template_record.h"
#include "core/text.h"
#include "interop/kort_vocabulary.h"

namespace qm {
namespace {

struct SlotWord {
  std::string_view Loc;
  int Slot;
};

constexpr SlotWord kSlots[] = {
    {"Jewel", kJewel},        {"Neck", kNeck},          {"Cloak", kCloak},
    {"Belt", kBelt},          {"Left Ring", kRing1},    {"Right Ring", kRing2},
    {"Left Wrist", kWrist1},  {"Right Wrist", kWrist2}, {"Chest", kChest},
    {"Head", kHead},          {"Arms", kArms},          {"Hands", kHands},
    {"Legs", kLegs},          {"Feet", kFeet},          {"Right Hand", kRightHand},
    {"Left Hand", kLeftHand}, {"Two-Handed", kTwoHand}, {"Ranged", kRanged},
};

struct GemWords {
  std::string_view Type;
  std::string_view Effect;
  int Code;
};

// Hit points and power are gem types with an empty effect.
constexpr GemWords kOwnWords[] = {
    {"Hits", "", 10},           {"Power", "", 9},           {"Skill", "All Magic", 21},
    {"Skill", "All Melee", 20}, {"Focus", "All Focus", 22}, {"Stat", "AF", 148},
};

}  // namespace

int LokiSlot(std::string_view loc) {
  for (const SlotWord& word : kSlots) {
    if (SameTextIgnoringCase(word.Loc, loc)) return word.Slot;
  }
  return 0;
}

int LokiBonusCode(std::string_view type, std::string_view effect) {
  for (const GemWords& words : kOwnWords) {
    if (SameTextIgnoringCase(words.Type, type) && SameTextIgnoringCase(words.Effect, effect)) {
      return words.Code;
    }
  }
  return KortBonusCode(type, effect);
}

}  // namespace qm
