#include "spellcraft/fifth_slot_bonus.h"

#include <array>
#include <cstddef>

namespace qm {
namespace {

struct FifthSlotRow {
  std::string_view Caption;
  FifthSlotBonus Bonus;
};

constexpr std::array<FifthSlotRow, kFifthSlotBonusCount> kFifthSlotRows = {{
    {"No Extra Bonuses", {}},
    {"Strength Cap + 5", {134, 5}},
    {"Constitution Cap + 5", {135, 5}},
    {"Dexterity Cap + 5", {136, 5}},
    {"Quickness Cap + 5", {137, 5}},
    {"Acuity Cap + 5", {143, 5}},
    {"HP Cap + 40", {146, 40}},
    {"All Melee + 3", {179, 3}},
    {"All Casting + 3", {180, 3}},
    {"Dual Wielding Skills + 3", {181, 3}},
    {"Archery Skills + 3", {182, 3}},
    {"Shield Skills + 3", {23, 3}},
    {"Armor Factor + 10", {148, 10}},
    {"Healing Effectiveness + 5%", {160, 5}},
    {"Buffing Effectiveness + 5%", {161, 5}},
    {"Power Pool +5%", {145, 5}},
    {"Defensive Bonus + 5%", {183, 5}},
    // The legendary weapon's melee damage is 3, one more than row 26 gives.
    {"Legendary Weapon", {148, 10, 150, 3}},
    {"Strength + 15", {1, 15}},
    {"Constitution + 15", {2, 15}},
    {"Dexterity + 15", {3, 15}},
    {"Quickness + 15", {4, 15}},
    {"Acuity + 15", {142, 15}},
    {"Fatigue + 5", {147, 5}},
    {"Power Cap + 5", {144, 5}},
    {"Hit Points + 40", {10, 40}},
    {"Melee Damage + 2%", {150, 2}},
    {"Magic Damage + 2%", {153, 2}},
    {"Spell Duration + 5%", {156, 5}},
    {"To Hit (PvE) + 3%", {171, 3}},
    {"Fatigue Cap + 5", {190, 5}},
    {"Legendary Bow", {148, 10, 195, 2}},
}};

}  // namespace

std::string_view FifthSlotCaption(int index) {
  if (index < 0 || index >= kFifthSlotBonusCount) return {};
  return kFifthSlotRows[static_cast<std::size_t>(index)].Caption;
}

FifthSlotBonus FifthSlotBonusOf(int index) {
  if (index < 0 || index >= kFifthSlotBonusCount) return {};
  return kFifthSlotRows[static_cast<std::size_t>(index)].Bonus;
}

bool IsLegendaryFifthSlot(int index) {
  return index == kLegendaryWeapon || index == kLegendaryBow;
}

}  // namespace qm
