#include "interop/foreign_template_slots.h"

#include <cstdint>
#include <limits>

#include "core/item_lists.h"
#include "core/text.h"
#include "interop/quoted_text.h"

namespace qm {
namespace {

constexpr std::size_t kItemNameCapacity = 51;
constexpr int kLowestQuality = 70;
constexpr int kHighestQuality = 100;
constexpr int kFastestSpeedTenths = 15;  // "1.5", the first speed after "N/A"
constexpr int kSlowestSpeedTenths = 60;  // "6.0"
constexpr std::uint8_t kOtherSpeed = 47;
constexpr int kNoWeaponsConfig = 4;

bool IsEmpty(const ForeignItem& item) {
  return item.Name.empty() && item.Bonuses.empty();
}

bool IsWeaponSlot(int slot) {
  return slot >= kRightHand && slot <= kRanged;
}

// A file that names no item for a slot still says what is in it.
std::string ItemName(const ForeignItem& item, int slot) {
  if (!item.Name.empty()) return item.Name;
  return (item.Crafted ? "Crafted " : "Unnamed ") + std::string(SlotName(slot));
}

std::uint8_t SmallNumber(int value, int fallback, std::string_view what, int slot,
                         ForeignTemplate& tpl) {
  if (value >= 0 && value <= std::numeric_limits<std::uint8_t>::max()) {
    return static_cast<std::uint8_t>(value);
  }
  tpl.Warnings.push_back(SlotWhere(slot) + ": " + std::string(what) + " " + std::to_string(value) +
                         " does not fit our record; " + std::to_string(fallback) + " kept");
  return static_cast<std::uint8_t>(fallback);
}

void PutBonuses(const ForeignItem& item, int slot, TItemRecord& record, ForeignTemplate& tpl) {
  int row = 0;
  for (const ForeignBonus& bonus : item.Bonuses) {
    if (bonus.Code <= 0) {
      tpl.Warnings.push_back(SlotWhere(slot) + ": unknown bonus " + QuotedText(bonus.Name) +
                             " left out");
    } else if (row == kBonusRows) {
      tpl.Warnings.push_back(SlotWhere(slot) + ": no row for an eleventh bonus, " +
                             QuotedText(bonus.Name) + " " + std::to_string(bonus.Value) +
                             " left out");
    } else {
      record.BonusCode[row] = static_cast<std::uint8_t>(bonus.Code);
      record.BonusValue[row] = bonus.Value;
      ++row;
    }
  }
}

void PlaceItem(const ForeignItem& item, int slot, ForeignTemplate& tpl) {
  TItemRecord& record = tpl.Record.Slot(slot);
  record = EmptyItem();
  const std::string name = Utf8ToCp1252(ItemName(item, slot));
  record.Name.Assign(name);
  if (name.size() > kItemNameCapacity) {
    tpl.Warnings.push_back(SlotWhere(slot) + ": name " + QuotedText(item.Name) + " cut to " +
                           std::to_string(kItemNameCapacity) + " characters");
  }
  record.ItemType = item.Crafted ? kItemTypePlayerCrafted : 0;
  record.Realm = static_cast<std::uint8_t>(item.Realm >= 0 && item.Realm <= 3 ? item.Realm : 3);
  if (item.Level != 0) record.Level = SmallNumber(item.Level, record.Level, "level", slot, tpl);
  record.SlotKind = static_cast<std::uint8_t>(SlotKindOf(slot));
  record.Armor = static_cast<std::uint8_t>(item.Armor);
  if (!item.WeaponType.empty()) {
    if (const auto index = WeaponTypeList().IndexOf(item.WeaponType))
      record.WeaponType = static_cast<std::uint8_t>(*index);
  }
  if (item.Quality >= kLowestQuality && item.Quality <= kHighestQuality) {
    record.Quality = static_cast<std::uint8_t>(item.Quality - kLowestQuality);
  } else if (item.Quality != 0) {
    tpl.Warnings.push_back(SlotWhere(slot) + ": quality " + std::to_string(item.Quality) +
                           " is outside 70-100; left unset");
  }
  if (item.SpeedTenths >= kFastestSpeedTenths && item.SpeedTenths <= kSlowestSpeedTenths) {
    record.Speed = static_cast<std::uint8_t>(item.SpeedTenths - kFastestSpeedTenths + 1);
  } else if (item.SpeedTenths > 0) {
    record.Speed = kOtherSpeed;
  }
  if (item.BonusLevel != 0) {
    record.BonusLevel = SmallNumber(item.BonusLevel, 0, "bonus level", slot, tpl);
  }
  // The planner put the item on this character, whatever class it is.
  for (std::uint8_t& usable : record.ClassUsable) usable = 1;
  PutBonuses(item, slot, record, tpl);
  tpl.Crafted[static_cast<std::size_t>(slot - 1)] = item.Crafted;
}

const SlotCandidate* Chosen(const std::vector<SlotCandidate>& candidates) {
  for (const SlotCandidate& c : candidates) {
    if (c.Preferred) return &c;
  }
  for (const SlotCandidate& c : candidates) {
    if (c.Equipped) return &c;
  }
  return candidates.empty() ? nullptr : &candidates.front();
}

void WarnLeftOut(const std::vector<SlotCandidate>& candidates, const SlotCandidate& chosen,
                 int slot, ForeignTemplate& tpl) {
  for (const SlotCandidate& c : candidates) {
    if (&c == &chosen || c.Item.Bonuses.empty()) continue;
    tpl.Warnings.push_back(SlotWhere(slot) + ": " + std::to_string(candidates.size()) +
                           " items for the slot; " + QuotedText(ItemName(chosen.Item, slot)) +
                           " is the equipped one, " + QuotedText(ItemName(c.Item, slot)) +
                           " left out");
  }
}

// The slots a weapon configuration counts.
std::vector<int> CountedSlots(int config) {
  std::vector<int> slots;
  for (const int step : {15, 16}) {
    if (const int slot = WeaponStepSlot(config, step); slot != 0) slots.push_back(slot);
  }
  return slots;
}

bool Holds(const std::vector<int>& slots, int slot) {
  for (const int s : slots) {
    if (s == slot) return true;
  }
  return false;
}

// The configuration that counts exactly the equipped weapons, or the fewest
// slots around them; a set no configuration counts whole takes the one that
// counts most of it, and says so.
void SetWeaponConfig(const std::vector<int>& equipped, ForeignTemplate& tpl) {
  int best = kNoWeaponsConfig;
  int bestCounted = -1;
  std::size_t bestSize = 0;
  for (int config = 0; config <= kNoWeaponsConfig; ++config) {
    const std::vector<int> slots = CountedSlots(config);
    int counted = 0;
    for (const int slot : equipped) counted += Holds(slots, slot) ? 1 : 0;
    if (counted > bestCounted || (counted == bestCounted && slots.size() < bestSize)) {
      best = config, bestCounted = counted, bestSize = slots.size();
    }
  }
  tpl.Record.WeaponConfig = static_cast<std::uint8_t>(best);
  if (bestCounted == static_cast<int>(equipped.size())) return;
  std::string names;
  for (const int slot : equipped)
    names += (names.empty() ? "" : ", ") + std::string(SlotName(slot));
  tpl.Warnings.push_back("weapons: " + names + " in use together; the template counts the " +
                         std::string(WeaponConfigText(best)));
}

}  // namespace

std::string SlotWhere(int slot) {
  return "slot " + std::to_string(slot) + " " + std::string(SlotName(slot));
}

void FillSlots(const SlotCandidates& candidates, ForeignTemplate& tpl) {
  std::vector<int> equippedWeapons;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::vector<SlotCandidate>& here = candidates[static_cast<std::size_t>(slot - 1)];
    const SlotCandidate* chosen = Chosen(here);
    if (chosen == nullptr) continue;
    WarnLeftOut(here, *chosen, slot, tpl);
    if (IsEmpty(chosen->Item)) continue;
    PlaceItem(chosen->Item, slot, tpl);
    if (IsWeaponSlot(slot)) {
      if (chosen->Equipped) equippedWeapons.push_back(slot);
    } else if (!chosen->Equipped) {
      tpl.Warnings.push_back(SlotWhere(slot) +
                             ": not equipped in the file; our template counts it all the same");
    }
  }
  SetWeaponConfig(equippedWeapons, tpl);
}

}  // namespace qm
