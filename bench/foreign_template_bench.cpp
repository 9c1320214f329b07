// Reading another planner's template as the File menu will: a Loki .mmr with
// every location it knows filled (crafted gems by tier index, dropped items,
// an eleventh bonus) and a Kort template whose outfit fills all nineteen
// slots beside the items it leaves out. Each should take well under 20 ms.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "interop/kort_template.h"
#include "interop/loki_template.h"

namespace qm {
namespace {

std::string Fixture(const char* relative) {
  std::ifstream in(std::string(QM_INTEROP_FIXTURES) + "/" + relative, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void BM_ReadLokiTemplate(benchmark::State& state) {
  const std::string text = Fixture("loki/wizard.mmr");
  for (auto _ : state) {
    Result<ForeignTemplate> read = ReadLokiTemplate(text, "wizard.mmr");
    if (!read.Ok()) state.SkipWithError(read.Error().c_str());
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadLokiTemplate)->Unit(benchmark::kMillisecond);

void BM_ReadKortTemplate(benchmark::State& state) {
  const std::string text = Fixture("kort_template/hibernian_template.xml");
  for (auto _ : state) {
    Result<ForeignTemplate> read = ReadKortTemplate(text, "hibernian_template.xml");
    if (!read.Ok()) state.SkipWithError(read.Error().c_str());
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadKortTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm

BENCHMARK_MAIN();
