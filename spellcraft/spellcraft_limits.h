#pragma once
// What a crafted item can hold: imbue capacity by item level, the armour
// classes of the "A&bsorb" selector, and the overcharge allowance.
#include <string_view>

namespace qm {

inline constexpr int kMinCraftLevel = 1;
inline constexpr int kMaxCraftLevel = 51;
inline constexpr int kArmourEntryCount = 6;
inline constexpr int kClothArmour = 0;
inline constexpr int kNonArmour = 5;
// Points a design may go over its capacity.
inline constexpr double kOverchargeAllowance = 5.5;

// Imbue capacity of an item level; levels outside 1..51 are clamped into it.
int ImbueCapacityOfLevel(int level);
// The capacity of a design: cloth below level 51 holds one point less.
int ImbueCapacity(int level, int armourIndex);
double MaxOvercharge(int level, int armourIndex);
// "0%", "10%", "19%", "27%", "34%", "Non-Armor"; empty outside 0..5.
std::string_view ArmourEntryText(int armourIndex);
// Level clamped into 1..51.
int ClampCraftLevel(int level);

}  // namespace qm
