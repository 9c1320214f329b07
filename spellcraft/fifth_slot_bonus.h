#pragma once
// The thirty-two canonical fifth-slot bonuses of a crafted item. A crafted
// item stores the index of its fifth-slot bonus, and the calculator puts the
// row's bonus (two for the legendary rows) into bonus rows 9 and 10.
#include <string_view>

namespace qm {

inline constexpr int kFifthSlotBonusCount = 32;
inline constexpr int kNoFifthSlotBonus = 0;
inline constexpr int kLegendaryWeapon = 17;
inline constexpr int kLegendaryBow = 31;

struct FifthSlotBonus {
  int Code = 0;
  int Amount = 0;
  int SecondCode = 0;
  int SecondAmount = 0;
  bool operator==(const FifthSlotBonus&) const = default;
};

// Caption of a row ("No Extra Bonuses" .. "Legendary Bow"); empty outside 0..31.
std::string_view FifthSlotCaption(int index);
// The bonus of a row; no bonus for row 0 and outside 0..31.
FifthSlotBonus FifthSlotBonusOf(int index);
// The legendary rows need only three gems.
bool IsLegendaryFifthSlot(int index);

}  // namespace qm
