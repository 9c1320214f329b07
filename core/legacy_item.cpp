#include "core/legacy_item.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

#include "core/bonus_level.h"

namespace qm {
namespace {

// Class index that each position of a realm's legacy class order became;
// Midgard's last position is the Mauler of the file's own realm.
constexpr int kMaulerPosition = -1;
constexpr std::array<std::array<int, 15>, 3> kLegacyClassOrder{{
    {0, 10, 7, 11, 2, 3, 4, 5, 12, 8, 15, 14, 13, 1, 9},
    {24, 20, 30, 19, 21, 31, 18, 27, 28, 22, 23, 26, 16, 29, 17},
    {46, 43, 32, 38, 41, 34, 40, 35, 44, 39, 33, 42, 45, 37, kMaulerPosition},
}};

struct ServerFlags {
  std::uint8_t normal, classic, coop, pvp, origins;
};

// Which servers an item of a legacy expansion exists on; expansions after the
// table (13 and above) exist everywhere.
constexpr ServerFlags kServersByLegacyExpansion[] = {
    {0, 0, 0, 0, 0},  // 0 unknown
    {1, 1, 1, 1, 1},  // 1 classic areas
    {1, 1, 1, 1, 0},  // 2 Shrouded Isles
    {1, 0, 1, 1, 0},  // 3 Trials of Atlantis
    {1, 1, 1, 1, 0},  // 4 Catacombs
    {1, 1, 1, 1, 1},  // 5 New Frontiers
    {1, 1, 1, 1, 0},  // 6 Darkness Rising
    {1, 1, 1, 1, 1},  // 7 Darkness Falls
    {1, 1, 1, 1, 0},  // 8 Labyrinth of the Minotaur
    {1, 1, 1, 1, 1},  // 9 epic armour
    {1, 1, 1, 1, 1},  // 10 Dragon's Revenge
    {1, 1, 0, 1, 1},  // 11 seasonal events
    {0, 0, 0, 0, 0},  // 12 Origins
};

ServerFlags ServersOfLegacyExpansion(int expansion) {
  constexpr int known = static_cast<int>(std::size(kServersByLegacyExpansion));
  return expansion < known ? kServersByLegacyExpansion[expansion] : ServerFlags{1, 1, 1, 1, 1};
}

}  // namespace

TLegacyItemRecord EmptyLegacyItem() {
  TLegacyItemRecord legacy;
  std::memset(&legacy, 0, sizeof legacy);
  legacy.Name.Length = 1;
  legacy.Name.Chars[0] = ' ';
  legacy.Level = 51;
  legacy.Realm = 3;
  return legacy;
}

int LegacyClassIndex(int realm, int position) {
  if (realm < 0 || realm > 2 || position < 0 || position > 14) return -1;
  return kLegacyClassOrder[static_cast<std::size_t>(realm)][static_cast<std::size_t>(position)];
}

TItemRecord ConvertLegacyItem(const TLegacyItemRecord& legacy) {
  TItemRecord item = EmptyItem();
  item.Name.Assign(legacy.Name.View());
  item.ItemType = legacy.ItemType;
  item.Realm = legacy.Realm;
  item.Expansion = legacy.Expansion;
  item.Level = legacy.Level;
  item.SlotKind = legacy.SlotKind;
  item.Armor = legacy.Armor;
  item.WeaponType = 0;
  item.Crafted = legacy.Crafted;
  item.Unique = legacy.ItemType == kItemTypeUnique ? 1 : 0;
  item.Source = 9;

  const ServerFlags servers = ServersOfLegacyExpansion(legacy.Expansion);
  item.ServerNormal = servers.normal;
  item.ServerClassic = servers.classic;
  item.ServerCoop = servers.coop;
  item.ServerPvP = servers.pvp;
  item.ServerOrigins = servers.origins;

  for (int realm = 0; realm < 3; ++realm)
    for (int position = 0; position < 15; ++position) {
      const int classIndex =
          kLegacyClassOrder[static_cast<std::size_t>(realm)][static_cast<std::size_t>(position)];
      const std::uint8_t flag = legacy.ClassFlags[realm][position];
      if (classIndex == kMaulerPosition) {
        for (int mauler : kMaulerClasses) item.ClassUsable[mauler] = flag;
      } else {
        item.ClassUsable[classIndex] = flag;
      }
    }

  std::memcpy(item.BonusCode, legacy.BonusCode, sizeof item.BonusCode);
  std::memcpy(item.BonusValue, legacy.BonusValue, sizeof item.BonusValue);
  if (item.Crafted == 1) std::memset(item.ClassUsable, 1, sizeof item.ClassUsable);

  item.EffectKind[0] = legacy.EffectKind[0];
  item.EffectKind[1] = legacy.EffectKind[1];
  item.Quality = kNoQuality;
  item.Note.Assign("Imported QMI");
  item.BonusLevelFixed = 0;
  // The byte keeps the level's low eight bits. A level below the 32-bit
  // range (only absurd rows get there) stores those of the lowest 32-bit
  // value, as it always has.
  const std::int64_t level =
      std::max<std::int64_t>(BonusLevelValue(item), std::numeric_limits<std::int32_t>::min());
  item.BonusLevel = static_cast<std::uint8_t>(level);
  return item;
}

}  // namespace qm
