#pragma once
// Driving the spellcraft tab in tests the way a player does: open it on a
// slot, pick gems through the full listing, find a fifth-slot choice.
#include <cstddef>

#include "core/item_record.h"
#include "spellcraft/spellcraft_calculator.h"

namespace qm::testing {

inline SpellcraftContext ContextFor(int slot, int realm = 0, int maxArmor = 4) {
  SpellcraftContext context;
  context.Slot = slot;
  context.Realm = realm;
  context.MaxArmor = maxArmor;
  context.DefaultCraftedLevel = 51;
  return context;
}

// A tab opened on an empty slot and entered, as the user sees it.
inline SpellcraftCalculator OpenTab(const SpellcraftContext& context) {
  SpellcraftCalculator calc(context);
  calc.Open(EmptyItem());
  calc.SCEnter();
  return calc;
}

// Picks a bonus through the full listing and a value by its tier.
inline void SetGem(SpellcraftCalculator& calc, int gem, int index, int tier = 0) {
  calc.SCArchChange(gem, 7);
  calc.SCFakeChange(gem, index);
  calc.csChange(gem, tier);
}

// Position of the skip-th choice offering fifthIndex, or -1.
inline int ChoicePosition(const SpellcraftCalculator& calc, int fifthIndex, int skip = 0) {
  const auto& choices = calc.State().Choices;
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i].Index == fifthIndex && skip-- == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace qm::testing
