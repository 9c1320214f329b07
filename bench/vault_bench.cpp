// Loading and searching a vault of 100,000 realistic entries: inflating only,
// the whole load, a typical workbench query, and the vault browser's
// unfiltered search.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <random>

#include "core/bonus_catalogue.h"
#include "core/char_attributes.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "core/template_record.h"
#include "vault/vault.h"
#include "vault/vault_browser.h"
#include "vault/vault_bundle.h"
#include "vault/vault_query.h"
#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

#include "realistic_vault.h"

namespace qm {
namespace {

const Vault& LoadedVault() {
  static const Vault vault = [] {
    Vault v;
    v.LoadPacked(RealisticPackedVault());
    return v;
  }();
  return vault;
}

void BM_InflateOnly(benchmark::State& state) {
  const auto& packed = RealisticPackedVault();
  std::size_t size = 0;
  for (auto _ : state) {
    const auto text = InflateStreamBuffer(packed);
    size = text.Value().Size();
    benchmark::DoNotOptimize(text.Value().View().data());
  }
  state.counters["text_bytes"] = static_cast<double>(size);
  state.counters["packed_bytes"] = static_cast<double>(packed.size());
}
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);

void BM_LoadVault(benchmark::State& state) {
  const auto& packed = RealisticPackedVault();
  std::size_t count = 0;
  for (auto _ : state) {
    Vault vault;
    if (!vault.LoadPacked(packed).Ok()) state.SkipWithError("load failed");
    count = vault.Count();
    benchmark::DoNotOptimize(vault.Entries().data());
  }
  state.counters["entries"] = static_cast<double>(count);
  state.counters["record_bytes"] = static_cast<double>(count * sizeof(TItemRecord));
}
BENCHMARK(BM_LoadVault)->Unit(benchmark::kMillisecond);

void BM_TypicalWorkbenchQuery(benchmark::State& state) {
  const Vault& vault = LoadedVault();
  TVaultFilter filter;
  filter.SlotFilter = 7;
  filter.ClassFilter = 1;
  filter.RealmFilter = 0;
  filter.SFilter1 = 1;
  filter.stat1amt = "5";
  VaultQueryContext context;
  context.BonusLevelLimit = true;
  context.CharacterLevel = 50;
  context.ShieldSize = 17;
  VaultQueryResult result;
  for (auto _ : state) {
    RunVaultQuery(vault, filter, context, result);
    benchmark::DoNotOptimize(result.Names.data());
  }
  state.counters["matches"] = static_cast<double>(result.Size());
}
BENCHMARK(BM_TypicalWorkbenchQuery)->Unit(benchmark::kMillisecond);

// Heap bytes a loaded vault keeps once loading is over: the records, plus
// whatever the growable lists gained; the inflated text and the lookup
// indexes are gone.
void BM_LoadedVaultMemory(benchmark::State& state) {
  const auto& packed = RealisticPackedVault();
  double kept = 0;
  for (auto _ : state) {
    const auto inUse = [] {
      const struct mallinfo2 info = mallinfo2();
      return info.uordblks + info.hblkhd;  // heap chunks and mapped blocks
    };
    const std::size_t before = inUse();
    auto vault = std::make_unique<Vault>();
    vault->LoadPacked(packed);
    kept = static_cast<double>(inUse() - before);
    benchmark::DoNotOptimize(vault->Entries().data());
  }
  state.counters["kept_bytes"] = kept;
  state.counters["records_bytes"] =
      static_cast<double>(kRealisticVaultEntries * sizeof(TItemRecord));
  state.counters["kept_ratio"] =
      kept / static_cast<double>(kRealisticVaultEntries * sizeof(TItemRecord));
}
BENCHMARK(BM_LoadedVaultMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

class QuietPorts : public UserPort, public ShellPort {
 public:
  Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                 std::string_view, std::string_view) override {
    return Answer::Abort;
  }
  void ShowMessage(std::string_view) override {}
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
  void OpenInShell(std::string_view) override {}
  void SetBusyCursor(bool) override {}
  void AssociateExtension(std::string_view, std::string_view) override {}
};

void BM_BrowserUnfilteredSearch(benchmark::State& state) {
  Vault vault = LoadedVault();
  TTemplateRecord tpl = EmptyTemplate();
  TemplateBrowserHost host(tpl);
  TVaultFilter criteria;
  QuietPorts ports;
  Tbrowser browser(vault, criteria, host, ports, ports);
  browser.Show();
  for (auto _ : state) {
    browser.BrowserSearch();
    benchmark::DoNotOptimize(browser.View().Items.Entries.data());
  }
  state.counters["lines"] = static_cast<double>(browser.View().Items.Entries.size());
}
BENCHMARK(BM_BrowserUnfilteredSearch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
