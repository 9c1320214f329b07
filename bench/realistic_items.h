#pragma once
// Items shaped like a real vault's: names of two to five words, six to ten
// bonus rows, a note, an effect on every third item. The vault benchmarks
// load a hundred thousand of them.
#include <random>
#include <string>
#include <string_view>

#include "core/template_record.h"

namespace qm {

inline TItemRecord RealisticItem(std::mt19937& rng, int index) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  static constexpr std::string_view kWords[] = {"Ancient", "Cloak",  "Blade",  "of",      "the",
                                                "Storm",   "Dragon", "Vest",   "Sleeves", "Helm",
                                                "Greaves", "Ring",   "Bracer", "Shadow",  "Light"};
  TItemRecord item = EmptyItem();
  std::string name;
  for (int w = pick(2, 5); w > 0; --w) {
    if (!name.empty()) name += ' ';
    name += kWords[static_cast<std::size_t>(pick(0, 14))];
  }
  item.Name.Assign(name + " " + std::to_string(index));
  item.ItemType = static_cast<std::uint8_t>(pick(0, 17));
  item.Realm = static_cast<std::uint8_t>(pick(0, 3));
  item.Level = static_cast<std::uint8_t>(pick(35, 51));
  item.Expansion = static_cast<std::uint8_t>(pick(1, 21));
  item.Quality = static_cast<std::uint8_t>(pick(25, 30));
  item.SlotKind = static_cast<std::uint8_t>(pick(1, 17));
  item.Armor =
      static_cast<std::uint8_t>(item.SlotKind >= 7 && item.SlotKind <= 12 ? pick(1, 5) : 0);
  item.WeaponType = static_cast<std::uint8_t>(item.SlotKind >= 13 ? pick(1, 30) : 0);
  item.Speed = static_cast<std::uint8_t>(item.WeaponType != 0 ? pick(1, 46) : 0);
  item.ServerCoop = static_cast<std::uint8_t>(pick(0, 1));
  for (auto& flag : item.ClassUsable) flag = static_cast<std::uint8_t>(pick(0, 3) == 0);
  item.Verified = static_cast<std::uint8_t>(pick(0, 1));
  item.Source = static_cast<std::uint8_t>(pick(0, 10));
  item.Note.Assign("Dropped by a named monster deep in the dungeon; stats verified in game " +
                   std::to_string(pick(1, 99)));
  for (int row = 0, rows = pick(6, 10); row < rows; ++row) {
    item.BonusCode[row] = static_cast<std::uint8_t>(pick(1, 178));
    if (item.BonusCode[row] == 179 || item.BonusCode[row] == 180) item.BonusCode[row] = 1;
    item.BonusValue[row] = pick(1, 40);
  }
  if (pick(0, 2) == 0) {
    item.EffectKind[0] = static_cast<std::uint8_t>(pick(1, 5));
    item.EffectId[0] = static_cast<std::uint16_t>(pick(1, 132));
    item.EffectValue[0] = static_cast<std::uint16_t>(pick(0, 200));
  }
  return item;
}

}  // namespace qm
