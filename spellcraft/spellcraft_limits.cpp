#include "spellcraft/spellcraft_limits.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace qm {
namespace {

// Imbue points an item can take, by item level 1..51.
constexpr std::array<int, kMaxCraftLevel> kImbueCapacity = {
    1,  2,  2,  3,  4,  4,  5,  5,  6,  7,  7,  8,  9,  9,  10, 10, 11,
    12, 12, 13, 13, 14, 15, 15, 16, 16, 17, 18, 18, 19, 20, 20, 21, 21,
    22, 23, 23, 24, 24, 25, 26, 26, 27, 27, 28, 29, 29, 30, 31, 31, 32};

// The armour selector of the spellcraft tab; the index is stored in the item as it is.
constexpr std::array<std::string_view, kArmourEntryCount> kArmourEntries = {
    "0%", "10%", "19%", "27%", "34%", "Non-Armor"};

}  // namespace

int ClampCraftLevel(int level) {
  return std::clamp(level, kMinCraftLevel, kMaxCraftLevel);
}

int ImbueCapacityOfLevel(int level) {
  return kImbueCapacity[static_cast<std::size_t>(ClampCraftLevel(level) - 1)];
}

int ImbueCapacity(int level, int armourIndex) {
  const int capacity = ImbueCapacityOfLevel(level);
  return armourIndex == kClothArmour && level < kMaxCraftLevel ? capacity - 1 : capacity;
}

double MaxOvercharge(int level, int armourIndex) {
  return ImbueCapacity(level, armourIndex) + kOverchargeAllowance;
}

std::string_view ArmourEntryText(int armourIndex) {
  if (armourIndex < 0 || armourIndex >= kArmourEntryCount) return {};
  return kArmourEntries[static_cast<std::size_t>(armourIndex)];
}

}  // namespace qm
