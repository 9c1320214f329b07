#pragma once
// The chance that imbuing an overcharged design succeeds, by the formula the
// crafting community worked out: a penalty for every point over the item's
// capacity, a bonus for a better item quality, and the crafter's spellcraft
// skill. A design within its capacity always succeeds.
#include <string>

#include "core/item_record.h"

namespace qm {

inline constexpr int kMinCraftSkill = 1;
inline constexpr int kMaxCraftSkill = 1200;
inline constexpr int kDefaultCraftSkill = 1000;
// Item qualities the chance knows; the tab offers exactly these.
inline constexpr int kMinCraftQuality = 94;
inline constexpr int kMaxCraftQuality = 100;
// Points over the capacity an item can still be imbued with.
inline constexpr int kMaxOverchargePoints = 5;

int ClampCraftSkill(int skill);
int ClampCraftQuality(int quality);

// Whole points the charge lies over the capacity: floor(charge - capacity).
int OverchargePoints(double charge, int capacity);

// The chance in whole percent, 0..100. Skill and quality are clamped into
// their ranges first.
int OverchargeSuccess(double charge, int capacity, int skill, int quality);

// "Overcharge success : 82%".
std::string OverchargeSuccessText(int percent);

// The quality an item brings to the tab: its own when it is one the chance
// knows, else the best quality, which is what crafters aim for.
int CraftQualityOf(const TItemRecord& item);

}  // namespace qm
