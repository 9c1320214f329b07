#include "spellcraft/spellcraft_state.h"

#include "core/class_table.h"

namespace qm {
namespace {

// Characters from this level on craft their items at the highest level.
constexpr int kHighCraftingLevel = 39;
constexpr int kTopItemLevel = 51;

}  // namespace

int DefaultCraftedLevel(int characterLevel) {
  return characterLevel < kHighCraftingLevel ? characterLevel : kTopItemLevel;
}

SpellcraftContext SpellcraftContextOf(int slot, int classIndex, int characterLevel,
                                      bool championLevel3, bool forceFifthSlot,
                                      bool universalRealm) {
  const ClassInfo& info = ClassOf(classIndex);
  SpellcraftContext context;
  context.Slot = slot;
  context.Realm = info.Realm;
  context.ClassIndex = classIndex;
  context.MaxArmor = info.MaxArmor;
  context.ShieldSize = info.Shield;
  context.PlaysInstrument = info.PlaysInstrument;
  context.UsesBow = info.UsesBow;
  context.ChampionLevel3 = championLevel3;
  context.DefaultCraftedLevel = DefaultCraftedLevel(characterLevel);
  context.ForceFifthSlot = forceFifthSlot;
  context.UniversalRealm = universalRealm;
  return context;
}

}  // namespace qm
