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

namespace qm {
namespace {

constexpr int kEntries = 100'000;

TItemRecord RealisticItem(std::mt19937& rng, int index) {
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

// The generated vault file, made once.
const std::vector<std::uint8_t>& PackedVault() {
  static const std::vector<std::uint8_t> packed = [] {
    std::mt19937 rng(2009);
    std::vector<TItemRecord> entries{VaultHeaderEntry(kVaultLabel, kVaultVersion)};
    for (int i = 1; i < kEntries; ++i) entries.push_back(RealisticItem(rng, i));
    return PackVault(entries).Value();
  }();
  return packed;
}

const Vault& LoadedVault() {
  static const Vault vault = [] {
    Vault v;
    v.LoadPacked(PackedVault());
    return v;
  }();
  return vault;
}

void BM_InflateOnly(benchmark::State& state) {
  const auto& packed = PackedVault();
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
  const auto& packed = PackedVault();
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
  const auto& packed = PackedVault();
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
  state.counters["records_bytes"] = static_cast<double>(kEntries * sizeof(TItemRecord));
  state.counters["kept_ratio"] = kept / static_cast<double>(kEntries * sizeof(TItemRecord));
}
BENCHMARK(BM_LoadedVaultMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

class QuietPorts : public UserPort, public ShellPort {
 public:
  int AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
              std::string_view, std::string_view) override {
    return 3;
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
