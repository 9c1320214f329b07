// Importing an OpenDAoC item table dump of 100,000 rows, against two
// baselines: reading the file into memory, and one memchr pass over it.
// The import reads the file too, so its time compares with the first
// baseline directly. Peak memory is the process's high-water mark after the
// import runs, beside the file's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "interop/emulator_table_reader.h"
#include "interop/item_import.h"

namespace qm {
namespace {

constexpr int kRows = 100000;

// One row of all 80 columns the way the server's own dump writes them:
// names with quotes and parentheses, NULLs, class lists, a mix of worn items,
// weapons and things nobody wears.
std::string DumpRow(int index, std::mt19937& random) {
  static constexpr const char* kWords[] = {"Dragonsworn", "Demon-Bound", "Director\\'s",
                                           "Wolf''s",     "Cloak",       "(Alb)",
                                           "Bracer",      "Ring",        "Hammer"};
  static constexpr int kItemTypes[] = {10, 11, 12, 13, 21, 22, 23, 24, 25, 26,
                                       27, 28, 29, 32, 33, 35, 37, 40, 13};
  static constexpr int kObjectTypes[] = {3, 11, 19, 24, 33, 35, 36, 41, 41, 41, 42, 43, 45, 0};
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::string name =
      std::string(kWords[pick(9)]) + " " + kWords[pick(9)] + " " + std::to_string(index);
  std::string id = "qm_item_" + std::to_string(index);
  std::ostringstream row;
  row << "\t('" << id << "', NULL, '" << name << "', NULL, NULL, " << 10 + pick(42)
      << ", 50000, 50000, 0, 50000, 50000, " << 85 + pick(16) << ", " << pick(170) << ", "
      << pick(60) << ", " << pick(3) << ", " << pick(4) << ", " << kObjectTypes[pick(14)] << ", "
      << kItemTypes[pick(19)] << ", 0, 0, 0, " << pick(60) << ", " << pick(4000) << ", 0, 35";
  const int bonuses = pick(12);
  for (int i = 0; i < 11; ++i) row << ", " << (i < bonuses ? 1 + pick(40) : 0);
  for (int i = 0; i < 11; ++i) row << ", " << (i < bonuses ? 1 + pick(255) : 0);
  row << ", 0, " << pick(70000) << ", 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, "
      << pick(100000) << ", 1, 0, 1, " << pick(4) << ", '" << 1 + pick(62) << ";" << 1 + pick(62)
      << "', 0, " << pick(50) << ", " << pick(51)
      << ", 'Public_DB', NULL, NULL, 0, '2000-01-01 00:00:00', '" << id << "', NULL)";
  return row.str();
}

void WriteDump(const std::string& file) {
  std::ofstream out(file, std::ios::binary);
  std::mt19937 random(42);
  out << "CREATE TABLE IF NOT EXISTS `itemtemplate` (`Id_nb` varchar(255) NOT NULL);\n";
  for (int start = 0; start < kRows; start += 1000) {  // statements of 1,000 rows, as dumps do
    out << "REPLACE INTO `itemtemplate` VALUES\n";
    for (int i = start; i < start + 1000; ++i) {
      out << DumpRow(i, random) << (i + 1 < start + 1000 ? ",\n" : ";\n");
    }
  }
}

const std::string& DumpPath() {
  static const std::string path = [] {
    std::string file = "/tmp/qm_emulator_bench_" + std::to_string(::getpid()) + ".sql";
    WriteDump(file);
    return file;
  }();
  return path;
}

std::string ReadWhole(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::string text;
  if (file == nullptr) return text;
  std::fseek(file, 0, SEEK_END);
  text.resize(static_cast<std::size_t>(std::ftell(file)));
  std::fseek(file, 0, SEEK_SET);
  const std::size_t got = std::fread(text.data(), 1, text.size(), file);
  text.resize(got);
  std::fclose(file);
  return text;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReadFile(benchmark::State& state) {
  DumpPath();  // written once, outside the timed loop
  for (auto _ : state) {
    const std::string text = ReadWhole(DumpPath());
    benchmark::DoNotOptimize(text.data());
    state.counters["MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
  }
}

void BM_MemchrPass(benchmark::State& state) {
  const std::string text = ReadWhole(DumpPath());
  for (auto _ : state) {
    std::size_t lines = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while ((p = static_cast<const char*>(
                std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
      ++lines;
      ++p;
    }
    benchmark::DoNotOptimize(lines);
  }
}

void BM_ImportDump(benchmark::State& state) {
  std::size_t items = 0;
  std::size_t skipped = 0;
  DumpPath();
  for (auto _ : state) {
    const std::string text = ReadWhole(DumpPath());
    ImportTally tally;
    ReadContext context{tally, {}, {}};
    const auto outcome = ReadEmulatorTable(text, context);
    items = outcome.Ok() ? outcome.Value().Items.size() : 0;
    skipped = tally.SkippedCount();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
  state.counters["skipped"] = static_cast<double>(skipped);
  state.counters["peak_MB"] = PeakMegabytes();
}

// The whole import the window runs: read, converted, merged, the vault
// written and saved.
void BM_ImportDumpIntoAVault(benchmark::State& state) {
  const std::string out = DumpPath() + ".qmv";
  ItemImportRequest request{{DumpPath()}, out, "2026-12-10", "", false};
  std::size_t imported = 0;
  // When each phase began, from the progress reports: where the time goes.
  std::vector<std::pair<std::string, std::chrono::steady_clock::time_point>> phases;
  const ProgressCallback progress = [&](std::uint64_t, std::uint64_t, std::string_view phase) {
    const std::string word(phase.substr(0, phase.find(' ', phase.find(' ') + 1)));
    if (phases.empty() || phases.back().first != word)
      phases.emplace_back(word, std::chrono::steady_clock::now());
  };
  for (auto _ : state) {
    phases.clear();
    const auto outcome = ImportItemSources(request, progress, CancelToken());
    phases.emplace_back("end", std::chrono::steady_clock::now());
    imported = outcome.IsFinished() ? outcome.Value().Imported : 0;
    benchmark::DoNotOptimize(imported);
  }
  for (std::size_t k = 0; k + 1 < phases.size(); ++k) {
    state.counters["ms " + phases[k].first] =
        std::chrono::duration<double, std::milli>(phases[k + 1].second - phases[k].second).count();
  }
  state.counters["imported"] = static_cast<double>(imported);
  state.counters["peak_MB"] = PeakMegabytes();
  std::remove(out.c_str());
}

BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDumpIntoAVault)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm

// "--write-dump PATH" writes the dump and stops: a fresh process importing it
// ("quillmark-cli vault build OUT.qmv PATH") pays every page it touches once,
// as a player's import does.
int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--write-dump") {
    qm::WriteDump(argv[2]);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(qm::DumpPath().c_str());
  return 0;
}
