#include "interop/crafted_item_match.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "core/class_table.h"
#include "spellcraft/fifth_slot_bonus.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {
namespace {

constexpr int kHighestCraftLevel = 51;
constexpr int kLegendaryGemCount = 3;
// The gem selector's archetypes every realm offers, and the first realm one.
constexpr int kSharedArchetypes[] = {1, 2, 3};  // attributes, resists, common skills
constexpr int kFirstRealmArchetype = 4;         // Albion, then Hibernia, Midgard

struct Row {
  int Code;
  int Value;
};

// Codes that name one bonus twice; Zenkcraft has one word for each pair, so
// a fifth-slot bonus comes back under the first code.
constexpr std::pair<int, int> kSameBonus[] = {{20, 179}, {21, 180}};

bool SameBonus(int a, int b) {
  for (const auto& [first, second] : kSameBonus) {
    if ((a == first && b == second) || (a == second && b == first)) return true;
  }
  return a == b;
}

std::vector<Row> BonusRows(const TItemRecord& item) {
  std::vector<Row> rows;
  for (int r = 0; r < kBonusRows; ++r) {
    if (item.BonusCode[r] != 0) rows.push_back({item.BonusCode[r], item.BonusValue[r]});
  }
  return rows;
}

bool GemOfRealm(int index, int realm) {
  for (const int archetype : kSharedArchetypes) {
    if (GemArchetypeEntryOf(archetype, index) > 0) return true;
  }
  return realm >= 0 && realm < 3 && GemArchetypeEntryOf(kFirstRealmArchetype + realm, index) > 0;
}

// The gem a row can be, with its tier; nullopt when no gem of the realm gives it.
std::optional<TSpellcraftGem> GemOf(const Row& row, int realm) {
  const int index = GemIndexOfCode(row.Code);
  if (index == 0 || !GemOfRealm(index, realm)) return std::nullopt;
  const auto ladder = GemValueLadder(index);
  const auto tier = std::find(ladder.begin(), ladder.end(), row.Value);
  if (tier == ladder.end()) return std::nullopt;
  TSpellcraftGem gem;
  gem.BonusIndex = index;
  gem.TierIndex = static_cast<int>(tier - ladder.begin());
  gem.Value = row.Value;
  gem.Archetype = kFullListingArchetype;
  return gem;
}

// The fifth-slot row whose bonus is exactly the rows given; 0 for none.
int FifthIndexOf(const std::vector<Row>& rest, int gems) {
  if (rest.empty()) return kNoFifthSlotBonus;
  for (int index = 1; index < kFifthSlotBonusCount; ++index) {
    const FifthSlotBonus bonus = FifthSlotBonusOf(index);
    const bool enoughGems =
        gems == kGemSlotCount || (gems == kLegendaryGemCount && IsLegendaryFifthSlot(index));
    const std::vector<Row> expected =
        bonus.SecondCode == 0
            ? std::vector<Row>{{bonus.Code, bonus.Amount}}
            : std::vector<Row>{{bonus.Code, bonus.Amount}, {bonus.SecondCode, bonus.SecondAmount}};
    const bool same = expected.size() == rest.size() &&
                      std::equal(rest.begin(), rest.end(), expected.begin(), [](Row a, Row b) {
                        return SameBonus(a.Code, b.Code) && a.Value == b.Value;
                      });
    if (enoughGems && same) return index;
  }
  return -1;
}

// The design a crafted piece's rows make, or nullopt.
std::optional<TSpellcraftState> DesignOf(const TItemRecord& item, int realm) {
  if (item.Level < 1 || item.Level > kHighestCraftLevel) return std::nullopt;
  const std::vector<Row> rows = BonusRows(item);
  // Gems first; whatever follows four (or three) gems must be a fifth-slot bonus.
  for (int gems = std::min<int>(static_cast<int>(rows.size()), kGemSlotCount); gems >= 0; --gems) {
    const std::vector<Row> rest(rows.begin() + gems, rows.end());
    const int fifth = FifthIndexOf(rest, gems);
    if (fifth < 0) continue;
    TSpellcraftState state;
    bool fits = true;
    for (int k = 0; k < gems && fits; ++k) {
      const std::optional<TSpellcraftGem> gem = GemOf(rows[static_cast<std::size_t>(k)], realm);
      fits = gem.has_value();
      for (int j = 0; j < k && fits; ++j) {
        fits = state.Gems[static_cast<std::size_t>(j)].BonusIndex != gem->BonusIndex;
      }
      if (fits) state.Gems[static_cast<std::size_t>(k)] = *gem;
    }
    if (!fits) continue;
    state.FifthIndex = state.SavedFifthIndex = fifth;
    state.Level = item.Level;
    state.Name = std::string(item.Name.View());
    state.AutoNaming = false;
    return state;
  }
  return std::nullopt;
}

}  // namespace

void MatchCraftedItems(ForeignTemplate& tpl) {
  TTemplateRecord& record = tpl.Record;
  const int realm = RealmOfClass(record.ClassIndex);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (!tpl.Crafted[static_cast<std::size_t>(slot - 1)]) continue;
    TItemRecord& item = record.Slot(slot);
    const std::optional<TSpellcraftState> design = DesignOf(item, realm);
    if (!design) continue;
    const SpellcraftContext context =
        SpellcraftContextOf(slot, record.ClassIndex, record.CharLevel, false, false, false);
    TItemRecord crafted = BuildCraftedItem(*design, context, CraftedItemVariant::kReturned);
    crafted.Quality = item.Quality;
    crafted.SlotKind = item.SlotKind;
    crafted.Note = item.Note;
    item = crafted;
  }
}

}  // namespace qm
