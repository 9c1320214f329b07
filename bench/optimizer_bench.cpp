// The optimizer on a fixed set of characters of all three realms with the
// bundled vault: jewellery, cloak, belt and Myth from the vault, the six
// armour pieces spellcrafted, the utility weights as the goal. Each run
// reports the objective, the proven bound, the gap at the time limit, the
// time to a template within 1 % of the bound and whether it was proven
// optimal. QM_OPTIMIZER_SECONDS sets the time limit (30 by default);
// QM_OPTIMIZER_TRACE prints each new best and bound with its time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/class_table.h"
#include "optimizer/solve.h"
#include "optimizer/utility_goals.h"
#include "realistic_vault.h"
#include "vault/vault.h"

namespace qm {
namespace {

constexpr std::string_view kCharacters[] = {
    "(Alb) Armsman", "(Alb) Cleric",     "(Alb) Wizard",   "(Alb) Infiltrator", "(Alb) Minstrel",
    "(Alb) Paladin", "(Alb) Scout",      "(Hib) Hero",     "(Hib) Druid",       "(Hib) Eldritch",
    "(Hib) Ranger",  "(Hib) Bard",       "(Hib) Champion", "(Hib) Nightshade",  "(Mid) Warrior",
    "(Mid) Healer",  "(Mid) Runemaster", "(Mid) Hunter",   "(Mid) Shadowblade", "(Mid) Thane",
    "(Mid) Skald"};

int ClassNamed(std::string_view name) {
  for (int c = 0; c < kClassCount; ++c)
    if (ClassOf(c).Text.substr(0, name.size()) == name) return c;
  return 0;
}

const Vault& BundledVault() {
  static const Vault vault = [] {
    Vault loaded;
    const VaultLoadStatus status = loaded.LoadFile(QM_BUNDLED_VAULT);
    (void)status;
    return loaded;
  }();
  return vault;
}

const std::vector<long long>& VaultIndices() {
  static const std::vector<long long> indices = [] {
    std::vector<long long> all(BundledVault().Count());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<long long>(i);
    return all;
  }();
  return indices;
}

// The first 13,000 entries of a vault shaped like the real one.
constexpr std::size_t kLargeVaultEntries = 13'000;
const Vault& LargeVault() {
  static const Vault vault = [] {
    Vault loaded;
    const VaultLoadStatus status = loaded.LoadPacked(RealisticPackedVault());
    (void)status;
    std::vector<TItemRecord> first(loaded.Entries().begin(),
                                   loaded.Entries().begin() + kLargeVaultEntries);
    loaded.Assign(std::move(first));
    return loaded;
  }();
  return vault;
}

OptimizerRequest BenchmarkRequest(int character, int craftedPieces) {
  OptimizerRequest request;
  TTemplateRecord& tpl = request.Template;
  tpl = EmptyTemplate();
  tpl.ClassIndex = static_cast<std::uint8_t>(ClassNamed(kCharacters[character]));
  tpl.CharLevel = 50;
  tpl.RealmRank = 5;
  tpl.ServerType = kNormal;
  for (int slot = kJewel; slot <= kWrist2; ++slot) request.Mode(slot) = SlotMode::kFromVault;
  request.Mode(kMyth) = SlotMode::kFromVault;
  for (int slot = kChest; slot <= kFeet; ++slot)
    request.Mode(slot) = slot - kChest < craftedPieces ? SlotMode::kSpellcraft : SlotMode::kEmpty;
  request.Vault = {BundledVault().Entries(), VaultIndices()};
  request.Goals = UtilityGoals(tpl.ClassIndex);
  const char* seconds = std::getenv("QM_OPTIMIZER_SECONDS");
  request.TimeLimitSeconds = seconds ? std::atof(seconds) : 30;
  return request;
}

constexpr ModelVariant kVariants[] = {
    {false, false, false, false, false},  // 0: the plain model, gem by gem
    {true, false, false, false, false},   // 1: interchangeable pieces ordered
    {false, false, true, false, false},   // 2: GLPK's cuts
    {false, false, false, true, false},   // 3: GLPK's heuristics
    {false, true, false, false, false},   // 4: from the greedy template
    {false, true, true, true, false},     // 5: greedy start, cuts and heuristics
    {false, true, false, false, true},    // 6: whole designs over identical pieces
    {false, true, true, false, true},     // 7: whole designs with GLPK's cuts
};

// Arguments: character, crafted pieces, model variant, and 1 for the
// 13,000-entry vault instead of the bundled one.
void BM_Optimize(benchmark::State& state) {
  const int character = static_cast<int>(state.range(0));
  OptimizerRequest request = BenchmarkRequest(character, static_cast<int>(state.range(1)));
  const ModelVariant variant = kVariants[state.range(2)];
  std::vector<long long> largeIndices;
  if (state.range(3) == 1) {
    largeIndices.resize(LargeVault().Count());
    for (std::size_t i = 0; i < largeIndices.size(); ++i)
      largeIndices[i] = static_cast<long long>(i);
    request.Vault = {LargeVault().Entries().subspan(1),
                     std::span<const long long>(largeIndices).subspan(1)};
  }
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    double withinOnePercent = -1;
    static const bool trace = std::getenv("QM_OPTIMIZER_TRACE") != nullptr;
    std::optional<double> tracedBest;
    double tracedBound = 0;
    request.OnProgress = [&](const OptimizerProgress& progress) {
      // With QM_OPTIMIZER_TRACE, each change of the best or the bound, timed.
      if (trace && (progress.Best != tracedBest || progress.Bound != tracedBound)) {
        tracedBest = progress.Best;
        tracedBound = progress.Bound;
        std::fprintf(stderr, "%7.2f s  best %9.3f  bound %9.3f  gap %6.2f %%\n",
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                     progress.Best.value_or(0), progress.Bound, progress.Gap * 100);
      }
      if (withinOnePercent < 0 && progress.Best && progress.Gap <= 0.01)
        withinOnePercent =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const JobOutcome<OptimizerResult> outcome = Optimize(request, variant);
    if (!outcome.IsFinished()) {
      state.SkipWithError(outcome.Message().c_str());
      return;
    }
    const OptimizerResult& result = outcome.Value();
    if (withinOnePercent < 0 && result.Gap <= 0.01) withinOnePercent = result.Seconds;
    state.counters["objective"] = result.Objective;
    state.counters["bound"] = result.Bound;
    state.counters["gap_pct"] = result.Gap * 100;
    state.counters["optimal"] = result.Optimal;
    state.counters["seconds"] = result.Seconds;
    state.counters["to_1pct_s"] = withinOnePercent;
  }
  state.SetLabel(std::string(kCharacters[character]));
}

void Arguments(benchmark::internal::Benchmark* bench) {
  for (int variant = 0; variant < static_cast<int>(std::size(kVariants)); ++variant)
    for (int character = 0; character < static_cast<int>(std::size(kCharacters)); ++character)
      for (int pieces : {1, 2, 6}) bench->Args({character, pieces, variant, 0});
  for (int character = 0; character < static_cast<int>(std::size(kCharacters)); ++character)
    for (int variant : {5, 6}) bench->Args({character, 6, variant, 1});
}

BENCHMARK(BM_Optimize)->Apply(Arguments)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
