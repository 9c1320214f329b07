#include "spellcraft/overcharge_chance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace qm {
namespace {

// Penalty by points over the capacity, 0..5.
constexpr std::array<int, kMaxOverchargePoints + 1> kOverchargePenalty = {0, 10, 20, 30, 50, 70};

// Bonus by item quality 94..100.
constexpr std::array<int, kMaxCraftQuality - kMinCraftQuality + 1> kQualityBonus = {0,  0,  6, 8,
                                                                                    10, 18, 26};

// The quality list starts at 70: index i is quality 70 + i.
constexpr int kFirstListedQuality = 70;

// Skill counts up to 1000, one point of chance for every ten.
constexpr int kFullSkill = 1000;

}  // namespace

int ClampCraftSkill(int skill) {
  return std::clamp(skill, kMinCraftSkill, kMaxCraftSkill);
}

int ClampCraftQuality(int quality) {
  return std::clamp(quality, kMinCraftQuality, kMaxCraftQuality);
}

int OverchargePoints(double charge, int capacity) {
  // Charges are whole or half points, so twice the charge is a whole number
  // held exactly; flooring the halves and then halving them floors the charge
  // without a rounding step a compiler could do differently.
  const auto halves = static_cast<long long>(std::floor(charge * 2)) - 2LL * capacity;
  return static_cast<int>(halves >= 0 ? halves / 2 : (halves - 1) / 2);
}

int OverchargeSuccess(double charge, int capacity, int skill, int quality) {
  const int points = OverchargePoints(charge, capacity);
  if (points <= 0) return 100;
  // More than five points over cannot be imbued at all.
  if (points > kMaxOverchargePoints) return 0;
  const int penalty = kOverchargePenalty[static_cast<std::size_t>(points)];
  const int bonus =
      kQualityBonus[static_cast<std::size_t>(ClampCraftQuality(quality) - kMinCraftQuality)];
  // Everything in tenths of a percent: S = skill / 10 is then the skill
  // itself, and the skill term 100 × (S / 100 − 1) × penalty / 200 becomes
  // (skill − 1000) × penalty / 2000, whose integer division truncates toward
  // zero just as the formula asks (−17.5 gives −17).
  const int s = std::min(ClampCraftSkill(skill), kFullSkill);
  const int skillTerm = (s - kFullSkill) * penalty / 2000;
  const int tenths = 10 * (34 + bonus - penalty + skillTerm) + s;
  // A skill that is not a multiple of ten leaves a tenth over; the whole
  // percent drops it.
  return std::clamp(tenths, 0, 1000) / 10;
}

std::string OverchargeSuccessText(int percent) {
  return "Overcharge success : " + std::to_string(percent) + "%";
}

int CraftQualityOf(const TItemRecord& item) {
  const int quality = kFirstListedQuality + item.Quality;
  if (quality < kMinCraftQuality || quality > kMaxCraftQuality) return kMaxCraftQuality;
  return quality;
}

}  // namespace qm
