// The evaluation engine runs on every edit in the main window: totals, caps,
// the class's skill rows and one utility column per recalculation.
#include <benchmark/benchmark.h>

#include <array>

#include "core/class_table.h"
#include "engine/caps.h"
#include "engine/item_measures.h"
#include "engine/totals.h"
#include "tools/samples.h"

namespace qm {
namespace {

// Every slot filled with ten rows of assorted bonuses, both weapon slots of
// configuration 0 counted: the heaviest template the engine sees.
TTemplateRecord FullTemplate() {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.ClassIndex = 0;  // Armsman: eight skill rows
  tpl.RealmRank = 7;
  tpl.WeaponConfig = 0;
  constexpr std::array<int, 20> kCodes = {1,   2,   3,  4,   10,  11,  12, 13, 28,  29,
                                          134, 148, 20, 152, 157, 190, 59, 22, 163, 146};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    TItemRecord& item = tpl.Slot(slot);
    item = samples::MakeItem("full", {});
    for (int row = 0; row < kBonusRows; ++row) {
      item.BonusCode[row] = static_cast<std::uint8_t>(kCodes[(slot + row) % kCodes.size()]);
      item.BonusValue[row] = 1 + (slot * 7 + row * 3) % 40;
    }
  }
  return tpl;
}

void BM_ComputeTotals(benchmark::State& state) {
  const TTemplateRecord tpl = FullTemplate();
  for (auto _ : state) {
    TotalsAndCaps result = ComputeTotals(tpl);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ComputeTotals);

void BM_SkillBonusTotalEightRows(benchmark::State& state) {
  const TTemplateRecord tpl = FullTemplate();
  const ClassInfo& info = ClassOf(tpl.ClassIndex);
  for (auto _ : state) {
    for (const SkillRow& row : info.Rows) benchmark::DoNotOptimize(SkillBonusTotal(row.Code, tpl));
  }
}
BENCHMARK(BM_SkillBonusTotalEightRows);

void BM_ShowUtility(benchmark::State& state) {
  const TTemplateRecord tpl = FullTemplate();
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    UtilityColumn column = ShowUtility(tpl, mode);
    benchmark::DoNotOptimize(column);
  }
}
BENCHMARK(BM_ShowUtility)->DenseRange(0, 3);

// What one main-window recalculation asks of the engine.
void BM_Recalculation(benchmark::State& state) {
  const TTemplateRecord tpl = FullTemplate();
  const ClassInfo& info = ClassOf(tpl.ClassIndex);
  for (auto _ : state) {
    const TotalsAndCaps result = ComputeTotals(tpl);
    for (StatField field : {StatField::kStrength, StatField::kConstitution, StatField::kDexterity,
                            StatField::kQuickness, StatField::kAcuity, StatField::kHitPoints,
                            StatField::kPowerPool}) {
      benchmark::DoNotOptimize(EffectiveCap(result.Caps, result.Totals, field, info.Acuity));
    }
    for (const SkillRow& row : info.Rows) benchmark::DoNotOptimize(SkillBonusTotal(row.Code, tpl));
    UtilityColumn column = ShowUtility(tpl, kUtilityNormal);
    benchmark::DoNotOptimize(column);
  }
}
BENCHMARK(BM_Recalculation);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
