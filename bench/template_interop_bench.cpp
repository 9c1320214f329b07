// Opening a full Zenkcraft template (read, crafted-item match, template
// rules: what opening one costs) and writing a full template as Zenkcraft's.
// The template has an item in all nineteen slots, ten bonuses on each plain
// item and four gems with a fifth-slot bonus on each crafted armour piece.
#include <benchmark/benchmark.h>

#include <string>

#include "core/template_rules.h"
#include "interop/crafted_item_match.h"
#include "interop/zenkcraft_template.h"
#include "interop/zenkcraft_template_writer.h"
#include "spellcraft/spellcraft_gems.h"
#include "spellcraft/spellcraft_item.h"
#include "tools/samples.h"

namespace qm {
namespace {

constexpr int kDruid = 21;

TItemRecord CraftedPieceGems(int slot) {
  TSpellcraftState state;
  const int gems[] = {2, 10, 82, 18};  // Constitution, Hit Points, Nature, Body Resist
  for (int k = 0; k < kGemSlotCount; ++k) {
    TSpellcraftGem& gem = state.Gems[static_cast<std::size_t>(k)];
    gem.BonusIndex = gems[k];
    gem.TierIndex = static_cast<int>(GemValueLadder(gem.BonusIndex).size()) - 1;
    gem.Value = GemValueLadder(gem.BonusIndex)[static_cast<std::size_t>(gem.TierIndex)];
  }
  state.FifthIndex = 3;
  state.Level = 51;
  state.Name = "Crafted " + std::string(SlotName(slot));
  state.AutoNaming = false;
  return BuildCraftedItem(state, SpellcraftContextOf(slot, kDruid, 50, false, false, false),
                          CraftedItemVariant::kReturned);
}

TTemplateRecord FullTemplate() {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Bench Druid");
  tpl.ClassIndex = kDruid;
  tpl.RaceIndex = 1;
  tpl.WeaponConfig = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (slot >= kChest && slot <= kFeet) {
      tpl.Slot(slot) = CraftedPieceGems(slot);
      continue;
    }
    tpl.Slot(slot) = samples::MakeItem("Item of " + std::string(SlotName(slot)), {{1, 10},
                                                                                  {2, 12},
                                                                                  {3, 9},
                                                                                  {10, 40},
                                                                                  {11, 5},
                                                                                  {12, 6},
                                                                                  {13, 7},
                                                                                  {82, 3},
                                                                                  {148, 5},
                                                                                  {153, 2}});
  }
  return tpl;
}

void BM_OpenZenkcraftTemplate(benchmark::State& state) {
  const std::string text = WriteZenkcraftTemplate(FullTemplate()).Text;
  for (auto _ : state) {
    Result<ForeignTemplate> read = ReadZenkcraftTemplate(text, "full.znk");
    MatchCraftedItems(read.Value());
    EnforceTemplateRules(read.Value().Record);
    benchmark::DoNotOptimize(read.Value().Record);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_OpenZenkcraftTemplate)->Unit(benchmark::kMillisecond);

void BM_WriteZenkcraftTemplate(benchmark::State& state) {
  const TTemplateRecord tpl = FullTemplate();
  for (auto _ : state) {
    TemplateExport written = WriteZenkcraftTemplate(tpl);
    benchmark::DoNotOptimize(written.Text);
  }
}
BENCHMARK(BM_WriteZenkcraftTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
